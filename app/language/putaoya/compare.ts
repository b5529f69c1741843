<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>Não foi possível ler %1 como imagem: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>Ainda não há imagem da câmera.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>Duas janelas</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>Quatro janelas</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>Seis janelas</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>Tirar foto</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Duas</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Quatro</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
</context>
</TS>
