<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Αναγνώριση κειμένου</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>Νέα ανάγνωση</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Αποθήκευση ως κείμενο…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>Γλώσσα του κειμένου</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>Το κείμενο βρίσκεται στο πρόχειρο.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>Το επιλεγμένο κείμενο βρίσκεται στο πρόχειρο.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Αποθηκεύτηκε ως %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>Συνεχίζεται η αναγνώριση του κειμένου της προηγούμενης εικόνας…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>Δεν υπάρχει ακόμη εικόνα για ανάγνωση.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>Δεν έχει εγκατασταθεί καμία γλώσσα αναγνώρισης κειμένου (πακέτα Debian tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>Αναγνώριση κειμένου…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>Αναγνωρίστηκε σε %2 δευτ. (γλώσσα: %1). Το κείμενο βρίσκεται στο πρόχειρο.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>Το κείμενο αναγνωρίστηκε και αντιγράφηκε στο πρόχειρο.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>Δεν βρέθηκε κείμενο στην εικόνα (γλώσσα: %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>Δεν βρέθηκε κείμενο στην εικόνα.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>Δεν ήταν δυνατή η φόρτωση των δεδομένων αναγνώρισης για %1.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Αρχεία κειμένου (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>Αποθήκευση κειμένου</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Αποθήκευση κειμένου ως</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>Το %1 υπάρχει ήδη. Θέλετε να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>Το %1 είναι φάκελος.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %1: %2</translation>
    </message>
</context>
</TS>
