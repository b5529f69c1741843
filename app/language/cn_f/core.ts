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
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
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
</TS>
