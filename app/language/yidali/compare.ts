<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>Impossibile leggere %1 come immagine: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>Non c'è ancora un'immagine della telecamera.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>Due finestre</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>Quattro finestre</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>Sei finestre</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>Scatta foto</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
</context>
</TS>
