<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>Paramètre appliqué.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>Le paramètre n'a pas pu être appliqué.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>Le nom du réseau et le mot de passe ne doivent pas dépasser 32 octets chacun.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Veuillez choisir où enregistrer les fichiers</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>Propriétés de la caméra</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>Activer l'autofocus</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>Désactiver l'autofocus</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Mode Wi-Fi</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Rétablir le mode Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Nom du Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>Passer en mode routeur</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Paramètres du logiciel</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
