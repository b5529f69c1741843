<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>Impossible de lire %1 comme image : %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>Il n'y a pas encore d'image de la caméra.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>Deux fenêtres</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>Quatre fenêtres</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>Six fenêtres</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>Prendre une photo</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Photo</translation>
    </message>
</context>
</TS>
