<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>MySideBar</name>
    <message>
        <source>not available yet</source>
        <translation>아직 사용할 수 없음</translation>
    </message>
    <message>
        <source>fenbianlv</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>zuozhuan</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>youzhuan</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>fangda</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>suoxiao</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>zuoyoujingxiang</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>shangxiajingxiang</source>
        <translation>상하 반전</translation>
    </message>
    <message>
        <source>jiupian</source>
        <translation>기울기 보정</translation>
    </message>
    <message>
        <source>caijian</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>zhezhao</source>
        <translation>화면 가리기</translation>
    </message>
    <message>
        <source>dongjie</source>
        <translation>화면 정지</translation>
    </message>
    <message>
        <source>yulan</source>
        <translation>실시간 화면</translation>
    </message>
</context>
<context>
    <name>MySideBarClass</name>
    <message>
        <source>MySideBar</source>
        <translation>사이드바</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>픽셀</translation>
    </message>
    <message>
        <source>左转</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>右转</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>좌우</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>상하</translation>
    </message>
    <message>
        <source>纠偏</source>
        <translation>기울기 보정</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>幕布</source>
        <translation>화면 가리기</translation>
    </message>
    <message>
        <source>冻结</source>
        <translation>화면 정지</translation>
    </message>
</context>
</TS>
