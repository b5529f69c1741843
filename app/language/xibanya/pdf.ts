<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>Seleccione imágenes</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Elija dónde guardar el PDF</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>Primero añada imágenes y después cree el PDF.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>Ninguna de las imágenes se pudo leer como imagen JPEG. No se ha escrito ningún PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>No se pudo crear el PDF (¿memoria insuficiente?). No se ha escrito ningún PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>No se pudo escribir el PDF en %1: la carpeta no existe o no se puede escribir en ella.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>No se pudo escribir el PDF en %1: error de escritura (¿disco lleno?).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>No se pudo guardar el PDF como %1: ese nombre no se puede reemplazar.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (no se puede leer)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (no es una imagen JPEG)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>Se han omitido estas imágenes:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>Estas imágenes son más grandes que una página PDF y se han reducido para que quepan:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>Lee el texto de cada imagen y lo añade de forma invisible, para poder buscar en el PDF y copiar su texto.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>Leyendo el texto de la imagen %1 de %2…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>Escribiendo el PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>Leyendo el texto de las imágenes…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>No se pudo añadir el texto (no se pudo cargar su fuente); el PDF solo contiene las imágenes.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>No se encontró texto en estas imágenes; no se puede buscar en sus páginas:</translation>
    </message>
</context>
<context>
    <name>MyPDFBarClass</name>
    <message>
        <source>MyPDFBar</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>添加图片</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>Crear PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>Texto buscable</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>El PDF %1 no se ha escrito.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>El PDF se ha guardado en %1, pero no se pudo abrir ningún programa para mostrarlo.</translation>
    </message>
</context>
</TS>
