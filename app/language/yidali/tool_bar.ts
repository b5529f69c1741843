<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>Non ancora disponibile</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>Annota</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>Registra video</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>Registra schermo</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>Scatta foto</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>Crea PDF</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>Riconoscimento testo</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>Leggi codici a barre</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Annota</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Registra video</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>Registra schermo</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Codice a barre</translation>
    </message>
</context>
</TS>
