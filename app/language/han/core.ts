<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>%1 폴더를 열지 못했습니다</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>카메라(%1)가 응답하지 않습니다.
카메라가 다시 응답하면 화면이 자동으로 돌아옵니다.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>카메라 연결이 복구되었습니다</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>카메라가 연결되었습니다</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>도구 숨기기</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>도구 표시</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>녹음</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>해상도 가져오기</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>카메라에서 해상도 목록을 가져오지 못했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>해상도 설정</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>카메라가 이 해상도를 적용하지 않았습니다.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>비교 창</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>먼저 창을 선택하세요.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>파일과 비교</translation>
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
        <translation>프로그램 아이콘</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>마이크</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
        <translation>카메라의 IPv4 주소를 입력하세요(예: 192.168.1.20).</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>카메라 연결</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Wi-Fi 모드</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Wi-Fi 모드로 연결</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>공유기 모드</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>카메라 검색</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>공유기 모드로 연결</translation>
    </message>
</context>
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>먼저 화면 위에 자르기 영역을 그린 다음 사진을 촬영하세요.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>아직 용지를 찾지 못해 화면 전체를 저장했습니다.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>사진을 저장하지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>다음 화면 녹화부터 마이크 소리를 함께 녹음합니다.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>다음 화면 녹화부터 소리 없이 녹화합니다.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>실시간 화면에서만 녹화할 수 있습니다.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>동영상 녹화를 시작하지 못했습니다: %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>아직 카메라 화면이 없습니다: 첫 프레임부터 녹화가 시작됩니다.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>녹화된 내용이 없습니다: 카메라에서 프레임이 오지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>프레임 %1개가 누락되었습니다: 컴퓨터가 카메라 속도를 따라가지 못했습니다.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>동영상 녹화 %1이(가) 완전하지 않습니다: 쓰기에 실패했습니다(디스크가 가득 찼나요?). 파일에는 그전까지 기록된 내용이 남아 있습니다.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>동영상 녹화 %1을(를) 마무리하지 못했습니다: 쓰기에 실패했습니다(디스크가 가득 찼나요?). 재생되지 않을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>실시간 화면에서만 녹화할 수 있습니다.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>화면 녹화를 시작하지 못했습니다: 파일 이름 %1이(가) %2바이트보다 깁니다. 더 짧은 이름의 저장 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>여기서는 화면을 녹화할 수 없습니다: 녹화할 X 디스플레이가 없습니다(Wayland 세션은 녹화할 수 없습니다).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>화면 녹화를 시작하지 못했습니다: %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>화면 녹화를 시작하지 못했습니다(grabix 오류 %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>화면 녹화 %1이(가) 일찍 끝났습니다: 화면을 더 이상 사용할 수 없습니다. 파일에는 그때까지 녹화된 내용이 남아 있습니다.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>화면 녹화 %1을(를) 마무리하지 못했습니다: 쓰기에 실패했습니다(디스크가 가득 찼나요?). 재생되지 않을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>핸즈프리 페이지 촬영</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>모서리 조정</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>연속 촬영</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>모서리</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>핸즈프리 페이지 촬영에는 실시간 화면이 필요합니다. 카메라를 연결하고 정지를 해제하십시오.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>촬영한 페이지가 없어 PDF로 만들 것이 없습니다.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>용지를 찾지 못해 화면 전체를 저장했습니다.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>첫 페이지를 카메라 아래에 놓고 손을 치우십시오.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>페이지가 움직이는 중…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>움직이지 마십시오…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>페이지를 촬영했습니다. 다음 페이지로 넘기십시오.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>아직 같은 페이지입니다. 다음 페이지로 넘기십시오.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>페이지를 저장하지 못했습니다. 조금 움직이면 다시 촬영합니다.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>촬영한 페이지: %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>핸즈프리 페이지 촬영</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>페이지를 넘기십시오. 멈춘 페이지마다 촬영합니다.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>감도 (왼쪽: 둔감, 오른쪽: 민감)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>민감은 작은 변화도 알아차리고 더 빨리 촬영합니다. 둔감은 작은 움직임을 무시하고 손이 치워질 때까지 더 오래 기다립니다.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>완료: PDF 만들기</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>잘라낸 부분 저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>네 모서리를 용지의 모서리로 끌어 놓으십시오. Enter 키는 잘라낸 부분을 저장하고 Esc 키는 취소합니다.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>아직 용지를 잘라낼 화면이 없습니다.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>이 모서리 안에는 잘라낼 것이 없습니다.</translation>
    </message>
</context>
</TS>
