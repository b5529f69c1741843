<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

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
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
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
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>โปรดลากกรอบครอบตัดบนภาพก่อน แล้วจึงถ่ายภาพ</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>ยังไม่พบแผ่นกระดาษ จึงบันทึกภาพทั้งภาพไว้</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>ไม่ได้บันทึกภาพถ่าย: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>การบันทึกหน้าจอครั้งต่อไปจะบันทึกเสียงจากไมโครโฟนด้วย</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>การบันทึกหน้าจอครั้งต่อไปจะไม่มีเสียง</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>บันทึกได้เฉพาะจากภาพสดเท่านั้น</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>ไม่สามารถเริ่มบันทึกวิดีโอได้: ไม่สามารถสร้าง %1 ได้</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>ยังไม่มีภาพจากกล้อง: การบันทึกจะเริ่มที่เฟรมแรก</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>ไม่ได้บันทึกอะไรเลย: ไม่มีเฟรมใดส่งมาจากกล้อง</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>เฟรมหายไป %1 เฟรม: คอมพิวเตอร์ประมวลผลตามกล้องไม่ทัน</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>วิดีโอ %1 บันทึกไม่ครบ: การเขียนล้มเหลว (ดิสก์อาจเต็ม) ไฟล์ยังมีข้อมูลที่เขียนไว้ก่อนหน้านั้น</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>ไม่สามารถบันทึกวิดีโอ %1 ให้เสร็จสมบูรณ์ได้: การเขียนล้มเหลว (ดิสก์อาจเต็ม) ไฟล์อาจเล่นไม่ได้</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>บันทึกได้เฉพาะจากภาพสดเท่านั้น</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>ไม่สามารถเริ่มบันทึกหน้าจอได้: ชื่อไฟล์ %1 ยาวเกิน %2 ไบต์ โปรดเลือกโฟลเดอร์บันทึกที่มีชื่อสั้นกว่านี้</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>ไม่สามารถบันทึกหน้าจอที่นี่ได้: ไม่มีจอแสดงผล X ให้บันทึก (ไม่สามารถบันทึกเซสชัน Wayland ได้)</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>ไม่สามารถเริ่มบันทึกหน้าจอได้: ไม่สามารถสร้าง %1 ได้</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>ไม่สามารถเริ่มบันทึกหน้าจอได้ (ข้อผิดพลาด grabix %1)</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>การบันทึกหน้าจอ %1 หยุดก่อนกำหนด: หน้าจอไม่พร้อมใช้งานแล้ว ไฟล์ยังมีข้อมูลที่บันทึกไว้จนถึงตอนนั้น</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>ไม่สามารถบันทึกหน้าจอ %1 ให้เสร็จสมบูรณ์ได้: การเขียนล้มเหลว (ดิสก์อาจเต็ม) ไฟล์อาจเล่นไม่ได้</translation>
    </message>
</context>
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>ถ่ายหน้าแบบไม่ใช้มือ</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>ปรับมุม</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>ถ่ายต่อเนื่อง</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>สี่มุม</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>การถ่ายหน้าแบบไม่ใช้มือต้องใช้ภาพสด: เชื่อมต่อกล้องและปิดการหยุดภาพ</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>ยังไม่ได้ถ่ายหน้าใดเลย จึงไม่มีอะไรจะใส่ใน PDF</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>ไม่พบแผ่นกระดาษ จึงบันทึกภาพทั้งภาพ</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>วางหน้าแรกใต้กล้องแล้วเอามือออก</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>หน้ากำลังเคลื่อนที่…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>อยู่นิ่ง ๆ…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>ถ่ายหน้าแล้ว พลิกไปหน้าถัดไป</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>ยังเป็นหน้าเดิม: พลิกไปหน้าถัดไป</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>ไม่ได้บันทึกหน้านี้ ขยับหน้าเล็กน้อยเพื่อลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>ถ่ายแล้ว: %1 หน้า</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>ถ่ายหน้าแบบไม่ใช้มือ</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>พลิกหน้าไปเรื่อย ๆ แต่ละหน้าที่นิ่งจะถูกถ่ายภาพ</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>ความไว (ซ้าย: ช้า ขวา: ไว)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>แบบไวจะสังเกตการเปลี่ยนแปลงที่เล็กกว่าและถ่ายเร็วกว่า แบบช้าจะไม่สนใจการขยับเล็กน้อยและรอนานกว่าจนกว่ามือจะออกไป</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>เสร็จสิ้น: สร้าง PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>บันทึกส่วนที่ตัด</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>ลากมุมทั้งสี่ไปที่มุมของแผ่นกระดาษ กด Enter เพื่อบันทึกส่วนที่ตัด กด Esc เพื่อยกเลิก</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>ยังไม่มีภาพให้ตัดแผ่นกระดาษ</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>มุมเหล่านี้ไม่ได้ล้อมรอบสิ่งใดให้ตัด</translation>
    </message>
</context>
</TS>
