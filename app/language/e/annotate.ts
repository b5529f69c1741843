<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>Тонкое перо</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>Среднее перо</translation>
    </message>
    <message>
        <source>da</source>
        <translation>Толстое перо</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>qingse</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>lvse</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>lanse</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>MyAnnotateBarClass</name>
    <message>
        <source>MyAnnotateBar</source>
        <translation>Пометки</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Тонкое</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Толстое</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>Пока нет изображения с камеры, на котором можно делать пометки.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>Не удалось сохранить изображение с камеры для пометок в %1.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>Пометки не сохранены: %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>нет изображения для сохранения</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 уже существует</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
</context>
</TS>
