<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AudioEditDialog</name>
    <message>
        <source>Select One or More Files</source>
        <translation>ファイルを選択（複数可）</translation>
    </message>
    <message>
        <source>Reading audio files...</source>
        <translation>オーディオファイルを読み込んでいます...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>開始位置</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>終了位置</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>区間を再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>開始位置を設定</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>終了位置を設定</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>ミュート解除</translation>
    </message>
    <message>
        <source>Global Audio Settings</source>
        <translation>全体のオーディオ設定</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>フェードイン</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>フェードアウト</translation>
    </message>
    <message>
        <source>Loop Background Music Automatically</source>
        <translation>BGM を自動的に繰り返す</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>オーディオの編集</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>オーディオファイル</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Edit Audio</source>
        <translation>オーディオの編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>サンプルレート</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>開始位置</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>終了位置</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>ここにオーディオファイルをドラッグ</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Clip %1, %2, %3 to %4</source>
        <translation>曲 %1、%2、%3 ～ %4</translation>
    </message>
</context>
<context>
    <name>AudioReader</name>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1 could not be examined within %2 seconds.</source>
        <translation>%1 を %2 秒以内に調べられませんでした。</translation>
    </message>
    <message>
        <source>The media information tool %1 could not be started.</source>
        <translation>メディア情報ツール %1 を起動できませんでした。</translation>
    </message>
    <message>
        <source>Not music that can be read.</source>
        <translation>読み込める音楽ではありません。</translation>
    </message>
</context>
<context>
    <name>BatchPublisher</name>
    <message>
        <source>Cannot create a working folder in %1</source>
        <translation>%1 に作業フォルダーを作成できません</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>no photos in this folder</source>
        <translation>このフォルダーには写真がありません</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>写真を読み込んでいます</translation>
    </message>
    <message>
        <source>Reading music</source>
        <translation>音楽を読み込んでいます</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>Left out of the project: %1</source>
        <translation>プロジェクトから除外: %1</translation>
    </message>
    <message>
        <source>Nothing was published, as --strict asks when an input cannot be read.</source>
        <translation>--strict の指定どおり、読み込めない入力があったため何も公開しませんでした。</translation>
    </message>
    <message>
        <source>No photo could be read; nothing was published.</source>
        <translation>写真を 1 枚も読み込めなかったため、何も公開しませんでした。</translation>
    </message>
    <message>
        <source>the range %1-%2 s lies outside its %3 s</source>
        <translation>範囲 %1-%2 秒が長さ %3 秒を超えています</translation>
    </message>
    <message>
        <source>Converting music</source>
        <translation>音楽を変換しています</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>公開しています</translation>
    </message>
    <message>
        <source>The publishing was cancelled.</source>
        <translation>公開はキャンセルされました。</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>テンプレートが選択されていません。</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>公開を開始できませんでした。</translation>
    </message>
    <message>
        <source>Interrupted: removing what was written so far.</source>
        <translation>中断しました: これまでに書き込んだものを削除しています。</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>スライドショーを公開できませんでした。</translation>
    </message>
</context>
<context>
    <name>Convert2Mp3Progress</name>
    <message>
        <source>The music converter %1 could not be started, so %2 could not be converted to MP3.</source>
        <translation>音楽変換ツール %1 を起動できなかったため、%2 を MP3 に変換できませんでした。</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be converted to MP3.</source>
        <translation>%1 には MP3 に変換できる音声がありません。</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3: %2</source>
        <translation>%1 を MP3 に変換できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3.</source>
        <translation>%1 を MP3 に変換できませんでした。</translation>
    </message>
</context>
<context>
    <name>DocumentFlow</name>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やり直し(&amp;R): %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <source>Save Slideshow As</source>
        <translation>スライドショーに名前を付けて保存</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>スライドショーを開く</translation>
    </message>
    <message>
        <source>Lumaro Projects (*.lumaro)</source>
        <translation>Lumaro プロジェクト (*.lumaro)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 は既に存在します。置き換えますか?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換え(&amp;R)</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.
%1</source>
        <translation>スライドショーを保存できませんでした。
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was taken off the recent projects.</source>
        <translation>%1 はもう存在しません。最近使ったプロジェクトから削除しました。</translation>
    </message>
    <message>
        <source>Lumaro was not closed properly. Restore the slideshow as it was at %1?</source>
        <translation>Lumaro は正しく終了しませんでした。スライドショーを %1 の状態に復元しますか?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>The slideshow could not be opened.
%1</source>
        <translation>スライドショーを開けませんでした。
%1</translation>
    </message>
    <message>
        <source>Not read: the opening was cancelled.</source>
        <translation>読み込んでいません: 開く操作はキャンセルされました。</translation>
    </message>
    <message>
        <source>This gallery template is not installed; the slideshow keeps %1.</source>
        <translation>このギャラリーテンプレートはインストールされていません。スライドショーは %1 のままです。</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>No permission to read %1.</source>
        <translation>%1 を読み込む権限がありません。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 はファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>The device holding %1 could not be read.</source>
        <translation>%1 のあるデバイスを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 を読み込めません。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>No space left on the device holding %1.</source>
        <translation>%1 のあるデバイスに空き容量がありません。</translation>
    </message>
    <message>
        <source>The disk quota is used up on the device holding %1.</source>
        <translation>%1 のあるデバイスのディスククォータを使い切りました。</translation>
    </message>
    <message>
        <source>The device holding %1 is read-only.</source>
        <translation>%1 のあるデバイスは読み取り専用です。</translation>
    </message>
    <message>
        <source>The device holding %1 could not be written.</source>
        <translation>%1 のあるデバイスに書き込めませんでした。</translation>
    </message>
    <message>
        <source>No permission to write %1.</source>
        <translation>%1 に書き込む権限がありません。</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.</source>
        <translation>%1 のフォルダーが存在しません。</translation>
    </message>
    <message>
        <source>Part of the path %1 is a file, not a folder.</source>
        <translation>パス %1 の一部がフォルダーではなくファイルです。</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>名前 %1 が長すぎます。</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>FlashmoPublish</name>
    <message>
        <source>The publish profile %1 is not supported.</source>
        <translation>公開プロファイル %1 には対応していません。</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>%1 を %2 にコピーできません。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Cannot prepare the photos and the configuration file in %1.</source>
        <translation>%1 に写真と設定ファイルを準備できません。</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 を読み込めません。</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>ファイル %1 がありません。</translation>
    </message>
    <message>
        <source>The template movie %1 is missing.</source>
        <translation>テンプレートのムービー %1 がありません。</translation>
    </message>
    <message>
        <source>The template page %1 is missing.</source>
        <translation>テンプレートのページ %1 がありません。</translation>
    </message>
    <message>
        <source>The photo %1 is missing.</source>
        <translation>写真 %1 がありません。</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>写真 %1 を読み込めません。</translation>
    </message>
    <message>
        <source>The music file %1 is missing.</source>
        <translation>音楽ファイル %1 がありません。</translation>
    </message>
    <message>
        <source>%1 changed while it was being published.</source>
        <translation>公開中に %1 が変更されました。</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>一時フォルダーが見つかりません!</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Not a photo that can be read, or larger than %1 megapixels.</source>
        <translation>読み込める写真ではないか、%1 メガピクセルを超えています。</translation>
    </message>
    <message>
        <source>The working copies of %1 could not be made.</source>
        <translation>%1 の作業用コピーを作成できませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The original photo %1 is missing.</source>
        <translation>元の写真 %1 が見つかりません。</translation>
    </message>
    <message>
        <source>The original photo %1 cannot be read.</source>
        <translation>元の写真 %1 を読み込めません。</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Select One or More Files</source>
        <translation>ファイルを選択（複数可）</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>インポートの進行状況</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>%1 をインポートしています...</translation>
    </message>
</context>
<context>
    <name>LoadFailedDialog</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>一部のファイルはリストに追加されませんでした:
</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Files not added</source>
        <translation>追加されなかったファイル</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>理由不明</translation>
    </message>
</context>
<context>
    <name>Lumaro</name>
    <message>
        <source>Post &amp;Task Action</source>
        <translation>タスク完了後の動作(&amp;T)</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>何もしない</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>アプリケーションを終了</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>スタンバイ</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休止状態</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>テンプレート:</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>写真をインポート</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>写真フォルダーをインポート</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>オーディオファイルをインポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>オーディオの編集</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>公開</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>プログラムを起動できませんでした。再インストールしてください。</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>Scroll the strips</source>
        <translation>写真と音楽の列をスクロール</translation>
    </message>
</context>
<context>
    <name>MediaFormats</name>
    <message>
        <source>All Supported Files</source>
        <translation>対応しているすべてのファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>MenuTemplateSelectionFrame</name>
    <message>
        <source>Time Corridor</source>
        <translation>時の回廊</translation>
    </message>
    <message>
        <source>3D Grid</source>
        <translation>3D グリッド</translation>
    </message>
    <message>
        <source>Magic Cube</source>
        <translation>マジックキューブ</translation>
    </message>
    <message>
        <source>Pinwheel</source>
        <translation>風車</translation>
    </message>
    <message>
        <source>Photo Wall</source>
        <translation>フォトウォール</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>カルーセル</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>扇</translation>
    </message>
    <message>
        <source>Wonderful Moment</source>
        <translation>素敵な瞬間</translation>
    </message>
    <message>
        <source>FishEye</source>
        <translation>魚眼</translation>
    </message>
    <message>
        <source>pic</source>
        <translation>画像</translation>
    </message>
</context>
<context>
    <name>OfflinePage</name>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>%1 is not an offline page skeleton</source>
        <translation>%1 はオフラインページのひな形ではありません</translation>
    </message>
    <message>
        <source>Click or press a key to start the music.</source>
        <translation>クリックするかキーを押すと音楽が始まります。</translation>
    </message>
    <message>
        <source>This slideshow needs a current web browser with JavaScript turned on.</source>
        <translation>このスライドショーには、JavaScript が有効な最新の Web ブラウザーが必要です。</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>色深度</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>ビット</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>ここに写真をドラッグ</translation>
    </message>
    <message>
        <source>Cannot copy the photo(s): %1</source>
        <translation>写真をコピーできません: %1</translation>
    </message>
    <message>
        <source>Cannot save the turned photo(s): %1</source>
        <translation>回転した写真を保存できません: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Photo %1 of %2, %3</source>
        <translation>写真 %1/%2、%3</translation>
    </message>
    <message>
        <source>turned right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>turned left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>180 度回転</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>turned right and mirrored</source>
        <translation>右に回転して左右反転</translation>
    </message>
    <message>
        <source>turned left and mirrored</source>
        <translation>左に回転して左右反転</translation>
    </message>
</context>
<context>
    <name>PhotoOperation</name>
    <message>
        <source>Cannot read the picture %1.</source>
        <translation>画像 %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Cannot write the picture %1.</source>
        <translation>画像 %1 に書き込めません。</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>一時フォルダー</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>作成後の動作</translation>
    </message>
    <message>
        <source>Selected Post Task Action:</source>
        <translation>タスク完了後の動作:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>何もしない</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>プログラムを終了</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休止状態</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>スタンバイ</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>アップデートの設定</translation>
    </message>
    <message>
        <source>Check for Updates Automatically:</source>
        <translation>アップデートを自動的に確認:</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Lumaro does not check for updates over the network. These settings are only remembered.</source>
        <translation>Lumaro はネットワーク経由でアップデートを確認しません。これらの設定は記憶されるだけです。</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>既定に戻す</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>ファイル名には次の文字を使えません:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」を開けませんでした。</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>選択したパスが正しくありません。もう一度選択してください。</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>選択したフォルダーは読み取り専用です。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The temporary folder was not moved: &quot;%1&quot; could not be copied (%2). Your photos and music stay where they were.</source>
        <translation>一時フォルダーは移動されませんでした: 「%1」をコピーできませんでした (%2)。写真と音楽は元の場所に残っています。</translation>
    </message>
</context>
<context>
    <name>PreferencesProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Moving the photos and music to the new temporary folder...</source>
        <translation>写真と音楽を新しい一時フォルダーに移動しています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 (%2 バイト目)</translation>
    </message>
    <message>
        <source>%1 is not a Lumaro project, or it is damaged: %2.</source>
        <translation>%1 は Lumaro プロジェクトではないか、破損しています: %2。</translation>
    </message>
    <message>
        <source>%1 is not a project file.</source>
        <translation>%1 はプロジェクトファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is too large for a project file (more than %2 MB).</source>
        <translation>%1 はプロジェクトファイルとしては大きすぎます (%2 MB 超)。</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Lumaro (project format version %2); this one reads up to version %3.</source>
        <translation>%1 は新しい Lumaro で保存されています (プロジェクト形式バージョン %2)。このバージョンで読めるのはバージョン %3 までです。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 を開けません: %2。</translation>
    </message>
    <message>
        <source>Cannot save the project %1: a project holds at most %2 photos and %3 music clips.</source>
        <translation>プロジェクト %1 を保存できません: 1 つのプロジェクトに入るのは写真 %2 枚、曲 %3 個までです。</translation>
    </message>
    <message>
        <source>Cannot save the project as %1: that is %2, one of the slideshow&apos;s originals.</source>
        <translation>プロジェクトを %1 として保存できません: それはスライドショーの元ファイルの 1 つ、%2 です。</translation>
    </message>
    <message>
        <source>Cannot save the project %1: it would be larger than %2 MB.</source>
        <translation>プロジェクト %1 を保存できません: %2 MB を超えてしまいます。</translation>
    </message>
    <message>
        <source>Music clip %1</source>
        <translation>曲 %1</translation>
    </message>
    <message>
        <source>Music clips %1 to %2</source>
        <translation>曲 %1 ～ %2</translation>
    </message>
    <message>
        <source>Photo %1</source>
        <translation>写真 %1</translation>
    </message>
    <message>
        <source>Photos %1 to %2</source>
        <translation>写真 %1 ～ %2</translation>
    </message>
    <message>
        <source>The music options</source>
        <translation>音楽のオプション</translation>
    </message>
    <message>
        <source>The project file</source>
        <translation>プロジェクトファイル</translation>
    </message>
    <message>
        <source>The publish settings</source>
        <translation>公開設定</translation>
    </message>
    <message>
        <source>The template</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <translation>ファイルではなくデバイス</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>ファイルではなくフォルダー</translation>
    </message>
    <message>
        <source>a pipe, not a file</source>
        <translation>ファイルではなくパイプ</translation>
    </message>
    <message>
        <source>a project holds at most %1 music clips</source>
        <translation>1 つのプロジェクトに入る曲は %1 個まで</translation>
    </message>
    <message>
        <source>a project holds at most %1 photos</source>
        <translation>1 つのプロジェクトに入る写真は %1 枚まで</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <translation>ファイルではなくソケット</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>破損しています</translation>
    </message>
    <message>
        <source>damaged; the default is used</source>
        <translation>破損しています。既定値を使用します</translation>
    </message>
    <message>
        <source>it does not name the Lumaro project format</source>
        <translation>Lumaro のプロジェクト形式が示されていません</translation>
    </message>
    <message>
        <source>it holds no project</source>
        <translation>プロジェクトが含まれていません</translation>
    </message>
    <message>
        <source>its format version is unknown</source>
        <translation>形式のバージョンが不明です</translation>
    </message>
    <message>
        <source>its list of photos or of music clips is damaged</source>
        <translation>写真または曲のリストが破損しています</translation>
    </message>
    <message>
        <source>its start and end are damaged</source>
        <translation>開始位置と終了位置が破損しています</translation>
    </message>
    <message>
        <source>its turns and flips are damaged</source>
        <translation>回転と反転の情報が破損しています</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>ファイル名がありません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>not a usable path</source>
        <translation>使用できるパスではありません</translation>
    </message>
    <message>
        <source>the project file itself</source>
        <translation>プロジェクトファイル自体</translation>
    </message>
</context>
<context>
    <name>PublishCommandLine</name>
    <message>
        <source>&quot;%1&quot; is no clip range: write FILE@START-END in seconds, for example song.mp3@10-70.</source>
        <translation>「%1」は区間の指定ではありません: ファイル@開始-終了 を秒で書いてください (例: song.mp3@10-70)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: the end must come after the start.</source>
        <translation>「%1」は区間の指定ではありません: 終了は開始より後にしてください。</translation>
    </message>
    <message>
        <source>--%1 may be given only once.</source>
        <translation>--%1 は 1 回しか指定できません。</translation>
    </message>
    <message>
        <source>No gallery templates are installed.</source>
        <translation>ギャラリーテンプレートがインストールされていません。</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot;. Installed templates: %2.</source>
        <translation>テンプレート「%1」はありません。インストール済みのテンプレート: %2。</translation>
    </message>
    <message>
        <source>The quality must be a whole number from 1 to 100, not &quot;%1&quot;.</source>
        <translation>品質には 1 から 100 までの整数を指定してください (「%1」は無効です)。</translation>
    </message>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>名前を空にはできません。</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>名前には次の文字を使えません:%1</translation>
    </message>
    <message>
        <source>The output folder cannot be left blank.</source>
        <translation>出力フォルダーを空にはできません。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a usable path.</source>
        <translation>出力フォルダー「%1」は使用できるパスではありません。</translation>
    </message>
    <message>
        <source>The output &quot;%1&quot; is a file, not a folder.</source>
        <translation>出力先「%1」はフォルダーではなくファイルです。</translation>
    </message>
    <message>
        <source>--loop and --no-loop cannot be used together.</source>
        <translation>--loop と --no-loop は同時に使えません。</translation>
    </message>
    <message>
        <source>No photos given: name photo files or folders after the options.</source>
        <translation>写真が指定されていません: オプションの後に写真ファイルかフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>The project file cannot be left blank.</source>
        <translation>プロジェクトファイルを空にはできません。</translation>
    </message>
    <message>
        <source>--project publishes the project&apos;s photos: name no photos after the options.</source>
        <translation>--project はプロジェクトの写真を公開します: オプションの後に写真を指定しないでください。</translation>
    </message>
    <message>
        <source>The project&apos;s template &quot;%1&quot; is not installed; choose one with --template.</source>
        <translation>プロジェクトのテンプレート「%1」はインストールされていません。--template で選んでください。</translation>
    </message>
    <message>
        <source>Try &quot;lumaro-publish --help&quot;.</source>
        <translation>「lumaro-publish --help」を参照してください。</translation>
    </message>
    <message>
        <source>Interrupts cannot be watched: Ctrl-C may leave files behind.</source>
        <translation>割り込みを監視できません: Ctrl+C でファイルが残る場合があります。</translation>
    </message>
    <message>
        <source>The video size must be 1080 or 720, not &quot;%1&quot;.</source>
        <translation>ビデオのサイズには 1080 または 720 を指定してください (「%1」は無効です)。</translation>
    </message>
    <message>
        <source>The seconds per photo must be a whole number from 2 to 10 or &quot;fit&quot;, not &quot;%1&quot;.</source>
        <translation>写真 1 枚あたりの秒数には 2 から 10 までの整数か「fit」を指定してください (「%1」は無効です)。</translation>
    </message>
    <message>
        <source>Unknown profile &quot;%1&quot;: use xml, swf, swf+html, html or video.</source>
        <translation>不明なプロファイル「%1」: xml、swf、swf+html、html、video のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>Usage: lumaro-publish [options] PHOTO|FOLDER...
       lumaro-publish --project FILE.lumaro [options]
Publishes photos and music as a Flash gallery slideshow, without a window.
Folders are searched with their sub-folders. A project saved in the window is
published as the window would; options given as well override its settings,
--music its music.

Options:
  --template NAME         gallery template (see --list-templates)
  --profile PROFILE       xml, swf, swf+html, html or video (MP4; the template
                          does not apply) (default: swf)
  --video-size HEIGHT     the video&apos;s frame: 1080 or 720 (default: 1080)
  --seconds-per-photo N   the video&apos;s time per photo, 2-10, or &quot;fit&quot; to share
                          the music&apos;s length (default: 4)
  --quality N             JPEG quality of the photos, 1-100 (default: 85)
  --photo-size SIZE       standard (720x540, the default), hd (1440x1080) or
                          fullhd (1920x1440, for large screens)
  --music FILE[@START-END]
                          background music, repeatable; START and END in seconds
  --fade-in, --fade-out   fade every clip in or out
  --loop, --no-loop       play the music again when it ends (default: loop)
  --name NAME             name of the slideshow (default: My Flash)
  --output FOLDER         where the slideshow goes (default: your documents)
  --strict                publish nothing when any input cannot be read
  --project FILE          publish a project saved in the window (.lumaro)
  --list-templates        list the installed templates and exit
  -h, --help              show this help and exit
  -v, --version           show the version and exit

The published path is written to standard output, progress to standard error.
Exit status: 0 published; 1 some inputs could not be read (they are listed);
2 usage error; 3 publishing failed; 130/143 interrupted.
</source>
        <translation>使い方: lumaro-publish [オプション] 写真|フォルダー...
        lumaro-publish --project ファイル.lumaro [オプション]
写真と音楽を Flash ギャラリーのスライドショーとして、ウィンドウを開かずに公開します。
フォルダーはサブフォルダーも含めて検索します。ウィンドウで保存したプロジェクトは
ウィンドウと同じように公開します。併せて指定したオプションはその設定を、
--music はその音楽を置き換えます。

オプション:
  --template 名前         ギャラリーテンプレート (--list-templates を参照)
  --profile プロファイル  xml、swf、swf+html、html、video (MP4。テンプレートは
                          使用しません) (既定: swf)
  --video-size 高さ       ビデオのフレーム: 1080 または 720 (既定: 1080)
  --seconds-per-photo N   ビデオでの写真 1 枚あたりの秒数、2-10、または
                          音楽の長さで割り振る「fit」 (既定: 4)
  --quality N             写真の JPEG 品質、1-100 (既定: 85)
  --photo-size サイズ     standard (720x540、既定)、hd (1440x1080)、
                          fullhd (1920x1440、大きな画面向け)
  --music ファイル[@開始-終了]
                          BGM、複数指定可。開始と終了は秒
  --fade-in, --fade-out   各曲をフェードイン/フェードアウトする
  --loop, --no-loop       音楽が終わったら繰り返す (既定: loop)
  --name 名前             スライドショーの名前 (既定: マイFlash)
  --output フォルダー     スライドショーの出力先 (既定: ドキュメント)
  --strict                読み込めない入力があれば何も公開しない
  --project ファイル      ウィンドウで保存したプロジェクト (.lumaro) を公開する
  --list-templates        インストール済みのテンプレートを表示して終了
  -h, --help              このヘルプを表示して終了
  -v, --version           バージョンを表示して終了

公開先のパスは標準出力に、進行状況は標準エラー出力に書き出します。
終了ステータス: 0 公開完了、1 読み込めない入力あり (一覧を表示)、
2 使い方の誤り、3 公開失敗、130/143 中断。
</translation>
    </message>
    <message>
        <source>Unknown photo size &quot;%1&quot;: use standard, hd or fullhd.</source>
        <translation>不明な写真サイズ「%1」: standard、hd、fullhd のいずれかを指定してください。</translation>
    </message>
</context>
<context>
    <name>PublishFlow</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>一時フォルダーが見つかりません!</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>テンプレートが選択されていません。</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>公開を開始できませんでした。</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>スライドショーを公開できませんでした。</translation>
    </message>
    <message>
        <source>Publish Succeeded!</source>
        <translation>公開が完了しました!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>PublishSetting</name>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>ファイル名には次の文字を使えません:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>The specified directory was not found.</source>
        <translation>指定したフォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>The file name cannot be left blank, please enter a file name!</source>
        <translation>ファイル名を空にはできません。ファイル名を入力してください!</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>選択したパスが正しくありません。もう一度選択してください。</translation>
    </message>
    <message>
        <source>Publish Settings</source>
        <translation>公開設定</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>写真の品質:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>出力先:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>My Flash</source>
        <translation>マイFlash</translation>
    </message>
    <message>
        <source>Low(50)</source>
        <translation>低 (50)</translation>
    </message>
    <message>
        <source>Better(85)</source>
        <translation>標準 (85)</translation>
    </message>
    <message>
        <source>High(100)</source>
        <translation>高 (100)</translation>
    </message>
    <message>
        <source>html (offline)</source>
        <translation>html (オフライン)</translation>
    </message>
    <message>
        <source>video (MP4)</source>
        <translation>ビデオ (MP4)</translation>
    </message>
    <message>
        <source>A video does not use the template: it shows the photos one after another with a slow zoom and crossfades, to the music.</source>
        <translation>ビデオではテンプレートを使いません。音楽に合わせて、写真をゆっくりズームしながらクロスフェードで 1 枚ずつ表示します。</translation>
    </message>
    <message>
        <source>Frame Size:</source>
        <translation>フレームサイズ:</translation>
    </message>
    <message>
        <source>Each Photo:</source>
        <translation>写真 1 枚:</translation>
    </message>
    <message>
        <source>1920 x 1080 (1080p)</source>
        <translation>1920 x 1080 (1080p)</translation>
    </message>
    <message>
        <source>1280 x 720 (720p)</source>
        <translation>1280 x 720 (720p)</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Fit to music</source>
        <translation>音楽に合わせる</translation>
    </message>
    <message>
        <source>About %1 KB per photo.</source>
        <translation>写真 1 枚あたり約 %1 KB。</translation>
    </message>
    <message>
        <source>Photo Size:</source>
        <translation>写真のサイズ:</translation>
    </message>
    <message>
        <source>Standard (720 × 540)</source>
        <translation>標準 (720 × 540)</translation>
    </message>
    <message>
        <source>HD (1440 × 1080)</source>
        <translation>HD (1440 × 1080)</translation>
    </message>
    <message>
        <source>Full HD (1920 × 1440)</source>
        <translation>フル HD (1920 × 1440)</translation>
    </message>
</context>
<context>
    <name>PublishTarget</name>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>名前を空にはできません。</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>名前には次の文字を使えません:%1</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>名前に制御文字は使えません。</translation>
    </message>
    <message>
        <source>The name cannot be made of dots only.</source>
        <translation>名前をドットだけにはできません。</translation>
    </message>
    <message>
        <source>The name is too long: it may hold at most %1 bytes.</source>
        <translation>名前が長すぎます: 最大 %1 バイトまでです。</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message numerus="yes">
        <source>Import %n Photo(s)</source>
        <translation>
            <numerusform>写真 %n 枚をインポート</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Audio File(s)</source>
        <translation>
            <numerusform>オーディオファイル %n 個をインポート</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>写真 %n 枚を削除</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>オーディオファイル %n 個を削除</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Photo(s)</source>
        <translation>
            <numerusform>写真 %n 枚を移動</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Audio File(s)</source>
        <translation>
            <numerusform>オーディオファイル %n 個を移動</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Photo(s)</source>
        <translation>
            <numerusform>写真 %n 枚をコピー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Audio File(s)</source>
        <translation>
            <numerusform>オーディオファイル %n 個をコピー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>写真 %n 枚を左に回転</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>写真 %n 枚を右に回転</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>写真 %n 枚を左右反転</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>写真 %n 枚を上下反転</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Photo(s)</source>
        <translation>
            <numerusform>写真 %n 枚を元に戻す</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Template %1</source>
        <translation>テンプレート %1 を選択</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>オーディオの編集</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>名前「%1」は使えません: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1</source>
        <translation>フォルダー %1 に書き込めません</translation>
    </message>
    <message>
        <source>Cannot move the slideshow to %1</source>
        <translation>スライドショーを %1 に移動できません</translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation>%1 %2
写真と音楽から Flash ギャラリーのスライドショーを作成します。</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>常に手前に表示(&amp;T)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>既定のサイズ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>外観(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>スキン(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
</context>
<context>
    <name>VelMediaPreviewWidget</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
</context>
<context>
    <name>VelPowerState</name>
    <message numerus="yes">
        <source>%1 will quit in %n second(s).</source>
        <translation>
            <numerusform>%1 は %n 秒後に終了します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>%n 秒後にコンピューターをスタンバイにします。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>%n 秒後にコンピューターを休止状態にします。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>%n 秒後にコンピューターをシャットダウンします。</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation>今すぐ終了</translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation>今すぐ実行</translation>
    </message>
</context>
<context>
    <name>WorkspaceMove</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>Another file of that name is in the way.</source>
        <translation>同じ名前の別のファイルがあります。</translation>
    </message>
    <message>
        <source>The copy is incomplete.</source>
        <translation>コピーが不完全です。</translation>
    </message>
    <message>
        <source>No space left on the device holding &quot;%1&quot;</source>
        <translation>「%1」のあるデバイスに空き容量がありません</translation>
    </message>
</context>
<context>
    <name>VideoJob</name>
    <message>
        <source>No temporary folder could be made for the video.</source>
        <translation>ビデオ用の一時フォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>The picture of %1 could not be written to the temporary folder.</source>
        <translation>%1 の画像を一時フォルダーに書き込めませんでした。</translation>
    </message>
    <message>
        <source>The video tool %1 could not be started.</source>
        <translation>ビデオツール %1 を起動できませんでした。</translation>
    </message>
    <message>
        <source>The video could not be made.</source>
        <translation>ビデオを作成できませんでした。</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>ビデオを作成できませんでした: %1</translation>
    </message>
</context>
</TS>
