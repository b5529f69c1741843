<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του %1 ως εικόνας: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>Δεν υπάρχει ακόμη εικόνα κάμερας.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>Δύο παράθυρα</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>Τέσσερα παράθυρα</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>Έξι παράθυρα</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>Άνοιγμα εικόνας</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>Λήψη φωτογραφίας</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>Σύγκριση</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Δύο</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Τέσσερα</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Έξι</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Φωτογραφία</translation>
    </message>
</context>
</TS>
