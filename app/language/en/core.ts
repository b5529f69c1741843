<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>Could not open the folder %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>The camera at %1 is not answering.
The picture comes back by itself when it answers again.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>The camera is answering again</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>The camera is answering</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Hide tools</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Show tools</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Sound recording</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Get Resolution</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>Could not get the resolutions from the camera. Please try again.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Set Resolution</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>The camera did not accept the resolution.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Compare window</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Please select a window first.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Compare with a file</translation>
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
        <translation>Software icon</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Mic</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Connect to camera</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Wi-Fi Mode</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Enter Wi-Fi mode</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>Router Mode</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Search for camera</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Enter router mode</translation>
    </message>
</context>
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>Draw the crop rectangle over the picture first, then take the photo.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>No sheet of paper was found yet, so the whole picture was saved.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>The photo was not saved: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>The next screen recordings record sound from the microphone.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>The next screen recordings are silent.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Recording works on the live picture only.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>The video recording could not start: %1 cannot be created.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>No picture from the camera yet: the recording begins with its first frame.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>Nothing was recorded: no frame came from the camera.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>%1 frames are missing: the computer could not keep up with the camera.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Recording works on the live picture only.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>The screen recording could not start: %1 cannot be created.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>The screen recording could not start (grabix error %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</translation>
    </message>
</context>
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>Hands-free pages</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>Adjust corners</translation>
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
        <translation>Corners</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>Hands-free pages need the live picture: connect the camera and leave the freeze off.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>No page was taken, so there is nothing to put into a PDF.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>No sheet was found, so the whole picture was saved.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>Lay the first page under the camera and take your hands away.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>Page moving…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>Hold still…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>Page taken. Turn to the next page.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>Still the same page: turn to the next one.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>The page was not saved; move it a little to try again.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>Pages taken: %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>Hands-free pages</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>Turn the pages; each still page is photographed.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>Sensitivity (left: calm, right: keen)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>Finish: make a PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>Save cut-out</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>There is no picture to cut a sheet out of yet.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>These corners enclose nothing to cut out.</translation>
    </message>
</context>
</TS>
