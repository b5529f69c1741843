<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>Erneut lesen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Als Text speichern…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>Sprache des Textes</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>Der Text ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>Der markierte Text ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>Der Text des letzten Bildes wird noch erkannt…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>Es gibt noch kein Bild zum Lesen.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>Es ist keine Sprache für die Texterkennung installiert (Debian-Pakete tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>Text wird erkannt…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>Gelesen in %2 s (Sprache: %1); der Text ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>Text erkannt und in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>Im Bild wurde kein Text gefunden (Sprache: %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>Im Bild wurde kein Text gefunden.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>Die Erkennungsdaten für %1 konnten nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>Text speichern</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Text speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
</TS>
