<?xml version="1.0" encoding="utf-8"?>
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
</TS>
