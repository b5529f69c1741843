<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>ไม่สามารถเปิดโฟลเดอร์ %1 ได้</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>กล้องที่ %1 ไม่ตอบสนอง
ภาพจะกลับมาเองเมื่อกล้องตอบสนองอีกครั้ง</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>กล้องกลับมาตอบสนองแล้ว</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>เชื่อมต่อกล้องแล้ว</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>ซ่อนเครื่องมือ</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>แสดงเครื่องมือ</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>บันทึกเสียง</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>ย่อหน้าต่าง</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>ดึงค่าความละเอียด</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>ไม่สามารถดึงค่าความละเอียดจากกล้องได้ โปรดลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>ตั้งค่าความละเอียด</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>กล้องไม่ยอมรับความละเอียดนี้</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>หน้าต่างเปรียบเทียบ</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>โปรดเลือกหน้าต่างก่อน</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>เปรียบเทียบกับไฟล์</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>软件图标</source>
        <translation>ไอคอนโปรแกรม</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>ย่อหน้าต่าง</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>ไมโครโฟน</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>ป้อนที่อยู่ IPv4 ของกล้อง เช่น 192.168.1.20</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>เชื่อมต่อกล้อง</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>โหมด Wi-Fi</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>เชื่อมต่อแบบ Wi-Fi</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>โหมดเราเตอร์</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>ค้นหากล้อง</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>เชื่อมต่อผ่านเราเตอร์</translation>
    </message>
</context>
</TS>
