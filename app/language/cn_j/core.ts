<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>无法打开文件夹 %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>摄像头 %1 没有响应。
恢复响应后画面会自动继续。</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>摄像头已恢复连接</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>摄像头已连接</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>收起工具栏</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>显示工具栏</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>获取分辨率</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>获取分辨率失败，请重新获取</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>设置分辨率</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>设置分辨率失败</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>比对窗口</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>请先选择窗口</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>文件比对</translation>
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
        <translation>软件图标</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>麦</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>请输入摄像头的IPv4地址，例如 192.168.1.20。</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>连接摄像头</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>WiFi模式</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>进入wifi模式</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>路由模式</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>搜索IP</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>进入路由模式</translation>
    </message>
</context>
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>请先在画面上拖出裁剪框，再拍照。</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>尚未找到纸张，已保存整个画面。</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>照片未保存：%1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>之后的录屏将录制麦克风的声音。</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>之后的录屏将不录制声音。</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>只能在实时画面中录制。</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>无法开始录像：无法创建 %1。</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>摄像头尚无画面：录像将从第一帧开始。</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>未录制任何内容：摄像头没有发送画面。</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>缺少 %1 帧：电脑的处理速度跟不上摄像头。</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>录像 %1 不完整：写入失败（磁盘已满？）。文件保留了此前写入的内容。</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>录像 %1 无法完成：写入失败（磁盘已满？）。文件可能无法播放。</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>只能在实时画面中录制。</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>无法开始录屏：文件名 %1 超过 %2 字节。请选择名称较短的保存位置。</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>此处无法录屏：没有可录制的 X 显示（Wayland 会话无法录制）。</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>无法开始录屏：无法创建 %1。</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>无法开始录屏（grabix 错误 %1）。</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>录屏 %1 提前结束：屏幕已不可用。文件保留了此前录制的内容。</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>录屏 %1 无法完成：写入失败（磁盘已满？）。文件可能无法播放。</translation>
    </message>
</context>
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>免手动翻页拍摄</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>调整四角</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>连拍</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>四角</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>免手动翻页拍摄需要实时画面：请连接相机并关闭冻结。</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>还没有拍下任何页面，无法生成 PDF。</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>未找到纸张，已保存整个画面。</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>将第一页放在相机下，然后把手移开。</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>页面在移动…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>请保持不动…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>已拍下本页，请翻到下一页。</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>仍是同一页：请翻到下一页。</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>本页未能保存；稍微移动一下页面即可重试。</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>已拍页数：%1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>免手动翻页拍摄</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>翻动页面；每页静止后自动拍照。</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>灵敏度（左：迟缓，右：灵敏）</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>灵敏：察觉更小的变化，更快拍照；迟缓：忽略细小动作，等手离开的时间更长。</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>完成并生成 PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>保存裁切</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>把四个角拖到纸张的四个角上。回车保存裁切，Esc 取消。</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>还没有可以裁切纸张的画面。</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>这四个角之间没有可裁切的内容。</translation>
    </message>
</context>
</TS>
