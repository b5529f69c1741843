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
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
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
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>Desenhe primeiro o retângulo de recorte sobre a imagem e depois tire a foto.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>Nenhuma folha de papel foi encontrada ainda, por isso a imagem inteira foi salva.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>A foto não foi salva: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>As próximas gravações de tela vão gravar o som do microfone.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>As próximas gravações de tela serão sem som.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Só é possível gravar a imagem ao vivo.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>Não foi possível iniciar a gravação de vídeo: não é possível criar %1.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>Ainda não há imagem da câmera: a gravação começa com o primeiro quadro.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>Nada foi gravado: nenhum quadro chegou da câmera.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>Faltam %1 quadros: o computador não conseguiu acompanhar a câmera.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>A gravação de vídeo %1 está incompleta: falha na gravação (disco cheio?). O arquivo contém o que foi gravado antes.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Não foi possível concluir a gravação de vídeo %1: falha na gravação (disco cheio?). Talvez ela não possa ser reproduzida.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Só é possível gravar a imagem ao vivo.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>Não foi possível iniciar a gravação de tela: o nome do arquivo %1 tem mais de %2 bytes. Escolha uma pasta de salvamento com nome mais curto.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>Não é possível gravar a tela aqui: não há tela X para gravar (uma sessão Wayland não pode ser gravada).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>Não foi possível iniciar a gravação de tela: não é possível criar %1.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>Não foi possível iniciar a gravação de tela (erro do grabix %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>A gravação de tela %1 terminou antes da hora: a tela deixou de estar disponível. O arquivo contém o que foi gravado até então.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Não foi possível concluir a gravação de tela %1: falha na gravação (disco cheio?). Talvez ela não possa ser reproduzida.</translation>
    </message>
</context>
</TS>
