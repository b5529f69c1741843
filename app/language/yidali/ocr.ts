<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Riconoscimento testo</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>Rileggi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Salva come testo…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>Lingua del testo</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>Il testo è negli appunti.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>Il testo selezionato è negli appunti.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Salvato come %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>Riconoscimento del testo dell'immagine precedente ancora in corso…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>Non c'è ancora nessuna immagine da leggere.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>Non è installata nessuna lingua per il riconoscimento del testo (pacchetti Debian tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>Riconoscimento del testo…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>Letto in %2 s (lingua: %1); il testo è negli appunti.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>Testo riconosciuto e copiato negli appunti.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>Nessun testo trovato nell'immagine (lingua: %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>Nessun testo trovato nell'immagine.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>Impossibile caricare i dati di riconoscimento per %1.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>Salva testo</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Salva il testo come</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 è una cartella.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
</TS>
