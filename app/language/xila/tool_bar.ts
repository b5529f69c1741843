<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>Δεν είναι ακόμη διαθέσιμο</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>Άνοιγμα φακέλου</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>Σχολιασμός</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>Εγγραφή βίντεο</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>Εγγραφή οθόνης</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>Λήψη φωτογραφίας</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>Σύγκριση</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>Δημιουργία PDF</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>Αναγνώριση κειμένου</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>Ανάγνωση γραμμωτού κώδικα</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>Γραμμή εργαλείων</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Σχολιασμός</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Εγγραφή βίντεο</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>Εγγραφή οθόνης</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Φωτογραφία</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Σύγκριση</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Γραμμωτός κώδικας</translation>
    </message>
</context>
</TS>
