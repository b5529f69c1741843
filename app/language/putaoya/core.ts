<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

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
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>Páginas sem mãos</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>Ajustar cantos</translation>
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
        <translation>Cantos</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>As páginas sem mãos precisam da imagem ao vivo: ligue a câmara e desative o congelamento.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>Nenhuma página foi tirada, por isso não há nada para pôr num PDF.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>Não foi encontrada nenhuma folha, por isso foi guardada a imagem inteira.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>Coloque a primeira página sob a câmara e retire as mãos.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>A página está a mexer…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>Não se mexa…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>Página tirada. Vire para a página seguinte.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>Continua a ser a mesma página: vire para a seguinte.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>A página não foi guardada; mexa-a um pouco para tentar de novo.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>Páginas tiradas: %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>Páginas sem mãos</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>Vire as páginas; cada página parada é fotografada.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>Sensibilidade (esquerda: calma, direita: viva)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>Viva nota mudanças mais pequenas e tira a fotografia mais cedo; calma ignora pequenos movimentos e espera mais tempo que as mãos saiam.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>Concluir: criar um PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Arraste os quatro cantos para os cantos da folha. Enter guarda o recorte, Esc cancela.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>Ainda não há nenhuma imagem de onde recortar uma folha.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>Estes cantos não delimitam nada para recortar.</translation>
    </message>
</context>
</TS>
