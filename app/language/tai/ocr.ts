<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>อ่านข้อความจากภาพ</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>อ่านอีกครั้ง</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>บันทึกเป็นข้อความ…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>ภาษาของข้อความ</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>คัดลอกข้อความไปยังคลิปบอร์ดแล้ว</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>คัดลอกข้อความที่เลือกไปยังคลิปบอร์ดแล้ว</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>บันทึกเป็น %1 แล้ว</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>ยังอ่านข้อความจากภาพก่อนหน้าอยู่…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>ยังไม่มีภาพให้อ่าน</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>ยังไม่ได้ติดตั้งภาษาสำหรับอ่านข้อความจากภาพ (แพ็กเกจ Debian tesseract-ocr-eng, tesseract-ocr-chi-sim, ...)</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>กำลังอ่านข้อความ…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>อ่านเป็นภาษา %1 ใน %2 วินาที ข้อความอยู่ในคลิปบอร์ดแล้ว</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>อ่านข้อความและคัดลอกไปยังคลิปบอร์ดแล้ว</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>ไม่พบข้อความในภาพ (ภาษา: %1)</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>ไม่พบข้อความในภาพ</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>ไม่สามารถโหลดข้อมูลสำหรับอ่านภาษา %1 ได้</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>ไฟล์ข้อความ (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>บันทึกข้อความ</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>บันทึกข้อความเป็น</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>มี %1 อยู่แล้ว ต้องการแทนที่หรือไม่</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 เป็นโฟลเดอร์</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>ไม่สามารถเขียน %1 ได้: %2</translation>
    </message>
</context>
</TS>
