<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>ComparePageController</name>
    <message>
        <source>Could not read %1 as a picture: %2</source>
        <translation>%1을(를) 이미지로 읽지 못했습니다: %2</translation>
    </message>
    <message>
        <source>There is no camera picture yet.</source>
        <translation>아직 카메라 화면이 없습니다.</translation>
    </message>
</context>
<context>
    <name>MyComBar</name>
    <message>
        <source>erfenchuangkou</source>
        <translation>2분할 화면</translation>
    </message>
    <message>
        <source>sifenchuangkou</source>
        <translation>4분할 화면</translation>
    </message>
    <message>
        <source>liufenchuangkou</source>
        <translation>6분할 화면</translation>
    </message>
    <message>
        <source>dakaitupian</source>
        <translation>이미지 열기</translation>
    </message>
    <message>
        <source>paishetupian</source>
        <translation>사진 촬영</translation>
    </message>
</context>
<context>
    <name>MyComBarClass</name>
    <message>
        <source>MyComBar</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>二</source>
        <translation>2분할</translation>
    </message>
    <message>
        <source>四</source>
        <translation>4분할</translation>
    </message>
    <message>
        <source>六</source>
        <translation>6분할</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>사진</translation>
    </message>
</context>
</TS>
