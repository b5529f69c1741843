<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>Noch nicht verfügbar</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>Annotieren</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>Video aufnehmen</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>Foto aufnehmen</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>Barcodes lesen</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Annotieren</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Video aufnehmen</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Barcode</translation>
    </message>
</context>
</TS>
