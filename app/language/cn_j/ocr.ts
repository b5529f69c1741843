<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>文字识别</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>重新识别</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>另存为文本…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>文字的语言</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>文字已复制到剪贴板。</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>所选文字已复制到剪贴板。</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>已保存为 %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>仍在识别上一张图片的文字…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>还没有可识别的图片。</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>未安装文字识别语言（Debian 软件包 tesseract-ocr-eng、tesseract-ocr-chi-sim 等）。</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>正在识别文字…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>以%1识别，用时 %2 秒；文字已复制到剪贴板。</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>文字已识别并复制到剪贴板。</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>图片中未找到文字（语言：%1）。</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>图片中未找到文字。</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>无法加载%1的识别数据。</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>保存文字</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>文字另存为</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 已存在。要替换它吗？</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 是一个文件夹。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
</TS>
