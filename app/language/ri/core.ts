<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

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
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>ハンズフリーページ撮影</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>四隅の調整</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>連続撮影</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>四隅</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>ハンズフリーページ撮影にはライブ映像が必要です。カメラを接続し、フリーズを解除してください。</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>ページが撮影されていないため、PDF にするものがありません。</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>用紙が見つからなかったため、画像全体を保存しました。</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>最初のページをカメラの下に置き、手を離してください。</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>ページが動いています…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>そのまま動かさないでください…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>ページを撮影しました。次のページをめくってください。</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>同じページのままです。次のページをめくってください。</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>ページを保存できませんでした。少し動かすと再撮影します。</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>撮影したページ：%1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>ハンズフリーページ撮影</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>ページをめくってください。静止したページごとに撮影します。</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>感度（左：穏やか、右：敏感）</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>敏感は小さな変化にも反応して早く撮影します。穏やかは小さな動きを無視し、手が離れるまで長く待ちます。</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>完了して PDF 作成</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>切り抜きを保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>四つの角を用紙の角までドラッグしてください。Enter で切り抜きを保存、Esc で取り消します。</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>用紙を切り抜く画像がまだありません。</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>この四隅の内側には切り抜くものがありません。</translation>
    </message>
</context>
</TS>
