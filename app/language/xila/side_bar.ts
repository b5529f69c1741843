<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>Δεν είναι ακόμη διαθέσιμο</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>Ανάλυση</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>Περιστροφή αριστερά</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>Περιστροφή δεξιά</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>Σμίκρυνση</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>Οριζόντιος κατοπτρισμός</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>Κατακόρυφος κατοπτρισμός</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>Ευθυγράμμιση</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>Περικοπή</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>Κουρτίνα</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>Πάγωμα εικόνας</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>Ζωντανή εικόνα</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>Πλευρική γραμμή</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Εικονοστοιχεία</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>Περιστροφή αριστερά</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>Περιστροφή δεξιά</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Σμίκρυνση</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Αριστερά-δεξιά</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Πάνω-κάτω</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>Ευθυγράμμιση</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Περικοπή</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>Κουρτίνα</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>Πάγωμα εικόνας</translation>
    </message>
</context>
</TS>
