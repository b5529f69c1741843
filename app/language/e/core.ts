<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

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
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>Страницы без рук</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>Настроить углы</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>Углы</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>Для съёмки страниц без рук нужно живое изображение: подключите камеру и выключите стоп-кадр.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>Ни одна страница не снята, поэтому в PDF нечего добавить.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>Лист не найден, поэтому сохранено всё изображение.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>Положите первую страницу под камеру и уберите руки.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>Страница движется…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>Не двигайтесь…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>Страница снята. Переверните на следующую.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>Всё та же страница: переверните на следующую.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>Страница не сохранена; слегка сдвиньте её, чтобы повторить.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>Снято страниц: %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>Страницы без рук</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>Переворачивайте страницы; каждая неподвижная страница фотографируется.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>Чувствительность (слева: спокойно, справа: чутко)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>Чутко замечает меньшие изменения и снимает раньше; спокойно не обращает внимания на мелкие движения и дольше ждёт, пока уйдут руки.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>Готово: создать PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>Сохранить вырезку</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>Перетащите четыре угла на углы листа. Enter сохраняет вырезку, Esc отменяет.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>Пока нет изображения, из которого можно вырезать лист.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>Эти углы не охватывают ничего, что можно вырезать.</translation>
    </message>
</context>
</TS>
