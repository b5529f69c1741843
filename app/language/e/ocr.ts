<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Распознавание текста</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>Распознать снова</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Сохранить как текст…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>Язык текста</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>Текст скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>Выделенный текст скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Сохранено: %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>Текст предыдущего изображения ещё распознаётся…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>Пока нет изображения для распознавания.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>Не установлен ни один язык распознавания текста (пакеты Debian tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>Распознавание текста…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>Распознано за %2 с (язык: %1); текст скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>Текст распознан и скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>На изображении не найден текст (язык: %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>На изображении не найден текст.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>Не удалось загрузить данные распознавания для языка %1.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>Сохранить текст</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Сохранить текст как</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 — это папка.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
</context>
</TS>
