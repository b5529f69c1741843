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
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
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
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>Traccia prima il riquadro di ritaglio sull'immagine, poi scatta la foto.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>Non è stato ancora trovato nessun foglio, quindi è stata salvata l'immagine intera.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>La foto non è stata salvata: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>Le prossime registrazioni dello schermo registreranno l'audio del microfono.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>Le prossime registrazioni dello schermo saranno senza audio.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>La registrazione funziona solo sull'immagine dal vivo.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>Impossibile avviare la registrazione video: impossibile creare %1.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>Nessuna immagine dalla telecamera per ora: la registrazione inizierà dal primo fotogramma.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>Non è stato registrato nulla: dalla telecamera non è arrivato nessun fotogramma.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>Mancano %1 fotogrammi: il computer non è riuscito a stare al passo con la telecamera.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>La registrazione video %1 è incompleta: scrittura non riuscita (disco pieno?). Il file contiene ciò che era stato scritto prima.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Impossibile completare la registrazione video %1: scrittura non riuscita (disco pieno?). Potrebbe non essere riproducibile.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>La registrazione funziona solo sull'immagine dal vivo.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>Impossibile avviare la registrazione dello schermo: il nome del file %1 supera i %2 byte. Scegli una cartella di salvataggio con un nome più corto.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>Qui non è possibile registrare lo schermo: non c'è un display X da registrare (una sessione Wayland non può essere registrata).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>Impossibile avviare la registrazione dello schermo: impossibile creare %1.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>Impossibile avviare la registrazione dello schermo (errore grabix %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>La registrazione dello schermo %1 si è interrotta in anticipo: lo schermo non è più disponibile. Il file contiene ciò che era stato registrato fino ad allora.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Impossibile completare la registrazione dello schermo %1: scrittura non riuscita (disco pieno?). Potrebbe non essere riproducibile.</translation>
    </message>
</context>
</TS>
