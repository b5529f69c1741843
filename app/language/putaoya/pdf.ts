<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>Selecione as imagens</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Escolha onde salvar o PDF</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>Adicione imagens primeiro e depois crie o PDF.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>Nenhuma das imagens pôde ser lida como imagem JPEG. Nenhum PDF foi gravado.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>Não foi possível criar o PDF (memória insuficiente?). Nenhum PDF foi gravado.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>Não foi possível gravar o PDF em %1: a pasta não existe ou não permite gravação.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>Não foi possível gravar o PDF em %1: falha na gravação (disco cheio?).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>Não foi possível salvar o PDF como %1: esse nome não pode ser substituído.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (não pode ser lido)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (não é uma imagem JPEG)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>Estas imagens foram deixadas de fora:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>Estas imagens são maiores que uma página PDF e foram reduzidas para caber:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>Lê o texto de cada imagem e o adiciona de forma invisível, para que o PDF possa ser pesquisado e seu texto copiado.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>Lendo o texto da imagem %1 de %2…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>Gravando o PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>Lendo o texto das imagens…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>Não foi possível adicionar o texto (a fonte não pôde ser carregada); o PDF contém apenas as imagens.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>Nenhum texto foi encontrado nestas imagens; suas páginas não podem ser pesquisadas:</translation>
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
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>Criar PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>Pesquisável</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>O PDF %1 não foi gravado.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>O PDF foi salvo em %1, mas nenhum programa pôde ser aberto para exibi-lo.</translation>
    </message>
</context>
</TS>
