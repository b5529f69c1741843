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
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
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
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>先に画像の上にトリミング枠を描いてから撮影してください。</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>まだ用紙が見つからないため、画像全体を保存しました。</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>写真を保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>次回からの画面録画ではマイクの音声を録音します。</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>次回からの画面録画は音声なしになります。</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>録画できるのはライブ映像のみです。</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>録画を開始できませんでした：%1 を作成できません。</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>カメラ映像がまだありません：録画は最初のフレームから始まります。</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>何も録画されませんでした：カメラからフレームが届きませんでした。</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>%1 フレームが欠落しています：コンピューターの処理がカメラに追いつきませんでした。</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>録画 %1 は不完全です：書き込みに失敗しました（ディスクがいっぱいですか？）。ファイルにはそれまでに書き込まれた内容が残っています。</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>録画 %1 を完了できませんでした：書き込みに失敗しました（ディスクがいっぱいですか？）。再生できない可能性があります。</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>録画できるのはライブ映像のみです。</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>画面録画を開始できませんでした：ファイル名 %1 が %2 バイトを超えています。短い名前の保存先を選択してください。</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>ここでは画面を録画できません：録画する X ディスプレイがありません（Wayland セッションは録画できません）。</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>画面録画を開始できませんでした：%1 を作成できません。</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>画面録画を開始できませんでした（grabix エラー %1）。</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>画面録画 %1 が途中で終了しました：画面が利用できなくなりました。ファイルにはそれまでに録画された内容が残っています。</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>画面録画 %1 を完了できませんでした：書き込みに失敗しました（ディスクがいっぱいですか？）。再生できない可能性があります。</translation>
    </message>
</context>
</TS>
