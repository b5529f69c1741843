<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>%1 konnte nicht als Bild gelesen werden: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>Es gibt noch kein Kamerabild.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>Zwei Fenster</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>Vier Fenster</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>Sechs Fenster</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>Foto aufnehmen</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
</context>
</TS>
