<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>Not available yet</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>Annotate</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>Record video</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>Record screen</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>Take photo</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>Compose PDF</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>Text recognition</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>Read bar codes</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Annotate</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Record video</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>Record screen</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Bar code</translation>
    </message>
</context>
</TS>
