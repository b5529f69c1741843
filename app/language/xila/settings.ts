<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>Η ρύθμιση εφαρμόστηκε.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>Η ρύθμιση απέτυχε.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>Το όνομα δικτύου και ο κωδικός πρόσβασης μπορούν να έχουν έως 32 byte το καθένα.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Επιλέξτε πού θα αποθηκεύονται τα αρχεία</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>Ιδιότητες κάμερας</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>Αυτόματη εστίαση</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>Σταθερή εστίαση</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Λειτουργία Wi-Fi</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Επαναφορά σε Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Όνομα Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Κωδικός Wi-Fi</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>Σύνδεση σε ρούτερ</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Ρυθμίσεις προγράμματος</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Κινεζικά (απλοποιημένα)</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Κινεζικά (παραδοσιακά)</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Αγγλικά</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Γαλλικά</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Γερμανικά</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Ισπανικά</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Πορτογαλικά</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Ρωσικά</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Ιταλικά</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Ιαπωνικά</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Κορεατικά</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Ταϊλανδικά</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>Αποθήκευση σε</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
</TS>
