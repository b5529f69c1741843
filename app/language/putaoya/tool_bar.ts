<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>Ainda não disponível</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>Gravar vídeo</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>Gravar tela</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>Tirar foto</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>Criar PDF</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>Reconhecimento de texto</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>Ler códigos de barras</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Gravar vídeo</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>Gravar tela</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Código de barras</translation>
    </message>
</context>
</TS>
