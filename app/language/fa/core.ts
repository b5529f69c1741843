<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>Impossible d'ouvrir le dossier %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>La caméra %1 ne répond pas.
L'image reviendra d'elle-même dès qu'elle répondra à nouveau.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>La caméra répond de nouveau</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>La caméra répond</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Masquer les outils</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Afficher les outils</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Enregistrement du son</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Obtenir la résolution</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>Impossible d'obtenir les résolutions de la caméra. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Définir la résolution</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>La caméra n'a pas accepté la résolution.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Fenêtre de comparaison</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Veuillez d'abord sélectionner une fenêtre.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Comparer avec un fichier</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>软件图标</source>
        <translation>Icône du logiciel</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Micro</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>Saisissez l'adresse IPv4 de la caméra, p. ex. 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Connexion à la caméra</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Mode Wi-Fi</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Utiliser le Wi-Fi</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>Mode routeur</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Chercher la caméra</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Utiliser le routeur</translation>
    </message>
</context>
</TS>
