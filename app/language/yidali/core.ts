<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

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
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>Pagine a mani libere</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>Regola gli angoli</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>Angoli</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>Le pagine a mani libere richiedono l'immagine dal vivo: collegare la fotocamera e disattivare il fermo immagine.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>Nessuna pagina è stata acquisita, quindi non c'è niente da mettere in un PDF.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>Non è stato trovato nessun foglio, quindi è stata salvata l'immagine intera.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>Mettere la prima pagina sotto la fotocamera e togliere le mani.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>La pagina si muove…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>Restare fermi…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>Pagina acquisita. Voltare alla pagina successiva.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>Ancora la stessa pagina: voltare alla successiva.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>La pagina non è stata salvata; spostarla un poco per riprovare.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>Pagine acquisite: %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>Pagine a mani libere</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>Voltare le pagine; ogni pagina ferma viene fotografata.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>Sensibilità (a sinistra: calma, a destra: pronta)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>Pronta nota cambiamenti più piccoli e scatta prima; calma ignora i piccoli movimenti e aspetta più a lungo che le mani si tolgano.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>Fine: crea un PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>Salva il ritaglio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>Trascinare i quattro angoli sugli angoli del foglio. Invio salva il ritaglio, Esc annulla.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>Non c'è ancora un'immagine da cui ritagliare un foglio.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>Questi angoli non racchiudono niente da ritagliare.</translation>
    </message>
</context>
</TS>
