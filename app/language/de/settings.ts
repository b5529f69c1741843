<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>Einstellung übernommen.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>Einstellung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>Netzwerkname und Passwort dürfen jeweils höchstens 32 Byte lang sein.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Bitte wählen Sie, wo Dateien gespeichert werden sollen</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>Kameraeigenschaften</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>Autofokus einschalten</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>Autofokus ausschalten</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>WLAN-Modus</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>WLAN-Modus aktivieren</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>WLAN-Name</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>WLAN-Passwort</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>Mit Router verbinden</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
