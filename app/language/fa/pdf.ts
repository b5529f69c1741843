<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>Veuillez choisir des images</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Veuillez choisir où enregistrer le PDF</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>Ajoutez d'abord des images, puis créez le PDF.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>Aucune des images n'a pu être lue comme image JPEG. Aucun PDF n'a été écrit.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>Le PDF n'a pas pu être créé (mémoire insuffisante ?). Aucun PDF n'a été écrit.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>Impossible d'écrire le PDF dans %1 : le dossier n'existe pas ou n'est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>Impossible d'écrire le PDF dans %1 : l'écriture a échoué (disque plein ?).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>Impossible d'enregistrer le PDF sous %1 : ce nom ne peut pas être remplacé.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (illisible)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (pas une image JPEG)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>Ces images ont été ignorées :</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>Ces images dépassent la taille d'une page PDF et ont été réduites pour y tenir :</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>Lit le texte de chaque image et l'ajoute de façon invisible, pour pouvoir faire des recherches dans le PDF et en copier le texte.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>Lecture du texte de l'image %1 sur %2…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>Écriture du PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>Lecture du texte des images…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>Le texte n'a pas pu être ajouté (sa police n'a pas pu être chargée) ; le PDF ne contient que les images.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>Aucun texte n'a été trouvé sur ces images ; leurs pages ne permettent pas la recherche :</translation>
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
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>Créer le PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>Texte cherchable</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>Le PDF %1 n'a pas été écrit.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>Le PDF a été enregistré dans %1, mais aucun programme n'a pu être lancé pour l'afficher.</translation>
    </message>
</context>
</TS>
