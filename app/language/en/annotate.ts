<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>Thin pen</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>Medium pen</translation>
    </message>
    <message>
        <source>da</source>
        <translation>Thick pen</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>qingse</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>lvse</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>lanse</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>Save</translation>
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
        <translation>Small</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>There is no camera picture to annotate yet.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>The camera picture could not be kept for annotation in %1.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>The annotation was not saved: %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>there is no picture to save</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 already exists</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
</context>
</TS>
