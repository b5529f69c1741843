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
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
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
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>Сначала выделите на изображении область обрезки, затем сделайте снимок.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>Лист бумаги пока не найден, поэтому сохранено всё изображение.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>Снимок не сохранён: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>Следующие записи экрана будут записываться со звуком с микрофона.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>Следующие записи экрана будут без звука.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Запись возможна только с живого изображения.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>Не удалось начать запись видео: не удаётся создать %1.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>Изображения с камеры пока нет: запись начнётся с первого кадра.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>Ничего не записано: от камеры не пришло ни одного кадра.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>Пропущено кадров: %1 — компьютер не успевал за камерой.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>Видеозапись %1 неполная: ошибка записи (диск заполнен?). Файл содержит то, что было записано до этого.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Не удалось завершить видеозапись %1: ошибка записи (диск заполнен?). Файл может не воспроизводиться.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Запись возможна только с живого изображения.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>Не удалось начать запись экрана: имя файла %1 длиннее %2 байт. Выберите папку для сохранения с более коротким именем.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>Здесь нельзя записать экран: нет X-дисплея для записи (сеанс Wayland записать нельзя).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>Не удалось начать запись экрана: не удаётся создать %1.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>Не удалось начать запись экрана (ошибка grabix %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>Запись экрана %1 прервалась: экран стал недоступен. Файл содержит то, что было записано до этого момента.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Не удалось завершить запись экрана %1: ошибка записи (диск заполнен?). Файл может не воспроизводиться.</translation>
    </message>
</context>
</TS>
