<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>Pas encore disponible</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>Redresser</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>Rideau</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>Figer l'image</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>Image en direct</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>Barre latérale</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Gauche-droite</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Haut-bas</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>Redresser</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>Rideau</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>Figer l'image</translation>
    </message>
</context>
</TS>
