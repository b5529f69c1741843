<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>MyPDFBar</name>
    <message>
        <source>qing xuanze tupian</source>
        <translation>이미지를 선택하세요</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>PDF를 저장할 위치를 선택하세요</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Add pictures first, then compose the PDF.</source>
        <translation>먼저 이미지를 추가한 다음 PDF를 만드세요.</translation>
    </message>
    <message>
        <source>None of the pictures could be read as a JPEG picture. No PDF was written.</source>
        <translation>JPEG 이미지로 읽을 수 있는 이미지가 없습니다. PDF를 만들지 않았습니다.</translation>
    </message>
    <message>
        <source>The PDF could not be made (not enough memory?). No PDF was written.</source>
        <translation>PDF를 만들 수 없습니다(메모리 부족일 수 있음). PDF를 만들지 않았습니다.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: the folder does not exist or cannot be written.</source>
        <translation>PDF를 %1에 쓰지 못했습니다: 폴더가 없거나 쓰기 권한이 없습니다.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: writing failed (is the disk full?).</source>
        <translation>PDF를 %1에 쓰지 못했습니다: 쓰기에 실패했습니다(디스크가 가득 찼을 수 있음).</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1: that name cannot be replaced.</source>
        <translation>PDF를 %1(으)로 저장하지 못했습니다: 이 이름은 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (읽을 수 없음)</translation>
    </message>
    <message>
        <source>%1 (not a JPEG picture)</source>
        <translation>%1 (JPEG 이미지가 아님)</translation>
    </message>
    <message>
        <source>These pictures were left out:</source>
        <translation>다음 이미지는 제외되었습니다:</translation>
    </message>
    <message>
        <source>These pictures are larger than a PDF page and were scaled down to fit:</source>
        <translation>다음 이미지는 PDF 페이지보다 커서 페이지에 맞게 축소했습니다:</translation>
    </message>
    <message>
        <source>Reads the text of every picture and adds it invisibly, so the PDF can be searched and its text copied.</source>
        <translation>각 이미지의 텍스트를 인식해 보이지 않게 추가하므로 PDF에서 검색하고 텍스트를 복사할 수 있습니다.</translation>
    </message>
    <message>
        <source>Reading the text of picture %1 of %2…</source>
        <translation>이미지 %1/%2의 텍스트 인식 중…</translation>
    </message>
    <message>
        <source>Writing the PDF…</source>
        <translation>PDF 쓰는 중…</translation>
    </message>
    <message>
        <source>Reading the text of the pictures…</source>
        <translation>이미지의 텍스트 인식 중…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>The text could not be added (its font could not be loaded); the PDF holds the pictures only.</source>
        <translation>텍스트를 추가하지 못했습니다(글꼴을 불러오지 못함). PDF에는 이미지만 들어 있습니다.</translation>
    </message>
    <message>
        <source>No text was found on these pictures; their pages cannot be searched:</source>
        <translation>다음 이미지에서 텍스트를 찾지 못해 해당 페이지는 검색할 수 없습니다:</translation>
    </message>
</context>
<context>
    <name>MyPDFBarClass</name>
    <message>
        <source>MyPDFBar</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>添加图片</source>
        <translation>이미지 추가</translation>
    </message>
    <message>
        <source>合成PDF</source>
        <translation>PDF 만들기</translation>
    </message>
    <message>
        <source>可搜索文字</source>
        <translation>검색 가능</translation>
    </message>
</context>
<context>
    <name>PdfComposerLauncher</name>
    <message>
        <source>The PDF %1 was not written.</source>
        <translation>PDF %1을(를) 쓰지 못했습니다.</translation>
    </message>
    <message>
        <source>The PDF was saved to %1, but no program could be started to show it.</source>
        <translation>PDF를 %1에 저장했지만 표시할 프로그램을 실행하지 못했습니다.</translation>
    </message>
</context>
</TS>
