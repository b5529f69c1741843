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
</TS>
