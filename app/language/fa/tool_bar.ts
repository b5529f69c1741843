<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>Pas encore disponible</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>Annoter</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>Enregistrer une vidéo</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>Enregistrer l'écran</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>Prendre une photo</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>Créer un PDF</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>Reconnaissance de texte</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>Lire les codes-barres</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>Barre d'outils</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Annoter</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Enregistrer une vidéo</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>Enregistrer l'écran</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Code-barres</translation>
    </message>
</context>
</TS>
