<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>无法将 %1 读取为图片：%2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>还没有摄像头画面。</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>二分窗口</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>四分窗口</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>六分窗口</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>拍摄图片</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>对比</translation>
    </message>
    <message>
        <source>二</source>
        <translation>二</translation>
    </message>
    <message>
        <source>四</source>
        <translation>四</translation>
    </message>
    <message>
        <source>六</source>
        <translation>六</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>拍照</translation>
    </message>
</context>
</TS>
