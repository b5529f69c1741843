<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>Setting applied.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>Setting failed.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>The network name and the password may each be at most 32 bytes.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Please choose where to save files</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>Camera properties</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>Turn autofocus on</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>Turn autofocus off</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Wi-Fi mode</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Reset to Wi-Fi mode</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Wi-Fi name</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Wi-Fi password</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>Set router mode</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Software settings</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinese (Simplified)</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chinese (Traditional)</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>French</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>German</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>Save location</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
