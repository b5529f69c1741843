<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>設定成功</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>設定失敗</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>網路名稱和密碼各自最多 32 位元組。</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>請選擇檔案儲存位置</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>攝影機屬性</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>開啟自動對焦</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>關閉自動對焦</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Wi-Fi 模式</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>重設為 Wi-Fi 模式</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Wi-Fi 名稱</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Wi-Fi 密碼</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>設定路由器模式</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>軟體設定</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>軟體語言</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>法文</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>德文</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>西班牙文</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>葡萄牙文</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>俄文</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>義大利文</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>希臘文</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>泰文</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>儲存位置</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
</context>
</TS>
