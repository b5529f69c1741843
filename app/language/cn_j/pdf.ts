<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>请选择图片</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>请选择文件保存位置</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>请先添加图片，再合成PDF。</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>没有一张图片能作为JPEG图片读取，未生成PDF。</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>无法生成PDF（内存不足？），未写入文件。</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>无法将PDF写入 %1：文件夹不存在或不可写入。</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>无法将PDF写入 %1：写入失败（磁盘已满？）。</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>无法将PDF保存为 %1：该名称无法被替换。</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1（无法读取）</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1（不是JPEG图片）</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>以下图片未被加入：</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>以下图片大于PDF页面的上限，已按比例缩小：</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>识别每张图片中的文字并以不可见方式加入，使PDF可以搜索并复制文字。</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>正在识别第 %1 张图片的文字（共 %2 张）…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>正在写入PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>正在识别图片中的文字…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>无法加入文字（字体无法加载）；PDF中只有图片。</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>这些图片中未找到文字，其页面无法搜索：</translation>
    </message>
</context>
<context>
    <name>MyPDFBarClass</name>
    <message>
        <source>MyPDFBar</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>添加图片</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>合成PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>可搜索文字</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>PDF %1 未写入。</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>PDF已保存到 %1，但无法启动程序打开它。</translation>
    </message>
</context>
</TS>
