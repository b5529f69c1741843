<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>Scegli le immagini</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Scegli dove salvare il PDF</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>Aggiungi prima le immagini, poi crea il PDF.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>Nessuna delle immagini è stata letta come immagine JPEG. Nessun PDF è stato scritto.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>Impossibile creare il PDF (memoria insufficiente?). Nessun PDF è stato scritto.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>Impossibile scrivere il PDF in %1: la cartella non esiste o non è scrivibile.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>Impossibile scrivere il PDF in %1: scrittura non riuscita (disco pieno?).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>Impossibile salvare il PDF come %1: quel nome non può essere sostituito.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (illeggibile)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (non è un'immagine JPEG)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>Queste immagini sono state escluse:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>Queste immagini sono più grandi di una pagina PDF e sono state ridotte per entrarci:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>Legge il testo di ogni immagine e lo aggiunge in modo invisibile, così nel PDF si può cercare e copiare il testo.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>Lettura del testo dell'immagine %1 di %2…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>Scrittura del PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>Lettura del testo delle immagini…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>Impossibile aggiungere il testo (non è stato possibile caricarne il carattere); il PDF contiene solo le immagini.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>Nessun testo trovato in queste immagini; nelle loro pagine non si può cercare:</translation>
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
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>Crea PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>Ricercabile</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>Il PDF %1 non è stato scritto.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>Il PDF è stato salvato in %1, ma non è stato possibile avviare un programma per mostrarlo.</translation>
    </message>
</context>
</TS>
