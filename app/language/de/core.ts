<?xml version="1.0" encoding="utf-8"?>
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
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
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
</TS>
