<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>MyAnnotateBar</name>
    <message>
        <source>wenzi</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>zihao</source>
        <translation>글자 크기</translation>
    </message>
    <message>
        <source>xiao</source>
        <translation>가는 펜</translation>
    </message>
    <message>
        <source>zhong</source>
        <translation>중간 펜</translation>
    </message>
    <message>
        <source>da</source>
        <translation>굵은 펜</translation>
    </message>
    <message>
        <source>hongse</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>huangse</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>qingse</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>lvse</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>lanse</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>meihongse</source>
        <translation>자홍</translation>
    </message>
    <message>
        <source>xiangpicha</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>chexiao</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>qingkong</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>baocun</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>MyAnnotateBarClass</name>
    <message>
        <source>MyAnnotateBar</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>小</source>
        <translation>가늘게</translation>
    </message>
    <message>
        <source>中</source>
        <translation>중간</translation>
    </message>
    <message>
        <source>大</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>红</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>橘</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>蓝</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>玫</source>
        <translation>자홍</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>AnnotationPageController</name>
    <message>
        <source>There is no camera picture to annotate yet.</source>
        <translation>아직 주석을 달 카메라 화면이 없습니다.</translation>
    </message>
    <message>
        <source>The camera picture could not be kept for annotation in %1.</source>
        <translation>주석에 쓸 카메라 화면을 %1에 보관하지 못했습니다.</translation>
    </message>
    <message>
        <source>The annotation was not saved: %1</source>
        <translation>주석을 저장하지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>NewPictureFile</name>
    <message>
        <source>there is no picture to save</source>
        <translation>저장할 이미지가 없습니다</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1이(가) 이미 있습니다</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>%1 폴더를 만들 수 없습니다</translation>
    </message>
</context>
</TS>
