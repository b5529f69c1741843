<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>文字認識</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>再認識</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>テキストとして保存…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>テキストの言語</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>テキストをクリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>選択したテキストをクリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>%1 として保存しました</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>前の画像の文字をまだ認識しています…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>認識できる画像がまだありません。</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>文字認識の言語がインストールされていません（Debian パッケージ tesseract-ocr-eng、tesseract-ocr-chi-sim など）。</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>文字を認識しています…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>%1 で認識しました（%2 秒）。テキストはクリップボードにあります。</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>文字を認識し、クリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>画像に文字が見つかりませんでした（言語：%1）。</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>画像に文字が見つかりませんでした。</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>%1 の認識データを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>テキストを保存</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>名前を付けてテキストを保存</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 はフォルダーです。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 に書き込めませんでした：%2</translation>
    </message>
</context>
</TS>
