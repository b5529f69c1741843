<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>Aún no disponible</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>Grabar pantalla</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>Tomar foto</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>Crear PDF</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>Reconocimiento de texto</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>Leer códigos de barras</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>Grabar pantalla</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Código de barras</translation>
    </message>
</context>
</TS>
