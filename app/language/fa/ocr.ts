<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>Reconnaissance de texte</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>Relire</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Enregistrer en texte…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>Langue du texte</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>Le texte est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>Le texte sélectionné est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>Reconnaissance du texte de l'image précédente en cours…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>Il n'y a pas encore d'image à lire.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>Aucune langue de reconnaissance de texte n'est installée (paquets Debian tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>Reconnaissance du texte…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>Lu en %2 s (langue : %1) ; le texte est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>Texte reconnu et copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>Aucun texte n'a été trouvé dans l'image (langue : %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>Aucun texte n'a été trouvé dans l'image.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>Les données de reconnaissance pour %1 n'ont pas pu être chargées.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>Enregistrer le texte</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Enregistrer le texte sous</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 est un dossier.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossible d'écrire %1 : %2</translation>
    </message>
</context>
</TS>
