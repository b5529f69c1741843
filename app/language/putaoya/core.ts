<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>Não foi possível abrir a pasta %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>A câmera em %1 não está respondendo.
A imagem volta sozinha quando ela responder de novo.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>A câmera voltou a responder</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>A câmera está respondendo</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Ocultar ferramentas</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Mostrar ferramentas</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Gravação de áudio</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Obter resolução</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>Não foi possível obter as resoluções da câmera. Tente novamente.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Definir resolução</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>A câmera não aceitou a resolução.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Janela de comparação</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Selecione uma janela primeiro.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Comparar com um arquivo</translation>
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
        <translation>Ícone do programa</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Microfone</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>Digite o endereço IPv4 da câmera, por exemplo 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Conectar à câmera</translation>
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
        <translation>Modo roteador</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Procurar câmera</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Usar modo roteador</translation>
    </message>
</context>
</TS>
