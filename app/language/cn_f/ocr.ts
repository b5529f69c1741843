<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>文字辨識</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>重新辨識</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>另存為文字檔…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>文字的語言</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>文字已複製到剪貼簿。</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>所選文字已複製到剪貼簿。</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>已儲存為 %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>仍在辨識上一張圖片的文字…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>還沒有可辨識的圖片。</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>未安裝文字辨識語言（Debian 套件 tesseract-ocr-eng、tesseract-ocr-chi-sim 等）。</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>正在辨識文字…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>以%1辨識，耗時 %2 秒；文字已複製到剪貼簿。</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>文字已辨識並複製到剪貼簿。</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>圖片中找不到文字（語言：%1）。</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>圖片中找不到文字。</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>無法載入%1的辨識資料。</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文字檔 (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>儲存文字</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>文字另存為</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要取代它嗎？</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 是資料夾。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
</context>
</TS>
