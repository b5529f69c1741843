<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>Κείμενο</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>Μέγεθος γραμματοσειράς</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>Λεπτή πένα</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>Μεσαία πένα</translation>
    </message>
    <message>
        <source>da</source>
        <translation>Χοντρή πένα</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>Κόκκινο</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>Κίτρινο</translation>
    </message>
    <message>
        <source>qingse</source>
        <translation>Κυανό</translation>
    </message>
    <message>
        <source>lvse</source>
        <translation>Πράσινο</translation>
    </message>
    <message>
        <source>lanse</source>
        <translation>Μπλε</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>Ματζέντα</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>Γόμα</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>Καθαρισμός</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>Αποθήκευση</translation>
    </message>
</context>
<context>
    <name>MyAnnotateBarClass</name>
    <message>
        <source>MyAnnotateBar</source>
        <translation>Σχολιασμός</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Κείμενο</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Μικρό</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Μεσαίο</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Μεγάλο</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Κόκκινο</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Κίτρινο</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Κυανό</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Πράσινο</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Μπλε</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>Ματζέντα</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Σβήσιμο</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Καθαρισμός</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Αποθήκευση</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>Δεν υπάρχει ακόμη εικόνα κάμερας για σχολιασμό.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>Δεν ήταν δυνατή η διατήρηση της εικόνας της κάμερας για σχολιασμό στο %1.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>Ο σχολιασμός δεν αποθηκεύτηκε: %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>δεν υπάρχει εικόνα για αποθήκευση</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>το %1 υπάρχει ήδη</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>δεν είναι δυνατή η δημιουργία του φακέλου %1</translation>
    </message>
</context>
</TS>
