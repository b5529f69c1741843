<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>画像を選択してください</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>PDF の保存先を選択してください</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>先に画像を追加してから PDF を作成してください。</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>JPEG 画像として読み込める画像がありませんでした。PDF は作成されていません。</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>PDF を作成できませんでした（メモリ不足の可能性があります）。PDF は作成されていません。</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>PDF を %1 に書き込めませんでした：フォルダーが存在しないか、書き込みできません。</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>PDF を %1 に書き込めませんでした：書き込みに失敗しました（ディスクの空き容量不足の可能性があります）。</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>PDF を %1 として保存できませんでした：この名前のファイルは置き換えられません。</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1（読み込めません）</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1（JPEG 画像ではありません）</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>次の画像は除外されました：</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>次の画像は PDF のページより大きいため、縮小して収めました：</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>各画像の文字を認識して透明テキストとして追加し、PDF 内の検索と文字のコピーをできるようにします。</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>画像 %1/%2 の文字を認識しています…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>PDF を書き込んでいます…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>画像の文字を認識しています…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>テキストを追加できませんでした（フォントを読み込めませんでした）。PDF には画像のみが含まれます。</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>次の画像には文字が見つからなかったため、そのページは検索できません：</translation>
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
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>PDF 作成</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>検索可能にする</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>PDF %1 は書き込まれませんでした。</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>PDF を %1 に保存しましたが、表示するプログラムを起動できませんでした。</translation>
    </message>
</context>
</TS>
