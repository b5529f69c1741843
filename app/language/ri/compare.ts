<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>%1 を画像として読み込めませんでした：%2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>カメラ映像がまだありません。</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>2分割</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>4分割</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>6分割</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>写真撮影</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>二</source>
        <translation>2分割</translation>
    </message>
    <message>
        <source>四</source>
        <translation>4分割</translation>
    </message>
    <message>
        <source>六</source>
        <translation>6分割</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>撮影</translation>
    </message>
</context>
</TS>
