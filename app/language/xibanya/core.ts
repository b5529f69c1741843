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
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
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
</TS>
