<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>Trait fin</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>Trait moyen</translation>
    </message>
    <message>
        <source>da</source>
        <translation>Trait épais</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>qingse</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>lvse</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>lanse</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>MyAnnotateBarClass</name>
    <message>
        <source>MyAnnotateBar</source>
        <translation>Annotation</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>Il n'y a pas encore d'image de la caméra à annoter.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>L'image de la caméra n'a pas pu être conservée pour l'annotation dans %1.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>L'annotation n'a pas été enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>aucune image à enregistrer</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
</TS>
