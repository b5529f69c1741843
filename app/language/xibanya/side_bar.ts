<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>Aún no disponible</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>Espejo horizontal</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>Espejo vertical</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>Enderezar</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>Cortina</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>Congelar imagen</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>Imagen en directo</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Píxeles</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Izquierda-derecha</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Arriba-abajo</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>Enderezar</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>Cortina</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>Congelar imagen</translation>
    </message>
</context>
</TS>
