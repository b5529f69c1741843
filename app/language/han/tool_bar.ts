<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>MyToolBar</name>
    <message>
        <source>not available yet</source>
        <translation>아직 사용할 수 없음</translation>
    </message>
    <message>
        <source>dakaiwenjianjia</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>pizhu</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>luxiang</source>
        <translation>동영상 녹화</translation>
    </message>
    <message>
        <source>luping</source>
        <translation>화면 녹화</translation>
    </message>
    <message>
        <source>paizhao</source>
        <translation>사진 촬영</translation>
    </message>
    <message>
        <source>duibi</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation>PDF 만들기</translation>
    </message>
    <message>
        <source>ocr</source>
        <translation>텍스트 인식</translation>
    </message>
    <message>
        <source>tiaomashibie</source>
        <translation>바코드 인식</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>MyToolBar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>동영상 녹화</translation>
    </message>
    <message>
        <source>录屏</source>
        <translation>화면 녹화</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>条码</source>
        <translation>바코드</translation>
    </message>
</context>
</TS>
