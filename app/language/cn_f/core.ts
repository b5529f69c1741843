<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>無法開啟資料夾 %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>攝影機 %1 沒有回應。
恢復回應後畫面會自動繼續。</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>攝影機已恢復連線</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>攝影機已連線</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>隱藏工具列</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>顯示工具列</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>錄音</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>取得解析度</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>無法從攝影機取得解析度，請再試一次。</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>設定解析度</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>攝影機不接受此解析度。</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>比較視窗</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>請先選擇視窗。</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>與檔案比較</translation>
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
        <translation>軟體圖示</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>麥克風</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
        <translation>請輸入攝影機的 IPv4 位址，例如 192.168.1.20。</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>連線攝影機</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Wi-Fi 模式</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>進入 Wi-Fi 模式</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>路由器模式</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>搜尋攝影機</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>進入路由器模式</translation>
    </message>
</context>
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>請先在畫面上拖曳出裁切框，再拍照。</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>尚未找到紙張，已儲存整個畫面。</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>照片未儲存：%1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>之後的螢幕錄影將錄製麥克風的聲音。</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>之後的螢幕錄影將不錄製聲音。</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>只能在即時影像中錄影。</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>無法開始錄影：無法建立 %1。</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>攝影機尚無畫面：錄影將從第一個影格開始。</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>未錄到任何內容：攝影機沒有傳來畫面。</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>缺少 %1 個影格：電腦的處理速度跟不上攝影機。</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>錄影 %1 不完整：寫入失敗（磁碟已滿？）。檔案保留了先前寫入的內容。</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>錄影 %1 無法完成：寫入失敗（磁碟已滿？）。檔案可能無法播放。</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>只能在即時影像中錄製。</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>無法開始螢幕錄影：檔名 %1 超過 %2 位元組。請選擇名稱較短的儲存位置。</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>此處無法螢幕錄影：沒有可錄製的 X 顯示器（Wayland 工作階段無法錄製）。</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>無法開始螢幕錄影：無法建立 %1。</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>無法開始螢幕錄影（grabix 錯誤 %1）。</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>螢幕錄影 %1 提前結束：螢幕已無法使用。檔案保留了先前錄製的內容。</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>螢幕錄影 %1 無法完成：寫入失敗（磁碟已滿？）。檔案可能無法播放。</translation>
    </message>
</context>
</TS>
