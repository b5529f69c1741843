<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>Traço fino</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>Traço médio</translation>
    </message>
    <message>
        <source>da</source>
        <translation>Traço grosso</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>Amarelo</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>MyAnnotateBarClass</name>
    <message>
        <source>MyAnnotateBar</source>
        <translation>Anotação</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Amarelo</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>Ainda não há imagem da câmera para anotar.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>Não foi possível guardar a imagem da câmera para anotação em %1.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>A anotação não foi salva: %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>não há imagem para salvar</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 já existe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
</context>
</TS>
