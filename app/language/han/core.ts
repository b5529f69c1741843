<?xml version="1.0" encoding="utf-8"?>
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
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
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
</TS>
