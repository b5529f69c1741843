<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>Пока недоступно</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>Пометки</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>Запись видео</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>Запись экрана</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>Сделать снимок</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>Создать PDF</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>Распознавание текста</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>Чтение штрихкодов</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Пометки</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Запись видео</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>Запись экрана</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>Штрихкод</translation>
    </message>
</context>
</TS>
