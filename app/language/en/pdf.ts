<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>Please choose pictures</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Please choose where to save the PDF</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>Add pictures first, then compose the PDF.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>None of the pictures could be read as a JPEG picture. No PDF was written.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>The PDF could not be made (not enough memory?). No PDF was written.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>The PDF could not be written to %1: the folder does not exist or cannot be written.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>The PDF could not be written to %1: writing failed (is the disk full?).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>The PDF could not be saved as %1: that name cannot be replaced.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (cannot be read)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (not a JPEG picture)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>These pictures were left out:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>These pictures are larger than a PDF page and were scaled down to fit:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>Reading the text of picture %1 of %2…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>Writing the PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>Reading the text of the pictures…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>No text was found on these pictures; their pages cannot be searched:</translation>
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
        <translation>Add pictures</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>Compose PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>Searchable text</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>The PDF %1 was not written.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>The PDF was saved to %1, but no program could be started to show it.</translation>
    </message>
</context>
</TS>
