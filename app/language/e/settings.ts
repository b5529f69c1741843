<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>Настройка применена.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>Не удалось применить настройку.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>Имя сети и пароль могут занимать не более 32 байт каждый.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Выберите, куда сохранять файлы</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>Параметры камеры</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>Включить автофокус</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>Выключить автофокус</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Режим Wi-Fi</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Вернуть режим Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Пароль Wi-Fi</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>Подключить к роутеру</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Греческий</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Тайский</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>Сохранять в</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
