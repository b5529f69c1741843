<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>無法將 %1 讀取為圖片：%2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>還沒有攝影機畫面。</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>二分割視窗</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>四分割視窗</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>六分割視窗</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>開啟圖片</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>拍攝圖片</translation>
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
        <translation>二分割</translation>
    </message>
    <message>
        <source>四</source>
        <translation>四分割</translation>
    </message>
    <message>
        <source>六</source>
        <translation>六分割</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>拍照</translation>
    </message>
</context>
</TS>
