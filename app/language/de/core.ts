<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>Der Ordner %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>Die Kamera unter %1 antwortet nicht.
Das Bild kommt von selbst zurück, sobald sie wieder antwortet.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>Die Kamera antwortet wieder</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>Die Kamera antwortet</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Werkzeuge ausblenden</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Werkzeuge einblenden</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Tonaufnahme</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Auflösung abfragen</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>Die Auflösungen konnten nicht von der Kamera abgefragt werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Auflösung einstellen</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>Die Kamera hat die Auflösung nicht übernommen.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Vergleichsfenster</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Bitte wählen Sie zuerst ein Fenster aus.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Mit Datei vergleichen</translation>
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
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Mikrofon</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
        <translation>IPv4-Adresse der Kamera eingeben, z. B. 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Mit Kamera verbinden</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>WLAN-Modus</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>WLAN verwenden</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>Router-Modus</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Kamera suchen</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Router verwenden</translation>
    </message>
</context>
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>Ziehen Sie zuerst den Zuschneiderahmen über dem Bild auf und nehmen Sie dann das Foto auf.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>Es wurde noch kein Blatt Papier erkannt, daher wurde das ganze Bild gespeichert.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>Das Foto wurde nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>Die nächsten Bildschirmaufnahmen nehmen den Ton des Mikrofons auf.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>Die nächsten Bildschirmaufnahmen sind ohne Ton.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Aufnehmen ist nur im Livebild möglich.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>Die Videoaufnahme konnte nicht starten: %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>Noch kein Bild von der Kamera: Die Aufnahme beginnt mit ihrem ersten Bild.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>Es wurde nichts aufgenommen: Von der Kamera kam kein Bild.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>%1 Bilder fehlen: Der Computer konnte mit der Kamera nicht Schritt halten.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>Die Videoaufnahme %1 ist unvollständig: Schreiben fehlgeschlagen (Datenträger voll?). Die Datei enthält, was bis dahin geschrieben wurde.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Die Videoaufnahme %1 konnte nicht abgeschlossen werden: Schreiben fehlgeschlagen (Datenträger voll?). Sie lässt sich eventuell nicht abspielen.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Aufnehmen ist nur im Livebild möglich.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>Die Bildschirmaufnahme konnte nicht starten: Der Dateiname %1 ist länger als %2 Byte. Wählen Sie einen Speicherort mit kürzerem Namen.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>Der Bildschirm kann hier nicht aufgenommen werden: Es gibt kein X-Display (eine Wayland-Sitzung lässt sich nicht aufnehmen).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>Die Bildschirmaufnahme konnte nicht starten: %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>Die Bildschirmaufnahme konnte nicht starten (grabix-Fehler %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>Die Bildschirmaufnahme %1 wurde vorzeitig beendet: Der Bildschirm ist nicht mehr verfügbar. Die Datei enthält, was bis dahin aufgenommen wurde.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Die Bildschirmaufnahme %1 konnte nicht abgeschlossen werden: Schreiben fehlgeschlagen (Datenträger voll?). Sie lässt sich eventuell nicht abspielen.</translation>
    </message>
</context>
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>Seiten freihändig</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>Ecken anpassen</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>Ecken</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>Seiten freihändig braucht das Livebild: Verbinden Sie die Kamera und schalten Sie das Einfrieren aus.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>Es wurde keine Seite aufgenommen, also gibt es nichts für ein PDF.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>Es wurde kein Blatt gefunden, daher wurde das ganze Bild gespeichert.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>Legen Sie die erste Seite unter die Kamera und nehmen Sie die Hände weg.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>Seite bewegt sich…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>Bitte still halten…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>Seite aufgenommen. Blättern Sie um.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>Noch dieselbe Seite: Blättern Sie um.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>Die Seite wurde nicht gespeichert; bewegen Sie sie etwas, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>Aufgenommene Seiten: %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>Seiten freihändig</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>Blättern Sie um; jede ruhende Seite wird fotografiert.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>Empfindlichkeit (links: ruhig, rechts: wach)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>Wach bemerkt kleinere Änderungen und fotografiert früher; ruhig übergeht kleine Bewegungen und wartet länger, bis die Hände weg sind.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>Fertig: PDF erstellen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>Ausschnitt speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>Ziehen Sie die vier Ecken auf die Ecken des Blatts. Enter speichert den Ausschnitt, Esc bricht ab.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>Es gibt noch kein Bild, aus dem ein Blatt ausgeschnitten werden kann.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>Diese Ecken umschließen nichts zum Ausschneiden.</translation>
    </message>
</context>
</TS>
