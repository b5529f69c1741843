<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>No se pudo abrir la carpeta %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>La cámara en %1 no responde.
La imagen volverá sola cuando vuelva a responder.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>La cámara vuelve a responder</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>La cámara responde</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Ocultar herramientas</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Mostrar herramientas</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Grabación de sonido</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Obtener resolución</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>No se pudieron obtener las resoluciones de la cámara. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Establecer resolución</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>La cámara no aceptó la resolución.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Ventana de comparación</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Seleccione primero una ventana.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Comparar con un archivo</translation>
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
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Micrófono</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
        <translation>Introduzca la dirección IPv4 de la cámara, p. ej. 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Conectar a la cámara</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Modo Wi-Fi</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Usar modo Wi-Fi</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>Modo router</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Buscar cámara</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Usar modo router</translation>
    </message>
</context>
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>Primero dibuje el rectángulo de recorte sobre la imagen y después tome la foto.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>Todavía no se ha encontrado ninguna hoja de papel, así que se ha guardado la imagen completa.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>La foto no se ha guardado: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>Las próximas grabaciones de pantalla grabarán el sonido del micrófono.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>Las próximas grabaciones de pantalla no tendrán sonido.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Solo se puede grabar la imagen en directo.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>No se pudo iniciar la grabación de vídeo: no se puede crear %1.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>Todavía no hay imagen de la cámara: la grabación empezará con su primer fotograma.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>No se ha grabado nada: no llegó ningún fotograma de la cámara.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>Faltan %1 fotogramas: el ordenador no pudo seguir el ritmo de la cámara.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>La grabación de vídeo %1 está incompleta: error de escritura (¿disco lleno?). El archivo contiene lo que se escribió hasta entonces.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>No se pudo terminar la grabación de vídeo %1: error de escritura (¿disco lleno?). Es posible que no se pueda reproducir.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Solo se puede grabar la imagen en directo.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>No se pudo iniciar la grabación de pantalla: el nombre de archivo %1 supera los %2 bytes. Elija una carpeta de guardado con un nombre más corto.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>Aquí no se puede grabar la pantalla: no hay ninguna pantalla X que grabar (una sesión de Wayland no se puede grabar).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>No se pudo iniciar la grabación de pantalla: no se puede crear %1.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>No se pudo iniciar la grabación de pantalla (error de grabix %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>La grabación de pantalla %1 terminó antes de tiempo: la pantalla dejó de estar disponible. El archivo contiene lo grabado hasta entonces.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>No se pudo terminar la grabación de pantalla %1: error de escritura (¿disco lleno?). Es posible que no se pueda reproducir.</translation>
    </message>
</context>
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>Páginas sin manos</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>Ajustar esquinas</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>Esquinas</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>Las páginas sin manos necesitan la imagen en directo: conecte la cámara y desactive la congelación.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>No se tomó ninguna página, así que no hay nada que poner en un PDF.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>No se encontró ninguna hoja, así que se guardó la imagen entera.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>Coloque la primera página bajo la cámara y retire las manos.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>La página se mueve…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>No se mueva…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>Página tomada. Pase a la página siguiente.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>Sigue siendo la misma página: pase a la siguiente.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>La página no se guardó; muévala un poco para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>Páginas tomadas: %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>Páginas sin manos</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>Pase las páginas; cada página quieta se fotografía.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>Sensibilidad (izquierda: tranquila, derecha: viva)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>Viva nota cambios más pequeños y toma la foto antes; tranquila ignora los movimientos pequeños y espera más a que se retiren las manos.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>Terminar: crear un PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>Guardar recorte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>Arrastre las cuatro esquinas sobre las esquinas de la hoja. Intro guarda el recorte, Esc cancela.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>Todavía no hay ninguna imagen de la que recortar una hoja.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>Estas esquinas no encierran nada que recortar.</translation>
    </message>
</context>
</TS>
