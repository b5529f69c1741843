<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>フォルダー %1 を開けませんでした</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>カメラ %1 が応答しません。
応答が戻ると映像は自動的に再開します。</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>カメラとの接続が回復しました</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>カメラに接続しました</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>ツールを隠す</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>ツールを表示</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>解像度の取得</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>カメラから解像度を取得できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>解像度の設定</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>カメラがこの解像度を受け付けませんでした。</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>比較ウィンドウ</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>先にウィンドウを選択してください。</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>ファイルと比較</translation>
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
        <translation>アプリのアイコン</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>マイク</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>カメラの IPv4 アドレスを入力してください（例：192.168.1.20）。</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>カメラに接続</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Wi-Fi モード</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Wi-Fi で接続</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>ルーターモード</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>カメラを検索</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>ルーター経由で接続</translation>
    </message>
</context>
</TS>
