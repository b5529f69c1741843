<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>No se pudo leer %1 como imagen: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>Todavía no hay imagen de la cámara.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>Dos ventanas</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>Cuatro ventanas</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>Seis ventanas</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>Tomar foto</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
</context>
</TS>
