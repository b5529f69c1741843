<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>Не удалось прочитать %1 как изображение: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>Пока нет изображения с камеры.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>Два окна</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>Четыре окна</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>Шесть окон</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>Открыть изображение</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>Сделать снимок</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Два</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Четыре</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Шесть</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Снимок</translation>
    </message>
</context>
</TS>
