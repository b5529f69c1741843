<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>Configuração aplicada.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>Falha na configuração.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>O nome da rede e a senha podem ter no máximo 32 bytes cada.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>Escolha onde salvar os arquivos</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>Propriedades da câmera</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>Ativar autofoco</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>Desativar autofoco</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Modo Wi-Fi</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Voltar ao modo Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Nome do Wi-Fi</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Senha do Wi-Fi</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>Ativar modo roteador</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Configurações do programa</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Grego</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Tailandês</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>Salvar em</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
