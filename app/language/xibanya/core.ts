<?xml version="1.0" encoding="utf-8"?>
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
</TS>
