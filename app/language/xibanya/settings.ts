<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>Configuración aplicada.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>No se pudo aplicar la configuración.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>El nombre de la red y la contraseña pueden tener como máximo 32 bytes cada uno.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Elija dónde guardar los archivos</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>Propiedades de la cámara</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>Activar autoenfoque</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>Desactivar autoenfoque</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Modo Wi-Fi</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Restablecer modo Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Nombre de Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Contraseña Wi-Fi</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>Activar modo router</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Configuración del programa</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
