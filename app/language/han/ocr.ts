<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>MyOcrBar</name>
    <message>
        <source>Text recognition</source>
        <translation>텍스트 인식</translation>
    </message>
    <message>
        <source>Read again</source>
        <translation>다시 인식</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>텍스트로 저장…</translation>
    </message>
    <message>
        <source>Language of the text</source>
        <translation>텍스트 언어</translation>
    </message>
    <message>
        <source>The text is on the clipboard.</source>
        <translation>텍스트가 클립보드에 복사되었습니다.</translation>
    </message>
    <message>
        <source>The selected text is on the clipboard.</source>
        <translation>선택한 텍스트가 클립보드에 복사되었습니다.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>%1(으)로 저장했습니다</translation>
    </message>
</context>
<context>
    <name>OcrTool</name>
    <message>
        <source>Still recognising the text of the last picture…</source>
        <translation>이전 이미지의 텍스트를 아직 인식하는 중입니다…</translation>
    </message>
    <message>
        <source>There is no picture to read yet.</source>
        <translation>아직 인식할 이미지가 없습니다.</translation>
    </message>
    <message>
        <source>No language for text recognition is installed (Debian packages tesseract-ocr-eng, tesseract-ocr-chi-sim, ...).</source>
        <translation>텍스트 인식 언어가 설치되어 있지 않습니다(Debian 패키지 tesseract-ocr-eng, tesseract-ocr-chi-sim 등).</translation>
    </message>
    <message>
        <source>Recognising text…</source>
        <translation>텍스트 인식 중…</translation>
    </message>
    <message>
        <source>Read in %1 in %2 s; the text is on the clipboard.</source>
        <translation>%2초 만에 인식했습니다(언어: %1). 텍스트가 클립보드에 있습니다.</translation>
    </message>
    <message>
        <source>Text recognised and copied to the clipboard.</source>
        <translation>텍스트를 인식하여 클립보드에 복사했습니다.</translation>
    </message>
    <message>
        <source>No text was found in the picture (language: %1).</source>
        <translation>이미지에서 텍스트를 찾지 못했습니다(언어: %1).</translation>
    </message>
    <message>
        <source>No text was found in the picture.</source>
        <translation>이미지에서 텍스트를 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>The trained data for %1 could not be loaded.</source>
        <translation>%1 인식 데이터를 불러오지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>TextFileSaver</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
    <message>
        <source>Save text</source>
        <translation>텍스트 저장</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>다른 이름으로 텍스트 저장</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1은(는) 폴더입니다.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1에 쓰지 못했습니다: %2</translation>
    </message>
</context>
</TS>
