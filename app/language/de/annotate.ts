<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>Dünner Stift</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>Mittlerer Stift</translation>
    </message>
    <message>
        <source>da</source>
        <translation>Dicker Stift</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>qingse</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>lvse</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>lanse</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>MyAnnotateBarClass</name>
    <message>
        <source>MyAnnotateBar</source>
        <translation>Annotation</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Radieren</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>Es gibt noch kein Kamerabild zum Annotieren.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>Das Kamerabild konnte für die Annotation nicht in %1 abgelegt werden.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>Die Annotation wurde nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>kein Bild zum Speichern vorhanden</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
</TS>
