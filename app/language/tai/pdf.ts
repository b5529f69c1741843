<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>โปรดเลือกภาพ</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>โปรดเลือกตำแหน่งที่จะบันทึก PDF</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>มี %1 อยู่แล้ว ต้องการแทนที่หรือไม่</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>โปรดเพิ่มภาพก่อน แล้วจึงสร้าง PDF</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>ไม่มีภาพใดที่อ่านเป็นภาพ JPEG ได้ จึงไม่ได้เขียน PDF</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>ไม่สามารถสร้าง PDF ได้ (หน่วยความจำอาจไม่พอ) จึงไม่ได้เขียน PDF</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>ไม่สามารถเขียน PDF ลงใน %1 ได้: ไม่มีโฟลเดอร์นี้หรือไม่มีสิทธิ์เขียน</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>ไม่สามารถเขียน PDF ลงใน %1 ได้: การเขียนล้มเหลว (ดิสก์อาจเต็ม)</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>ไม่สามารถบันทึก PDF เป็น %1 ได้: ไม่สามารถแทนที่ชื่อนี้ได้</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (อ่านไม่ได้)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (ไม่ใช่ภาพ JPEG)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>ภาพต่อไปนี้ถูกข้ามไป:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>ภาพต่อไปนี้ใหญ่กว่าหน้า PDF จึงถูกย่อให้พอดี:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>อ่านข้อความในทุกภาพแล้วเพิ่มเป็นข้อความที่มองไม่เห็น เพื่อให้ค้นหาและคัดลอกข้อความใน PDF ได้</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>กำลังอ่านข้อความของภาพที่ %1 จาก %2…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>กำลังเขียน PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>กำลังอ่านข้อความในภาพ…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>ไม่สามารถเพิ่มข้อความได้ (โหลดฟอนต์ไม่ได้) PDF จึงมีเฉพาะภาพ</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>ไม่พบข้อความในภาพต่อไปนี้ จึงค้นหาในหน้าเหล่านี้ไม่ได้:</translation>
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
        <translation>เพิ่มภาพ</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>สร้าง PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>ค้นหาข้อความได้</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>ไม่ได้เขียน PDF %1</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>บันทึก PDF ไว้ที่ %1 แล้ว แต่ไม่สามารถเปิดโปรแกรมเพื่อแสดงได้</translation>
    </message>
</context>
</TS>
