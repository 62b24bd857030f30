<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CommandTexts</name>
    <message>
        <source>新規作成	Ctrl+N(&amp;N)</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>新規にファイルを作成
新規ファイル</source>
        <translation>Create a new file
New File</translation>
    </message>
    <message>
        <source>開く...	Ctrl+O(&amp;O)</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>既存のファイルを開く
開く</source>
        <translation>Open an existing file
Open</translation>
    </message>
    <message>
        <source>上書き保存	Ctrl+S(&amp;S)</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>作業中のファイルを上書きして保存
保存</source>
        <translation>Save the file you are working on
Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>作業中のファイルを新しい名前で保存
名前をつけて保存</source>
        <translation>Save the file you are working on under a new name
Save As</translation>
    </message>
    <message>
        <source>印刷...	Ctrl+P(&amp;P)</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>作業中のファイルを印刷
印刷</source>
        <translation>Print the file you are working on
Print</translation>
    </message>
    <message>
        <source>ページ設定(&amp;U)</source>
        <translation>Page Set&amp;up</translation>
    </message>
    <message>
        <source>ページ レイアウトの設定
ページ設定</source>
        <translation>Set up the page layout
Page Setup</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>アプリケーションを終了し、ファイルの保存を指示
終了</source>
        <translation>Quit the application, offering to save the file
Exit</translation>
    </message>
    <message>
        <source>元に戻す	Ctrl+Z(&amp;U)</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>直前に行った動作を元に戻す
元に戻す</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>やり直す	Ctrl+Y(&amp;Y)</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>取り消した操作をやり直す
やり直す</source>
        <translation>Redo the action undone
Redo</translation>
    </message>
    <message>
        <source>切り取り	Ctrl+X(&amp;T)</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>選択範囲を切り取ってクリップボードに保存
切り取り</source>
        <translation>Cut the selection to the clipboard
Cut</translation>
    </message>
    <message>
        <source>コピー	Ctrl+C(&amp;C)</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>選択範囲をコピーしてクリップボードに保存
コピー</source>
        <translation>Copy the selection to the clipboard
Copy</translation>
    </message>
    <message>
        <source>貼り付け	Ctrl+V(&amp;P)</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>クリップボードの内容を貼り付け
貼り付け</source>
        <translation>Paste the clipboard
Paste</translation>
    </message>
    <message>
        <source>すべて選択	Ctrl+A(&amp;A)</source>
        <translation>Select &amp;All	Ctrl+A</translation>
    </message>
    <message>
        <source>ファイル内のすべてを選択
すべて選択</source>
        <translation>Select the whole file
Select All</translation>
    </message>
    <message>
        <source>検索	Ctrl+F(&amp;F)</source>
        <translation>&amp;Find...	Ctrl+F</translation>
    </message>
    <message>
        <source>指定した文字列の検索
検索</source>
        <translation>Find a text
Find</translation>
    </message>
    <message>
        <source>置換	Ctrl+H(&amp;H)</source>
        <translation>R&amp;eplace...	Ctrl+H</translation>
    </message>
    <message>
        <source>指定した文字列を他の文字列で置換
置換</source>
        <translation>Replace a text with another
Replace</translation>
    </message>
    <message>
        <source>次を検索	F3,Shift+F3(&amp;N)</source>
        <translation>Find &amp;Next	F3, Shift+F3</translation>
    </message>
    <message>
        <source>上下へ次を検索します(Shift+F3で上へ)
次を検索</source>
        <translation>Find the next occurrence (Shift+F3 searches upwards)
Find Next</translation>
    </message>
    <message>
        <source>ツール バー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ツール バーの 表示/非表示
ツール バーの表示切り替え</source>
        <translation>Show or hide the toolbars
Toggle Toolbars</translation>
    </message>
    <message>
        <source>ステータス バー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ステータス バーの 表示/非表示
ステータス バーの表示切り替え</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message>
        <source>変数リスト(&amp;L)</source>
        <translation>Variable &amp;List</translation>
    </message>
    <message>
        <source>変数リストの 表示/非表示
変数リストの表示切り替え</source>
        <translation>Show or hide the variable list
Toggle Variable List</translation>
    </message>
    <message>
        <source>常に手前に表示(&amp;V)	Pause</source>
        <translation>&amp;Always on Top	Pause</translation>
    </message>
    <message>
        <source>ウィンドウを常に最前面に表示</source>
        <translation>Keep the window in front of all others</translation>
    </message>
    <message>
        <source>右端で折り返す(&amp;W)</source>
        <translation>&amp;Word Wrap</translation>
    </message>
    <message>
        <source>行をウィンドウの右端で折り返す</source>
        <translation>Wrap lines at the right edge of the window</translation>
    </message>
    <message>
        <source>ユーザ関数登録(&amp;U)</source>
        <translation>&amp;User Functions...</translation>
    </message>
    <message>
        <source>オプション設定(&amp;O)</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>オプション設定を開く
オプション設定</source>
        <translation>Open the options
Options</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプを表示</source>
        <translation>Show the help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A) Numora</source>
        <translation>&amp;About Numora</translation>
    </message>
    <message>
        <source>プログラム情報、バージョン、著作権を表示
バージョン情報</source>
        <translation>Show the program information, version and copyright
About</translation>
    </message>
    <message>
        <source>組み込み関数を挿入
組み込み関数(F4)</source>
        <translation>Insert a built-in function
Built-in Function (F4)</translation>
    </message>
    <message>
        <source>ユーザー関数を挿入
ユーザー関数(F5)</source>
        <translation>Insert a user function
User Function (F5)</translation>
    </message>
    <message>
        <source>選択範囲を括弧で括ります
括弧括り(F6)</source>
        <translation>Put the selection in parentheses
Parentheses (F6)</translation>
    </message>
    <message>
        <source>コメントを挿入します
コメント挿入(F7)</source>
        <translation>Insert a comment
Comment (F7)</translation>
    </message>
    <message>
        <source>π&lt;pi&gt;を挿入します
π&lt;pi&gt;挿入(F8)</source>
        <translation>Insert π&lt;pi&gt;
Insert π&lt;pi&gt; (F8)</translation>
    </message>
    <message>
        <source>exp[e:ネイピア数]を挿入します
exp[e:ネイピア数]挿入(F9)</source>
        <translation>Insert exp[e: Euler&apos;s number]
Insert exp[e: Euler&apos;s number] (F9)</translation>
    </message>
    <message>
        <source>root2&lt;sqr2&gt;を挿入します
root2&lt;sqr2&gt;挿入(F10)</source>
        <translation>Insert root2&lt;sqr2&gt;
Insert root2&lt;sqr2&gt; (F10)</translation>
    </message>
    <message>
        <source>次のウィンドウに切り替える
次のペイン</source>
        <translation>Switch to the next window
Next Pane</translation>
    </message>
    <message>
        <source>すべて再計算(&amp;R)	Ctrl+R</source>
        <translation>Recalculate A&amp;ll	Ctrl+R</translation>
    </message>
    <message>
        <source>ワークシート全体を上から順に再計算します
すべて再計算</source>
        <translation>Recalculate the whole worksheet from the top
Recalculate All</translation>
    </message>
    <message>
        <source>結果をコピー	Ctrl+Shift+C(&amp;E)</source>
        <translation>Copy Re&amp;sult	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>結果行の値を桁区切りなしでクリップボードにコピー
結果をコピー</source>
        <translation>Copy the value of the result line, without digit grouping, to the clipboard
Copy Result</translation>
    </message>
</context>
<context>
    <name>ConfigTexts</name>
    <message>
        <source>オプション設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>基本設定</source>
        <translation>General</translation>
    </message>
    <message>
        <source>フォント・文字色</source>
        <translation>Font and Colours</translation>
    </message>
    <message>
        <source>設定ファイル</source>
        <translation>Settings Folder</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>[Untitled]ドキュメントの動作</source>
        <translation>The [Untitled] document</translation>
    </message>
    <message>
        <source>終了時に自動的に保存し、起動時に読み込む</source>
        <translation>Save it at exit and load it at start</translation>
    </message>
    <message>
        <source>閉じるとき保存を確認しない</source>
        <translation>Do not ask to save when closing</translation>
    </message>
    <message>
        <source>計算結果表示</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>仮数部の桁数：</source>
        <translation>Mantissa digits:</translation>
    </message>
    <message>
        <source>ステータスバーの表示形式を保存</source>
        <translation>Keep the status bar&apos;s display format</translation>
    </message>
    <message>
        <source>べき乗の単項演算子結合</source>
        <translation>Unary minus with powers</translation>
    </message>
    <message>
        <source>結果行でのEnterキー動作</source>
        <translation>Enter on a result line</translation>
    </message>
    <message>
        <source>行の内容を次の行へ挿入</source>
        <translation>Insert the line on the next line</translation>
    </message>
    <message>
        <source>行の内容でそのまま計算</source>
        <translation>Calculate the line as it is</translation>
    </message>
    <message>
        <source>フォント設定</source>
        <translation>Font</translation>
    </message>
    <message>
        <source> フォント</source>
        <translation> Font</translation>
    </message>
    <message>
        <source>フォント選択</source>
        <translation>Choose Font</translation>
    </message>
    <message>
        <source>文字色設定</source>
        <translation>Text colours</translation>
    </message>
    <message>
        <source> 基本文字色 ： a=1+2-3*4/5^6e7%1</source>
        <translation> Text : a=1+2-3*4/5^6e7%1</translation>
    </message>
    <message>
        <source> 計算結果 ：&gt;Result 1234567890</source>
        <translation> Result :&gt;Result 1234567890</translation>
    </message>
    <message>
        <source> エラーメッセージ ：&gt;Error : Message</source>
        <translation> Error message :&gt;Error : Message</translation>
    </message>
    <message>
        <source> コメント ：// Comment</source>
        <translation> Comment :// Comment</translation>
    </message>
    <message>
        <source>色選択</source>
        <translation>Choose Colour</translation>
    </message>
    <message>
        <source>次回の起動から有効になります。</source>
        <translation>Takes effect at the next start.</translation>
    </message>
    <message>
        <source>開いたときに再計算する</source>
        <translation>Recalculate when opened</translation>
    </message>
    <message>
        <source>設定ファイルのフォルダを開けませんでした。
%1</source>
        <translation>The settings folder could not be opened.
%1</translation>
    </message>
    <message>
        <source>入力中に結果を表示する</source>
        <translation>Show results while typing</translation>
    </message>
    <message>
        <source>自動再計算</source>
        <translation>Recalculate automatically</translation>
    </message>
    <message>
        <source>名前の補完</source>
        <translation>Complete names</translation>
    </message>
    <message>
        <source>結果を3桁ごとに区切る</source>
        <translation>Group digits in results</translation>
    </message>
    <message>
        <source>システムに合わせる</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>入力をまとめて元に戻す</source>
        <translation>Undo typing in runs</translation>
    </message>
    <message>
        <source>合計を使う</source>
        <translation>Totals of the lines above</translation>
    </message>
    <message>
        <source>基本文字色を選択</source>
        <translation>Choose Default Text Colour</translation>
    </message>
    <message>
        <source>計算結果の色を選択</source>
        <translation>Choose Result Colour</translation>
    </message>
    <message>
        <source>エラーメッセージの色を選択</source>
        <translation>Choose Error Message Colour</translation>
    </message>
    <message>
        <source>コメントの色を選択</source>
        <translation>Choose Comment Colour</translation>
    </message>
    <message>
        <source>単位を使う</source>
        <translation>Units in brackets</translation>
    </message>
    <message>
        <source>パーセント・税</source>
        <translation>Percent and Tax</translation>
    </message>
    <message>
        <source>パーセントと万・億を使う</source>
        <translation>Percentages and 万/億 numbers</translation>
    </message>
    <message>
        <source>標準税率：</source>
        <translation>Standard tax rate:</translation>
    </message>
    <message>
        <source>端数処理：</source>
        <translation>Rounding of yen fractions:</translation>
    </message>
    <message>
        <source>切り捨て</source>
        <translation>Round down</translation>
    </message>
    <message>
        <source>四捨五入</source>
        <translation>Round half up</translation>
    </message>
    <message>
        <source>切り上げ</source>
        <translation>Round up</translation>
    </message>
    <message>
        <source>万・億で表示</source>
        <translation>Show large numbers in 万 and 億</translation>
    </message>
</context>
<context>
    <name>FunctionDlgTexts</name>
    <message>
        <source>ユーザ関数設定</source>
        <translation>User Functions</translation>
    </message>
    <message>
        <source>ユーザ関数編集</source>
        <translation>Edit User Function</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>関数名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>パラメータ</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>式</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>データが変更されています。保存せずに閉じてもよろしいですか？</source>
        <translation>The functions have been changed. Close without saving?</translation>
    </message>
    <message>
        <source>ユーザ関数ファイルの書き込みに失敗しました。
変更はこの実行中だけ有効です。</source>
        <translation>The user function file could not be written.
The changes last only until the program ends.</translation>
    </message>
    <message>
        <source>入力エラー</source>
        <translation>Input Error</translation>
    </message>
    <message>
        <source>関数名を入力してください</source>
        <translation>Enter a function name</translation>
    </message>
    <message>
        <source>引数を入力してください</source>
        <translation>Enter the parameters</translation>
    </message>
    <message>
        <source>式を入力してください</source>
        <translation>Enter an expression</translation>
    </message>
    <message>
        <source>同じ名前の関数が既にあります</source>
        <translation>A function with the same name already exists</translation>
    </message>
    <message>
        <source>関数名に使用できない文字があります : %1 Space</source>
        <translation>A function name may not hold %1 or a space</translation>
    </message>
    <message>
        <source>関数名の先頭は数字を使用できません</source>
        <translation>A function name may not begin with a digit</translation>
    </message>
    <message>
        <source>関数名は半角英数のみです</source>
        <translation>A function name takes half-width letters and digits only</translation>
    </message>
    <message>
        <source>パラメータに使用できない文字があります : %1 Space</source>
        <translation>A parameter may not hold %1 or a space</translation>
    </message>
    <message>
        <source>パラメータ文字の先頭に数字を使用できません</source>
        <translation>A parameter may not begin with a digit</translation>
    </message>
    <message>
        <source>パラメータは半角英数のみです</source>
        <translation>A parameter takes half-width letters and digits only</translation>
    </message>
</context>
<context>
    <name>edittexts</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直す(&amp;Y)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>結果をコピー(&amp;E)</source>
        <translation>Copy Re&amp;sult</translation>
    </message>
</context>
<context>
    <name>findtexts</name>
    <message>
        <source>文字列置換</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>文字列 &quot;%1&quot; は見つかりませんでした。</source>
        <translation>Cannot find &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>文字列検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>置換</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>検索する文字列(&amp;N):</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>置換後の文字列(&amp;P):</source>
        <translation>Re&amp;place with:</translation>
    </message>
    <message>
        <source>単語単位で探す(&amp;W)</source>
        <translation>Match &amp;whole word only</translation>
    </message>
    <message>
        <source>大文字と小文字を区別する(&amp;C)</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>検索する方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>上へ(&amp;U)</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>下へ(&amp;D)</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>次を検索(&amp;F)</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <source>置換して次に(&amp;R)</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>すべて置換(&amp;A)</source>
        <translation>Replace &amp;All</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>%n 個の &quot;%1&quot; を &quot;%2&quot; に置換しました。</source>
        <translation>
            <numerusform>Replaced %n occurrence of &quot;%1&quot; with &quot;%2&quot;.</numerusform>
            <numerusform>Replaced %n occurrences of &quot;%1&quot; with &quot;%2&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numora::DefaultUserFunctions</name>
    <message>
        <source>baseを底とする x の対数 : LogN(base; x)</source>
        <translation>Logarithm of x to the given base : LogN(base; x)</translation>
    </message>
    <message>
        <source>60進角度Deg:Min:Secを10進角度に変換</source>
        <translation>Degrees:minutes:seconds to decimal degrees</translation>
    </message>
    <message>
        <source>dBuを電圧へ変換</source>
        <translation>dBu to volts</translation>
    </message>
    <message>
        <source>電圧をdBuへ変換</source>
        <translation>Volts to dBu</translation>
    </message>
    <message>
        <source>Mil(ミル)をmm(ミリメートル)へ変換</source>
        <translation>Mils to millimetres</translation>
    </message>
    <message>
        <source>mm(ミリメートル)をMil(ミル）へ変換</source>
        <translation>Millimetres to mils</translation>
    </message>
    <message>
        <source>Inch(インチ)をmm(ミリメートル)へ変換</source>
        <translation>Inches to millimetres</translation>
    </message>
    <message>
        <source>mm(ミリメートル)をInch(インチ)へ変換</source>
        <translation>Millimetres to inches</translation>
    </message>
    <message>
        <source>Nautical Mile(海里,ノット)をkm(キロメートル,時速)へ変換</source>
        <translation>Nautical miles (knots) to kilometres (per hour)</translation>
    </message>
    <message>
        <source>km(キロメートル,時速)をNautical Mile(海里,ノット)へ変換</source>
        <translation>Kilometres (per hour) to nautical miles (knots)</translation>
    </message>
</context>
<context>
    <name>numora::DocumentMessages</name>
    <message>
        <source>ファイルの読み込みに失敗しました。</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>ファイル読み込み</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>ファイルの書き込みに失敗しました。</source>
        <translation>The file could not be written.</translation>
    </message>
    <message>
        <source>ファイル保存</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>アクセスが拒否されました</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>読み取り専用です</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>フォルダーです</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>名前付きパイプです</source>
        <translation>is a named pipe</translation>
    </message>
    <message>
        <source>デバイスです</source>
        <translation>is a device</translation>
    </message>
    <message>
        <source>ソケットです</source>
        <translation>is a socket</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>ディスクに空きがありません</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>シンボリック リンクの階層が深すぎます</source>
        <translation>too many levels of symbolic links</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>入出力エラーです</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>UTF-8 のテキストではありません</source>
        <translation>not UTF-8 text</translation>
    </message>
</context>
<context>
    <name>numora::FunctionMenu</name>
    <message>
        <source>正弦 : Sin(Radian)</source>
        <translation>Sine : Sin(Radian)</translation>
    </message>
    <message>
        <source>余弦 : Cos(Radian)</source>
        <translation>Cosine : Cos(Radian)</translation>
    </message>
    <message>
        <source>正接 : Tan(Radian)</source>
        <translation>Tangent : Tan(Radian)</translation>
    </message>
    <message>
        <source>逆正弦 : ASin(x) x = [-1.0 to 1.0]</source>
        <translation>Arcsine : ASin(x) x = [-1.0 to 1.0]</translation>
    </message>
    <message>
        <source>逆余弦 : ACos(x) x = [-1.0 to 1.0]</source>
        <translation>Arccosine : ACos(x) x = [-1.0 to 1.0]</translation>
    </message>
    <message>
        <source>逆正接 : ATan(x)</source>
        <translation>Arctangent : ATan(x)</translation>
    </message>
    <message>
        <source>4象限逆正接 : ATan2(x;y)</source>
        <translation>Four-quadrant arctangent : ATan2(x;y)</translation>
    </message>
    <message>
        <source>双曲線正弦 : Sinh(x)</source>
        <translation>Hyperbolic sine : Sinh(x)</translation>
    </message>
    <message>
        <source>双曲線余弦 : Cosh(x)</source>
        <translation>Hyperbolic cosine : Cosh(x)</translation>
    </message>
    <message>
        <source>双曲線正接 : Tanh(x)</source>
        <translation>Hyperbolic tangent : Tanh(x)</translation>
    </message>
    <message>
        <source>逆双曲線正弦 : ASinh(x)</source>
        <translation>Inverse hyperbolic sine : ASinh(x)</translation>
    </message>
    <message>
        <source>逆双曲線余弦 : ACosh(x)</source>
        <translation>Inverse hyperbolic cosine : ACosh(x)</translation>
    </message>
    <message>
        <source>逆双曲線正接 : ATanh(x)</source>
        <translation>Inverse hyperbolic tangent : ATanh(x)</translation>
    </message>
    <message>
        <source>e(ネイピア数)を底とする指数 : Exp(x)</source>
        <translation>Exponential to the base e (Euler&apos;s number) : Exp(x)</translation>
    </message>
    <message>
        <source>2を底とする指数 : Exp2(x)</source>
        <translation>Exponential to the base 2 : Exp2(x)</translation>
    </message>
    <message>
        <source>e(ネイピア数)を底とする自然対数 : Ln(x)</source>
        <translation>Natural logarithm to the base e (Euler&apos;s number) : Ln(x)</translation>
    </message>
    <message>
        <source>10を底とする常用対数 : Log(x) or Log10(x)</source>
        <translation>Common logarithm to the base 10 : Log(x) or Log10(x)</translation>
    </message>
    <message>
        <source>2を底とする二進対数 : Log2(x)</source>
        <translation>Binary logarithm to the base 2 : Log2(x)</translation>
    </message>
    <message>
        <source>平方根 : Sqrt(x) or Sqr(x)</source>
        <translation>Square root : Sqrt(x) or Sqr(x)</translation>
    </message>
    <message>
        <source>立方根 : Cbrt(x) or Cbr(x)</source>
        <translation>Cube root : Cbrt(x) or Cbr(x)</translation>
    </message>
    <message>
        <source>二乗和の平方根(直角三角形の斜辺) : Hypot(x;y)</source>
        <translation>Square root of the sum of squares (hypotenuse) : Hypot(x;y)</translation>
    </message>
    <message>
        <source>絶対値 : Abs(x)</source>
        <translation>Absolute value : Abs(x)</translation>
    </message>
    <message>
        <source>整数部分を返す : Int(x)</source>
        <translation>Integer part : Int(x)</translation>
    </message>
    <message>
        <source>小数部分を返す : Frac(x)</source>
        <translation>Fractional part : Frac(x)</translation>
    </message>
    <message>
        <source>浮動小数点の指数部を返す : Logb(x)</source>
        <translation>Exponent of the floating-point number : Logb(x)</translation>
    </message>
    <message>
        <source>x以上の最小の整数値 : Ceil(x)</source>
        <translation>Smallest integer not less than x : Ceil(x)</translation>
    </message>
    <message>
        <source>x以下の最大の整数値 : Floor(x)</source>
        <translation>Greatest integer not greater than x : Floor(x)</translation>
    </message>
    <message>
        <source>四捨五入により丸めた整数値 : Round(x)</source>
        <translation>Nearest integer, halves away from zero : Round(x)</translation>
    </message>
    <message>
        <source>ゼロ方向に丸めた整数値 : Trunc(x) &lt;Same Int(x)&gt;</source>
        <translation>Integer rounded towards zero : Trunc(x) &lt;Same Int(x)&gt;</translation>
    </message>
    <message>
        <source>現在日付のシリアル値 : Date(Type=0) Type = [0:Unix Int / 1:ExcelFloat]</source>
        <translation>Serial value of today&apos;s date : Date(Type=0) Type = [0:Unix Int / 1:ExcelFloat]</translation>
    </message>
    <message>
        <source>現在時刻のシリアル値 : Time(Type=0) Type = [0:Unix Int / 1:ExcelFloat]</source>
        <translation>Serial value of the current time : Time(Type=0) Type = [0:Unix Int / 1:ExcelFloat]</translation>
    </message>
    <message>
        <source>現在日時のシリアル値 : Now(Type=0) Type = [0:Unix Int / 1:ExcelFloat]</source>
        <translation>Serial value of the current date and time : Now(Type=0) Type = [0:Unix Int / 1:ExcelFloat]</translation>
    </message>
    <message>
        <source>シリアル値から曜日を0-6で返す : Dayofweek(x;Type=0) Type = [0:Unix Int / 1:ExcelFloat]</source>
        <translation>Day of the week of a serial value, 0 to 6 : Dayofweek(x;Type=0) Type = [0:Unix Int / 1:ExcelFloat]</translation>
    </message>
    <message>
        <source>シリアル値に指定した月数を加減する : IncMonth(x;Month;Type=0) Type = [0:Unix Int / 1:ExcelFloat]</source>
        <translation>Adds months to a serial value : IncMonth(x;Month;Type=0) Type = [0:Unix Int / 1:ExcelFloat]</translation>
    </message>
    <message>
        <source>経過時間のシリアル値 (Unix Int) : TimeSpan(Days;Hour;Min;Sec)</source>
        <translation>Serial value of a duration (Unix Int) : TimeSpan(Days;Hour;Min;Sec)</translation>
    </message>
    <message>
        <source>指定した日付のシリアル値 : ToDate(Year;Month;Day;Type=0) Type = [0:Unix Int / 1:ExcelFloat]</source>
        <translation>Serial value of a date : ToDate(Year;Month;Day;Type=0) Type = [0:Unix Int / 1:ExcelFloat]</translation>
    </message>
    <message>
        <source>指定した時刻のシリアル値 : ToTime(Hour;Min;Sec;Type=0) Type = [0:Unix Int / 1:ExcelFloat]</source>
        <translation>Serial value of a time of day : ToTime(Hour;Min;Sec;Type=0) Type = [0:Unix Int / 1:ExcelFloat]</translation>
    </message>
    <message>
        <source>指定した日時のシリアル値 [Unix Int] : UnixTime(Year;Month;Day;Hour;Min;Sec)</source>
        <translation>Serial value of a date and time [Unix Int] : UnixTime(Year;Month;Day;Hour;Min;Sec)</translation>
    </message>
    <message>
        <source>指定した日時のシリアル値 [ExcelFloat] : ExcelTime(Year;Month;Day;Hour;Min;Sec)</source>
        <translation>Serial value of a date and time [ExcelFloat] : ExcelTime(Year;Month;Day;Hour;Min;Sec)</translation>
    </message>
    <message>
        <source>シリアル値を日時の文字列に変換 : FormatTime(x;Type=0) Type = [0:Unix Int→ローカル時刻 / 1:ExcelFloat→ローカル時刻 / 2:Unix Int→UTC / 3:ExcelFloat→UTC]</source>
        <translation>Serial value as a date and time text : FormatTime(x;Type=0) Type = [0:Unix Int→local time / 1:ExcelFloat→local time / 2:Unix Int→UTC / 3:ExcelFloat→UTC]</translation>
    </message>
    <message>
        <source>論理否定(ビット反転) : Not(x)</source>
        <translation>Logical NOT (bits inverted) : Not(x)</translation>
    </message>
    <message>
        <source>論理和 : Or(x;y)</source>
        <translation>Logical OR : Or(x;y)</translation>
    </message>
    <message>
        <source>論理積 : And(x;y)</source>
        <translation>Logical AND : And(x;y)</translation>
    </message>
    <message>
        <source>排他的論理和 : Xor(x;y)</source>
        <translation>Exclusive OR : Xor(x;y)</translation>
    </message>
    <message>
        <source>否定論理和 : Nor(x;y)</source>
        <translation>NOR : Nor(x;y)</translation>
    </message>
    <message>
        <source>否定論理積 : Nand(x;y)</source>
        <translation>NAND : Nand(x;y)</translation>
    </message>
    <message>
        <source>左シフト : Bsl(x;shift)</source>
        <translation>Shift left : Bsl(x;shift)</translation>
    </message>
    <message>
        <source>右シフト : Bsr(x;shift)</source>
        <translation>Shift right : Bsr(x;shift)</translation>
    </message>
    <message>
        <source>ビット幅変換 : Bit(x;BitWidth) BitWidth = [符号なし:1to64]/[符号あり:-1to-64] 0は符号なし64ビット</source>
        <translation>Bit width : Bit(x;BitWidth) BitWidth = [unsigned:1to64]/[signed:-1to-64] 0 is unsigned 64 bits</translation>
    </message>
    <message>
        <source>度をラジアンに変換 : ToRad(Degree;Min=0;Sec=0) or DegToRad(...) or Rad(...)</source>
        <translation>Degrees to radians : ToRad(Degree;Min=0;Sec=0) or DegToRad(...) or Rad(...)</translation>
    </message>
    <message>
        <source>ラジアンを度に変換 : ToDeg(Radian) or RadToDeg(...) or Deg(...)</source>
        <translation>Radians to degrees : ToDeg(Radian) or RadToDeg(...) or Deg(...)</translation>
    </message>
    <message>
        <source>数値フォーマット : Format(x;Digits;Type=0) Digits = 桁数 / Type = [0:通常/1:固定小数点明示/2:指数表記]</source>
        <translation>Number format : Format(x;Digits;Type=0) Digits = digits / Type = [0:general/1:fixed point/2:exponent]</translation>
    </message>
    <message>
        <source>16進数フォーマット : Hex(x)</source>
        <translation>Hexadecimal format : Hex(x)</translation>
    </message>
    <message>
        <source>ランダム値 : Random(Seed=0) Seed =  [0:Seedをランダムに生成 / 1～指定値(数列固定)]</source>
        <translation>Random value : Random(Seed=0) Seed =  [0:random seed / 1 and above: fixed sequence]</translation>
    </message>
    <message>
        <source>三角関数(&amp;T)</source>
        <translation>&amp;Trigonometry</translation>
    </message>
    <message>
        <source>指数・対数(&amp;E)</source>
        <translation>&amp;Exponents and Logarithms</translation>
    </message>
    <message>
        <source>計算・整数・丸め(&amp;I)</source>
        <translation>Arithmetic, &amp;Integers and Rounding</translation>
    </message>
    <message>
        <source>日付・時間(&amp;D)</source>
        <translation>&amp;Dates and Times</translation>
    </message>
    <message>
        <source>論理演算(&amp;L)</source>
        <translation>Bit &amp;Logic</translation>
    </message>
    <message>
        <source>変換・その他(&amp;C)</source>
        <translation>&amp;Conversions and Others</translation>
    </message>
    <message>
        <source>上の項目の和 (空行か小計の行まで) : Subtotal, 小計</source>
        <translation>Sum of the items above, back to a blank or subtotal line : Subtotal</translation>
    </message>
    <message>
        <source>上の項目すべての和 (合計の行まで) : Total, 合計</source>
        <translation>Sum of all the items above, back to a total line : Total</translation>
    </message>
    <message>
        <source>小計の項目の平均 : Average, 平均</source>
        <translation>Mean of the items of the subtotal : Average</translation>
    </message>
    <message>
        <source>合計(&amp;S)</source>
        <translation>&amp;Sums</translation>
    </message>
    <message>
        <source>%1	(&amp;%2)</source>
        <translation>&amp;%2 %1</translation>
    </message>
    <message>
        <source>%1	(&amp;%2)</source>
        <comment>past the sixteenth function</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>Sin	(&amp;S)</source>
        <translation>&amp;Sin</translation>
    </message>
    <message>
        <source>Cos	(&amp;C)</source>
        <translation>&amp;Cos</translation>
    </message>
    <message>
        <source>Tan	(&amp;T)</source>
        <translation>&amp;Tan</translation>
    </message>
    <message>
        <source>ASin	(&amp;A)</source>
        <translation>&amp;ASin</translation>
    </message>
    <message>
        <source>ACos	(&amp;O)</source>
        <translation>AC&amp;os</translation>
    </message>
    <message>
        <source>ATan	(&amp;N)</source>
        <translation>ATa&amp;n</translation>
    </message>
    <message>
        <source>ATan2	(&amp;Z)</source>
        <translation>ATan&amp;2</translation>
    </message>
    <message>
        <source>Sinh	(&amp;1)</source>
        <translation>S&amp;inh</translation>
    </message>
    <message>
        <source>Cosh	(&amp;2)</source>
        <translation>Cos&amp;h</translation>
    </message>
    <message>
        <source>Tanh	(&amp;3)</source>
        <translation>Tanh</translation>
    </message>
    <message>
        <source>ASinh	(&amp;4)</source>
        <translation>ASinh</translation>
    </message>
    <message>
        <source>ACosh	(&amp;5)</source>
        <translation>ACosh</translation>
    </message>
    <message>
        <source>ATanh	(&amp;6)</source>
        <translation>ATanh</translation>
    </message>
    <message>
        <source>Exp	(&amp;E)</source>
        <translation>&amp;Exp</translation>
    </message>
    <message>
        <source>Exp2	(&amp;1)</source>
        <translation>E&amp;xp2</translation>
    </message>
    <message>
        <source>Ln	(&amp;N)</source>
        <translation>L&amp;n</translation>
    </message>
    <message>
        <source>Log	(&amp;L)</source>
        <translation>&amp;Log</translation>
    </message>
    <message>
        <source>Log2	(&amp;2)</source>
        <translation>Log&amp;2</translation>
    </message>
    <message>
        <source>Sqrt	(&amp;S)</source>
        <translation>&amp;Sqrt</translation>
    </message>
    <message>
        <source>Cbrt	(&amp;C)</source>
        <translation>&amp;Cbrt</translation>
    </message>
    <message>
        <source>Hypot	(&amp;H)</source>
        <translation>&amp;Hypot</translation>
    </message>
    <message>
        <source>Abs	(&amp;A)</source>
        <translation>&amp;Abs</translation>
    </message>
    <message>
        <source>Int	(&amp;I)</source>
        <translation>&amp;Int</translation>
    </message>
    <message>
        <source>Frac	(&amp;F)</source>
        <translation>&amp;Frac</translation>
    </message>
    <message>
        <source>Logb	(&amp;B)</source>
        <translation>Log&amp;b</translation>
    </message>
    <message>
        <source>Ceil	(&amp;C)</source>
        <translation>&amp;Ceil</translation>
    </message>
    <message>
        <source>Floor	(&amp;L)</source>
        <translation>F&amp;loor</translation>
    </message>
    <message>
        <source>Round	(&amp;R)</source>
        <translation>&amp;Round</translation>
    </message>
    <message>
        <source>Trunc	(&amp;T)</source>
        <translation>&amp;Trunc</translation>
    </message>
    <message>
        <source>Date	(&amp;D)</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>Time	(&amp;T)</source>
        <translation>&amp;Time</translation>
    </message>
    <message>
        <source>Now	(&amp;N)</source>
        <translation>&amp;Now</translation>
    </message>
    <message>
        <source>Dayofweek	(&amp;W)</source>
        <translation>Dayof&amp;week</translation>
    </message>
    <message>
        <source>IncMonth	(&amp;M)</source>
        <translation>Inc&amp;Month</translation>
    </message>
    <message>
        <source>TimeSpan	(&amp;S)</source>
        <translation>Time&amp;Span</translation>
    </message>
    <message>
        <source>ToDate	(&amp;F)</source>
        <translation>ToD&amp;ate</translation>
    </message>
    <message>
        <source>ToTime	(&amp;Y)</source>
        <translation>T&amp;oTime</translation>
    </message>
    <message>
        <source>UnixTime	(&amp;U)</source>
        <translation>&amp;UnixTime</translation>
    </message>
    <message>
        <source>ExcelTime	(&amp;E)</source>
        <translation>&amp;ExcelTime</translation>
    </message>
    <message>
        <source>FormatTime	(&amp;T)</source>
        <translation>&amp;FormatTime</translation>
    </message>
    <message>
        <source>Not	(&amp;N)</source>
        <translation>&amp;Not</translation>
    </message>
    <message>
        <source>Or	(&amp;Q)</source>
        <translation>&amp;Or</translation>
    </message>
    <message>
        <source>And	(&amp;A)</source>
        <translation>&amp;And</translation>
    </message>
    <message>
        <source>Xor	(&amp;X)</source>
        <translation>&amp;Xor</translation>
    </message>
    <message>
        <source>Nor	(&amp;W)</source>
        <translation>No&amp;r</translation>
    </message>
    <message>
        <source>Nand	(&amp;S)</source>
        <translation>Nan&amp;d</translation>
    </message>
    <message>
        <source>Bsl	(&amp;L)</source>
        <translation>Bs&amp;l</translation>
    </message>
    <message>
        <source>Bsr	(&amp;R)</source>
        <translation>B&amp;sr</translation>
    </message>
    <message>
        <source>Bit	(&amp;B)</source>
        <translation>&amp;Bit</translation>
    </message>
    <message>
        <source>ToRad	(&amp;R)</source>
        <translation>To&amp;Rad</translation>
    </message>
    <message>
        <source>ToDeg	(&amp;D)</source>
        <translation>To&amp;Deg</translation>
    </message>
    <message>
        <source>Format	(&amp;F)</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Hex	(&amp;H)</source>
        <translation>&amp;Hex</translation>
    </message>
    <message>
        <source>Random	(&amp;N)</source>
        <translation>Ra&amp;ndom</translation>
    </message>
    <message>
        <source>Subtotal	(&amp;S)</source>
        <translation>&amp;Subtotal</translation>
    </message>
    <message>
        <source>Total	(&amp;T)</source>
        <translation>&amp;Total</translation>
    </message>
    <message>
        <source>Average	(&amp;A)</source>
        <translation>&amp;Average</translation>
    </message>
    <message>
        <source>メートルに換算 : 5[ft] -&gt; [m]</source>
        <translation>To metres : 5[ft] -&gt; [m]</translation>
    </message>
    <message>
        <source>センチメートルに換算 : 5[ft] + 2[in] -&gt; [cm]</source>
        <translation>To centimetres : 5[ft] + 2[in] -&gt; [cm]</translation>
    </message>
    <message>
        <source>キログラムに換算 : 150[lb] -&gt; [kg]</source>
        <translation>To kilograms : 150[lb] -&gt; [kg]</translation>
    </message>
    <message>
        <source>平方メートルに換算 : 30[坪] -&gt; [m²]</source>
        <translation>To square metres : 30[坪] -&gt; [m²]</translation>
    </message>
    <message>
        <source>フィートをメートルに : 1[ft] = 0.3048[m]</source>
        <translation>Feet to metres : 1[ft] = 0.3048[m]</translation>
    </message>
    <message>
        <source>インチをセンチメートルに : 1[in] = 2.54[cm]</source>
        <translation>Inches to centimetres : 1[in] = 2.54[cm]</translation>
    </message>
    <message>
        <source>マイルをキロメートルに : 1[mi] = 1.609344[km]</source>
        <translation>Miles to kilometres : 1[mi] = 1.609344[km]</translation>
    </message>
    <message>
        <source>ポンドをキログラムに : 1[lb] = 0.45359237[kg]</source>
        <translation>Pounds to kilograms : 1[lb] = 0.45359237[kg]</translation>
    </message>
    <message>
        <source>時速を秒速に : 36[km/h] = 10[m/s]</source>
        <translation>Kilometres per hour to metres per second : 36[km/h] = 10[m/s]</translation>
    </message>
    <message>
        <source>華氏度をセルシウス度に : 77[°F] = 25[°C]</source>
        <translation>Fahrenheit to Celsius : 77[°F] = 25[°C]</translation>
    </message>
    <message>
        <source>セルシウス度を華氏度に : 100[°C] = 212[°F]</source>
        <translation>Celsius to Fahrenheit : 100[°C] = 212[°F]</translation>
    </message>
    <message>
        <source>坪を平方メートルに : 121[坪] = 400[m²]</source>
        <translation>Tsubo to square metres : 121[坪] = 400[m²]</translation>
    </message>
    <message>
        <source>平方メートルを坪に : 400[m²] = 121[坪]</source>
        <translation>Square metres to tsubo : 400[m²] = 121[坪]</translation>
    </message>
    <message>
        <source>尺をセンチメートルに : 33[尺] = 1000[cm]</source>
        <translation>Shaku to centimetres : 33[尺] = 1000[cm]</translation>
    </message>
    <message>
        <source>合をミリリットルに : 1[合] ≈ 180.39[mL]</source>
        <translation>Gō to millilitres : 1[合] ≈ 180.39[mL]</translation>
    </message>
    <message>
        <source>単位(&amp;U)</source>
        <translation>&amp;Units</translation>
    </message>
    <message>
        <source>-&gt; [m]	(&amp;M)</source>
        <translation>&amp;1 -&gt; [m]</translation>
    </message>
    <message>
        <source>-&gt; [cm]	(&amp;C)</source>
        <translation>&amp;2 -&gt; [cm]</translation>
    </message>
    <message>
        <source>-&gt; [kg]	(&amp;K)</source>
        <translation>&amp;3 -&gt; [kg]</translation>
    </message>
    <message>
        <source>-&gt; [m²]	(&amp;A)</source>
        <translation>&amp;4 -&gt; [m²]</translation>
    </message>
    <message>
        <source>[ft] -&gt; [m]	(&amp;1)</source>
        <translation>&amp;5 [ft] -&gt; [m]</translation>
    </message>
    <message>
        <source>[in] -&gt; [cm]	(&amp;2)</source>
        <translation>&amp;6 [in] -&gt; [cm]</translation>
    </message>
    <message>
        <source>[mi] -&gt; [km]	(&amp;3)</source>
        <translation>&amp;7 [mi] -&gt; [km]</translation>
    </message>
    <message>
        <source>[lb] -&gt; [kg]	(&amp;4)</source>
        <translation>&amp;8 [lb] -&gt; [kg]</translation>
    </message>
    <message>
        <source>[km/h] -&gt; [m/s]	(&amp;5)</source>
        <translation>&amp;9 [km/h] -&gt; [m/s]</translation>
    </message>
    <message>
        <source>[°F] -&gt; [°C]	(&amp;F)</source>
        <translation>&amp;0 [°F] -&gt; [°C]</translation>
    </message>
    <message>
        <source>[°C] -&gt; [°F]	(&amp;D)</source>
        <translation>&amp;A [°C] -&gt; [°F]</translation>
    </message>
    <message>
        <source>[坪] -&gt; [m²]	(&amp;T)</source>
        <translation>&amp;B [坪] -&gt; [m²]</translation>
    </message>
    <message>
        <source>[m²] -&gt; [坪]	(&amp;B)</source>
        <translation>&amp;C [m²] -&gt; [坪]</translation>
    </message>
    <message>
        <source>[尺] -&gt; [cm]	(&amp;S)</source>
        <translation>&amp;D [尺] -&gt; [cm]</translation>
    </message>
    <message>
        <source>[合] -&gt; [mL]	(&amp;G)</source>
        <translation>&amp;E [合] -&gt; [mL]</translation>
    </message>
    <message>
        <source>Pct	(&amp;P)</source>
        <translation>&amp;Pct</translation>
    </message>
    <message>
        <source>a が b の何パーセントか : Pct(a;b) = 100*a/b</source>
        <translation>What percent a is of b : Pct(a;b) = 100*a/b</translation>
    </message>
    <message>
        <source>PctChange	(&amp;C)</source>
        <translation>Pct&amp;Change</translation>
    </message>
    <message>
        <source>a から b への増減率 : PctChange(a;b) = 100*(b-a)/a</source>
        <translation>Change from a to b in percent : PctChange(a;b) = 100*(b-a)/a</translation>
    </message>
    <message>
        <source>Tax	(&amp;T)</source>
        <translation>&amp;Tax</translation>
    </message>
    <message>
        <source>消費税 (外税) : Tax(x;Rate=標準税率;Round=端数処理) Round = [-1:切り捨て/0:四捨五入/1:切り上げ] or 消費税(...)</source>
        <translation>Consumption tax on an amount : Tax(x;Rate=standard rate;Round=rounding) Round = [-1:down/0:half up/1:up] or 消費税(...)</translation>
    </message>
    <message>
        <source>TaxPlus	(&amp;A)</source>
        <translation>TaxP&amp;lus</translation>
    </message>
    <message>
        <source>税込金額 : TaxPlus(x;Rate;Round) = x + Tax(x) or 税込(...)</source>
        <translation>Amount with tax : TaxPlus(x;Rate;Round) = x + Tax(x) or 税込(...)</translation>
    </message>
    <message>
        <source>TaxIncluded	(&amp;I)</source>
        <translation>Tax&amp;Included</translation>
    </message>
    <message>
        <source>税込金額に含まれる消費税 (内税) : TaxIncluded(x;Rate;Round) or 内税(...)</source>
        <translation>Tax inside an amount with tax : TaxIncluded(x;Rate;Round) or 内税(...)</translation>
    </message>
    <message>
        <source>TaxMinus	(&amp;M)</source>
        <translation>Tax&amp;Minus</translation>
    </message>
    <message>
        <source>税抜金額 : TaxMinus(x;Rate;Round) = x - TaxIncluded(x) or 税抜(...)</source>
        <translation>Amount without tax : TaxMinus(x;Rate;Round) = x - TaxIncluded(x) or 税抜(...)</translation>
    </message>
    <message>
        <source>パーセント・税(&amp;P)</source>
        <translation>&amp;Percent and Tax</translation>
    </message>
</context>
<context>
    <name>numora::HelpWindow</name>
    <message>
        <source>Numora ヘルプ</source>
        <translation>Numora Help</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
</context>
<context>
    <name>numora::InterfaceLanguage</name>
    <message>
        <source>ja</source>
        <comment>the code of the language translated into</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>numora::Prompter</name>
    <message>
        <source>
このファイルは存在しません。
作成しますか?</source>
        <translation>
This file does not exist.
Create it?</translation>
    </message>
</context>
<context>
    <name>numora::UnitHelp</name>
    <message>
        <source>デカ</source>
        <translation>deca</translation>
    </message>
    <message>
        <source>キロ</source>
        <translation>kilo</translation>
    </message>
    <message>
        <source>ミリ</source>
        <translation>milli</translation>
    </message>
    <message>
        <source>センチ</source>
        <translation>centi</translation>
    </message>
    <message>
        <source>メガ</source>
        <translation>mega</translation>
    </message>
    <message>
        <source>ギガ</source>
        <translation>giga</translation>
    </message>
    <message>
        <source>テラ</source>
        <translation>tera</translation>
    </message>
    <message>
        <source>マイクロ</source>
        <translation>micro</translation>
    </message>
    <message>
        <source>ナノ</source>
        <translation>nano</translation>
    </message>
    <message>
        <source>デシ</source>
        <translation>deci</translation>
    </message>
    <message>
        <source>ヘクト</source>
        <translation>hecto</translation>
    </message>
    <message>
        <source>ピコ</source>
        <translation>pico</translation>
    </message>
    <message>
        <source>ペタ</source>
        <translation>peta</translation>
    </message>
    <message>
        <source>フェムト</source>
        <translation>femto</translation>
    </message>
    <message>
        <source>エクサ</source>
        <translation>exa</translation>
    </message>
    <message>
        <source>アト</source>
        <translation>atto</translation>
    </message>
    <message>
        <source>ゼタ</source>
        <translation>zetta</translation>
    </message>
    <message>
        <source>ゼプト</source>
        <translation>zepto</translation>
    </message>
    <message>
        <source>ヨタ</source>
        <translation>yotta</translation>
    </message>
    <message>
        <source>ヨクト</source>
        <translation>yocto</translation>
    </message>
    <message>
        <source>ロナ</source>
        <translation>ronna</translation>
    </message>
    <message>
        <source>ロント</source>
        <translation>ronto</translation>
    </message>
    <message>
        <source>クエタ</source>
        <translation>quetta</translation>
    </message>
    <message>
        <source>クエクト</source>
        <translation>quecto</translation>
    </message>
</context>
<context>
    <name>printtexts</name>
    <message>
        <source>印刷に失敗しました</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>印刷エラー</source>
        <translation>Print Error</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>レディ</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>∑計算ON</source>
        <translation>∑Calc ON</translation>
    </message>
    <message>
        <source>計算中... (Esc で中止)</source>
        <translation>Calculating... (Esc to stop)</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Untitled を保存しますか？</source>
        <translation>Save Untitled?</translation>
    </message>
    <message>
        <source>%1は変更されています。保存しますか？</source>
        <translation>%1 has been changed. Save it?</translation>
    </message>
    <message>
        <source>前回は正常に終了しなかったため、%1 の保存されていない内容が残っています。復元しますか？</source>
        <translation>The program did not end normally last time, and unsaved work in %1 is left. Restore it?</translation>
    </message>
    <message>
        <source>設定の保存</source>
        <translation>Save Settings</translation>
    </message>
    <message>
        <source>設定の書き込みに失敗しました。
今回変更した設定は次回の起動に引き継がれません。</source>
        <translation>The settings could not be written.
The settings changed in this run will not be kept for the next start.</translation>
    </message>
    <message>
        <source>ファイルオープン</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>が見つかりませんでした。</source>
        <translation> was not found.</translation>
    </message>
    <message>
        <source>テキスト ファイル (*.txt)</source>
        <translation>Text Files (*.txt)</translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>計算OFF</source>
        <translation>Calc OFF</translation>
    </message>
    <message>
        <source>%1 は他のプログラムによって変更されています。上書きしますか？</source>
        <translation>%1 has been changed by another program. Overwrite it?</translation>
    </message>
    <message>
        <source>復元用コピーを保存できません: %1</source>
        <translation>Cannot save the recovery copy: %1</translation>
    </message>
    <message>
        <source>再計算中... %1/%2 行 (Esc で中止)</source>
        <translation>Recalculating... line %1/%2 (Esc to stop)</translation>
    </message>
    <message>
        <source>再計算を中止しました。ここから下の結果は更新されていません。</source>
        <translation>Recalculation stopped. The results from here down were not updated.</translation>
    </message>
    <message>
        <source>標準ツール バー</source>
        <translation>Standard Toolbar</translation>
    </message>
    <message>
        <source>挿入ツール バー</source>
        <translation>Insert Toolbar</translation>
    </message>
    <message>
        <source>コピーできる結果がありません。</source>
        <translation>There is no result to copy.</translation>
    </message>
    <message>
        <source>ステータス バー</source>
        <translation>Status Bar</translation>
    </message>
</context>
<context>
    <name>view_texts</name>
    <message>
        <source>変数リスト</source>
        <translation>Variable List</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ワークシート</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>変数リストを閉じる</source>
        <translation>Close Variable List</translation>
    </message>
    <message>
        <source>名前の候補</source>
        <translation>Completions</translation>
    </message>
    <message>
        <source>引数 %1/%2: %3</source>
        <translation>argument %1 of %2: %3</translation>
    </message>
</context>
</TS>
