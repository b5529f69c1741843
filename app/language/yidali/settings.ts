<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>Impostazione applicata.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>Impostazione non riuscita.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>Il nome della rete e la password possono essere lunghi al massimo 32 byte ciascuno.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Scegli dove salvare i file</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>Proprietà della telecamera</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>Attiva autofocus</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>Disattiva autofocus</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Modalità Wi-Fi</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Ripristina modalità Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Nome Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Password Wi-Fi</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>Imposta modalità router</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Impostazioni del programma</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Thailandese</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>Salva in</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
