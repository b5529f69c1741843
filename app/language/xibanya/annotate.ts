<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>Trazo fino</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>Trazo medio</translation>
    </message>
    <message>
        <source>da</source>
        <translation>Trazo grueso</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>qingse</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>lvse</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>lanse</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>MyAnnotateBarClass</name>
    <message>
        <source>MyAnnotateBar</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>Todavía no hay ninguna imagen de la cámara para anotar.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>No se pudo conservar la imagen de la cámara para anotarla en %1.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>La anotación no se ha guardado: %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>no hay ninguna imagen que guardar</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
</TS>
