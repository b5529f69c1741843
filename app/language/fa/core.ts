<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>Impossible d'ouvrir le dossier %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>La caméra %1 ne répond pas.
L'image reviendra d'elle-même dès qu'elle répondra à nouveau.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>La caméra répond de nouveau</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>La caméra répond</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Masquer les outils</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Afficher les outils</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Enregistrement du son</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Obtenir la résolution</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>Impossible d'obtenir les résolutions de la caméra. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Définir la résolution</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>La caméra n'a pas accepté la résolution.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Fenêtre de comparaison</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Veuillez d'abord sélectionner une fenêtre.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Comparer avec un fichier</translation>
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
        <translation>Icône du logiciel</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Micro</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
        <translation>Saisissez l'adresse IPv4 de la caméra, p. ex. 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Connexion à la caméra</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Mode Wi-Fi</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Utiliser le Wi-Fi</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>Mode routeur</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Chercher la caméra</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Utiliser le routeur</translation>
    </message>
</context>
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>Tracez d'abord le cadre de rognage sur l'image, puis prenez la photo.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>Aucune feuille de papier n'a encore été détectée : l'image entière a été enregistrée.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>La photo n'a pas été enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>Les prochains enregistrements de l'écran enregistreront le son du micro.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>Les prochains enregistrements de l'écran seront sans son.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>L'enregistrement n'est possible que sur l'image en direct.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>Impossible de démarrer l'enregistrement vidéo : impossible de créer %1.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>Pas encore d'image de la caméra : l'enregistrement commencera avec sa première image.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>Rien n'a été enregistré : aucune image n'est venue de la caméra.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>%1 images manquent : l'ordinateur n'a pas pu suivre le rythme de la caméra.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>L'enregistrement vidéo %1 est incomplet : l'écriture a échoué (disque plein ?). Le fichier contient ce qui a été écrit auparavant.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>L'enregistrement vidéo %1 n'a pas pu être terminé : l'écriture a échoué (disque plein ?). Il risque de ne pas être lisible.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>L'enregistrement n'est possible que sur l'image en direct.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>Impossible de démarrer l'enregistrement de l'écran : le nom de fichier %1 dépasse %2 octets. Choisissez un dossier d'enregistrement au nom plus court.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>Impossible d'enregistrer l'écran ici : il n'y a pas d'affichage X à enregistrer (une session Wayland ne peut pas être enregistrée).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>Impossible de démarrer l'enregistrement de l'écran : impossible de créer %1.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>Impossible de démarrer l'enregistrement de l'écran (erreur grabix %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>L'enregistrement de l'écran %1 s'est arrêté prématurément : l'écran a disparu. Le fichier contient ce qui a été enregistré jusque-là.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>L'enregistrement de l'écran %1 n'a pas pu être terminé : l'écriture a échoué (disque plein ?). Il risque de ne pas être lisible.</translation>
    </message>
</context>
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>Pages sans les mains</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>Ajuster les coins</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>Coins</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>Les pages sans les mains ont besoin de l'image en direct : connectez la caméra et désactivez le gel de l'image.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>Aucune page n'a été prise, il n'y a donc rien à mettre dans un PDF.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>Aucune feuille n'a été trouvée, l'image entière a donc été enregistrée.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>Posez la première page sous la caméra et retirez vos mains.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>La page bouge…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>Ne bougez plus…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>Page prise. Tournez la page suivante.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>Toujours la même page : tournez la suivante.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>La page n'a pas été enregistrée ; déplacez-la un peu pour réessayer.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>Pages prises : %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>Pages sans les mains</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>Tournez les pages ; chaque page immobile est photographiée.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>Sensibilité (à gauche : calme, à droite : vive)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>Vive remarque de plus petits changements et prend la photo plus tôt ; calme ignore les petits mouvements et attend plus longtemps que les mains partent.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>Terminer : créer un PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>Enregistrer la découpe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>Faites glisser les quatre coins sur les coins de la feuille. Entrée enregistre la découpe, Échap annule.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>Il n'y a pas encore d'image dans laquelle découper une feuille.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>Ces coins n'entourent rien à découper.</translation>
    </message>
</context>
</TS>
