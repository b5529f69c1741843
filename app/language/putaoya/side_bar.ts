<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>Ainda não disponível</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>Espelhar na horizontal</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>Espelhar na vertical</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>Endireitar</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>Cortina</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>Congelar imagem</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>Imagem ao vivo</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Esquerda-direita</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>Cima-baixo</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>Endireitar</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>Cortina</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>Congelar imagem</translation>
    </message>
</context>
</TS>
