<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>Выберите изображения</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Выберите, куда сохранить PDF</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>Сначала добавьте изображения, затем создайте PDF.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>Ни одно изображение не удалось прочитать как JPEG. PDF не записан.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>Не удалось создать PDF (недостаточно памяти?). PDF не записан.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>Не удалось записать PDF в %1: папка не существует или недоступна для записи.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>Не удалось записать PDF в %1: ошибка записи (диск заполнен?).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>Не удалось сохранить PDF как %1: файл с этим именем нельзя заменить.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (не удаётся прочитать)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (не изображение JPEG)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>Эти изображения пропущены:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>Эти изображения больше страницы PDF и были уменьшены по её размеру:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>Распознаёт текст каждого изображения и добавляет его невидимым слоем, чтобы в PDF можно было искать и копировать текст.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>Распознавание текста изображения %1 из %2…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>Запись PDF…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>Распознавание текста изображений…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>Не удалось добавить текст (не загружен шрифт); PDF содержит только изображения.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>На этих изображениях текст не найден; поиск по их страницам невозможен:</translation>
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
        <translation>Добавить</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>Создать PDF</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>С поиском</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>PDF %1 не записан.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>PDF сохранён в %1, но не удалось запустить программу для его просмотра.</translation>
    </message>
</context>
</TS>
