<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>Not available yet</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>Mirror left-right</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>Mirror top-bottom</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>Deskew</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>Curtain</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>Live view</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>Side bar</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Left-right</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Top-bottom</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>Deskew</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>Curtain</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>Freeze</translation>
    </message>
</context>
</TS>
