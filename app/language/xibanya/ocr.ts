<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Reconocimiento de texto</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>Volver a leer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Guardar como texto…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>Idioma del texto</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>El texto está en el portapapeles.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>El texto seleccionado está en el portapapeles.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>Todavía se está reconociendo el texto de la imagen anterior…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>Todavía no hay ninguna imagen que leer.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>No hay ningún idioma instalado para el reconocimiento de texto (paquetes de Debian tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>Reconociendo texto…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>Leído en %2 s (idioma: %1); el texto está en el portapapeles.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>Texto reconocido y copiado al portapapeles.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>No se encontró texto en la imagen (idioma: %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>No se encontró texto en la imagen.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>No se pudieron cargar los datos de reconocimiento de %1.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>Guardar texto</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Guardar el texto como</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 es una carpeta.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
</context>
</TS>
