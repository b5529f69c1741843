<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Text recognition</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>Read again</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Save as text…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>Language of the text</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>The text is on the clipboard.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>The selected text is on the clipboard.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Saved as %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>Still recognising the text of the last picture…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>There is no picture to read yet.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>Recognising text…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>Read in %1 in %2 s; the text is on the clipboard.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>Text recognised and copied to the clipboard.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>No text was found in the picture (language: %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>No text was found in the picture.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>The trained data for %1 could not be loaded.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>Save text</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Save the text as</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 is a folder.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
</context>
</TS>
