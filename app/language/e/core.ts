<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>Не удалось открыть папку %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>Камера %1 не отвечает.
Изображение появится само, когда камера снова ответит.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>Камера снова отвечает</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>Камера отвечает</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Скрыть инструменты</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Показать инструменты</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Запись звука</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Получение разрешения</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>Не удалось получить список разрешений камеры. Повторите попытку.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Установка разрешения</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>Камера не приняла это разрешение.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Окно сравнения</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Сначала выберите окно.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Сравнить с файлом</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>软件图标</source>
        <translation>Значок программы</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Микрофон</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>Введите IPv4-адрес камеры, например 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Подключение к камере</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Режим Wi-Fi</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>Режим роутера</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Найти камеру</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Подключиться</translation>
    </message>
</context>
</TS>
