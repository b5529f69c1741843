<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>Пока недоступно</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>Выровнять</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>Шторка</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>Живое изображение</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>Боковая панель</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Пиксели</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>По горизонтали</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>По вертикали</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>Выровнять</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>Шторка</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>Стоп-кадр</translation>
    </message>
</context>
</TS>
