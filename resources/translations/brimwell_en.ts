<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>DialogSupport</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>0から255までの値を指定してください。</source>
        <translation>Enter a value from 0 to 255.</translation>
    </message>
    <message>
        <source>0から65535までの値を指定してください。</source>
        <translation>Enter a value from 0 to 65535.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>ファイル %1 を開けません (%2)</source>
        <translation>Cannot open file %1 (%2)</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません (%2)</source>
        <translation>Cannot create file %1 (%2)</translation>
    </message>
    <message>
        <source>ファイル %1 を読み込めません (%2)</source>
        <translation>Cannot read file %1 (%2)</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めません (%2)</source>
        <translation>Cannot write to file %1 (%2)</translation>
    </message>
    <message>
        <source>ファイルまたはフォルダーが見つかりません</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>アクセスが許可されていません</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>Not enough space on the disk</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限を超えました</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>入出力エラーが発生しました</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>Read-only location</translation>
    </message>
    <message>
        <source>フォルダーです</source>
        <translation>Is a folder</translation>
    </message>
    <message>
        <source>途中の名前がフォルダーではありません</source>
        <translation>Part of the path is not a folder</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>Name too long</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>同じ名前のものがすでにあります</source>
        <translation>Something of that name already exists</translation>
    </message>
    <message>
        <source>ファイルが使用中です</source>
        <translation>File in use</translation>
    </message>
    <message>
        <source>メモリが不足しています</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>シンボリックリンクが循環しています</source>
        <translation>Symbolic link loop</translation>
    </message>
    <message>
        <source>処理が中断されました</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>システムエラー %1</source>
        <translation>System error %1</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>Not a regular file</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>同名のファイルがすでにが存在します。置き換えますか？</source>
        <translation>A file with this name already exists. Replace it?</translation>
    </message>
    <message>
        <source>Project file (*.bwp)</source>
        <translation>Brimwell project (*.bwp)</translation>
    </message>
    <message>
        <source>Fixed Mapdata File (*.fmf)</source>
        <translation>FMF map data (*.fmf)</translation>
    </message>
    <message>
        <source>Bitmap File (*.bmp)</source>
        <translation>Bitmap image (*.bmp)</translation>
    </message>
    <message>
        <source>CSV Text File v1(*.csv)</source>
        <translation>CSV text, version 1 (*.csv)</translation>
    </message>
    <message>
        <source>CSV Text File v2(*.csv)</source>
        <translation>CSV text, version 2 (*.csv)</translation>
    </message>
    <message>
        <source>Tiled Map (*.tmx)</source>
        <translation>Tiled map (*.tmx)</translation>
    </message>
    <message>
        <source>Tiled JSON Map (*.tmj)</source>
        <translation>Tiled JSON map (*.tmj)</translation>
    </message>
    <message>
        <source>Tiled Map (*.tmx *.tmj *.json)</source>
        <translation>Tiled map (*.tmx *.tmj *.json)</translation>
    </message>
    <message>
        <source>画像ファイル (*.png *.bmp)</source>
        <translation>Images (*.png *.bmp)</translation>
    </message>
    <message>
        <source>PNG画像 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)</source>
        <translation>Bitmap images (*.bmp)</translation>
    </message>
</context>
<context>
    <name>FileTexts</name>
    <message>
        <source>下位バージョン(%1)で作成されたプロジェクトファイルの読み込みはサポートしていません。Brimwell %1でfmfファイル形式で出力してから「マップデータの読み込み」で開いてください。それでも無理やり開いてみますか？</source>
        <translation>Project files made by the older version %1 are not supported. Export the map as an FMF file with Brimwell %1, then open that with Import Map Data. Try to open this file anyway?</translation>
    </message>
    <message>
        <source>%1の読み込み中にエラーが発生しました (%2)</source>
        <translation>Error while reading %1 (%2)</translation>
    </message>
    <message>
        <source>%1が見つかりませんでした。</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>パーツ画像を開けません (%1)</source>
        <translation>Cannot open the parts image (%1)</translation>
    </message>
    <message>
        <source>RIFF-UMF_ ファイルではありません</source>
        <translation>Not a RIFF-UMF_ file</translation>
    </message>
    <message>
        <source>データサイズ異常</source>
        <translation>Wrong data size</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>このバージョンで読み込めるレイヤが存在しません</source>
        <translation>No layer that this version can read</translation>
    </message>
    <message>
        <source>UMFヘッダ異常</source>
        <translation>Bad UMF header</translation>
    </message>
    <message>
        <source>新規マップを作成出来ません</source>
        <translation>Cannot create a new map</translation>
    </message>
    <message>
        <source>データが欠如しています</source>
        <translation>Data is missing</translation>
    </message>
    <message>
        <source>レイヤデータが欠如しています</source>
        <translation>Layer data is missing</translation>
    </message>
    <message>
        <source>レイヤ数が255を超えています</source>
        <translation>More than 255 layers</translation>
    </message>
    <message>
        <source>レイヤのセル幅が不正です</source>
        <translation>Invalid cell width of a layer</translation>
    </message>
    <message>
        <source>レイヤ作成に失敗</source>
        <translation>Could not create a layer</translation>
    </message>
    <message>
        <source>マップが大きすぎてメモリに収まりません</source>
        <translation>The map is too large to fit in memory</translation>
    </message>
    <message>
        <source>未定義のチャンク構造を検出しました。続行しますか？</source>
        <translation>The file holds a chunk of an unknown kind. Continue?</translation>
    </message>
    <message>
        <source>上位バージョンで作成されたファイル形式なので問題が発生するかもしれません。続行しますか？</source>
        <translation>The file was made by a newer version and may not load correctly. Continue?</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>FMFファイルでは無いかファイルが壊れています</source>
        <translation>Not an FMF file, or the file is damaged</translation>
    </message>
    <message>
        <source>fmfファイルの読み込みに失敗しました</source>
        <translation>Could not read the FMF file</translation>
    </message>
    <message>
        <source>プロジェクトファイルの書き込み中にエラーが発生しました</source>
        <translation>Error while writing the project file</translation>
    </message>
    <message>
        <source>Fixed形式での書き出し中にエラーが発生。中断しました。</source>
        <translation>Error while exporting as FMF (fixed format). Export stopped.</translation>
    </message>
    <message>
        <source>CSV形式1での書き出し中にエラーが発生。中断しました。</source>
        <translation>Error while exporting as CSV 1. Export stopped.</translation>
    </message>
    <message>
        <source>CSV形式2での書き出し中にエラーが発生。中断しました。</source>
        <translation>Error while exporting as CSV 2. Export stopped.</translation>
    </message>
    <message>
        <source>Bitmap形式での書き出し中にエラーが発生。中断しました。</source>
        <translation>Error while exporting as a bitmap. Export stopped.</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>ストリームの読み込みエラー</source>
        <translation>Read past the end of the file</translation>
    </message>
    <message>
        <source>ファイルが大きすぎて書き出せません (4GB を超えます)</source>
        <translation>File too large to write (over 4 GB)</translation>
    </message>
    <message>
        <source>メモリが不足しています</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>ビットマップが大きすぎて書き出せません (%1)</source>
        <translation>Bitmap too large to write (%1)</translation>
    </message>
    <message>
        <source>メモリを確保出来ませんでした</source>
        <translation>Could not allocate memory</translation>
    </message>
    <message>
        <source>ビット数が不正です (%1)</source>
        <translation>Invalid bits per cell (%1)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は有効な16進数ではありません</source>
        <translation>&apos;%1&apos; is not a valid hexadecimal digit</translation>
    </message>
    <message>
        <source>TMX形式での書き出し中にエラーが発生。中断しました。</source>
        <translation>Error while exporting as TMX. Export stopped.</translation>
    </message>
    <message>
        <source>JSON形式での書き出し中にエラーが発生。中断しました。</source>
        <translation>Error while exporting as JSON. Export stopped.</translation>
    </message>
    <message>
        <source>Tiledマップの読み込みに失敗しました</source>
        <translation>Could not read the Tiled map</translation>
    </message>
    <message>
        <source>Tiledのマップファイル(TMX/JSON)では無いかファイルが壊れています</source>
        <translation>Not a Tiled map file (TMX/JSON), or the file is damaged</translation>
    </message>
    <message>
        <source>正方向(orthogonal)以外のマップは読み込めません</source>
        <translation>Only orthogonal maps can be read</translation>
    </message>
    <message>
        <source>無限マップは読み込めません</source>
        <translation>Infinite maps cannot be read</translation>
    </message>
    <message>
        <source>マップの幅か高さが10000を超えています</source>
        <translation>The map is wider or taller than 10000</translation>
    </message>
    <message>
        <source>タイルの大きさは1から255ピクセルまでです</source>
        <translation>Tiles must be 1 to 255 pixels in size</translation>
    </message>
    <message>
        <source>タイルの大きさがマップと異なるタイルセットがあります</source>
        <translation>A tileset&apos;s tile size differs from the map&apos;s</translation>
    </message>
    <message>
        <source>レイヤデータが壊れています</source>
        <translation>Layer data is damaged</translation>
    </message>
    <message>
        <source>未対応のデータ形式です</source>
        <translation>Unsupported data encoding</translation>
    </message>
    <message>
        <source>展開後のレイヤデータが大きすぎます</source>
        <translation>Layer data too large when decompressed</translation>
    </message>
    <message>
        <source>外部タイルセットを読み込めません</source>
        <translation>Cannot read an external tileset</translation>
    </message>
    <message>
        <source>反転・回転したタイルがあります。反転・回転なしで読み込みます。続行しますか？</source>
        <translation>Some tiles are flipped or rotated; they will be read without flipping or rotation. Continue?</translation>
    </message>
    <message>
        <source>複数のタイルセットを使うレイヤがあります。最も多く使われたタイルセット以外のタイルは空白になります。続行しますか？</source>
        <translation>Some layers use more than one tileset; tiles from all but the most used tileset will be empty. Continue?</translation>
    </message>
    <message>
        <source>パーツ番号で表せないタイルがあります。それらのタイルは空白になります。続行しますか？</source>
        <translation>Some tiles have no part number; they will be empty. Continue?</translation>
    </message>
    <message>
        <source>オブジェクトレイヤは読み込みません。続行しますか？</source>
        <translation>Object layers will not be read. Continue?</translation>
    </message>
    <message>
        <source>画像レイヤは読み込みません。続行しますか？</source>
        <translation>Image layers will not be read. Continue?</translation>
    </message>
    <message>
        <source>タイルのアニメーションは読み込みません(最初の絵のままになります)。続行しますか？</source>
        <translation>Tile animations will not be read (tiles keep their first frame). Continue?</translation>
    </message>
    <message>
        <source>タイルごとの画像(画像コレクション)は読み込みません。そのレイヤはパーツ画像なしになります。続行しますか？</source>
        <translation>Image collection tilesets (one image per tile) will not be read; their layers will have no parts image. Continue?</translation>
    </message>
    <message>
        <source>余白や間隔のあるタイルセットはパーツの位置がずれて表示されます。続行しますか？</source>
        <translation>Tilesets with a margin or spacing will show their parts shifted. Continue?</translation>
    </message>
    <message>
        <source>タイルセットごとに透過色が異なります。最初のタイルセットの透過色を使います。続行しますか？</source>
        <translation>The tilesets have different transparent colours; the first tileset&apos;s will be used. Continue?</translation>
    </message>
</context>
<context>
    <name>ImageTexts</name>
    <message>
        <source>ファイルを読み込めませんでした</source>
        <translation>Could not read the file</translation>
    </message>
    <message>
        <source>異常なファイル</source>
        <translation>Damaged file</translation>
    </message>
    <message>
        <source>圧縮されたフォーマットには対応していません</source>
        <translation>Compressed bitmaps are not supported</translation>
    </message>
    <message>
        <source>DIBSection作成に失敗</source>
        <translation>Could not create the bitmap</translation>
    </message>
    <message>
        <source>OS/2形式のビットマップには対応していません</source>
        <translation>OS/2 bitmaps are not supported</translation>
    </message>
    <message>
        <source>画像が大きすぎます</source>
        <translation>Image too large</translation>
    </message>
    <message>
        <source>CDIBCopyRect32()で例外発生</source>
        <translation>Exception in CDIBCopyRect32() (</translation>
    </message>
    <message>
        <source>CDIBCopyRectUseKey32()で例外発生</source>
        <translation>Exception in CDIBCopyRectUseKey32() (</translation>
    </message>
    <message>
        <source>異常なPNGファイル</source>
        <translation>Damaged PNG file</translation>
    </message>
    <message>
        <source>BMPとPNG以外の画像形式には対応していません</source>
        <translation>Only BMP and PNG images are supported</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>破棄(&amp;D)</source>
        <translation>&amp;Discard</translation>
    </message>
</context>
<context>
    <name>RecoveryTexts</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>名称未設定</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1（%2 の状態）</source>
        <translation>%1 (as of %2)</translation>
    </message>
    <message>
        <source>前回、保存されていない変更を残したまま Brimwell が終了しました。復元しますか？

%1

（「いいえ」で次の起動まで残し、「破棄」で削除します）</source>
        <translation>Brimwell closed last time with unsaved changes. Restore them?

%1

(No keeps them until the next start; Discard deletes them.)</translation>
    </message>
    <message>
        <source>前回、保存されていない変更を残したまま終了した編集が%1件あります。選んだものを復元しますか？
（「いいえ」で次の起動まで残し、「破棄」ですべて削除します）</source>
        <translation>Brimwell closed last time with unsaved changes in %1 maps. Restore the chosen one?
(No keeps them until the next start; Discard deletes them all.)</translation>
    </message>
    <message>
        <source>復元用のコピーを書き込めませんでした (%1)</source>
        <translation>Could not write the recovery copy (%1)</translation>
    </message>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>メモリ合計        : </source>
        <translation>Total memory:  </translation>
    </message>
    <message>
        <source>利用可能メモリ  : </source>
        <translation>Available memory:  </translation>
    </message>
    <message>
        <source>メモリ使用率     :</source>
        <translation>Memory load:</translation>
    </message>
    <message>
        <source>動的メモリの使用量&#x3000;&#x3000;: </source>
        <translation>Heap in use:  </translation>
    </message>
    <message>
        <source>使用可能アドレス領域 : </source>
        <translation>Address space:  </translation>
    </message>
    <message>
        <source>現在の使用可能メモリ : </source>
        <translation>Free heap:  </translation>
    </message>
    <message>
        <source>汎用MapEditor &apos;Brimwell&apos;</source>
        <translation>Brimwell, the general-purpose map editor</translation>
    </message>
    <message>
        <source>物理メモリ</source>
        <translation>Physical Memory</translation>
    </message>
    <message>
        <source>アプリケーション</source>
        <translation>Application</translation>
    </message>
</context>
<context>
    <name>TChipForm</name>
    <message>
        <source>座標(%1, %2)=(%3)</source>
        <translation>Part (%1, %2) = %3</translation>
    </message>
    <message>
        <source>座標(有効パーツ範囲外)</source>
        <translation>Part (outside the image)</translation>
    </message>
    <message>
        <source>範囲(%1, %2)-(%3, %4)</source>
        <translation>Range (%1, %2)-(%3, %4)</translation>
    </message>
    <message>
        <source>選択なし</source>
        <translation>No selection</translation>
    </message>
    <message>
        <source>選択(%1 ... %2)</source>
        <translation>Selected: %1 … %2</translation>
    </message>
    <message>
        <source>選択(%1)</source>
        <translation>Selected: %1</translation>
    </message>
    <message>
        <source>座標(%1, %2)</source>
        <translation>Part (%1, %2)</translation>
    </message>
    <message>
        <source>パーツ</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>画像を読み込み、カレントレイヤーに関連付けます</source>
        <translation>Open an image for the current layer</translation>
    </message>
    <message>
        <source>表示されている画像を閉じます</source>
        <translation>Close the shown image</translation>
    </message>
    <message>
        <source>表示拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>表示縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>ファイル%1が外部で変更されています。読み込み直しますか？</source>
        <translation>The file %1 has been changed by another program. Reload it?</translation>
    </message>
    <message>
        <source>メモリを確保出来ませんでした</source>
        <translation>Could not allocate memory.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>TCopyLayerDialog</name>
    <message>
        <source>レイヤーの複製</source>
        <translation>Duplicate Layer</translation>
    </message>
    <message>
        <source>複製元</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>新規名称</source>
        <translation>New name</translation>
    </message>
</context>
<context>
    <name>TFillDialog</name>
    <message>
        <source>塗り潰し</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>塗りつぶし</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>選択パーツ</source>
        <translation>Selected part</translation>
    </message>
    <message>
        <source>定義パターン</source>
        <translation>Selected pattern</translation>
    </message>
    <message>
        <source>透明パーツ</source>
        <translation>Transparent part</translation>
    </message>
    <message>
        <source>選択範囲内を塗り潰す場合は</source>
        <translation>To fill the selection only,</translation>
    </message>
    <message>
        <source>タイリングペンを使用して下さい</source>
        <translation>use the tiling pen.</translation>
    </message>
    <message>
        <source>塗りつぶす内容</source>
        <translation>Fill with</translation>
    </message>
</context>
<context>
    <name>TLayerForm</name>
    <message>
        <source>レイヤー</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>新規レイヤーを作成</source>
        <translation>New layer</translation>
    </message>
    <message>
        <source>選択レイヤーを複製</source>
        <translation>Duplicate the selected layer</translation>
    </message>
    <message>
        <source>選択レイヤーを削除</source>
        <translation>Delete the selected layer</translation>
    </message>
    <message>
        <source>選択レイヤーの設定ウィンドウを開く</source>
        <translation>Settings of the selected layer</translation>
    </message>
    <message>
        <source>レイヤーを複製...</source>
        <translation>&amp;Duplicate Layer…</translation>
    </message>
    <message>
        <source>レイヤーを削除</source>
        <translation>De&amp;lete Layer</translation>
    </message>
    <message>
        <source>下のレイヤーと合成</source>
        <translation>&amp;Merge Down</translation>
    </message>
    <message>
        <source>レイヤー設定...</source>
        <translation>Layer &amp;Settings…</translation>
    </message>
    <message>
        <source>参照なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>レイヤー数：%1</source>
        <translation>Layers: %1</translation>
    </message>
    <message>
        <source>レイヤー設定</source>
        <translation>Layer Settings</translation>
    </message>
    <message>
        <source>メモリーが足りない為、レイヤーを複製できません。</source>
        <translation>Not enough memory to duplicate the layer.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>レイヤーは最低限１つは必要なので、これ以上削除できません。</source>
        <translation>A map needs at least one layer, so this one cannot be deleted.</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>作成できるレイヤ数は255レイヤです。上限を超えてます。</source>
        <translation>A map can have at most 255 layers.</translation>
    </message>
    <message>
        <source>メモリーが足りない為、レイヤーを作成できません。</source>
        <translation>Not enough memory to create a layer.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;S)</source>
        <translation>&amp;Windows</translation>
    </message>
    <message>
        <source>ツール(&amp;M)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>レイヤー(&amp;L)</source>
        <translation>&amp;Layer</translation>
    </message>
    <message>
        <source>ビュー(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>新規プロジェクト(&amp;N)...</source>
        <translation>&amp;New Project…</translation>
    </message>
    <message>
        <source>プロジェクトを開く(&amp;O)...</source>
        <translation>&amp;Open Project…</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>マップデータの読み込み(&amp;L)...</source>
        <translation>&amp;Import Map Data…</translation>
    </message>
    <message>
        <source>マップデータの書き出し(&amp;E)...</source>
        <translation>&amp;Export Map Data…</translation>
    </message>
    <message>
        <source>ビットマップとして書き出し(&amp;B)...</source>
        <translation>Export as &amp;Bitmap…</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>取り消し(&amp;Z)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;Y)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;X)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;V)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>全てを選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>選択の解除(&amp;D)</source>
        <translation>&amp;Deselect</translation>
    </message>
    <message>
        <source>置き換え(&amp;H)...</source>
        <translation>Rep&amp;lace…</translation>
    </message>
    <message>
        <source>塗り潰し(&amp;F)...</source>
        <translation>&amp;Fill…</translation>
    </message>
    <message>
        <source>取り消しバッファをフラッシュ(&amp;F)</source>
        <translation>Clear Undo &amp;History</translation>
    </message>
    <message>
        <source>プロジェクト設定(&amp;P)...</source>
        <translation>Project &amp;Settings…</translation>
    </message>
    <message>
        <source>パーツウィンドウ(&amp;P)</source>
        <translation>&amp;Parts Window</translation>
    </message>
    <message>
        <source>レイヤーウィンドウ(&amp;L)</source>
        <translation>&amp;Layer Window</translation>
    </message>
    <message>
        <source>プレビューウィンドウ</source>
        <translation>Preview Window</translation>
    </message>
    <message>
        <source>ペンツール(&amp;P)</source>
        <translation>&amp;Pen Tool</translation>
    </message>
    <message>
        <source>タイリングペンツール(&amp;T)</source>
        <translation>&amp;Tiling Pen Tool</translation>
    </message>
    <message>
        <source>塗りつぶしツール(&amp;F)</source>
        <translation>&amp;Fill Tool</translation>
    </message>
    <message>
        <source>矩形選択ツール(&amp;S)</source>
        <translation>Rectangle &amp;Select Tool</translation>
    </message>
    <message>
        <source>パターン選択ツール(&amp;D)</source>
        <translation>P&amp;attern Select Tool</translation>
    </message>
    <message>
        <source>マップのリサイズ(&amp;R)...</source>
        <translation>&amp;Resize Map…</translation>
    </message>
    <message>
        <source>スクロール(&amp;C)</source>
        <translation>S&amp;croll</translation>
    </message>
    <message>
        <source>新規レイヤーの作成(&amp;A)...</source>
        <translation>&amp;New Layer…</translation>
    </message>
    <message>
        <source>レイヤーの複製(&amp;C)...</source>
        <translation>&amp;Duplicate Layer…</translation>
    </message>
    <message>
        <source>レイヤーの削除(&amp;D)</source>
        <translation>De&amp;lete Layer</translation>
    </message>
    <message>
        <source>レイヤー設定(&amp;S)...</source>
        <translation>Layer &amp;Settings…</translation>
    </message>
    <message>
        <source>エディター面の拡大(&amp;I)</source>
        <translation>Map Zoom &amp;In</translation>
    </message>
    <message>
        <source>エディター面の縮小(&amp;O)</source>
        <translation>Map Zoom &amp;Out</translation>
    </message>
    <message>
        <source>エディター面を元のサイズに戻す(&amp;Z)</source>
        <translation>Map &amp;Actual Size</translation>
    </message>
    <message>
        <source>パーツ面の拡大(&amp;P)</source>
        <translation>&amp;Parts Zoom In</translation>
    </message>
    <message>
        <source>パーツ面の縮小(&amp;;)</source>
        <translation>Parts Zoom O&amp;ut</translation>
    </message>
    <message>
        <source>パーツ面を元のサイズに戻す(&amp;/)</source>
        <translation>Parts Actual Si&amp;ze</translation>
    </message>
    <message>
        <source>グリッドの表示(&amp;G)</source>
        <translation>Show &amp;Grid</translation>
    </message>
    <message>
        <source>カーソルグリッドの表示(&amp;C)</source>
        <translation>Show &amp;Cursor Grid</translation>
    </message>
    <message>
        <source>カレントレイヤーマーカの表示(&amp;M)</source>
        <translation>Show Current Layer &amp;Marker</translation>
    </message>
    <message>
        <source>パーツ番号の表示(&amp;P)</source>
        <translation>Show Part &amp;Numbers</translation>
    </message>
    <message>
        <source>透過処理を行う(&amp;B)</source>
        <translation>Use &amp;Transparency</translation>
    </message>
    <message>
        <source>透過色の指定(&amp;N)...</source>
        <translation>Transparent Co&amp;lor…</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About Brimwell…</translation>
    </message>
    <message>
        <source>デバッグ情報の出力</source>
        <translation>Write Debug Information</translation>
    </message>
    <message>
        <source>描画計測</source>
        <translation>Measure Drawing</translation>
    </message>
    <message>
        <source>新規プロジェクト</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>プロジェクトを開く</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>プロジェクトの保存</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>取り消し</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ペンツール</source>
        <translation>Pen tool</translation>
    </message>
    <message>
        <source>タイリングペンツール</source>
        <translation>Tiling pen tool</translation>
    </message>
    <message>
        <source>塗り潰しツール</source>
        <translation>Fill tool</translation>
    </message>
    <message>
        <source>矩形選択ツール</source>
        <translation>Rectangle select tool</translation>
    </message>
    <message>
        <source>パターン選択ツール</source>
        <translation>Pattern select tool</translation>
    </message>
    <message>
        <source>カレントレイヤのパーツ番号を表示</source>
        <translation>Show part numbers of the current layer</translation>
    </message>
    <message>
        <source>表示拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>表示縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>パーツウィンドウ</source>
        <translation>Parts window</translation>
    </message>
    <message>
        <source>レイヤウィンドウ</source>
        <translation>Layer window</translation>
    </message>
    <message>
        <source>名称未設定</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>カーソル座標(マップ範囲外)</source>
        <translation>Cursor (outside the map)</translation>
    </message>
    <message>
        <source>カーソル座標(%1, %2)=(%3)</source>
        <translation>Cursor (%1, %2) = %3</translation>
    </message>
    <message>
        <source>カーソル座標(%1, %2)</source>
        <translation>Cursor (%1, %2)</translation>
    </message>
    <message>
        <source>選択範囲(%1, %2)-(%3, %4)</source>
        <translation>Selection (%1, %2)-(%3, %4)</translation>
    </message>
    <message>
        <source>表示範囲(%1, %2)-(%3, %4)</source>
        <translation>Visible (%1, %2)-(%3, %4)</translation>
    </message>
    <message>
        <source>%1で例外発生</source>
        <translation>Exception in %1</translation>
    </message>
    <message>
        <source>TMainForm.FormResize:例外発生</source>
        <translation>Exception in TMainForm.FormResize</translation>
    </message>
    <message>
        <source>新規保存</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>%1*%2ピクセルのビットマップ画像を生成しますがよろしいですか？(あまりにも大きいビットマップを出力しようとするとアプリケーションが応答しなくなる場合があります。)</source>
        <translation>Create a bitmap image of %1 × %2 pixels? (A very large bitmap can stop the application from responding.)</translation>
    </message>
    <message>
        <source>%1*%2ピクセルのビットマップ画像を生成しますがよろしいですか？</source>
        <translation>Create a bitmap image of %1 × %2 pixels?</translation>
    </message>
    <message>
        <source>マップデータの読み込み(fmf)</source>
        <translation>Import Map Data</translation>
    </message>
    <message>
        <source>マップデータの書き出し</source>
        <translation>Export Map Data</translation>
    </message>
    <message>
        <source>マップデータの書き出し(Bitmap)</source>
        <translation>Export as Bitmap</translation>
    </message>
    <message>
        <source>マップのリサイズに失敗しました。
</source>
        <translation>Could not resize the map.
</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>メモリを確保出来ませんでした</source>
        <translation>Could not allocate memory.</translation>
    </message>
    <message>
        <source>選択範囲なし</source>
        <translation>No selection</translation>
    </message>
    <message>
        <source>ブラシを読み込めませんでした</source>
        <translation>Could not load the background brush.</translation>
    </message>
    <message>
        <source>TMainForm.CreateNewMapで例外発生</source>
        <translation>Exception in TMainForm.CreateNewMap</translation>
    </message>
    <message>
        <source>変更が保存されていません。保存しますか？</source>
        <translation>The map has unsaved changes. Save them?</translation>
    </message>
</context>
<context>
    <name>TMap</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>レイヤーが存在しません(layer:</source>
        <translation>Layer does not exist (layer: </translation>
    </message>
    <message>
        <source>対象レイヤーが存在しません(layer:</source>
        <translation>Target layer does not exist (layer: </translation>
    </message>
</context>
<context>
    <name>TNewDialog</name>
    <message>
        <source>新規マップの作成</source>
        <translation>New Map</translation>
    </message>
    <message>
        <source>マップの横幅(Width):</source>
        <translation>Map width:</translation>
    </message>
    <message>
        <source>チップ</source>
        <translation>parts</translation>
    </message>
    <message>
        <source>マップの縦幅(Height):</source>
        <translation>Map height:</translation>
    </message>
    <message>
        <source>1チップの横幅(Width):</source>
        <translation>Part width:</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>1チップの縦幅(Height):</source>
        <translation>Part height:</translation>
    </message>
    <message>
        <source>データサイズ:</source>
        <translation>Cell size:</translation>
    </message>
    <message>
        <source>8ビット</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>16ビット</source>
        <translation>16 bits</translation>
    </message>
    <message>
        <source>FMFデータサイズ：%1 byte</source>
        <translation>FMF data size: %1 bytes</translation>
    </message>
    <message>
        <source>最大パーツ画像サイズ：%1 * %2 pixel</source>
        <translation>Largest parts image: %1 × %2 pixels</translation>
    </message>
    <message>
        <source>横幅は2パーツ以上10000パーツ以下を指定してください。</source>
        <translation>Enter a width from 2 to 10000 parts.</translation>
    </message>
    <message>
        <source>高さは2パーツ以上10000パーツ以下を指定してください。</source>
        <translation>Enter a height from 2 to 10000 parts.</translation>
    </message>
    <message>
        <source>1チップの横幅は2Pixel以上255Pixel以下を指定してください。</source>
        <translation>Enter a part width from 2 to 255 pixels.</translation>
    </message>
    <message>
        <source>1チップの高さは2Pixel以上255Pixel以下を指定してください。</source>
        <translation>Enter a part height from 2 to 255 pixels.</translation>
    </message>
</context>
<context>
    <name>TNewLayerDialog</name>
    <message>
        <source>新規レイヤーの作成</source>
        <translation>New Layer</translation>
    </message>
    <message>
        <source>レイヤーの名前を入力します</source>
        <translation>The name of the new layer</translation>
    </message>
    <message>
        <source>レイヤー名</source>
        <translation>Layer name</translation>
    </message>
    <message>
        <source>チップセット</source>
        <translation>Parts image</translation>
    </message>
</context>
<context>
    <name>TPrefsForm</name>
    <message>
        <source>画像のパスはBWPファイルからの相対パスで保存する</source>
        <translation>Save image paths relative to the project file</translation>
    </message>
    <message>
        <source>透明パーツを有効にする</source>
        <translation>Use a transparent part</translation>
    </message>
    <message>
        <source>パーツ番号:</source>
        <translation>Part number:</translation>
    </message>
    <message>
        <source>プロジェクト設定</source>
        <translation>Project Settings</translation>
    </message>
    <message>
        <source>一般設定</source>
        <translation>General</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>TPreviewForm</name>
    <message>
        <source>表示倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>表示倍率@%1%</source>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>表示拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>表示縮小</source>
        <translation>Zoom out</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>進行状況</source>
        <translation>Progress</translation>
    </message>
</context>
<context>
    <name>TReplaceDialog</name>
    <message>
        <source>置き換え</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>検索するパーツ番号:</source>
        <translation>Find part number:</translation>
    </message>
    <message>
        <source>置き換えるパーツ番号:</source>
        <translation>Replace with part number:</translation>
    </message>
</context>
<context>
    <name>TResizeDialog</name>
    <message>
        <source>リサイズ</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>マップのリサイズ</source>
        <translation>Resize Map</translation>
    </message>
    <message>
        <source>変更前</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>幅:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source> パーツ</source>
        <translation> parts</translation>
    </message>
    <message>
        <source>高さ:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>FMFファイルサイズ:</source>
        <translation>FMF file size:</translation>
    </message>
    <message>
        <source>変更後</source>
        <translation>After</translation>
    </message>
    <message>
        <source>パーツ</source>
        <translation>parts</translation>
    </message>
    <message>
        <source>横幅は2パーツ以上10000パーツ以下を指定してください。</source>
        <translation>Enter a width from 2 to 10000 parts.</translation>
    </message>
    <message>
        <source>高さは2パーツ以上10000パーツ以下を指定してください。</source>
        <translation>Enter a height from 2 to 10000 parts.</translation>
    </message>
    <message>
        <source>マップの一部が切り取られますが、よろしいですか？</source>
        <translation>Part of the map will be cut off. Continue?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>TToolWindow</name>
    <message>
        <source>元に戻す</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
</context>
<context>
    <name>UnstorableTexts</name>
    <message>
        <source>レイヤー名「%1」：%2</source>
        <translation>Layer name “%1”: %2</translation>
    </message>
    <message>
        <source>パーツ画像「%1」：%2</source>
        <translation>Parts image “%1”: %2</translation>
    </message>
    <message>
        <source>コメント：%2</source>
        <translation>Comment: %2</translation>
    </message>
    <message>
        <source>Shift-JISで保存できない文字があります。保存するとこれらの文字は「?」になります。
</source>
        <translation>Some characters cannot be stored in Shift-JIS; saving turns them into “?”.
</translation>
    </message>
    <message>
        <source>ほか%1件
</source>
        <translation>and %1 more
</translation>
    </message>
    <message>
        <source>このまま保存しますか？</source>
        <translation>Save anyway?</translation>
    </message>
</context>
</TS>
