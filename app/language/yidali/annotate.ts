<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>Dimensione testo</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>Tratto sottile</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>Tratto medio</translation>
    </message>
    <message>
        <source>da</source>
        <translation>Tratto spesso</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>qingse</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>lvse</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>lanse</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>MyAnnotateBarClass</name>
    <message>
        <source>MyAnnotateBar</source>
        <translation>Annotazione</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>Non c'è ancora un'immagine della telecamera da annotare.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>Non è stato possibile conservare l'immagine della telecamera per l'annotazione in %1.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>L'annotazione non è stata salvata: %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>non c'è nessuna immagine da salvare</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 esiste già</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
</TS>
