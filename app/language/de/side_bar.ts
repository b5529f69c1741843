<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>Noch nicht verfügbar</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>Begradigen</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>Vorhang</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>Einfrieren</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>Livebild</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>Links drehen</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>Rechts drehen</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Links-rechts</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Oben-unten</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>Begradigen</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>Vorhang</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>Einfrieren</translation>
    </message>
</context>
</TS>
