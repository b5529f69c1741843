<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>ไม่สามารถอ่าน %1 เป็นภาพได้: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>ยังไม่มีภาพจากกล้อง</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>แบ่ง 2 หน้าต่าง</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>แบ่ง 4 หน้าต่าง</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>แบ่ง 6 หน้าต่าง</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>เปิดภาพ</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>ถ่ายภาพ</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>เปรียบเทียบ</translation>
    </message>
    <message>
        <source>二</source>
        <translation>2 ช่อง</translation>
    </message>
    <message>
        <source>四</source>
        <translation>4 ช่อง</translation>
    </message>
    <message>
        <source>六</source>
        <translation>6 ช่อง</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>ถ่ายภาพ</translation>
    </message>
</context>
</TS>
