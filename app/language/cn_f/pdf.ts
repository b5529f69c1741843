<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>請選擇圖片</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>請選擇 PDF 的儲存位置</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要取代它嗎？</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>請先加入圖片，再製作 PDF。</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>沒有任何圖片能以 JPEG 圖片讀取，未產生 PDF。</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>無法製作 PDF（記憶體不足？），未寫入檔案。</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>無法將 PDF 寫入 %1：資料夾不存在或無法寫入。</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>無法將 PDF 寫入 %1：寫入失敗（磁碟已滿？）。</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>無法將 PDF 儲存為 %1：無法取代這個名稱。</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1（無法讀取）</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1（不是 JPEG 圖片）</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>下列圖片未加入：</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>下列圖片大於 PDF 頁面，已等比例縮小：</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>辨識每張圖片中的文字並以隱藏方式加入，讓 PDF 可以搜尋並複製文字。</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>正在辨識第 %1 張圖片的文字（共 %2 張）…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>正在寫入 PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>正在辨識圖片中的文字…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>無法加入文字（無法載入字型）；PDF 中只有圖片。</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>這些圖片中找不到文字，其頁面無法搜尋：</translation>
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
        <translation>加入圖片</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>製作 PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>可搜尋文字</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>PDF %1 未寫入。</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>PDF 已儲存到 %1，但無法啟動程式來開啟它。</translation>
    </message>
</context>
</TS>
