<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

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
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>免手動翻頁拍攝</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>調整四角</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>連拍</translation>
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
        <translation>免手動翻頁拍攝需要即時畫面：請連接相機並關閉凍結。</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>還沒有拍下任何頁面，無法產生 PDF。</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>未找到紙張，已儲存整個畫面。</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>將第一頁放在相機下，然後把手移開。</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>頁面在移動…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>請保持不動…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>已拍下本頁，請翻到下一頁。</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>仍是同一頁：請翻到下一頁。</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>本頁未能儲存；稍微移動一下頁面即可重試。</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>已拍頁數：%1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>免手動翻頁拍攝</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>翻動頁面；每頁靜止後自動拍照。</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>靈敏度（左：遲緩，右：靈敏）</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>靈敏：察覺更小的變化，更快拍照；遲緩：忽略細小動作，等手離開的時間更長。</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>完成並產生 PDF</translation>
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
        <translation>儲存裁切</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>把四個角拖到紙張的四個角上。Enter 儲存裁切，Esc 取消。</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>還沒有可以裁切紙張的畫面。</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>這四個角之間沒有可裁切的內容。</translation>
    </message>
</context>
</TS>
