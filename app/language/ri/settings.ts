<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>MySettingsBar</name>
    <message>
        <source>set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>set success</source>
        <translation>設定しました。</translation>
    </message>
    <message>
        <source>set fail</source>
        <translation>設定できませんでした。</translation>
    </message>
    <message>
        <source>The network name and the password may each be at most 32 bytes.</source>
        <translation>ネットワーク名とパスワードはそれぞれ 32 バイト以内にしてください。</translation>
    </message>
    <message>
        <source>qing xuanze wenjian baocun weizhi</source>
        <translation>ファイルの保存先を選択してください</translation>
    </message>
</context>
<context>
    <name>MySettingsBarClass</name>
    <message>
        <source>MySettingsBar</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>摄像头属性</source>
        <translation>カメラのプロパティ</translation>
    </message>
    <message>
        <source>设置自动对焦</source>
        <translation>オートフォーカスをオン</translation>
    </message>
    <message>
        <source>取消自动对焦</source>
        <translation>オートフォーカスをオフ</translation>
    </message>
    <message>
        <source>WIFI模式</source>
        <translation>Wi-Fi モード</translation>
    </message>
    <message>
        <source>复位到WIFI模式</source>
        <translation>Wi-Fi モードに戻す</translation>
    </message>
    <message>
        <source>WIFI名称</source>
        <translation>Wi-Fi 名</translation>
    </message>
    <message>
        <source>WIFI密码</source>
        <translation>Wi-Fi パスワード</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>设置路由模式</source>
        <translation>ルーターモードに設定</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>ソフトウェア設定</translation>
    </message>
    <message>
        <source>软件语言</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>中国語（簡体字）</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>中国語（繁体字）</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>タイ語</translation>
    </message>
    <message>
        <source>保存位置</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
