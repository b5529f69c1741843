<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>Impossibile aprire la cartella %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>La telecamera %1 non risponde.
L'immagine tornerà da sola appena risponderà di nuovo.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>La telecamera risponde di nuovo</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>La telecamera risponde</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Nascondi strumenti</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Mostra strumenti</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Registrazione audio</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Lettura risoluzione</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>Impossibile leggere le risoluzioni della telecamera. Riprova.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Imposta risoluzione</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>La telecamera non ha accettato la risoluzione.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Finestra di confronto</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Seleziona prima una finestra.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Confronta con un file</translation>
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
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Microfono</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>Inserisci l'indirizzo IPv4 della telecamera, ad es. 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Connetti alla telecamera</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Modalità Wi-Fi</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Usa modalità Wi-Fi</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>Modalità router</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Cerca telecamera</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Usa modalità router</translation>
    </message>
</context>
</TS>
