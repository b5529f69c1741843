<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>Could not read %1 as a picture: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>There is no camera picture yet.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>Two windows</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>Four windows</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>Six windows</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>Open picture</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>Take picture</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Two</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Four</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Photo</translation>
    </message>
</context>
</TS>
