<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>Bitte Bilder auswählen</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Bitte wählen Sie, wo das PDF gespeichert werden soll</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>Fügen Sie zuerst Bilder hinzu und erstellen Sie dann das PDF.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>Keines der Bilder konnte als JPEG-Bild gelesen werden. Es wurde kein PDF geschrieben.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>Das PDF konnte nicht erstellt werden (zu wenig Speicher?). Es wurde kein PDF geschrieben.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>Das PDF konnte nicht in %1 geschrieben werden: Der Ordner existiert nicht oder ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>Das PDF konnte nicht in %1 geschrieben werden: Schreiben fehlgeschlagen (Datenträger voll?).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>Das PDF konnte nicht als %1 gespeichert werden: Dieser Name kann nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (nicht lesbar)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (kein JPEG-Bild)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>Diese Bilder wurden ausgelassen:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>Diese Bilder sind größer als eine PDF-Seite und wurden passend verkleinert:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>Liest den Text jedes Bildes und fügt ihn unsichtbar hinzu, sodass das PDF durchsucht und sein Text kopiert werden kann.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>Text von Bild %1 von %2 wird gelesen…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>PDF wird geschrieben…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>Text der Bilder wird gelesen…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>Der Text konnte nicht hinzugefügt werden (seine Schrift ließ sich nicht laden); das PDF enthält nur die Bilder.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>Auf diesen Bildern wurde kein Text gefunden; ihre Seiten sind nicht durchsuchbar:</translation>
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
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>Durchsuchbar</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>Das PDF %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>Das PDF wurde unter %1 gespeichert, aber es konnte kein Programm zum Anzeigen gestartet werden.</translation>
    </message>
</context>
</TS>
