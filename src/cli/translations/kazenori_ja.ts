<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>kazenori</name>
    <message>
        <source>patterns 1..150 in tick order: 7,8,9 or 111-120</source>
        <translation>問題パターン 1～150 をチェック順に: 7,8,9 や 111-120</translation>
    </message>
    <message>
        <source>this school year&apos;s (学年) patterns</source>
        <translation>この学年のパターンを選ぶ (番号の一覧の代わりに)</translation>
    </message>
    <message>
        <source>a term may be 0 where the pattern allows (&quot;あり&quot;)</source>
        <translation>パターンが許すところで項を 0 にしてよい (「あり」)</translation>
    </message>
    <message>
        <source>hide the operators (default none)</source>
        <translation>演算子を隠す (既定は none)</translation>
    </message>
    <message>
        <source>blank one number of each problem (default none)</source>
        <translation>各問題の数を 1 つ虫食いにする (既定は none)</translation>
    </message>
    <message>
        <source>instruction line (default: the hide/blank setting&apos;s)</source>
        <translation>指示の文 (既定は隠す・虫食いの設定に合った文)</translation>
    </message>
    <message>
        <source>number of the first sheet (default 1)</source>
        <translation>最初のプリントの番号 (既定は 1)</translation>
    </message>
    <message>
        <source>K sheets numbered N, N+1, ... in one document</source>
        <translation>番号 N, N+1, ... の K 枚を 1 つの文書に</translation>
    </message>
    <message>
        <source>random seed 0..4294967295: the same sheets again</source>
        <translation>乱数の種 0～4294967295: 同じプリントをもう一度</translation>
    </message>
    <message>
        <source>the colour-word sheet instead of arithmetic</source>
        <translation>計算の代わりに色の名前を読むプリント</translation>
    </message>
    <message>
        <source>colours on the colour-word sheet (default 4)</source>
        <translation>色の名前を読むプリントの色の数 (既定は 4)</translation>
    </message>
    <message>
        <source>problems a sheet; fewer come larger (default 50)</source>
        <translation>1 枚の問題数 (少ないほど大きな字、既定は 50)</translation>
    </message>
    <message>
        <source>answers in red and a 「解答」 mark on answer pages</source>
        <translation>解答ページの答えを赤で書き、「解答」の印を付ける</translation>
    </message>
    <message>
        <source>a score box 「　　／50点」 beside the time line</source>
        <translation>時間の欄の横に点数欄「　　／50点」を付ける</translation>
    </message>
    <message>
        <source>--problems takes 20, 30 or 50, not &apos;%1&apos;</source>
        <translation>--problems には 20、30、50 のどれかを指定します (&apos;%1&apos; は使えません)</translation>
    </message>
    <message>
        <source>--paper takes a4, b5 or b4, not &apos;%1&apos;</source>
        <translation>--paper には a4、b5、b4 のどれかを指定します (&apos;%1&apos; は使えません)</translation>
    </message>
    <message>
        <source>%1: the printer &apos;%2&apos; has no %3 paper</source>
        <translation>%1: プリンタ &apos;%2&apos; には %3 の用紙がありません</translation>
    </message>
    <message>
        <source>words a block on the colour-word sheet (default 40)</source>
        <translation>色の名前のプリントの 1 ブロックの語数 (既定は 40)</translation>
    </message>
    <message>
        <source>a 百ます計算 grid sheet instead of problems</source>
        <translation>問題の代わりに百ます計算 (たし算、ひき算、かけ算)</translation>
    </message>
    <message>
        <source>rows and columns of the grid (default 10)</source>
        <translation>百ます計算のますの行と列の数 (既定は 10)</translation>
    </message>
    <message>
        <source>scale the sheet to fill JIS B4 or B5 (default a4)</source>
        <translation>JIS B4・B5 に合わせて拡大・縮小 (既定は a4)</translation>
    </message>
    <message>
        <source>write the pages to a PDF file (searchable text)</source>
        <translation>ページを PDF ファイルに書く (文字を検索可能)</translation>
    </message>
    <message>
        <source>write what was composed as JSON</source>
        <translation>作った内容を JSON で書く</translation>
    </message>
    <message>
        <source>print the pages on a CUPS printer</source>
        <translation>ページを CUPS のプリンタで印刷する</translation>
    </message>
    <message>
        <source>list the patterns with their school years, then exit</source>
        <translation>パターンの番号と学年と名前を一覧にして終了する</translation>
    </message>
    <message>
        <source>show this help, then exit</source>
        <translation>このヘルプを表示して終了する</translation>
    </message>
    <message>
        <source>show the version, then exit</source>
        <translation>バージョンを表示して終了する</translation>
    </message>
    <message>
        <source>--%1 takes none, random or all, not &apos;%2&apos;</source>
        <translation>--%1 には none、random、all のどれかを指定して下さい (&apos;%2&apos; は使えません)</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 には %2 から %3 までの数を指定して下さい (&apos;%4&apos; は使えません)</translation>
    </message>
    <message>
        <source>--words takes 20, 30 or 40, not &apos;%1&apos;</source>
        <translation>--words には 20、30、40 のどれかを指定して下さい (&apos;%1&apos; は使えません)</translation>
    </message>
    <message>
        <source>--%1 needs a file name</source>
        <translation>--%1 にはファイル名が必要です</translation>
    </message>
    <message>
        <source>--patterns: &apos;%1&apos; is no pattern number or range</source>
        <translation>--patterns: &apos;%1&apos; はパターン番号でも範囲でもありません</translation>
    </message>
    <message>
        <source>--patterns: &apos;%1&apos; is outside 1..150</source>
        <translation>--patterns: &apos;%1&apos; は 1～150 の外です</translation>
    </message>
    <message>
        <source>--patterns: pattern %1 is listed twice</source>
        <translation>--patterns: パターン %1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>余分な引数 &apos;%1&apos; があります</translation>
    </message>
    <message>
        <source>unrecognized option &apos;--%1&apos;</source>
        <translation>&apos;--%1&apos; というオプションはありません</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; takes no argument</source>
        <translation>オプション &apos;--%1&apos; は引数を取りません</translation>
    </message>
    <message>
        <source>option &apos;--%1&apos; needs an argument %2</source>
        <translation>オプション &apos;--%1&apos; には引数 %2 が必要です</translation>
    </message>
    <message>
        <source>--colours and --words belong to --bonus</source>
        <translation>--colours と --words は --bonus と一緒に使います</translation>
    </message>
    <message>
        <source>--sheets %1 from --print-number %2 runs past 2147483647</source>
        <translation>--print-number %2 から --sheets %1 枚では 2147483647 を超えます</translation>
    </message>
    <message>
        <source>no output: give --pdf FILE, --json FILE or --print PRINTER</source>
        <translation>出力がありません: --pdf FILE、--json FILE、--print PRINTER のどれかを指定して下さい</translation>
    </message>
    <message>
        <source>--pdf and --json name the same file</source>
        <translation>--pdf と --json が同じファイルを指しています</translation>
    </message>
    <message>
        <source>Usage: kazenori [OPTION]...
Makes mental-arithmetic drill sheets. Without options it opens the main window;
with options it composes the sheets without a window and writes them out.

</source>
        <translation>使い方: kazenori [オプション]...
暗算プリントを作ります。オプションなしではメイン画面を開きます。
オプションがあると、画面を開かずにプリントを作って書き出します。

</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>printed %1 pages on %2; next print number %3</source>
        <translation>%2 で %1 ページを印刷しました。次のプリント番号は %3 です</translation>
    </message>
    <message>
        <source>--patterns: &apos;%1&apos; runs downwards; a range runs upwards, as in %2-%3</source>
        <translation>--patterns: &apos;%1&apos; は下がる範囲です。範囲は %2-%3 のように小さい番号から書きます</translation>
    </message>
    <message>
        <source>the folder of &apos;%1&apos; does not exist</source>
        <translation>&apos;%1&apos; のフォルダがありません</translation>
    </message>
    <message>
        <source>the folder of &apos;%1&apos; cannot be written: %2</source>
        <translation>&apos;%1&apos; のフォルダに書き込めません: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder</source>
        <translation>&apos;%1&apos; はフォルダです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file (a device, FIFO or socket); only regular files are written</source>
        <translation>&apos;%1&apos; は通常のファイルではありません (デバイス、FIFO、ソケット)。書き出せるのは通常のファイルだけです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be written: %2</source>
        <translation>&apos;%1&apos; に書き込めません: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a symbolic link to a file that does not exist</source>
        <translation>&apos;%1&apos; は存在しないファイルへのシンボリックリンクです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names a folder, not a file</source>
        <translation>&apos;%1&apos; はファイルではなくフォルダを指しています</translation>
    </message>
    <message>
        <source>the name &apos;%1&apos; is longer than the file system allows (%2 bytes)</source>
        <translation>&apos;%1&apos; という名前はファイルシステムの上限 (%2 バイト) を超えています</translation>
    </message>
    <message>
        <source>the path of &apos;%1&apos; is too long</source>
        <translation>&apos;%1&apos; のパスが長すぎます</translation>
    </message>
    <message>
        <source>--%1 and --%2 name the same file (&apos;%3&apos;)</source>
        <translation>--%1 と --%2 が同じファイルを指しています (&apos;%3&apos;)</translation>
    </message>
    <message>
        <source>--%1: cannot write &apos;%2&apos;: %3</source>
        <translation>--%1: &apos;%2&apos; に書き込めません: %3</translation>
    </message>
    <message>
        <source>; not written: </source>
        <translation>; 書き出していないもの: </translation>
    </message>
    <message>
        <source>; already written: </source>
        <translation>; 書き出し済みのもの: </translation>
    </message>
    <message>
        <source>lay out for this printer&apos;s paper and margins</source>
        <translation>このプリンタの用紙と余白に合わせてページを配置する</translation>
    </message>
    <message>
        <source>--%1 needs a printer name</source>
        <translation>--%1 にはプリンタ名が必要です</translation>
    </message>
    <message>
        <source>--print lays the pages out for its own printer, not for &apos;%1&apos;</source>
        <translation>--print はそのプリンタに合わせてページを配置します (&apos;%1&apos; には合わせられません)</translation>
    </message>
    <message>
        <source>%1: the print server %2 did not answer</source>
        <translation>%1: 印刷サーバー %2 が応答しません</translation>
    </message>
    <message>
        <source>%1: the print server %2 cannot be reached</source>
        <translation>%1: 印刷サーバー %2 に接続できません</translation>
    </message>
    <message>
        <source>%1: printing is unavailable: %2</source>
        <translation>%1: 印刷できません: %2</translation>
    </message>
    <message>
        <source>%1: no printer named &apos;%2&apos; (installed: %3)</source>
        <translation>%1: &apos;%2&apos; という名前のプリンタはありません (あるもの: %3)</translation>
    </message>
    <message>
        <source>the print server did not answer</source>
        <translation>印刷サーバーが応答しません</translation>
    </message>
    <message>
        <source>the job was not accepted</source>
        <translation>ジョブが受け付けられませんでした</translation>
    </message>
    <message>
        <source>it rejects jobs</source>
        <translation>ジョブを受け付けません</translation>
    </message>
    <message>
        <source>the printer took no page</source>
        <translation>プリンタがページを受け取りませんでした</translation>
    </message>
    <message>
        <source>another print is under way</source>
        <translation>別の印刷の途中です</translation>
    </message>
    <message>
        <source>there is no document to print</source>
        <translation>印刷する文書がありません</translation>
    </message>
    <message>
        <source>there is no printer</source>
        <translation>プリンタがありません</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; takes no job: %2</source>
        <translation>プリンタ「%1」で印刷できませんでした。ジョブを受け付けません: %2</translation>
    </message>
    <message>
        <source>the print job for printer &quot;%1&quot; could not be started: %2</source>
        <translation>プリンタ「%1」で印刷できませんでした。印刷を始められません: %2</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; did not print the job: %2</source>
        <translation>プリンタ「%1」で印刷できませんでした: %2</translation>
    </message>
    <message>
        <source>make this code&apos;s sheet again (printed on its pages)</source>
        <translation>このコードのシートを再び作る (コードはシートに印刷)</translation>
    </message>
    <message>
        <source>--code names the sheet; it takes no --%1</source>
        <translation>--code がシートを決めるので、--%1 は指定できません</translation>
    </message>
    <message>
        <source>--code &apos;%1&apos; comes from a newer version of kazenori</source>
        <translation>再作成コード「%1」は新しい版のKazenoriで作られています。Kazenoriを新しくしてから再作成して下さい</translation>
    </message>
    <message>
        <source>--code &apos;%1&apos; is of a sheet with its own instruction line: give it with --message</source>
        <translation>再作成コード「%1」のシートは問題文が書き換えられています。同じ文を --message で指定して下さい</translation>
    </message>
    <message>
        <source>--code &apos;%1&apos; is no code of a sheet: check it against the sheet</source>
        <translation>再作成コード「%1」が正しくありません。シートに印刷されたとおりに入力して下さい</translation>
    </message>
    <message>
        <source>seconds to wait for the printer (default 120)</source>
        <translation>印刷し終えるまで待つ秒数 (既定 120)</translation>
    </message>
    <message>
        <source>--print-timeout belongs to --print</source>
        <translation>--print-timeout は --print と使います</translation>
    </message>
    <message>
        <source>
At least one of --pdf, --json and --print is needed. Each sheet is a question
page and its answer page; the colour-word sheet has one page.

Only --print and --printer-geometry ask the print server (CUPS) anything.
Without them, --pdf and --json lay the pages out on the design paper: A4
with a printable area 3.5 mm from the left and 3.1 mm from the top,
203.2 x 289.0 mm, whatever printers are installed. With --print or
--printer-geometry PRINTER they use that printer&apos;s paper and margins.

--print waits for CUPS to complete the job (--print-timeout) and cancels
a job that failed, so that nothing half-sent prints later.

Exit status: 0 if the sheets were written (and printed), 1 if printing or
writing failed, 2 for a mistake in the arguments (then no file is created
or changed), 3 if the print job was still in progress at the time limit or
waits in a held or stopped queue (no page counts as printed).
An output must be a regular file or a new name; a symbolic link is followed.
No output goes to standard output: --pdf - and --json - are refused (./-
names a file called -).
</source>
        <translation>
--pdf、--json、--print の少なくとも 1 つが必要です。プリント 1 枚は問題ページと
その解答ページです。色の名前を読むプリントは 1 ページです。

印刷サーバー (CUPS) に問い合わせるのは --print と --printer-geometry だけです。
それがなければ、--pdf と --json はインストールされたプリンタにかかわらず
設計用紙にページを配置します: A4、印刷できる範囲は左から 3.5 mm、上から 3.1 mm、
203.2 x 289.0 mm です。--print か --printer-geometry PRINTER があれば、
そのプリンタの用紙と余白を使います。

--print は CUPS がジョブを印刷し終えるまで待ち (--print-timeout)、失敗した
ジョブは取り消します。途中まで送られたものが後で印刷されることはありません。

終了ステータス: 書き出せたら (印刷できたら) 0、印刷や書き出しに失敗したら 1、
引数の誤りは 2 (そのときファイルは作られも変えられもしません)、印刷ジョブが
待ち時間のうちに終わらなかったか、保留中・停止中のプリンタで待っているときは 3
(印刷したページには数えません)。
出力先は通常のファイルか新しい名前です。
シンボリックリンクはその先に書き出します。
標準出力には何も書き出しません: --pdf - と --json - は受け付けません
(- という名前のファイルには ./- と書きます)。
</translation>
    </message>
    <message>
        <source>the printer&apos;s page is unknown</source>
        <translation>プリンタの用紙がわかりません</translation>
    </message>
    <message>
        <source>the queue is stopped</source>
        <translation>プリンタが停止しています</translation>
    </message>
    <message>
        <source>job %1 waits on printer &quot;%2&quot; and has not printed: %3; no page counts as printed</source>
        <translation>ジョブ %1 はプリンタ「%2」で待機中で、まだ印刷されていません: %3。印刷したページには数えません</translation>
    </message>
    <message>
        <source>job %1 on printer &quot;%2&quot; had not finished printing after %3 seconds (--print-timeout); no page counts as printed</source>
        <translation>プリンタ「%2」のジョブ %1 は %3 秒たっても印刷し終わりませんでした (--print-timeout)。印刷したページには数えません</translation>
    </message>
    <message>
        <source>kazenori: the window needs Qt&apos;s Wayland support: install the Debian package qt6-wayland
</source>
        <translation>kazenori: ウィンドウを開くには Qt の Wayland 対応が必要です。Debian パッケージ qt6-wayland をインストールして下さい
</translation>
    </message>
    <message>
        <source>kazenori: there is no display for the window (DISPLAY and WAYLAND_DISPLAY are unset)
</source>
        <translation>kazenori: ウィンドウを表示する画面がありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)
</translation>
    </message>
    <message>
        <source>kazenori: without one, write the sheets with --pdf FILE or --json FILE (see --help)
</source>
        <translation>kazenori: 画面がなくても --pdf ファイル や --json ファイル でプリントを書き出せます (--help を参照)
</translation>
    </message>
    <message>
        <source>kazenori: the font &quot;%1&quot; (used for &quot;%2&quot;) is not installed; Japanese text will be drawn in a fallback font. Install the Debian package fonts-ipafont-gothic.
</source>
        <translation>kazenori: フォント「%1」(「%2」の代わり) がインストールされていないので、日本語は代わりのフォントで描かれます。Debian パッケージ fonts-ipafont-gothic をインストールして下さい。
</translation>
    </message>
    <message>
        <source>running on Qt %1
</source>
        <translation>Qt %1 で動作中
</translation>
    </message>
    <message>
        <source>--%1 writes a file, not standard output: for a file named &apos;-&apos; give ./-</source>
        <translation>--%1 はファイルに書き出します。標準出力には書き出しません: - という名前のファイルには ./- と書いて下さい</translation>
    </message>
    <message>
        <source>--code &apos;%1&apos; is of a sheet with the program&apos;s instruction line; it takes no --message</source>
        <translation>--code &apos;%1&apos; は問題文を書き換えていないプリントのコードです。--message は付けられません</translation>
    </message>
    <message>
        <source>--bonus makes the colour-word sheet; it takes no --%1</source>
        <translation>--bonus は色の名前を読むプリントを作ります。--%1 は付けられません</translation>
    </message>
    <message>
        <source>--grid takes add, sub or mul, not &apos;%1&apos;</source>
        <translation>--grid には add、sub、mul のどれかを指定して下さい (&apos;%1&apos; は使えません)</translation>
    </message>
    <message>
        <source>--grid-size takes 5 or 10, not &apos;%1&apos;</source>
        <translation>--grid-size には 5 か 10 を指定して下さい (&apos;%1&apos; は使えません)</translation>
    </message>
    <message>
        <source>--grid-size belongs to --grid</source>
        <translation>--grid-size は --grid と一緒に使います</translation>
    </message>
    <message>
        <source>--grid makes the grid sheet; it takes no --%1</source>
        <translation>--grid は百ます計算のプリントを作ります。--%1 は付けられません</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
    <message>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>ライセンス GPL-3.0-or-later: GNU GPL バージョン 3 以降 &lt;https://gnu.org/licenses/gpl.html&gt;
これはフリーソフトウェアです。自由に変更・再配布できます。
法律の許す限り、無保証です。
</translation>
    </message>
</context>
</TS>
