<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>설정이 적용되었습니다.</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>설정하지 못했습니다.</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>네트워크 이름과 비밀번호는 각각 최대 32바이트까지 가능합니다.</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>파일을 저장할 위치를 선택하세요</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>카메라 속성</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>자동 초점 켜기</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>자동 초점 끄기</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Wi-Fi 모드</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Wi-Fi 모드로 초기화</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Wi-Fi 이름</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Wi-Fi 비밀번호</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>공유기 모드 설정</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>프로그램 설정</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>태국어</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>저장 위치</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
</context>
</TS>
