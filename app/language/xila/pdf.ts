<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>Επιλέξτε εικόνες</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Επιλέξτε πού θα αποθηκευτεί το PDF</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>Το %1 υπάρχει ήδη. Θέλετε να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>Προσθέστε πρώτα εικόνες και μετά δημιουργήστε το PDF.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>Καμία εικόνα δεν ήταν δυνατό να διαβαστεί ως εικόνα JPEG. Δεν γράφτηκε PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του PDF (ανεπαρκής μνήμη;). Δεν γράφτηκε PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του PDF στο %1: ο φάκελος δεν υπάρχει ή δεν επιτρέπει εγγραφή.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του PDF στο %1: η εγγραφή απέτυχε (ο δίσκος είναι γεμάτος;).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του PDF ως %1: αυτό το όνομα δεν μπορεί να αντικατασταθεί.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (δεν είναι δυνατή η ανάγνωση)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (δεν είναι εικόνα JPEG)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>Αυτές οι εικόνες παραλείφθηκαν:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>Αυτές οι εικόνες είναι μεγαλύτερες από μια σελίδα PDF και σμικρύνθηκαν για να χωρέσουν:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>Διαβάζει το κείμενο κάθε εικόνας και το προσθέτει αόρατα, ώστε στο PDF να γίνεται αναζήτηση και αντιγραφή κειμένου.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>Ανάγνωση κειμένου της εικόνας %1 από %2…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>Εγγραφή του PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>Ανάγνωση του κειμένου των εικόνων…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>Δεν ήταν δυνατή η προσθήκη του κειμένου (δεν φορτώθηκε η γραμματοσειρά του). Το PDF περιέχει μόνο τις εικόνες.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>Δεν βρέθηκε κείμενο σε αυτές τις εικόνες. Στις σελίδες τους δεν γίνεται αναζήτηση:</translation>
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
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>Δημιουργία PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>Αναζήτηση</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>Το PDF %1 δεν γράφτηκε.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>Το PDF αποθηκεύτηκε στο %1, αλλά δεν ήταν δυνατό να ανοίξει κάποιο πρόγραμμα για την εμφάνισή του.</translation>
    </message>
</context>
</TS>
