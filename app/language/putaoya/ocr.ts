<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Reconhecimento de texto</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>Ler novamente</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Salvar como texto…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>Idioma do texto</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>O texto está na área de transferência.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>O texto selecionado está na área de transferência.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Salvo como %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>Ainda reconhecendo o texto da imagem anterior…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>Ainda não há imagem para ler.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>Nenhum idioma de reconhecimento de texto está instalado (pacotes Debian tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>Reconhecendo texto…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>Lido em %2 s (idioma: %1); o texto está na área de transferência.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>Texto reconhecido e copiado para a área de transferência.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>Nenhum texto foi encontrado na imagem (idioma: %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>Nenhum texto foi encontrado na imagem.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>Não foi possível carregar os dados de reconhecimento de %1.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>Salvar texto</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Salvar o texto como</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 é uma pasta.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
</context>
</TS>
