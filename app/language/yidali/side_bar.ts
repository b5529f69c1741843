<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>Non ancora disponibile</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>Rifletti in orizzontale</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>Rifletti in verticale</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>Raddrizza</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>Tendina</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>Fermo immagine</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>Immagine dal vivo</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>Barra laterale</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Sinistra-destra</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Alto-basso</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>Raddrizza</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>Tendina</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>Fermo immagine</translation>
    </message>
</context>
</TS>
