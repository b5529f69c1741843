<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>ตั้งค่าสำเร็จ</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>ตั้งค่าไม่สำเร็จ</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>ชื่อเครือข่ายและรหัสผ่านยาวได้ไม่เกินอย่างละ 32 ไบต์</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>โปรดเลือกตำแหน่งที่จะบันทึกไฟล์</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>คุณสมบัติของกล้อง</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>เปิดโฟกัสอัตโนมัติ</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>ปิดโฟกัสอัตโนมัติ</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>โหมด Wi-Fi</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>รีเซ็ตเป็นโหมด Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>ชื่อ Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>รหัสผ่าน Wi-Fi</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>แสดง</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>ตั้งเป็นโหมดเราเตอร์</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>การตั้งค่าโปรแกรม</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>ภาษาจีนตัวย่อ</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>ภาษาจีนตัวเต็ม</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>ภาษาอังกฤษ</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>ภาษาฝรั่งเศส</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>ภาษาเยอรมัน</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>ภาษาสเปน</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>ภาษาโปรตุเกส</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>ภาษารัสเซีย</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>ภาษาอิตาลี</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>ภาษากรีก</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>ภาษาญี่ปุ่น</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>ภาษาเกาหลี</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>ภาษาไทย</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>ตำแหน่งบันทึก</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>ปิด</translation>
    </message>
</context>
</TS>
