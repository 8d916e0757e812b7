<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Amount</name>
    <message>
        <source>No amount was given.</source>
        <translation>金額が入力されていません。</translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation>「%1」は数値ではありません。</translation>
    </message>
    <message>
        <source>“%1” has more digits than an amount can hold (%2).</source>
        <translation>「%1」は金額として扱える桁数（%2）を超えています。</translation>
    </message>
    <message>
        <source>“%1” is too large or too small for an amount.</source>
        <translation>「%1」は金額として大きすぎるか小さすぎます。</translation>
    </message>
</context>
<context>
    <name>AmountConditionView</name>
    <message>
        <source>Upper limit: %1</source>
        <translation>上限: %1</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Upper amount</source>
        <translation>上限の金額</translation>
    </message>
</context>
<context>
    <name>AmountDelegate</name>
    <message>
        <source>The amount was not changed.</source>
        <translation>金額は変更されませんでした。</translation>
    </message>
</context>
<context>
    <name>BackupFile</name>
    <message>
        <source>The file is gone.</source>
        <translation>ファイルがありません。</translation>
    </message>
</context>
<context>
    <name>BookChoiceDialog</name>
    <message>
        <source>Add to Book</source>
        <translation>ブックに追加</translation>
    </message>
    <message>
        <source>There is no plain book to add records to. Make one with File › New Book.</source>
        <translation>レコードを追加できる通常のブックがありません。ファイル › 新規ブック で作成してください。</translation>
    </message>
    <message numerus="yes">
        <source>Add the %n selected record(s) to the book:</source>
        <translation>
            <numerusform>選択した %n 件のレコードを追加するブック:</numerusform>
        </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
</context>
<context>
    <name>BookConditionView</name>
    <message>
        <source>(no books)</source>
        <translation>（ブックがありません）</translation>
    </message>
    <message>
        <source>“%1” (deleted)</source>
        <translation>「%1」（削除済み）</translation>
    </message>
    <message>
        <source>(no book)</source>
        <translation>（ブックなし）</translation>
    </message>
    <message>
        <source>Its book is no longer in the library; choose another.</source>
        <translation>このブックはもうライブラリにありません。別のブックを選択してください。</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>ブック</translation>
    </message>
</context>
<context>
    <name>BookListController</name>
    <message>
        <source>The library holds every record and cannot be deleted.</source>
        <translation>ライブラリにはすべての記録が含まれているため、削除できません。</translation>
    </message>
    <message>
        <source>Deletes the book “%1”. Its records stay in the library.</source>
        <translation>ブック「%1」を削除します。記録はライブラリに残ります。</translation>
    </message>
    <message>
        <source>Edit Conditions…</source>
        <translation>条件を編集…</translation>
    </message>
</context>
<context>
    <name>BudgetDialog</name>
    <message>
        <source>New Budget</source>
        <translation>新規予算</translation>
    </message>
    <message>
        <source>Edit Budget</source>
        <translation>予算の編集</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>月ごと</translation>
    </message>
    <message>
        <source>a year</source>
        <translation>年ごと</translation>
    </message>
    <message>
        <source>For:</source>
        <translation>対象:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Per:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Keyword “%1” (deleted)</source>
        <translation>キーワード「%1」(削除済み)</translation>
    </message>
    <message>
        <source>Keyword “%1”</source>
        <translation>キーワード「%1」</translation>
    </message>
    <message>
        <source>Smart book “%1” (deleted)</source>
        <translation>スマートブック「%1」(削除済み)</translation>
    </message>
    <message>
        <source>Smart book “%1”</source>
        <translation>スマートブック「%1」</translation>
    </message>
    <message>
        <source>A budget needs a keyword or a smart book.</source>
        <translation>予算にはキーワードかスマートブックが必要です。</translation>
    </message>
    <message>
        <source>Make a keyword or a smart book first, then a budget for it.</source>
        <translation>先にキーワードかスマートブックを作成してから、その予算を作成してください。</translation>
    </message>
    <message>
        <source>The budget needs an amount of zero or more.</source>
        <translation>予算には 0 以上の金額が必要です。</translation>
    </message>
</context>
<context>
    <name>BudgetTableModel</name>
    <message>
        <source>%1 (deleted keyword)</source>
        <translation>%1 (削除済みのキーワード)</translation>
    </message>
    <message>
        <source>%1 (deleted smart book)</source>
        <translation>%1 (削除済みのスマートブック)</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <translation>月 %1</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>年 %1</translation>
    </message>
    <message>
        <source>Budget For</source>
        <translation>予算の対象</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>支出済み</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>残り</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>使用率</translation>
    </message>
</context>
<context>
    <name>BudgetsWindow</name>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Budgets</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>期間(&amp;P):</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>新規…</translation>
    </message>
</context>
<context>
    <name>CommentConditionView</name>
    <message>
        <source>Comment text</source>
        <translation>コメントのテキスト</translation>
    </message>
</context>
<context>
    <name>ConditionControlBox</name>
    <message>
        <source>Add a condition joined by AND</source>
        <translation>「かつ」でつなぐ条件を追加</translation>
    </message>
    <message>
        <source>Add a condition joined by OR</source>
        <translation>「または」でつなぐ条件を追加</translation>
    </message>
    <message>
        <source>Remove this condition</source>
        <translation>この条件を削除</translation>
    </message>
</context>
<context>
    <name>ConditionEditWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>条件</translation>
    </message>
</context>
<context>
    <name>ConditionEditWindowController</name>
    <message>
        <source>Row %1 (%2) cannot be stored.</source>
        <translation>%1 行目（%2）を保存できません。</translation>
    </message>
    <message>
        <source>Some conditions use a test this editor does not offer.</source>
        <translation>一部の条件で、このエディタにない比較方法が使われています。</translation>
    </message>
    <message>
        <source>Row %1 shows its first test instead. OK stores what is shown; Cancel keeps the book as it was.</source>
        <translation>%1 行目には、代わりに最初の比較方法を表示しています。「OK」を押すと表示どおりに保存し、「キャンセル」を押すとブックは元のままです。</translation>
    </message>
    <message>
        <source>Conditions of a New Smart Book</source>
        <translation>新しいスマートブックの条件</translation>
    </message>
    <message>
        <source>Conditions of “%1”</source>
        <translation>「%1」の条件</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Import Successful</source>
        <translation>取り込みが完了しました</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message numerus="yes">
        <source>%Ln records imported</source>
        <translation>
            <numerusform>%Ln 件の記録を取り込みました</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is running: let it finish, then import again.</source>
        <translation>別の取り込みが実行中です。終了してから、もう一度取り込んでください。</translation>
    </message>
    <message>
        <source>kesh is running: quit it, then import again.</source>
        <translation>kesh が実行中です。kesh を終了してから、もう一度取り込んでください。</translation>
    </message>
    <message>
        <source>The library is in use by %1.</source>
        <translation>ライブラリは %1 が使用中です。</translation>
    </message>
    <message>
        <source>Your library was left as it is. %1</source>
        <translation>ライブラリは変更していません。%1</translation>
    </message>
    <message>
        <source>Your library was left as it was. %1</source>
        <translation>ライブラリは元の状態のままです。%1</translation>
    </message>
    <message>
        <source>There's been an error. Dunno why, dunno what. I'm sorry.</source>
        <translation>エラーが発生しました。原因も内容もわかりません。申し訳ありません。</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>取り込み中</translation>
    </message>
    <message>
        <source>Reading the legacy library…</source>
        <translation>旧形式のライブラリを読み込んでいます…</translation>
    </message>
    <message>
        <source>Writing the library…</source>
        <translation>ライブラリを書き込んでいます…</translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln records from “%1”?</source>
        <translation>
            <numerusform>「%1」から %Ln 件の記録を取り込みますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>You imported this file already: importing it again adds its records a second time.</source>
        <translation>このファイルはすでに取り込まれています。もう一度取り込むと、同じ記録が重複して追加されます。</translation>
    </message>
    <message>
        <source>The records are added to the main library of “%1”.</source>
        <translation>記録は「%1」のライブラリに追加されます。</translation>
    </message>
    <message>
        <source>Import Again</source>
        <translation>もう一度取り込む</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Import Anyway</source>
        <translation>それでも読み込む</translation>
    </message>
</context>
<context>
    <name>ConverterWindow</name>
    <message>
        <source>Not found. Choose the file, or put it there.</source>
        <translation>見つかりません。ファイルを選択するか、この場所に置いてください。</translation>
    </message>
    <message numerus="yes">
        <source>%1, room for %Ln records</source>
        <translation>
            <numerusform>%1、記録 %Ln 件分</numerusform>
        </translation>
    </message>
    <message>
        <source>Not there yet: the import creates it.</source>
        <translation>まだありません。取り込み時に作成されます。</translation>
    </message>
    <message>
        <source>%1. Its main library gets the records; nothing else changes.</source>
        <translation>%1。記録はライブラリに追加され、それ以外は何も変わりません。</translation>
    </message>
    <message>
        <source>Kesh Import</source>
        <translation>Kesh Import</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>取り込む(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Import a legacy library</source>
        <translation>旧形式のライブラリを取り込む</translation>
    </message>
    <message>
        <source>Adds every record of a library kept with the older ledger program to your kesh library. Quit kesh before you import; you see how many records there are before anything is written.</source>
        <translation>以前の家計簿プログラムで管理していたライブラリのすべての記録を、kesh のライブラリに追加します。取り込む前に kesh を終了してください。書き込む前に、記録の件数を確認できます。</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>選択(&amp;C)…</translation>
    </message>
    <message>
        <source>Read from:</source>
        <translation>読み込み元:</translation>
    </message>
    <message>
        <source>Add to:</source>
        <translation>追加先:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Choose Legacy Library…</source>
        <translation>旧形式のライブラリを選択(&amp;C)…</translation>
    </message>
    <message>
        <source>Use the &amp;Default Library</source>
        <translation>既定のライブラリを使う(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Kesh Import</source>
        <translation>Kesh Import について(&amp;A)</translation>
    </message>
    <message>
        <source>About Kesh Import</source>
        <translation>Kesh Import について</translation>
    </message>
    <message>
        <source>&lt;b&gt;Kesh Import&lt;/b&gt; %1&lt;p&gt;Adds the records of a legacy ledger library to the kesh library.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Kesh Import&lt;/b&gt; %1&lt;p&gt;旧形式の家計簿ライブラリの記録を kesh のライブラリに追加します。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Choose a Legacy Library</source>
        <translation>旧形式のライブラリを選択</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln records.</source>
        <translation>
            <numerusform>%Ln 件の記録を取り込みました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import cancelled: nothing was changed.</source>
        <translation>取り込みをキャンセルしました。何も変更されていません。</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>何も取り込まれませんでした。</translation>
    </message>
    <message>
        <source>Legacy library to read from</source>
        <translation>読み込む旧形式のライブラリ</translation>
    </message>
</context>
<context>
    <name>CsvAmountReader</name>
    <message>
        <source>“%1” is not an amount.</source>
        <translation>「%1」は金額ではありません。</translation>
    </message>
    <message>
        <source>“%1” has more digits than an amount can hold (%2).</source>
        <translation>「%1」は金額として扱える桁数（%2）を超えています。</translation>
    </message>
    <message>
        <source>“%1” is too large or too small for an amount.</source>
        <translation>「%1」は金額として大きすぎるか小さすぎます。</translation>
    </message>
</context>
<context>
    <name>CsvDateReader</name>
    <message>
        <source>The date is missing.</source>
        <translation>日付がありません。</translation>
    </message>
    <message>
        <source>“%1” is not a day in the form %2.</source>
        <translation>「%1」は %2 の形式の日付ではありません。</translation>
    </message>
</context>
<context>
    <name>CsvEncoding</name>
    <message>
        <source>Unicode (UTF-8)</source>
        <translation>Unicode (UTF-8)</translation>
    </message>
    <message>
        <source>Japanese (Shift_JIS, CP932)</source>
        <translation>日本語 (Shift_JIS, CP932)</translation>
    </message>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>西欧 (Windows-1252)</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Export the selected records or all the records shown?</source>
        <translation>選択した記録と、表示中のすべての記録のどちらを書き出しますか？</translation>
    </message>
    <message>
        <source>%1 of the %2 records shown are selected.</source>
        <translation>表示中の %2 件の記録のうち、%1 件が選択されています。</translation>
    </message>
    <message>
        <source>Selected Records</source>
        <translation>選択した記録</translation>
    </message>
    <message>
        <source>All Records Shown</source>
        <translation>表示中のすべての記録</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出す</translation>
    </message>
    <message>
        <source>The records could not be exported.</source>
        <translation>記録を書き出せませんでした。</translation>
    </message>
    <message>
        <source>Writing “%1” failed: %2</source>
        <translation>「%1」の書き込みに失敗しました: %2</translation>
    </message>
    <message>
        <source>CSV for kesh and other programs (*.csv)</source>
        <translation>kesh とほかのプログラム向けの CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets in this language (*.csv)</source>
        <translation>この言語の表計算ソフト向けの CSV (*.csv)</translation>
    </message>
    <message>
        <source>QIF for programs that read bank statements (*.qif)</source>
        <translation>QIF: 銀行明細を読むプログラム向け (*.qif)</translation>
    </message>
</context>
<context>
    <name>CsvFileModel</name>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Import CSV</source>
        <translation>CSV を取り込む</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>CSV ファイル (*.csv *.txt *.tsv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file is %1; kesh reads CSV files of up to %2.</source>
        <translation>ファイルのサイズは %1 です。kesh が読み込める CSV ファイルは %2 までです。</translation>
    </message>
    <message>
        <source>The file is empty: it holds no rows.</source>
        <translation>ファイルが空です。行が 1 つもありません。</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>「%1」の取り込み</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>カンマ</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>yyyy year, M or MM month, d or dd day; other characters as they are.</source>
        <translation>yyyy は年、M または MM は月、d または dd は日を表します。その他の文字はそのまま扱います。</translation>
    </message>
    <message>
        <source>Debits and credits in two columns</source>
        <translation>出金と入金の 2 列</translation>
    </message>
    <message>
        <source>Point: 1,234.56</source>
        <translation>ピリオド: 1,234.56</translation>
    </message>
    <message>
        <source>Comma: 1.234,56</source>
        <translation>カンマ: 1.234,56</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>文字コード(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>区切り文字(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>日付(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>A&amp;mounts:</source>
        <translation>金額(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <translation>列(&amp;C):</translation>
    </message>
    <message>
        <source>De&amp;bits:</source>
        <translation>出金(&amp;B):</translation>
    </message>
    <message>
        <source>C&amp;redits:</source>
        <translation>入金(&amp;R):</translation>
    </message>
    <message>
        <source>Decimal m&amp;ark:</source>
        <translation>小数点(&amp;A):</translation>
    </message>
    <message>
        <source>C&amp;omment:</source>
        <translation>コメント(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Keywords:</source>
        <translation>キーワード(&amp;K):</translation>
    </message>
    <message>
        <source>Co&amp;unted:</source>
        <translation>集計(&amp;U):</translation>
    </message>
    <message>
        <source>In the file:</source>
        <translation>ファイルの内容:</translation>
    </message>
    <message>
        <source>As imported:</source>
        <translation>取り込み結果:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>The file cannot be read as chosen; nothing can be imported.</source>
        <translation>選択した設定ではファイルを読み込めないため、何も取り込めません。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %Ln more.</source>
        <translation>
            <numerusform>…ほか %Ln 件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows already in the library (same day, amount and comment): left out unless ticked.</source>
        <translation>
            <numerusform>%Ln 行はすでにライブラリにあります（日付・金額・コメントが同じ）。チェックを入れない限り取り込みません。</numerusform>
        </translation>
    </message>
    <message>
        <source>They go into the main library; Edit › Undo takes them out again.</source>
        <translation>記録はライブラリに追加されます。「編集 › 元に戻す」で取り消せます。</translation>
    </message>
    <message>
        <source>A line of the file as the encoding reads it.</source>
        <translation>この文字コードで読んだファイルの1行です。</translation>
    </message>
    <message>
        <source>One column</source>
        <translation>1列</translation>
    </message>
    <message>
        <source>Outgoings negative</source>
        <translation>支出がマイナス</translation>
    </message>
    <message>
        <source>Outgoings positive (card statements)</source>
        <translation>支出がプラス(カード明細)</translation>
    </message>
    <message>
        <source>Amounts a&amp;re:</source>
        <translation>金額の符号(&amp;R):</translation>
    </message>
    <message>
        <source>Keywords apart by semicolons</source>
        <translation>キーワードをセミコロンで区切って入力</translation>
    </message>
    <message>
        <source>Every record imported carries these keywords, besides its own.</source>
        <translation>取り込む記録すべてに、それぞれのキーワードに加えてこれらのキーワードが付きます。</translation>
    </message>
    <message>
        <source>Add ke&amp;ywords:</source>
        <translation>キーワードを追加(&amp;Y):</translation>
    </message>
    <message>
        <source>The records are imported once every row is read and checked.</source>
        <translation>すべての行を読んで確かめ終えてから記録を取り込みます。</translation>
    </message>
    <message>
        <source>Reading and checking every row of the file…</source>
        <translation>ファイルのすべての行を読んで確かめています…</translation>
    </message>
    <message>
        <source>Import with %1 as %2</source>
        <translation>%1 を %2 として取り込む</translation>
    </message>
    <message numerus="yes">
        <source>%Ln records to import</source>
        <translation>
            <numerusform>取り込む記録 %Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>%1, %2 (%3).</source>
        <translation>%1、%2(%3)。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines left out</source>
        <translation>
            <numerusform>%Ln 行は取り込みません</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>What stands above line %1 is not read.</source>
        <translation>%1 行目より上は読みません。</translation>
    </message>
    <message>
        <source>Incomings %1, outgoings %2, balance %3.</source>
        <translation>収入 %1、支出 %2、差引 %3。</translation>
    </message>
    <message>
        <source>The line the table starts at. The lines above it, such as the name of the account and the period, are not read.</source>
        <translation>表が始まる行です。その上の行(口座名や期間など)は読みません。</translation>
    </message>
    <message>
        <source>This line names the columns</source>
        <translation>この行は列の名前</translation>
    </message>
    <message>
        <source>S&amp;tart at line:</source>
        <translation>開始行(&amp;T):</translation>
    </message>
    <message>
        <source>Every day in the file reads more than one way. Is “%1”</source>
        <translation>ファイルの日付はどれも二通り以上に読めます。「%1」は</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1(%2)</translation>
    </message>
    <message>
        <source>Read as %1 the days are not in order; read as %2 they are.</source>
        <translation>%1 として読むと日付が順に並ばず、%2 として読むと順に並びます。</translation>
    </message>
    <message>
        <source>Keyword rules of this import:</source>
        <translation>この取り込みのキーワードルール:</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>Lines of the file</source>
        <translation>ファイルの行</translation>
    </message>
    <message>
        <source>Records to import</source>
        <translation>取り込むレコード</translation>
    </message>
    <message>
        <source>Lines left out</source>
        <translation>除外された行</translation>
    </message>
</context>
<context>
    <name>CsvImportPlan</name>
    <message>
        <source>“%1” is neither true nor false.</source>
        <translation>「%1」は true でも false でもありません。</translation>
    </message>
    <message>
        <source>The amount is missing.</source>
        <translation>金額がありません。</translation>
    </message>
    <message>
        <source>The amount is missing: both the debit and the credit are empty.</source>
        <translation>金額がありません。出金と入金がどちらも空です。</translation>
    </message>
    <message>
        <source>The row has both a debit (%1) and a credit (%2).</source>
        <translation>この行には出金（%1）と入金（%2）の両方があります。</translation>
    </message>
    <message>
        <source>Choose the column that holds the dates.</source>
        <translation>日付の列を選択してください。</translation>
    </message>
    <message>
        <source>Choose the column that holds the amounts.</source>
        <translation>金額の列を選択してください。</translation>
    </message>
    <message>
        <source>Choose the columns that hold the debits and the credits.</source>
        <translation>出金と入金の列を選択してください。</translation>
    </message>
    <message>
        <source>The file holds no rows below its header.</source>
        <translation>ファイルには見出し行より下の行がありません。</translation>
    </message>
    <message>
        <source>The row has %1 fields where the table has %2: a text may hold the separator without quotes.</source>
        <translation>この行には %1 個の項目がありますが、表の列は %2 個です。引用符なしで区切り文字を含む文字列があるのかもしれません。</translation>
    </message>
    <message>
        <source>The file holds no rows from the chosen line on.</source>
        <translation>選んだ行から後に行がありません。</translation>
    </message>
</context>
<context>
    <name>CsvMappingBar</name>
    <message>
        <source>Importing keeps these settings under this name, for the next file of this kind.</source>
        <translation>取り込むと、この設定をこの名前で保存し、次に同じ種類のファイルを開いたときに使います。</translation>
    </message>
    <message>
        <source>Kee&amp;p as:</source>
        <translation>保存名(&amp;P):</translation>
    </message>
    <message>
        <source>Mapp&amp;ings…</source>
        <translation>対応付け(&amp;I)…</translation>
    </message>
    <message>
        <source>Using your mapping “%1”.</source>
        <translation>保存した対応付け「%1」を使っています。</translation>
    </message>
    <message>
        <source>No mapping of yours fits this file: the settings are guessed.</source>
        <translation>このファイルに合う保存済みの対応付けはありません。設定は推測です。</translation>
    </message>
</context>
<context>
    <name>CsvMappingsDialog</name>
    <message>
        <source>CSV Mappings</source>
        <translation>CSV の対応付け</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>名前を変更(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>kesh applies a mapping to every file of the kind it was made for. Double-click a name to change it.</source>
        <translation>kesh は、対応付けを作ったときと同じ種類のファイルすべてにそれを使います。名前をダブルクリックすると変更できます。</translation>
    </message>
    <message>
        <source>Files whose columns are named: %1</source>
        <translation>列の名前が次のファイル: %1</translation>
    </message>
    <message numerus="yes">
        <source>Files of %n columns without names</source>
        <translation>
            <numerusform>列の名前がない %n 列のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Mappings</source>
        <translation>対応付け</translation>
    </message>
</context>
<context>
    <name>CsvPlanModel</name>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>Already in the library</source>
        <translation>ライブラリに登録済み</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>集計</translation>
    </message>
    <message>
        <source>Rules Add</source>
        <translation>ルールが追加</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>取り込み済み</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>The file is %1; kesh reads CSV files of up to %2.</source>
        <translation>ファイルのサイズは %1 です。kesh が読み込める CSV ファイルは %2 までです。</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>ファイルを開けません: %1</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>Line %1 is not %2 text. Choose the encoding the file was written in.</source>
        <translation>%1 行目は %2 のテキストではありません。ファイルが書かれた文字コードを選択してください。</translation>
    </message>
    <message>
        <source>Line %1 holds a null character: this is not a text file, or not in this encoding.</source>
        <translation>%1 行目にヌル文字があります。テキストファイルではないか、この文字コードではありません。</translation>
    </message>
    <message>
        <source>Line %1: field %2 has text after its closing quote. A quote inside a quoted field must be doubled.</source>
        <translation>%1 行目: フィールド %2 の閉じ引用符の後に文字があります。引用符で囲んだフィールド内の引用符は 2 つ重ねてください。</translation>
    </message>
    <message>
        <source>Line %1: the quote that opens field %2 is not closed within %3 characters.</source>
        <translation>%1 行目: フィールド %2 の開き引用符が %3 文字以内に閉じられていません。</translation>
    </message>
    <message>
        <source>Line %1: field %2 is longer than %3 characters.</source>
        <translation>%1 行目: フィールド %2 が %3 文字を超えています。</translation>
    </message>
    <message>
        <source>Line %1 has more than %2 columns.</source>
        <translation>%1 行目の列数が %2 を超えています。</translation>
    </message>
    <message>
        <source>The file has more than %1 fields.</source>
        <translation>ファイルのフィールド数が %1 を超えています。</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>ファイルの行数が %1 を超えています。</translation>
    </message>
    <message>
        <source>Line %1: the quote that opens field %2 is never closed.</source>
        <translation>%1 行目: フィールド %2 の開き引用符が閉じられていません。</translation>
    </message>
    <message>
        <source>The file is empty: it holds no rows.</source>
        <translation>ファイルが空です。行が 1 つもありません。</translation>
    </message>
    <message>
        <source>Reading the file was cancelled.</source>
        <translation>ファイルの読み込みを取りやめました。</translation>
    </message>
</context>
<context>
    <name>CsvWriter</name>
    <message>
        <source>Not every byte could be written.</source>
        <translation>一部のデータを書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>DailyBackups</name>
    <message>
        <source>“%1” is in the way of the backups folder: it is not a folder.</source>
        <translation>「%1」がバックアップフォルダの場所にありますが、フォルダではありません。</translation>
    </message>
    <message>
        <source>The backups folder “%1” could not be made.</source>
        <translation>バックアップフォルダ「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>The copy “%1” could not be made: %2</source>
        <translation>コピー「%1」を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>“%1” is a link to “%2”, which does not exist.</source>
        <translation>「%1」は存在しない「%2」へのリンクです。</translation>
    </message>
</context>
<context>
    <name>DataFileCursor</name>
    <message>
        <source>a number is larger than 64 bits</source>
        <translation>64 ビットを超える数値があります</translation>
    </message>
    <message>
        <source>a list claims %1 items but only %2 bytes are left</source>
        <translation>リストの要素数は %1 となっていますが、残りは %2 バイトしかありません</translation>
    </message>
    <message>
        <source>the library ends early</source>
        <translation>ライブラリが途中で終わっています</translation>
    </message>
    <message>
        <source>%1, at byte %2 (%3)</source>
        <translation>%1、%2 バイト目（%3）</translation>
    </message>
    <message>
        <source>file start</source>
        <translation>ファイルの先頭</translation>
    </message>
</context>
<context>
    <name>DataFileDecoder</name>
    <message numerus="yes">
        <source>%n byte(s) follow the end of the library</source>
        <translation>
            <numerusform>ライブラリの終わりの後に %n バイトあります</numerusform>
        </translation>
    </message>
    <message>
        <source>the library holds %1 objects and %2 texts, not %3 and %4 as announced</source>
        <translation>ライブラリのオブジェクトは %1 個、テキストは %2 個で、宣言された %3 個と %4 個に一致しません</translation>
    </message>
    <message>
        <source>class number %1 is not in the class table</source>
        <translation>クラス番号 %1 がクラス表にありません</translation>
    </message>
    <message>
        <source>reference to object %1, which has not been read</source>
        <translation>まだ読み込まれていないオブジェクト %1 への参照があります</translation>
    </message>
    <message>
        <source>books and conditions nest deeper than %1 levels</source>
        <translation>ブックと条件の入れ子が %1 階層を超えています</translation>
    </message>
    <message>
        <source>the class table holds %1 classes</source>
        <translation>クラス表のクラス数が %1 です</translation>
    </message>
    <message>
        <source>a class name of %1 bytes</source>
        <translation>%1 バイトのクラス名があります</translation>
    </message>
    <message>
        <source>unknown class “%1”</source>
        <translation>不明なクラス「%1」があります</translation>
    </message>
    <message>
        <source>class “%1” is listed twice</source>
        <translation>クラス「%1」が二重に登録されています</translation>
    </message>
    <message>
        <source>class “%1” has version %2, which this kesh cannot read</source>
        <translation>クラス「%1」のバージョン %2 は、この kesh では読み込めません</translation>
    </message>
    <message>
        <source>expected a book, found %1</source>
        <translation>ブックがあるべき位置に %1 があります</translation>
    </message>
    <message>
        <source>expected a date, found %1</source>
        <translation>日付があるべき位置に %1 があります</translation>
    </message>
    <message>
        <source>expected a keyword, found nothing</source>
        <translation>キーワードがあるべき位置に何もありません</translation>
    </message>
    <message>
        <source>a sort direction of %1</source>
        <translation>並べ替えの方向が %1 です</translation>
    </message>
    <message>
        <source>a condition contains itself</source>
        <translation>条件が自分自身を含んでいます</translation>
    </message>
    <message>
        <source>expected a condition, found nothing</source>
        <translation>条件があるべき位置に何もありません</translation>
    </message>
    <message>
        <source>a condition tree of more than %1 parts</source>
        <translation>%1 個を超える要素からなる条件ツリーがあります</translation>
    </message>
    <message>
        <source>conditions of more than %1 parts in all</source>
        <translation>条件の要素が合計で %1 個を超えています</translation>
    </message>
    <message>
        <source>a condition cannot compare with %1</source>
        <translation>条件は %1 と比較できません</translation>
    </message>
    <message>
        <source>expected the library object, found %1</source>
        <translation>ライブラリのオブジェクトがあるべき位置に %1 があります</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>%1 があるべき位置に %2 があります</translation>
    </message>
    <message>
        <source>expected a record, found %1</source>
        <translation>記録があるべき位置に %1 があります</translation>
    </message>
    <message>
        <source>expected a keyword, found %1</source>
        <translation>キーワードがあるべき位置に %1 があります</translation>
    </message>
    <message>
        <source>expected a condition, found %1</source>
        <translation>条件があるべき位置に %1 があります</translation>
    </message>
    <message>
        <source>the library</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>a book</source>
        <translation>ブック</translation>
    </message>
    <message>
        <source>a smart book</source>
        <translation>スマートブック</translation>
    </message>
    <message>
        <source>a record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>a keyword</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>a condition</source>
        <translation>条件</translation>
    </message>
    <message>
        <source>an empty bank id</source>
        <translation>空の銀行 ID</translation>
    </message>
    <message>
        <source>an empty block of fields</source>
        <translation>空のフィールドブロック</translation>
    </message>
    <message>
        <source>field %1 stands after field %2</source>
        <translation>フィールド %1 がフィールド %2 の後にあります</translation>
    </message>
    <message>
        <source>unknown field %1</source>
        <translation>不明なフィールド %1</translation>
    </message>
    <message>
        <source>expected a rule, found %1</source>
        <translation>ルールがあるはずの場所に %1 があります</translation>
    </message>
    <message>
        <source>a rule enabled as %1</source>
        <translation>有効値が %1 のルール</translation>
    </message>
    <message>
        <source>a rule</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>expected a recurring record, found %1</source>
        <translation>繰り返しレコードがあるはずの場所に %1 があります</translation>
    </message>
    <message>
        <source>a unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>an interval of %1</source>
        <translation>間隔 %1</translation>
    </message>
    <message>
        <source>a day of the month</source>
        <translation>月の日付</translation>
    </message>
    <message>
        <source>a recurring record without a start day</source>
        <translation>開始日のない繰り返しレコード</translation>
    </message>
    <message>
        <source>a count of %1</source>
        <translation>回数 %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>a recurring record</source>
        <translation>繰り返しレコード</translation>
    </message>
    <message>
        <source>expected a budget, found %1</source>
        <translation>予算があるはずの場所に %1 があります</translation>
    </message>
    <message>
        <source>a budget for both a keyword and a smart book</source>
        <translation>キーワードとスマートブックの両方を対象とする予算</translation>
    </message>
    <message>
        <source>a budget period of %1</source>
        <translation>期間が %1 の予算</translation>
    </message>
    <message>
        <source>a budget</source>
        <translation>予算</translation>
    </message>
</context>
<context>
    <name>DataFileEncoder</name>
    <message>
        <source>The smart books and conditions of this library nest deeper than %1 levels, more than the data file can hold.</source>
        <translation>このライブラリのスマートブックと条件の入れ子が %1 階層を超えていて、データファイルに保存できません。</translation>
    </message>
    <message>
        <source>The library has no main library.</source>
        <translation>ライブラリにメインのライブラリがありません。</translation>
    </message>
    <message>
        <source>The smart book “%1” stands among the plain books.</source>
        <translation>スマートブック「%1」が通常のブックの中に置かれています。</translation>
    </message>
    <message>
        <source>A smart book's conditions hold more than %1 parts, more than the data file can hold.</source>
        <translation>スマートブックの条件の要素が %1 個を超えていて、データファイルに保存できません。</translation>
    </message>
    <message>
        <source>The smart books' conditions hold more than %1 parts, more than the data file can hold.</source>
        <translation>スマートブックの条件の要素が合計で %1 個を超えていて、データファイルに保存できません。</translation>
    </message>
</context>
<context>
    <name>DataFileLock</name>
    <message>
        <source>another program</source>
        <translation>別のプログラム</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（プロセス %2）</translation>
    </message>
    <message>
        <source>%1 (process %2 on %3)</source>
        <translation>%1（%3 のプロセス %2）</translation>
    </message>
    <message>
        <source>The library is in use by %1.</source>
        <translation>ライブラリは %1 が使用中です。</translation>
    </message>
    <message>
        <source>The library is in use by another program.</source>
        <translation>ライブラリは別のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>The disk is full: there is no room for the library's folder “%1”.</source>
        <translation>ディスクがいっぱいです。ライブラリのフォルダ「%1」を作成する空きがありません。</translation>
    </message>
    <message>
        <source>The library's folder “%1” could not be made: %2</source>
        <translation>ライブラリのフォルダ「%1」を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>The library's folder “%1” could not be made.</source>
        <translation>ライブラリのフォルダ「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>The disk is full: there is no room for the file that marks the library as in use.</source>
        <translation>ディスクがいっぱいです。ライブラリが使用中であることを示すファイルを作成する空きがありません。</translation>
    </message>
    <message>
        <source>The library lies on a read-only disk, so kesh cannot mark it as in use.</source>
        <translation>ライブラリは読み取り専用のディスクにあるため、使用中として示すことができません。</translation>
    </message>
    <message>
        <source>kesh has no permission to create files in the library's folder “%1”, so it cannot mark the library as in use.</source>
        <translation>ライブラリのフォルダ「%1」にファイルを作成する権限がないため、ライブラリを使用中として示すことができません。</translation>
    </message>
    <message>
        <source>kesh could not mark the library as in use.</source>
        <translation>ライブラリを使用中として示すことができませんでした。</translation>
    </message>
    <message>
        <source>kesh could not mark the library as in use: %1</source>
        <translation>ライブラリを使用中として示すことができませんでした: %1</translation>
    </message>
</context>
<context>
    <name>DataFileReader</name>
    <message>
        <source>The data file is not open for reading.</source>
        <translation>データファイルが読み込み用に開かれていません。</translation>
    </message>
    <message>
        <source>The data file could not be read: %1</source>
        <translation>データファイルを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>The file is not a kesh library.</source>
        <translation>このファイルは kesh のライブラリではありません。</translation>
    </message>
    <message numerus="yes">
        <source>The file is cut off: it holds only %n byte(s).</source>
        <translation>
            <numerusform>ファイルが途中で切れています。%n バイトしかありません。</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is damaged: its header does not match its checksum.</source>
        <translation>ファイルが壊れています。ヘッダーがチェックサムと一致しません。</translation>
    </message>
    <message>
        <source>The file was written by a newer version of kesh (data format %1). This version of kesh reads data format %2 and older; please use a newer kesh.</source>
        <translation>このファイルは新しいバージョンの kesh で保存されています（データ形式 %1）。このバージョンの kesh が読み込めるのはデータ形式 %2 以前です。新しい kesh を使用してください。</translation>
    </message>
    <message>
        <source>The file has data format 0, which no version of kesh writes.</source>
        <translation>このファイルのデータ形式は 0 ですが、この形式で保存する kesh のバージョンはありません。</translation>
    </message>
    <message>
        <source>The file uses features this version of kesh does not know; please use a newer kesh.</source>
        <translation>このファイルには、このバージョンの kesh が対応していない機能が使われています。新しい kesh を使用してください。</translation>
    </message>
    <message>
        <source>The file is damaged: its content does not match its checksum.</source>
        <translation>ファイルが壊れています。内容がチェックサムと一致しません。</translation>
    </message>
    <message>
        <source>The file is damaged: %1.</source>
        <translation>ファイルが壊れています: %1。</translation>
    </message>
    <message>
        <source>The file is cut off: it holds %L1 of its %L2 bytes.</source>
        <translation>ファイルが途中で切れています。%L2 バイトのうち %L1 バイトしかありません。</translation>
    </message>
    <message>
        <source>The file is damaged: %L1 unexpected bytes follow its end.</source>
        <translation>ファイルが壊れています。終わりの後に予期しない %L1 バイトがあります。</translation>
    </message>
</context>
<context>
    <name>DataFileValueReader</name>
    <message>
        <source>unknown item kind %1</source>
        <translation>不明な項目の種類 %1 があります</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>%1 があるべき位置に %2 があります</translation>
    </message>
    <message>
        <source>reference to text %1, which has not been read</source>
        <translation>まだ読み込まれていないテキスト %1 への参照があります</translation>
    </message>
    <message>
        <source>expected a text, found %1</source>
        <translation>テキストがあるべき位置に %1 があります</translation>
    </message>
    <message>
        <source>the decimal number %1e%2 is out of range</source>
        <translation>10 進数 %1e%2 が範囲外です</translation>
    </message>
    <message>
        <source>%1 is not a whole number of 32 bits</source>
        <translation>%1 は 32 ビットの整数ではありません</translation>
    </message>
    <message>
        <source>the day %1 is out of range</source>
        <translation>日付の値 %1 が範囲外です</translation>
    </message>
    <message>
        <source>reference to time zone %1, which has not been read</source>
        <translation>まだ読み込まれていないタイムゾーン %1 への参照があります</translation>
    </message>
    <message>
        <source>more time zones than kesh can hold</source>
        <translation>タイムゾーンの数が扱える上限を超えています</translation>
    </message>
    <message>
        <source>“%1” is not a time zone</source>
        <translation>「%1」はタイムゾーンではありません</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>空の項目</translation>
    </message>
    <message>
        <source>a reference</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>a decimal number</source>
        <translation>10 進数</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>a sort descriptor</source>
        <translation>並べ替えの指定</translation>
    </message>
    <message>
        <source>a byte</source>
        <translation>バイト値</translation>
    </message>
    <message>
        <source>item kind %1</source>
        <translation>項目の種類 %1</translation>
    </message>
    <message>
        <source>the library object</source>
        <translation>ライブラリのオブジェクト</translation>
    </message>
    <message>
        <source>a list of books</source>
        <translation>ブックのリスト</translation>
    </message>
    <message>
        <source>a list of smart books</source>
        <translation>スマートブックのリスト</translation>
    </message>
    <message>
        <source>a list of records</source>
        <translation>記録のリスト</translation>
    </message>
    <message>
        <source>a record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>a list of keywords</source>
        <translation>キーワードのリスト</translation>
    </message>
    <message>
        <source>a keyword</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>a list of sort descriptors</source>
        <translation>並べ替えの指定のリスト</translation>
    </message>
    <message>
        <source>a condition</source>
        <translation>条件</translation>
    </message>
    <message>
        <source>a list of conditions</source>
        <translation>条件のリスト</translation>
    </message>
    <message>
        <source>a list of rules</source>
        <translation>ルールのリスト</translation>
    </message>
    <message>
        <source>a rule</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>a block of fields</source>
        <translation>フィールドブロック</translation>
    </message>
    <message>
        <source>a list of recurring records</source>
        <translation>繰り返しレコードのリスト</translation>
    </message>
    <message>
        <source>a recurring record</source>
        <translation>繰り返しレコード</translation>
    </message>
    <message>
        <source>a day</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>a list of budgets</source>
        <translation>予算のリスト</translation>
    </message>
    <message>
        <source>a budget</source>
        <translation>予算</translation>
    </message>
</context>
<context>
    <name>DataFileWriter</name>
    <message>
        <source>The data file is not open for writing.</source>
        <translation>データファイルが書き込み用に開かれていません。</translation>
    </message>
    <message>
        <source>Writing failed: %1</source>
        <translation>書き込みに失敗しました: %1</translation>
    </message>
    <message>
        <source>Only part of the library could be written; the disk may be full.</source>
        <translation>ライブラリの一部しか書き込めませんでした。ディスクがいっぱいの可能性があります。</translation>
    </message>
    <message>
        <source>Could not create the folder “%1” for the library.</source>
        <translation>ライブラリのフォルダ「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>It could not be opened for writing: %1</source>
        <translation>書き込み用に開けませんでした: %1</translation>
    </message>
    <message>
        <source>%1 The previous library is unchanged.</source>
        <translation>%1 以前のライブラリは変更されていません。</translation>
    </message>
    <message>
        <source>Only %L1 of %L2 bytes reached the disk; the disk may be full.</source>
        <translation>%L2 バイトのうち %L1 バイトしかディスクに書き込まれませんでした。ディスクがいっぱいの可能性があります。</translation>
    </message>
    <message>
        <source>It could not be put in place: %1 The previous library is unchanged.</source>
        <translation>所定の場所に置けませんでした: %1 以前のライブラリは変更されていません。</translation>
    </message>
    <message>
        <source>The file is read-only, so kesh may not replace it. The previous library is unchanged.</source>
        <translation>ファイルが読み出し専用のため、kesh は置き換えられません。以前のライブラリはそのままです。</translation>
    </message>
    <message>
        <source>kesh may not write in the file’s folder. The previous library is unchanged.</source>
        <translation>kesh にはファイルのフォルダへの書き込み権限がありません。以前のライブラリはそのままです。</translation>
    </message>
</context>
<context>
    <name>DateConditionView</name>
    <message>
        <source>Upper limit: %1</source>
        <translation>上限: %1</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>最終日</translation>
    </message>
    <message>
        <source>Number of periods</source>
        <translation>期間の数</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期間</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Choose the day on a calendar (Alt+Down)</source>
        <translation>カレンダーで日付を選ぶ (Alt+↓)</translation>
    </message>
    <message>
        <source>next year</source>
        <translation>来年</translation>
    </message>
    <message>
        <source>last year</source>
        <translation>昨年</translation>
    </message>
    <message numerus="yes">
        <source>in %n year(s)</source>
        <translation>
            <numerusform>%n 年後</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n 年前</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A day the user typed, far from today, and how far: "Friday, November 20, 2027 — next year"</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>DayReader</name>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>Type a day, such as %1.</source>
        <translation>%1 のように日付を入力してください。</translation>
    </message>
    <message>
        <source>“%1” is not a day. Type one such as %2.</source>
        <translation>「%1」は日付ではありません。%2 のように入力してください。</translation>
    </message>
</context>
<context>
    <name>EntryForm</name>
    <message>
        <source>No keywords yet. &lt;a href="keywords"&gt;Make keywords…&lt;/a&gt;</source>
        <translation>キーワードはまだありません。&lt;a href="keywords"&gt;キーワードを作成…&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Count in totals</source>
        <translation>集計に含める</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>The record was not entered.</source>
        <translation>記録は入力されませんでした。</translation>
    </message>
</context>
<context>
    <name>FileImport</name>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>Statements (*.csv *.tsv *.txt *.ofx *.qfx *.qif);;All files (*)</source>
        <translation>明細 (*.csv *.tsv *.txt *.ofx *.qfx *.qif);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file is %1; kesh reads statements of up to %2.</source>
        <translation>ファイルのサイズは %1 です。kesh が読み込める明細は %2 までです。</translation>
    </message>
</context>
<context>
    <name>ForeignFileType</name>
    <message>
        <source>“%1” is a PNG image, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、PNG 画像です。</translation>
    </message>
    <message>
        <source>“%1” is a JPEG image, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、JPEG 画像です。</translation>
    </message>
    <message>
        <source>“%1” is a GIF image, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、GIF 画像です。</translation>
    </message>
    <message>
        <source>“%1” is a PDF document, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、PDF 文書です。</translation>
    </message>
    <message>
        <source>“%1” is a ZIP archive or an office document, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、ZIP アーカイブかオフィス文書です。</translation>
    </message>
    <message>
        <source>“%1” is an office document, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、オフィス文書です。</translation>
    </message>
    <message>
        <source>“%1” is a compressed file, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、圧縮ファイルです。</translation>
    </message>
    <message>
        <source>“%1” is an archive, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、アーカイブです。</translation>
    </message>
    <message>
        <source>“%1” is a program, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、プログラムです。</translation>
    </message>
    <message>
        <source>“%1” is a database, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、データベースです。</translation>
    </message>
    <message>
        <source>“%1” is a kesh library, not a legacy library: kesh opens it itself.</source>
        <translation>「%1」は旧形式のライブラリではなく、kesh のライブラリです。kesh で直接開けます。</translation>
    </message>
    <message>
        <source>“%1” is a text file, not a legacy library.</source>
        <translation>「%1」は旧形式のライブラリではなく、テキストファイルです。</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>週</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>&amp;Sum by:</source>
        <translation>集計単位(&amp;S):</translation>
    </message>
    <message>
        <source>Graph of %1</source>
        <translation>「%1」のグラフ</translation>
    </message>
    <message>
        <source>No records in this book</source>
        <translation>このブックには記録がありません</translation>
    </message>
    <message>
        <source>Enter records or import a library, and their incomings and outgoings show here.</source>
        <translation>記録を入力するかライブラリを取り込むと、収入と支出がここに表示されます。</translation>
    </message>
    <message>
        <source>No record meets this smart book's conditions. Edit the conditions to choose records.</source>
        <translation>このスマートブックの条件に合う記録はありません。条件を編集して記録を選んでください。</translation>
    </message>
    <message>
        <source>Drag records from the library onto this book in the book list to file them here.</source>
        <translation>ライブラリの記録をブックリストのこのブックへドラッグすると、ここに分類されます。</translation>
    </message>
    <message>
        <source>No records match the search</source>
        <translation>検索に一致する記録はありません</translation>
    </message>
    <message>
        <source>Clear the search field to see the whole book.</source>
        <translation>検索フィールドを空にすると、ブック全体が表示されます。</translation>
    </message>
    <message>
        <source>None of these records count in the statistics</source>
        <translation>集計に含まれる記録がありません</translation>
    </message>
    <message>
        <source>Tick “Counted” for a record in the list to add it to the totals and to the graph.</source>
        <translation>リストで記録の「集計」にチェックを入れると、合計とグラフに加わります。</translation>
    </message>
    <message>
        <source>Incomings and outgoings of each period as bars, the balance as a line.</source>
        <translation>各期間の収入と支出を棒で、残高を線で表示します。</translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation>PNG を書き出す…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF を書き出す…</translation>
    </message>
    <message>
        <source>Export PNG</source>
        <translation>PNG を書き出す</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF を書き出す</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>The graph could not be written</source>
        <translation>グラフを書き出せませんでした</translation>
    </message>
    <message>
        <source>“%1” could not be written.</source>
        <translation>「%1」に書き込めませんでした。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message numerus="yes">
        <source>%n months</source>
        <translation>
            <numerusform>%nか月</numerusform>
        </translation>
    </message>
    <message>
        <source>The balance the recurring records lead to, as a dashed line</source>
        <translation>定期的な記録から見込まれる残高を破線で表示します</translation>
    </message>
    <message>
        <source>&amp;Ahead:</source>
        <translation>見通し(&amp;A):</translation>
    </message>
</context>
<context>
    <name>GroupConditionView</name>
    <message>
        <source>AND</source>
        <translation>かつ</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>または</translation>
    </message>
</context>
<context>
    <name>HeadlessImport</name>
    <message numerus="yes">
        <source>Appended %Ln records from %1 to %2</source>
        <translation>
            <numerusform>%1 から %2 に %Ln 件のレコードを追加しました</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no library at %1; “kesh --library %1” makes one.</source>
        <translation>%1 にライブラリがありません。「kesh --library %1」で作成できます。</translation>
    </message>
    <message>
        <source>%1 Let the other import finish, then import again.</source>
        <translation>%1 もう一方の取り込みが終わってから、もう一度取り込んでください。</translation>
    </message>
    <message>
        <source>%1 Quit kesh, then import again.</source>
        <translation>%1 kesh を終了してから、もう一度取り込んでください。</translation>
    </message>
    <message>
        <source>The library could not be read: %1</source>
        <translation>ライブラリを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>The library could not be written: %1</source>
        <translation>ライブラリを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Nothing was imported from %1 to %2: %3</source>
        <translation>%1 から %2 には何も取り込まれませんでした: %3</translation>
    </message>
    <message>
        <source>kesh-import appends the records of a legacy library file to a kesh library. Given a FILE, it imports it without a window and says in one line what it did.</source>
        <translation>kesh-import は旧形式のライブラリファイルのレコードを kesh のライブラリに追加します。FILE を指定すると、ウィンドウを開かずに取り込み、結果を 1 行で表示します。</translation>
    </message>
    <message>
        <source>Appends to the library file at PATH instead of “~/Library/Kesh Data”.</source>
        <translation>「~/Library/Kesh Data」の代わりに PATH のライブラリファイルに追加します。</translation>
    </message>
    <message>
        <source>The legacy library file to import without a window.</source>
        <translation>ウィンドウを開かずに取り込む旧形式のライブラリファイル。</translation>
    </message>
</context>
<context>
    <name>IODrawerController</name>
    <message>
        <source>Record Entry</source>
        <translation>記録入力</translation>
    </message>
</context>
<context>
    <name>IOListController</name>
    <message>
        <source>No records match the search.</source>
        <translation>検索に一致する記録はありません。</translation>
    </message>
    <message>
        <source>No records match “%1”.</source>
        <translation>「%1」に一致する記録はありません。</translation>
    </message>
    <message>
        <source>Your library has no records yet.

New records come in through the Record Entry window; a bank's statements (CSV, OFX, QFX, QIF) come in with File › Import…, and the records of a legacy library with File › Import Legacy Library…</source>
        <translation>ライブラリにはまだ記録がありません。

新しい記録は記録入力ウィンドウから入力します。銀行の明細 (CSV、OFX、QFX、QIF) は「ファイル › 取り込む…」で、旧形式のライブラリの記録は「ファイル › 旧形式のライブラリを取り込む…」で取り込めます。</translation>
    </message>
    <message>
        <source>No record meets the conditions of this smart book.</source>
        <translation>このスマートブックの条件に合う記録はありません。</translation>
    </message>
    <message>
        <source>This book has no records yet. Drag records from the library onto it.</source>
        <translation>このブックにはまだ記録がありません。ライブラリから記録をドラッグして追加してください。</translation>
    </message>
    <message>
        <source>A smart book’s records follow its conditions: delete them in the library, or change the conditions.</source>
        <translation>スマートブックの記録は条件によって決まります。ライブラリで削除するか、条件を変更してください。</translation>
    </message>
    <message>
        <source>Select the records to delete.</source>
        <translation>削除する記録を選択してください。</translation>
    </message>
    <message>
        <source>Deletes the selected records from the library and from every book.</source>
        <translation>選択した記録をライブラリとすべてのブックから削除します。</translation>
    </message>
    <message>
        <source>Takes the selected records out of “%1”. They stay in the library.</source>
        <translation>選択した記録を「%1」から取り除きます。記録はライブラリに残ります。</translation>
    </message>
    <message numerus="yes">
        <source>Delete %Ln record(s) from your library?</source>
        <translation>
            <numerusform>ライブラリから %Ln 件の記録を削除しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>That is %1 of its %2 records; they also leave every book. Edit › Undo brings them back.</source>
        <translation>全 %2 件のうち %1 件です。これらはすべてのブックからも外れます。「編集 › 元に戻す」で元に戻せます。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>IOTableModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>集計</translation>
    </message>
    <message>
        <source>Whether the record counts in the totals below</source>
        <translation>この記録を下の集計に含めるかどうか</translation>
    </message>
    <message>
        <source>No comment</source>
        <translation>コメントなし</translation>
    </message>
    <message>
        <source>No keywords</source>
        <translation>キーワードなし</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>集計しない</translation>
    </message>
</context>
<context>
    <name>IOWindowController</name>
    <message>
        <source>Record Entry</source>
        <translation>記録入力</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Reading “%1”…</source>
        <translation>「%1」を読み込んでいます…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The file grew past the size kesh reads.</source>
        <translation>読み込み中にファイルが大きくなり、kesh が読み込めるサイズを超えました。</translation>
    </message>
    <message>
        <source>“%1” cannot be imported.</source>
        <translation>「%1」を取り込めません。</translation>
    </message>
</context>
<context>
    <name>ImportRulesList</name>
    <message>
        <source>%1 (adds %2)</source>
        <translation>%1 (%2 を追加)</translation>
    </message>
    <message>
        <source>Keyword rules to apply</source>
        <translation>適用するキーワードルール</translation>
    </message>
</context>
<context>
    <name>KeshApp</name>
    <message>
        <source>“%1” is not there any more: it may have been moved, or its disk is not connected.</source>
        <translation>「%1」が見つかりません。移動されたか、ディスクが接続されていない可能性があります。</translation>
    </message>
    <message>
        <source>The library you opened last cannot be found.</source>
        <translation>前回開いたライブラリが見つかりません。</translation>
    </message>
    <message>
        <source>%1

kesh opens your library “%2” instead. Use File › Open Library… to open the other one when it is back.</source>
        <translation>%1

代わりにライブラリ「%2」を開きます。元のライブラリが戻ったら、ファイル › ライブラリを開く… で開いてください。</translation>
    </message>
    <message>
        <source>There is no library at “%1”.</source>
        <translation>「%1」にライブラリがありません。</translation>
    </message>
    <message>
        <source>kesh can start a new, empty library there.</source>
        <translation>そこに新しい空のライブラリを作成できます。</translation>
    </message>
    <message>
        <source>Create Library</source>
        <translation>ライブラリを作成</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>A file is there already. Use File › Open Library… to open it.</source>
        <translation>そこにはすでにファイルがあります。ファイル › ライブラリを開く… で開いてください。</translation>
    </message>
    <message>
        <source>kesh keeps the library it has open.</source>
        <translation>kesh は開いているライブラリをそのまま使います。</translation>
    </message>
    <message>
        <source>kesh quits.</source>
        <translation>kesh を終了します。</translation>
    </message>
    <message>
        <source>kesh cannot make a library there.</source>
        <translation>そこにはライブラリを作成できません。</translation>
    </message>
    <message>
        <source>kesh cannot open that library.</source>
        <translation>そのライブラリを開けません。</translation>
    </message>
    <message>
        <source>Open Library</source>
        <translation>ライブラリを開く</translation>
    </message>
    <message>
        <source>New Library</source>
        <translation>新規ライブラリ</translation>
    </message>
    <message>
        <source>kesh could not save your library, so it stays open.</source>
        <translation>ライブラリを保存できなかったため、開いたままにします。</translation>
    </message>
    <message>
        <source>Writing “%1” failed: %2</source>
        <translation>「%1」の書き込みに失敗しました: %2</translation>
    </message>
    <message>
        <source>kesh could not make the new library.</source>
        <translation>新しいライブラリを作成できませんでした。</translation>
    </message>
    <message>
        <source>Writing “%1” failed: %2

kesh keeps the library it has open.</source>
        <translation>「%1」の書き込みに失敗しました: %2

kesh は開いているライブラリをそのまま使います。</translation>
    </message>
    <message>
        <source>kesh keeps your incomings and outgoings in a library file.</source>
        <translation>kesh は収入と支出をライブラリファイルに記録します。</translation>
    </message>
    <message>
        <source>Opens the library file at PATH for this run instead of the one opened last (at first “~/Library/Kesh Data”). kesh offers to make a new, empty library when there is none at PATH.</source>
        <translation>前回開いたライブラリ (最初は「~/Library/Kesh Data」) の代わりに、今回は PATH のライブラリファイルを開きます。PATH にライブラリがなければ、新しい空のライブラリの作成を提案します。</translation>
    </message>
</context>
<context>
    <name>KeywordChartView</name>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>KeywordConditionView</name>
    <message>
        <source>(no keywords)</source>
        <translation>（キーワードがありません）</translation>
    </message>
    <message>
        <source>“%1” (deleted)</source>
        <translation>「%1」（削除済み）</translation>
    </message>
    <message>
        <source>(no keyword)</source>
        <translation>（キーワードなし）</translation>
    </message>
    <message>
        <source>Its keyword is no longer in the library; choose another.</source>
        <translation>このキーワードはもうライブラリにありません。別のキーワードを選択してください。</translation>
    </message>
    <message>
        <source>The library has no keywords to choose from.</source>
        <translation>ライブラリに選択できるキーワードがありません。</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>キーワード</translation>
    </message>
</context>
<context>
    <name>KeywordListModel</name>
    <message>
        <source>Keyword</source>
        <translation>キーワード</translation>
    </message>
</context>
<context>
    <name>KeywordRuleDialog</name>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>On: applied to every import</source>
        <translation>オン: 取り込みのたびに適用</translation>
    </message>
    <message>
        <source>Keywords to add:</source>
        <translation>追加するキーワード:</translation>
    </message>
    <message>
        <source>To the records that match:</source>
        <translation>条件に合うレコード:</translation>
    </message>
    <message>
        <source>New Keyword Rule</source>
        <translation>新規キーワードルール</translation>
    </message>
    <message>
        <source>Keyword Rule “%1”</source>
        <translation>キーワードルール「%1」</translation>
    </message>
    <message>
        <source>The rule needs a name.</source>
        <translation>ルールには名前が必要です。</translation>
    </message>
    <message>
        <source>Give it a name that says what it does, such as “Groceries”.</source>
        <translation>「食料品」のように、ルールの働きがわかる名前を付けてください。</translation>
    </message>
    <message>
        <source>The rule adds no keyword.</source>
        <translation>このルールはキーワードを追加しません。</translation>
    </message>
    <message>
        <source>Tick the keywords it gives the records it matches.</source>
        <translation>条件に合うレコードに付けるキーワードにチェックを入れてください。</translation>
    </message>
    <message>
        <source>Row %1 (%2) cannot be stored.</source>
        <translation>%1 行目 (%2) は保存できません。</translation>
    </message>
</context>
<context>
    <name>KeywordRulesWindow</name>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Keyword Rules</source>
        <translation>キーワードルール</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>新規…</translation>
    </message>
    <message>
        <source>%1 — adds %2</source>
        <translation>%1 — %2 を追加</translation>
    </message>
    <message>
        <source>New Rule</source>
        <translation>新規ルール</translation>
    </message>
    <message>
        <source>Keyword rules</source>
        <translation>キーワードルール</translation>
    </message>
    <message>
        <source>Rules in the order they are tried; the box turns a rule on or off.</source>
        <translation>ルールは試される順に並んでいます。チェックボックスでルールのオン/オフを切り替えます。</translation>
    </message>
</context>
<context>
    <name>KeywordViewController</name>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Ticking a keyword's box gives it to the records; Space ticks.</source>
        <translation>キーワードのチェックボックスにチェックを入れると、そのキーワードがレコードに付きます。Space キーでもチェックできます。</translation>
    </message>
</context>
<context>
    <name>KeywordWindowController</name>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>No keywords yet: New makes one.</source>
        <translation>キーワードはまだありません。「新規」で作成できます。</translation>
    </message>
    <message>
        <source>Select records in the main window to tick their keywords here.</source>
        <translation>メインウィンドウで記録を選択すると、ここでキーワードにチェックを入れられます。</translation>
    </message>
    <message numerus="yes">
        <source>A tick gives the keyword to the %n selected record(s).</source>
        <translation>
            <numerusform>チェックを入れると、選択中の %n 件の記録にそのキーワードが付きます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Makes a keyword and opens its name for typing (%1)</source>
        <translation>キーワードを作成し、名前を入力できるようにします (%1)</translation>
    </message>
    <message>
        <source>Takes the selected keywords off every record and out of the list (%1)</source>
        <translation>選択したキーワードをすべての記録と一覧から外します (%1)</translation>
    </message>
</context>
<context>
    <name>LedgerChartView</name>
    <message>
        <source>Incomings</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Outgoings</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Incomings: %1</source>
        <translation>収入: %1</translation>
    </message>
    <message>
        <source>Outgoings: %1</source>
        <translation>支出: %1</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>残高: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>記録 %Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Expected balance</source>
        <translation>見込み残高</translation>
    </message>
    <message>
        <source>Expected balance: %1</source>
        <translation>見込み残高: %1</translation>
    </message>
</context>
<context>
    <name>LedgerFormat</name>
    <message>
        <source>Type a number such as %1 for money coming in or %2 for money going out.</source>
        <translation>収入は %1、支出は %2 のように数値を入力してください。</translation>
    </message>
    <message>
        <source>No amount was typed.</source>
        <translation>金額が入力されていません。</translation>
    </message>
    <message>
        <source>“%1” is not an amount: %2.</source>
        <translation>「%1」は金額ではありません: %2。</translation>
    </message>
    <message>
        <source>spaces only group the digits of thousands, as in %1</source>
        <translation>空白は %1 のように3桁ごとの区切りにだけ使えます</translation>
    </message>
    <message>
        <source>“%1” only groups the digits of thousands, as in %2</source>
        <translation>「%1」は %2 のように3桁ごとの区切りにだけ使えます</translation>
    </message>
    <message>
        <source>the sign goes before the first digit</source>
        <translation>符号は最初の数字の前に付けます</translation>
    </message>
    <message>
        <source>it has more than one decimal point “%1”</source>
        <translation>小数点「%1」が複数あります</translation>
    </message>
    <message>
        <source>spaces do not belong between its digits</source>
        <translation>数字の間に空白は入れられません</translation>
    </message>
    <message>
        <source>its decimals follow “%1”, as in %2</source>
        <translation>小数は %2 のように「%1」の後に書きます</translation>
    </message>
    <message>
        <source>“%1” is not a digit</source>
        <translation>「%1」は数字ではありません</translation>
    </message>
    <message>
        <source>it has no digits</source>
        <translation>数字がありません</translation>
    </message>
    <message>
        <source>it has more digits than an amount can hold</source>
        <translation>金額として扱える桁数を超えています</translation>
    </message>
    <message>
        <source>0 is neither money coming in nor money going out</source>
        <translation>0 は収入でも支出でもありません</translation>
    </message>
</context>
<context>
    <name>LegacyLibraryImport</name>
    <message>
        <source>Import Legacy Library</source>
        <translation>旧形式のライブラリを取り込む</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The legacy library cannot be imported.</source>
        <translation>旧形式のライブラリを取り込めません。</translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln records from “%1”?</source>
        <translation>
            <numerusform>「%1」から %Ln 件の記録を取り込みますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>The records are added to the main library. Edit › Undo takes them out again.</source>
        <translation>記録はライブラリに追加されます。「編集 › 元に戻す」で取り消せます。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>Import Anyway</source>
        <translation>それでも読み込む</translation>
    </message>
</context>
<context>
    <name>LegacyLibraryReader</name>
    <message>
        <source>There is no legacy library at “%1”.</source>
        <translation>「%1」に旧形式のライブラリがありません。</translation>
    </message>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have amounts no ledger holds.</source>
        <translation>
            <numerusform>「%1」は旧形式のライブラリではないようです。%Ln 件のうち %2 件の記録に、家計簿ではありえない金額があります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have comments that are not text.</source>
        <translation>
            <numerusform>「%1」は旧形式のライブラリではないようです。%Ln 件のうち %2 件の記録に、テキストではないコメントがあります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have amounts or comments no ledger holds.</source>
        <translation>
            <numerusform>「%1」は旧形式のライブラリではないようです。%Ln 件のうち %2 件の記録に、家計簿ではありえない金額かコメントがあります。</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” could not be read (status %2).</source>
        <translation>「%1」を読み込めませんでした（状態 %2）。</translation>
    </message>
    <message>
        <source>“%1” could not be read (status %2): %3</source>
        <translation>「%1」を読み込めませんでした（状態 %2）: %3</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>「%1」を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>LegacyPreview</name>
    <message>
        <source>Dated %1.</source>
        <translation>日付は %1 です。</translation>
    </message>
    <message>
        <source>Dated from %1 to %2.</source>
        <translation>日付は %1 から %2 までです。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln with an amount that is not a number</source>
        <translation>
            <numerusform>金額が数値でないもの %Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with an amount beyond any household's money</source>
        <translation>
            <numerusform>金額が家計の範囲を超えるもの %Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with an amount of more decimals than money has</source>
        <translation>
            <numerusform>金額の小数点以下の桁数が多すぎるもの %Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with a comment that is not text</source>
        <translation>
            <numerusform>コメントがテキストでないもの %Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>取り込まないもの: %1。</translation>
    </message>
    <message>
        <source>Imported as they are: %1.</source>
        <translation>そのまま取り込むもの: %1。</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>Some of the odd amounts, as the file holds them: %1.</source>
        <translation>ファイルにある不自然な金額の一部: %1。</translation>
    </message>
    <message>
        <source>The odd amounts, as the file holds them: %1.</source>
        <translation>ファイルにある不自然な金額: %1。</translation>
    </message>
    <message>
        <source>Most of its amounts are odd for money, so this may be no ledger. If it is your ledger all the same, import it anyway: every amount is kept as the file holds it.</source>
        <translation>金額のほとんどがお金として不自然なため、家計簿ではない可能性があります。それでもあなたの家計簿であれば、そのまま読み込んでください。金額はすべてファイルのとおりに保たれます。</translation>
    </message>
</context>
<context>
    <name>LibraryCommandLine</name>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FILE]</translation>
    </message>
    <message>
        <source>--library needs the path of a library file.</source>
        <translation>--library にはライブラリファイルのパスが必要です。</translation>
    </message>
    <message>
        <source>Unexpected argument “%1”.</source>
        <translation>予期しない引数「%1」があります。</translation>
    </message>
    <message>
        <source>Try “%1 --help” for more information.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
</context>
<context>
    <name>LibraryDocument</name>
    <message>
        <source>Enter Record</source>
        <translation>記録の入力</translation>
    </message>
    <message>
        <source>Import Record</source>
        <translation>記録の取り込み</translation>
    </message>
    <message>
        <source>Import %1 Records</source>
        <translation>%1 件の記録の取り込み</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>記録の削除</translation>
    </message>
    <message>
        <source>Delete %1 Records</source>
        <translation>%1 件の記録の削除</translation>
    </message>
    <message>
        <source>Remove Record from “%1”</source>
        <translation>「%1」からの記録の除外</translation>
    </message>
    <message>
        <source>Remove %1 Records from “%2”</source>
        <translation>「%2」からの %1 件の記録の除外</translation>
    </message>
    <message>
        <source>Add Record to “%1”</source>
        <translation>「%1」への記録の追加</translation>
    </message>
    <message>
        <source>Add %1 Records to “%2”</source>
        <translation>「%2」への %1 件の記録の追加</translation>
    </message>
    <message>
        <source>Change Date</source>
        <translation>日付の変更</translation>
    </message>
    <message>
        <source>Change Amount</source>
        <translation>金額の変更</translation>
    </message>
    <message>
        <source>Change Comment</source>
        <translation>コメントの変更</translation>
    </message>
    <message>
        <source>Count in Totals</source>
        <translation>集計への算入</translation>
    </message>
    <message>
        <source>Leave out of Totals</source>
        <translation>集計からの除外</translation>
    </message>
    <message>
        <source>Add Keyword “%1”</source>
        <translation>キーワード「%1」の追加</translation>
    </message>
    <message>
        <source>Remove Keyword “%1”</source>
        <translation>キーワード「%1」の除去</translation>
    </message>
    <message>
        <source>New Book</source>
        <translation>新規ブック</translation>
    </message>
    <message>
        <source>New Smart Book</source>
        <translation>新規スマートブック</translation>
    </message>
    <message>
        <source>Rename Book</source>
        <translation>ブック名の変更</translation>
    </message>
    <message>
        <source>Delete Book “%1”</source>
        <translation>ブック「%1」の削除</translation>
    </message>
    <message>
        <source>Change Conditions</source>
        <translation>条件の変更</translation>
    </message>
    <message>
        <source>New Keyword</source>
        <translation>新規キーワード</translation>
    </message>
    <message>
        <source>Rename Keyword</source>
        <translation>キーワード名の変更</translation>
    </message>
    <message>
        <source>Delete Keyword “%1”</source>
        <translation>キーワード「%1」の削除</translation>
    </message>
    <message>
        <source>Delete %1 Keywords</source>
        <translation>%1 個のキーワードの削除</translation>
    </message>
    <message>
        <source>New Rule</source>
        <translation>新規ルール</translation>
    </message>
    <message>
        <source>Delete Rule “%1”</source>
        <translation>ルール「%1」の削除</translation>
    </message>
    <message>
        <source>Edit Rule “%1”</source>
        <translation>ルール「%1」の編集</translation>
    </message>
    <message>
        <source>Enable Rule “%1”</source>
        <translation>ルール「%1」を有効にする</translation>
    </message>
    <message>
        <source>Disable Rule “%1”</source>
        <translation>ルール「%1」を無効にする</translation>
    </message>
    <message>
        <source>Move Rule “%1”</source>
        <translation>ルール「%1」の移動</translation>
    </message>
    <message numerus="yes">
        <source>Apply Rules to %n Record(s)</source>
        <translation>
            <numerusform>%n 件のレコードにルールを適用</numerusform>
        </translation>
    </message>
    <message>
        <source>New Recurring Record</source>
        <translation>新規繰り返しレコード</translation>
    </message>
    <message>
        <source>Delete Recurring Record “%1”</source>
        <translation>繰り返しレコード「%1」の削除</translation>
    </message>
    <message>
        <source>Edit Recurring Record “%1”</source>
        <translation>繰り返しレコード「%1」の編集</translation>
    </message>
    <message numerus="yes">
        <source>Enter %n Recurring Record(s)</source>
        <translation>
            <numerusform>%n 件の繰り返しレコードの記入</numerusform>
        </translation>
    </message>
    <message>
        <source>New Budget</source>
        <translation>新規予算</translation>
    </message>
    <message>
        <source>Delete Budget “%1”</source>
        <translation>予算「%1」の削除</translation>
    </message>
    <message>
        <source>Edit Budget “%1”</source>
        <translation>予算「%1」の編集</translation>
    </message>
</context>
<context>
    <name>LibraryFile</name>
    <message>
        <source>Your library is already open.</source>
        <translation>ライブラリはすでに開かれています。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>kesh cannot read your library.</source>
        <translation>ライブラリを読み込めません。</translation>
    </message>
    <message>
        <source>The file “%1” could not be read: %2</source>
        <translation>ファイル「%1」を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>Start From Backup</source>
        <translation>バックアップから始める</translation>
    </message>
    <message>
        <source>There is no backup that can be read. kesh quits and leaves the file as it is, so that it can be repaired or restored.</source>
        <translation>読み込めるバックアップがありません。ファイルを修復または復元できるよう、kesh はファイルをそのままにして終了します。</translation>
    </message>
    <message>
        <source>kesh cannot put the damaged library aside.</source>
        <translation>壊れたライブラリを別の名前にできません。</translation>
    </message>
    <message>
        <source>“%1” could not be renamed to “%2”. kesh quits and leaves both files as they are.</source>
        <translation>「%1」を「%2」に名前変更できませんでした。kesh は両方のファイルをそのままにして終了します。</translation>
    </message>
    <message>
        <source>kesh could not save your library.</source>
        <translation>ライブラリを保存できませんでした。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>保存せずに終了</translation>
    </message>
    <message>
        <source>Don’t Quit</source>
        <translation>終了しない</translation>
    </message>
    <message>
        <source>Close the other program, then start kesh again.</source>
        <translation>別のプログラムを終了してから、kesh をもう一度起動してください。</translation>
    </message>
    <message>
        <source>Quit %1, then start kesh again.</source>
        <translation>%1 を終了してから、kesh をもう一度起動してください。</translation>
    </message>
    <message>
        <source>kesh may not write in the folder of your library.</source>
        <translation>ライブラリのフォルダに書き込む権限がありません。</translation>
    </message>
    <message>
        <source>Give yourself permission to write in “%1” (or move the disk out of read-only mode), then start kesh again.</source>
        <translation>「%1」への書き込み権限を設定して（またはディスクの読み取り専用モードを解除して）から、kesh をもう一度起動してください。</translation>
    </message>
    <message>
        <source>The disk of your library is full.</source>
        <translation>ライブラリのあるディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>Make room on the disk that holds “%1”, then start kesh again.</source>
        <translation>「%1」のあるディスクの空き容量を増やしてから、kesh をもう一度起動してください。</translation>
    </message>
    <message>
        <source>kesh cannot make the folder for your library.</source>
        <translation>ライブラリのフォルダを作成できません。</translation>
    </message>
    <message>
        <source>Check that a file does not stand where the folder should be and that you may write there, then start kesh again.</source>
        <translation>フォルダの場所にファイルが置かれていないこと、そこに書き込む権限があることを確認してから、kesh をもう一度起動してください。</translation>
    </message>
    <message>
        <source>kesh cannot mark your library as in use.</source>
        <translation>ライブラリを使用中として示すことができません。</translation>
    </message>
    <message>
        <source>Start kesh again; if this keeps happening, check the disk that holds “%1”.</source>
        <translation>kesh をもう一度起動してください。何度も起こる場合は、「%1」のあるディスクを確認してください。</translation>
    </message>
    <message>
        <source>%1

kesh quits without touching the library “%2”. %3</source>
        <translation>%1

kesh はライブラリ「%2」に手を付けずに終了します。%3</translation>
    </message>
    <message>
        <source>Your library was saved by a newer kesh.</source>
        <translation>ライブラリは新しいバージョンの kesh で保存されています。</translation>
    </message>
    <message>
        <source>The file “%1” could not be read: %2

kesh quits and leaves the file as it is. Open it with the kesh that saved it.</source>
        <translation>ファイル「%1」を読み込めませんでした: %2

kesh はファイルをそのままにして終了します。保存したバージョンの kesh で開いてください。</translation>
    </message>
    <message>
        <source>Give yourself permission to read the file, then start kesh again.</source>
        <translation>ファイルの読み取り権限を設定してから、kesh をもう一度起動してください。</translation>
    </message>
    <message>
        <source>Put your library back in its place as a file, then start kesh again.</source>
        <translation>ライブラリをファイルとして元の場所に戻してから、kesh をもう一度起動してください。</translation>
    </message>
    <message>
        <source>The disk may be failing: copy the file somewhere safe before anything else.</source>
        <translation>ディスクが故障しかけている可能性があります。何よりも先に、ファイルを安全な場所にコピーしてください。</translation>
    </message>
    <message>
        <source>Writing “%1” failed: %2

If you quit without saving, every change made since %3 is lost.</source>
        <translation>「%1」の書き込みに失敗しました: %2

保存せずに終了すると、%3 以降の変更はすべて失われます。</translation>
    </message>
    <message>
        <source>the damaged file is then kept beside it under a new name.</source>
        <translation>その場合、壊れたファイルは別の名前でそばに保管されます。</translation>
    </message>
    <message>
        <source>your library’s file is then kept beside it, unchanged, under a new name.</source>
        <translation>その場合、ライブラリのファイルは変更せずに別の名前でそばに保管されます。</translation>
    </message>
    <message>
        <source>The backup “%1”, saved %2, can be read. kesh can start from it; %3</source>
        <translation>%2 に保存されたバックアップ「%1」は読み込めます。kesh はそこから始められます。%3</translation>
    </message>
    <message>
        <source>kesh cannot put your library’s file aside.</source>
        <translation>ライブラリのファイルを別の場所に移せません。</translation>
    </message>
    <message>
        <source>Writing “%1” failed: %2</source>
        <translation>「%1」の書き込みに失敗しました: %2</translation>
    </message>
    <message>
        <source>Keep Current Library</source>
        <translation>今のライブラリを使い続ける</translation>
    </message>
    <message>
        <source>This library is already open.</source>
        <translation>このライブラリはすでに開かれています。</translation>
    </message>
    <message>
        <source>Close the other program, then open the library again.</source>
        <translation>もう一方のプログラムを閉じてから、もう一度ライブラリを開いてください。</translation>
    </message>
    <message>
        <source>Quit %1, then open the library again.</source>
        <translation>%1 を終了してから、もう一度ライブラリを開いてください。</translation>
    </message>
    <message>
        <source>%1

kesh keeps the library it has open and leaves “%2” as it is. %3</source>
        <translation>%1

kesh は開いているライブラリを使い続け、「%2」には手を加えません。%3</translation>
    </message>
    <message>
        <source>The file “%1” could not be read: %2

kesh keeps the library it has open and leaves the file as it is. Open it with the kesh that saved it.</source>
        <translation>ファイル「%1」を読み込めませんでした: %2

kesh は開いているライブラリを使い続け、このファイルには手を加えません。保存した kesh で開いてください。</translation>
    </message>
    <message>
        <source>There is no backup that can be read. kesh keeps the library it has open and leaves the file as it is, so that it can be repaired or restored.</source>
        <translation>読み込めるバックアップがありません。kesh は開いているライブラリを使い続け、修復や復元ができるようにファイルには手を加えません。</translation>
    </message>
    <message>
        <source>“%1” could not be renamed to “%2”. kesh keeps the library it has open and leaves both files as they are.</source>
        <translation>「%1」の名前を「%2」に変更できませんでした。kesh は開いているライブラリを使い続け、どちらのファイルにも手を加えません。</translation>
    </message>
</context>
<context>
    <name>LibraryLocation</name>
    <message>
        <source>%1 in %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist.</source>
        <translation>フォルダ「%1」がありません。</translation>
    </message>
    <message>
        <source>You may not write in the folder “%1”, so kesh could not save a library there.</source>
        <translation>フォルダ「%1」に書き込む権限がないため、そこにライブラリを保存できません。</translation>
    </message>
    <message>
        <source>“%1” is a folder or a device, not a library file.</source>
        <translation>「%1」はフォルダまたはデバイスで、ライブラリファイルではありません。</translation>
    </message>
    <message>
        <source>“%1” is not a kesh library.</source>
        <translation>「%1」は kesh のライブラリではありません。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Record Entry</source>
        <translation>記録入力</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>Search comments</source>
        <translation>コメントを検索</translation>
    </message>
    <message>
        <source>Incomings:</source>
        <translation>収入:</translation>
    </message>
    <message>
        <source>Outgoings:</source>
        <translation>支出:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>残高:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Book</source>
        <translation>新規ブック(&amp;N)</translation>
    </message>
    <message>
        <source>Import Le&amp;gacy Library…</source>
        <translation>旧形式のライブラリを取り込む(&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About kesh</source>
        <translation>kesh について(&amp;A)</translation>
    </message>
    <message>
        <source>About kesh</source>
        <translation>kesh について</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;kesh&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;A personal ledger: your incomings and outgoings, filed into books, searched and summed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;kesh&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;個人向けの家計簿です。収入と支出をブックに分類し、検索や集計ができます。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Shows or hides the record entry window.</source>
        <translation>記録入力ウィンドウを表示または非表示にします。</translation>
    </message>
    <message>
        <source>Shows or hides the graph of what the list shows.</source>
        <translation>リストに表示中の記録のグラフを表示または非表示にします。</translation>
    </message>
    <message>
        <source>New Smart Book…</source>
        <translation>新規スマートブック…</translation>
    </message>
    <message>
        <source>New &amp;Smart Book…</source>
        <translation>新規スマートブック(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>書き出す(&amp;E)…</translation>
    </message>
    <message>
        <source>Show &amp;Backups</source>
        <translation>バックアップを表示(&amp;B)</translation>
    </message>
    <message>
        <source>Opens the folder where kesh keeps a copy of your library from each of the last days</source>
        <translation>kesh が直近の数日分のライブラリのコピーを保管しているフォルダを開きます</translation>
    </message>
    <message>
        <source>Edit &amp;Conditions…</source>
        <translation>条件を編集(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Record Entry</source>
        <translation>記録入力(&amp;R)</translation>
    </message>
    <message>
        <source>Record Entry &amp;Panel</source>
        <translation>記録入力パネル(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>キーワード(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>グラフ(&amp;G)</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>Keyword search: %1</source>
        <translation>キーワード検索: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup…</source>
        <translation>バックアップから復元(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>取り込む(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>レコード(&amp;R)</translation>
    </message>
    <message>
        <source>Apply &amp;Keyword Rules</source>
        <translation>キーワードルールを適用(&amp;K)</translation>
    </message>
    <message>
        <source>Keyword R&amp;ules</source>
        <translation>キーワードルール(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Open Library…</source>
        <translation>ライブラリを開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Saves this library, then works on another library file</source>
        <translation>このライブラリを保存してから、別のライブラリファイルを開きます</translation>
    </message>
    <message>
        <source>New &amp;Library…</source>
        <translation>新規ライブラリ(&amp;L)…</translation>
    </message>
    <message>
        <source>Saves this library, then starts a new, empty library file</source>
        <translation>このライブラリを保存してから、新しい空のライブラリファイルを作成します</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>ブック</translation>
    </message>
    <message>
        <source>The library, the smart books and the plain books. Records › Add to Book adds the selected records to a plain book.</source>
        <translation>ライブラリ、スマートブック、通常のブックです。レコード › ブックに追加 で、選択したレコードを通常のブックに追加できます。</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>レコード</translation>
    </message>
    <message>
        <source>The records of the selected book that match the search.</source>
        <translation>選択したブックのレコードのうち、検索に一致するものです。</translation>
    </message>
    <message>
        <source>Expor&amp;t PDF…</source>
        <translation>PDF を書き出す(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Add to &amp;Book…</source>
        <translation>ブックに追加(&amp;B)…</translation>
    </message>
    <message>
        <source>Re&amp;peat…</source>
        <translation>繰り返す(&amp;P)…</translation>
    </message>
    <message>
        <source>R&amp;eports</source>
        <translation>レポート(&amp;E)</translation>
    </message>
    <message>
        <source>Recurring Re&amp;cords</source>
        <translation>繰り返しレコード(&amp;C)</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>すべての日付</translation>
    </message>
    <message>
        <source>Only the days %1</source>
        <translation>%1 の日付のみ</translation>
    </message>
    <message>
        <source>&amp;Budgets</source>
        <translation>予算(&amp;B)</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>The file is written in the encoding “%1”, which kesh does not know.</source>
        <translation>ファイルはエンコーディング「%1」で書かれていますが、kesh はこのエンコーディングを知りません。</translation>
    </message>
    <message>
        <source>The file holds an OFX header and nothing after it.</source>
        <translation>ファイルには OFX ヘッダーしかありません。</translation>
    </message>
    <message>
        <source>The file is written in the character set “%1”, which kesh does not know.</source>
        <translation>ファイルは文字セット「%1」で書かれていますが、kesh はこの文字セットを知りません。</translation>
    </message>
    <message>
        <source>The file is not an OFX or QFX file: it starts with neither an OFX header nor a tag.</source>
        <translation>このファイルは OFX / QFX ファイルではありません。OFX ヘッダーでもタグでも始まっていません。</translation>
    </message>
    <message>
        <source>The file's text is not in the encoding its header names (%1).</source>
        <translation>ファイルの文字がヘッダーに書かれたエンコーディング (%1) ではありません。</translation>
    </message>
    <message>
        <source>Line %1: the text “%2” stands outside any field.</source>
        <translation>%1 行目: テキスト「%2」がどのフィールドにも属していません。</translation>
    </message>
    <message>
        <source>Line %1: a comment or declaration never ends.</source>
        <translation>%1 行目: コメントまたは宣言が閉じられていません。</translation>
    </message>
    <message>
        <source>Line %1: a tag never ends (no “&gt;”).</source>
        <translation>%1 行目: タグが閉じられていません (「&gt;」がありません)。</translation>
    </message>
    <message>
        <source>Line %1: &lt;/%2&gt; closes nothing that is open.</source>
        <translation>%1 行目: &lt;/%2&gt; に対応する開始タグがありません。</translation>
    </message>
    <message>
        <source>Line %1: a tag without a name.</source>
        <translation>%1 行目: 名前のないタグです。</translation>
    </message>
    <message>
        <source>Line %1: the file's elements nest deeper than %2 levels.</source>
        <translation>%1 行目: ファイルの要素の入れ子が %2 段を超えています。</translation>
    </message>
    <message>
        <source>The file ends inside &lt;%1&gt;, opened on line %2: it is cut off.</source>
        <translation>%2 行目で開いた &lt;%1&gt; の途中でファイルが終わっています。ファイルが途中で切れています。</translation>
    </message>
    <message>
        <source>The file holds no &lt;OFX&gt; element.</source>
        <translation>ファイルに &lt;OFX&gt; 要素がありません。</translation>
    </message>
    <message>
        <source>The file holds only investment statements; kesh imports bank and credit card statements.</source>
        <translation>ファイルには投資明細しかありません。kesh が取り込めるのは銀行とクレジットカードの明細です。</translation>
    </message>
    <message>
        <source>The file holds no bank or credit card statement.</source>
        <translation>ファイルに銀行またはクレジットカードの明細がありません。</translation>
    </message>
    <message>
        <source>The file holds no statement; the bank says: %1</source>
        <translation>ファイルに明細がありません。銀行からのメッセージ: %1</translation>
    </message>
    <message>
        <source>Line %1: the transaction has no %2.</source>
        <translation>%1 行目: 取引に %2 がありません。</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a date.</source>
        <translation>%1 行目: 「%2」は日付ではありません。</translation>
    </message>
    <message>
        <source>Line %1: the transaction has no TRNAMT.</source>
        <translation>%1 行目: 取引に TRNAMT がありません。</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not an amount. %3</source>
        <translation>%1 行目: 「%2」は金額ではありません。%3</translation>
    </message>
</context>
<context>
    <name>OpenLibrary</name>
    <message>
        <source>kesh could not save your library.</source>
        <translation>ライブラリを保存できませんでした。</translation>
    </message>
    <message>
        <source>Writing “%1” failed: %2

Your changes stay in kesh. It tries again after the next change or in a minute, and once more when you quit.</source>
        <translation>「%1」の書き込みに失敗しました: %2

変更内容は kesh 内に残っています。次に変更したときか 1 分後にもう一度保存を試み、終了時にも再度試みます。</translation>
    </message>
    <message>
        <source>kesh could not keep a backup of your library.</source>
        <translation>ライブラリのバックアップを保管できませんでした。</translation>
    </message>
    <message>
        <source>%1

Your library itself is saved. kesh tries again at its next save.</source>
        <translation>%1

ライブラリ自体は保存されています。次回の保存時にもう一度試します。</translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation>バックアップはまだありません。</translation>
    </message>
    <message>
        <source>Before the first change of each day is saved, kesh keeps a copy of your library in “%1”.</source>
        <translation>kesh は毎日最初の変更を保存する前に、ライブラリのコピーを「%1」に保管します。</translation>
    </message>
    <message>
        <source>kesh could not open the backups folder.</source>
        <translation>バックアップフォルダを開けませんでした。</translation>
    </message>
    <message>
        <source>Your backups are in “%1”.</source>
        <translation>バックアップは「%1」にあります。</translation>
    </message>
    <message>
        <source>kesh could not keep your library as it is now, so nothing was restored.</source>
        <translation>現在のライブラリを保管できなかったため、何も復元されませんでした。</translation>
    </message>
    <message>
        <source>Restore “%1”</source>
        <translation>「%1」を復元</translation>
    </message>
</context>
<context>
    <name>PeriodFormat</name>
    <message>
        <source>Week of %1</source>
        <translation>%1 の週</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <extracomment>A month in full, as a QDate format: MMMM the month's name, yyyy the year (e.g. yyyy年M月)</extracomment>
        <translation>yyyy年M月</translation>
    </message>
    <message>
        <source>yyyy</source>
        <extracomment>A year, as a QDate format (e.g. yyyy年)</extracomment>
        <translation>yyyy年</translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <extracomment>A month along the graph's axis, as a QDate format: MMM the short month name, yyyy the year (e.g. yyyy/M)</extracomment>
        <translation>yyyy/M</translation>
    </message>
</context>
<context>
    <name>QifDateReader</name>
    <message>
        <source>“%1” is not a date.</source>
        <translation>「%1」は日付ではありません。</translation>
    </message>
    <message>
        <source>“%1” is no day that exists.</source>
        <translation>「%1」という日付は存在しません。</translation>
    </message>
</context>
<context>
    <name>QifReader</name>
    <message>
        <source>The amount is empty.</source>
        <translation>金額が空です。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>Line %1 comes before any line such as “!Type:Bank” that says what the file holds; this is no QIF file kesh can read.</source>
        <translation>%1 行目が「!Type:Bank」のような内容を示す行より前にあります。kesh が読める QIF ファイルではありません。</translation>
    </message>
    <message>
        <source>Line %1, “%2”, is no QIF header kesh knows.</source>
        <translation>%1 行目の「%2」は kesh の知らない QIF ヘッダーです。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>kesh imports bank, credit card and cash accounts; this item is of an account of kind “%1”.</source>
        <translation>kesh が取り込めるのは銀行、クレジットカード、現金の口座です。この項目は種類「%1」の口座のものです。</translation>
    </message>
    <message>
        <source>The item has no date (no D line).</source>
        <translation>項目に日付がありません (D 行がありません)。</translation>
    </message>
    <message>
        <source>The item has no amount (no T line).</source>
        <translation>項目に金額がありません (T 行がありません)。</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>payee and memo of a transaction</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>The split lines do not add up to the total %1.</source>
        <translation>分割行の合計が総額 %1 と一致しません。</translation>
    </message>
</context>
<context>
    <name>QifWriter</name>
    <message>
        <source>The QIF file could not be written: %1</source>
        <translation>QIF ファイルを書き出せませんでした: %1</translation>
    </message>
    <message>
        <source>The QIF file could not be written.</source>
        <translation>QIF ファイルを書き出せませんでした。</translation>
    </message>
</context>
<context>
    <name>RecordPrinter</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>集計</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Incomings %1 · Outgoings %2 · Balance %3</source>
        <translation>収入 %1 · 支出 %2 · 残高 %3</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s); the sums count only the records counted in the statistics.</source>
        <translation>
            <numerusform>%n 件のレコード。合計には統計で集計するレコードだけが含まれます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
</context>
<context>
    <name>RecurringEntry</name>
    <message>
        <source>(no comment)</source>
        <translation>(コメントなし)</translation>
    </message>
    <message numerus="yes">
        <source>Enter %n recurring record(s)?</source>
        <translation>
            <numerusform>%n 件の繰り返しレコードを記入しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>記入</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring record(s) entered: %1</source>
        <translation>
            <numerusform>%n 件の繰り返しレコードを記入しました: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringRecordDialog</name>
    <message>
        <source>New Recurring Record</source>
        <translation>新規繰り返しレコード</translation>
    </message>
    <message>
        <source>Edit Recurring Record</source>
        <translation>繰り返しレコードの編集</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Counted in the statistics</source>
        <translation>統計で集計する</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>キーワード:</translation>
    </message>
    <message>
        <source>days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>週</translation>
    </message>
    <message>
        <source>months</source>
        <translation>か月</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Every:</source>
        <translation>間隔:</translation>
    </message>
    <message>
        <source>the last day</source>
        <translation>最終日</translation>
    </message>
    <message>
        <source>On day:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>開始:</translation>
    </message>
    <message>
        <source>for ever</source>
        <translation>無期限</translation>
    </message>
    <message>
        <source>until</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>this many times:</source>
        <translation>回数:</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>繰り返し:</translation>
    </message>
    <message>
        <source>The first day does not read: %1</source>
        <translation>開始日を読み取れません: %1</translation>
    </message>
    <message>
        <source>The last day does not read: %1</source>
        <translation>終了日を読み取れません: %1</translation>
    </message>
    <message>
        <source>The last day comes before the first.</source>
        <translation>終了日が開始日より前です。</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>毎日</translation>
    </message>
    <message numerus="yes">
        <source>Every %n days</source>
        <translation>
            <numerusform>%n 日ごと</numerusform>
        </translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>毎週</translation>
    </message>
    <message numerus="yes">
        <source>Every %n weeks</source>
        <translation>
            <numerusform>%n 週ごと</numerusform>
        </translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>毎月</translation>
    </message>
    <message numerus="yes">
        <source>Every %n months</source>
        <translation>
            <numerusform>%n か月ごと</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on the last day</source>
        <translation>%1 最終日</translation>
    </message>
    <message>
        <source>%1 on day %2</source>
        <translation>%1 %2 日</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>毎年</translation>
    </message>
    <message numerus="yes">
        <source>Every %n years</source>
        <translation>
            <numerusform>%n 年ごと</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1、%2 から</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1、%n 回</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <translation>%1、%2 まで</translation>
    </message>
</context>
<context>
    <name>RecurringRecordsWindow</name>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Recurring Records</source>
        <translation>繰り返しレコード</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回予定日</translation>
    </message>
    <message>
        <source>New…</source>
        <translation>新規…</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is a link to something that does not exist.</source>
        <translation>存在しない場所へのリンクです。</translation>
    </message>
    <message>
        <source>There is not enough memory to read its %L1 bytes.</source>
        <translation>%L1 バイトを読み込むためのメモリが足りません。</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>kesh has no permission to read it.</source>
        <translation>読み取る権限がありません。</translation>
    </message>
    <message>
        <source>It is a link that leads round in a circle.</source>
        <translation>循環しているリンクです。</translation>
    </message>
    <message>
        <source>The system reported an error while reading it: %1</source>
        <translation>読み込み中にシステムがエラーを報告しました: %1</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>ファイルではなくフォルダです。</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>ファイルではなくパイプです。</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>ファイルではなくソケットです。</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>ファイルではなくデバイスです。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
</context>
<context>
    <name>ReportSheets</name>
    <message>
        <source>No keyword</source>
        <translation>キーワードなし</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>割合</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>レコード</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Total, each record once</source>
        <translation>合計 (各レコードを 1 回ずつ)</translation>
    </message>
    <message>
        <source>Counted in several keywords</source>
        <translation>複数のキーワードで集計</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>No comment</source>
        <translation>コメントなし</translation>
    </message>
    <message>
        <source>Total of all comments</source>
        <translation>全コメントの合計</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>By &amp;Keyword</source>
        <translation>キーワード別(&amp;K)</translation>
    </message>
    <message>
        <source>By &amp;Month</source>
        <translation>月別(&amp;M)</translation>
    </message>
    <message>
        <source>Top &amp;Comments</source>
        <translation>上位のコメント(&amp;C)</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>すべての日付</translation>
    </message>
    <message>
        <source>From – To</source>
        <translation>開始 – 終了</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Donut</source>
        <translation>ドーナツグラフ</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>棒グラフ</translation>
    </message>
    <message>
        <source>&amp;Book:</source>
        <translation>ブック(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>日付(&amp;D):</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>表示(&amp;S):</translation>
    </message>
    <message>
        <source>C&amp;hart:</source>
        <translation>グラフ(&amp;H):</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>表をコピー</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV を書き出す…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF を書き出す…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>As the Main Window Shows</source>
        <translation>メインウインドウの表示どおり</translation>
    </message>
    <message>
        <source>Reports of %1</source>
        <translation>%1 のレポート</translation>
    </message>
    <message>
        <source>No counted records within these days.</source>
        <translation>この期間に集計するレコードはありません。</translation>
    </message>
    <message numerus="yes">
        <source>Total %1 in %n record(s).</source>
        <translation>
            <numerusform>%n 件のレコードで合計 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with several keywords count in the row of each: the rows add up to %1 more than the total.</source>
        <translation>
            <numerusform>複数のキーワードを持つ %n 件のレコードは、それぞれのキーワードの行で集計されます。そのため行の合計は総計より %1 多くなります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) not counted in the statistics are left out.</source>
        <translation>
            <numerusform>統計で集計しない %n 件のレコードは除外されています。</numerusform>
        </translation>
    </message>
    <message>
        <source>All days</source>
        <translation>すべての日付</translation>
    </message>
    <message>
        <source>Days: %1 – %2</source>
        <translation>日付: %1 – %2</translation>
    </message>
    <message>
        <source>Search: “%1”</source>
        <translation>検索:「%1」</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <translation>キーワード: %1</translation>
    </message>
    <message>
        <source>by keyword</source>
        <translation>キーワード別</translation>
    </message>
    <message>
        <source>by month</source>
        <translation>月別</translation>
    </message>
    <message>
        <source>by comment</source>
        <translation>コメント別</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>レポートを書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be written</source>
        <translation>レポートを書き出せませんでした</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>「%1」に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF を書き出す</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be written</source>
        <translation>PDF を書き出せませんでした</translation>
    </message>
    <message>
        <source>“%1” could not be written.</source>
        <translation>「%1」に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>バックアップから復元</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>There are no backups yet. kesh keeps the library as it was before each save and before the first change of each day.</source>
        <translation>バックアップはまだありません。kesh は保存のたびに、また毎日最初の変更の前に、その時点のライブラリを保管します。</translation>
    </message>
    <message>
        <source>Choose the backup to restore. Your library as it is now is kept as a backup first, and Edit › Undo takes the restore back.</source>
        <translation>復元するバックアップを選んでください。現在のライブラリは先にバックアップとして保管され、「編集 › 元に戻す」で復元を元に戻せます。</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>最初の記録</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>最後の記録</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Before the last save, %1</source>
        <translation>前回の保存前 (%1)</translation>
    </message>
    <message>
        <source>Before the first change of %1</source>
        <translation>%1 の最初の変更前</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 に保管</translation>
    </message>
    <message>
        <source>Older format, last saved %1</source>
        <translation>旧形式 (最終保存 %1)</translation>
    </message>
    <message>
        <source>same</source>
        <translation>同じ</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>「%1」を読み込めません: %2</translation>
    </message>
    <message numerus="yes">
        <source>Restore a backup with %Ln record(s) fewer?</source>
        <translation>
            <numerusform>記録が %Ln 件少ないバックアップを復元しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Your library has %1 records now; the backup has %2. Edit › Undo brings the library as it is now back.</source>
        <translation>現在のライブラリの記録は %1 件、バックアップは %2 件です。「編集 › 元に戻す」で現在のライブラリに戻せます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
</context>
<context>
    <name>SingleConditionView</name>
    <message>
        <source>Condition on</source>
        <translation>条件の対象</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>判定</translation>
    </message>
</context>
<context>
    <name>StatementFileKind</name>
    <message>
        <source>The file is a spreadsheet workbook or an archive, not text. Save the sheet as CSV in its program and import that file.</source>
        <translation>このファイルはテキストではなく、スプレッドシートのブックまたはアーカイブです。表計算プログラムでシートを CSV として保存し、そのファイルを取り込んでください。</translation>
    </message>
    <message>
        <source>The file is an image, not a statement.</source>
        <translation>このファイルは画像で、明細ではありません。</translation>
    </message>
    <message>
        <source>The file is a PDF document. kesh reads statements as CSV, OFX, QFX or QIF; most banks offer one of these beside the PDF.</source>
        <translation>このファイルは PDF 文書です。kesh が読める明細は CSV、OFX、QFX、QIF です。たいていの銀行は PDF のほかにこのいずれかを用意しています。</translation>
    </message>
    <message>
        <source>The file is a kesh library, not a statement.</source>
        <translation>このファイルは kesh のライブラリで、明細ではありません。</translation>
    </message>
    <message>
        <source>The file is not text: it holds no statement kesh can read.</source>
        <translation>このファイルはテキストではありません。kesh が読める明細はありません。</translation>
    </message>
</context>
<context>
    <name>StatementImportDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>「%1」の取り込み</translation>
    </message>
    <message>
        <source>Keyword rules of this import:</source>
        <translation>この取り込みのキーワードルール:</translation>
    </message>
    <message>
        <source>Left out, as they cannot be read:</source>
        <translation>読めないため除外:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Keyword to Add</source>
        <translation>追加するキーワード</translation>
    </message>
    <message>
        <source>Credit card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Bank account</source>
        <translation>銀行口座</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2: %n transaction(s)</source>
        <translation>
            <numerusform>%1 %2: %n 件の取引</numerusform>
        </translation>
    </message>
    <message>
        <source>Accounts:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>The day the bank posted it</source>
        <translation>銀行の記帳日</translation>
    </message>
    <message>
        <source>The day it was made, where the bank tells it</source>
        <translation>取引日 (銀行が示す場合)</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Name and memo</source>
        <translation>名前とメモ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>One record per split line, its category as keyword</source>
        <translation>分割行ごとに 1 レコード (カテゴリをキーワードに)</translation>
    </message>
    <message>
        <source>One record with the total</source>
        <translation>総額で 1 レコード</translation>
    </message>
    <message>
        <source>Split transactions:</source>
        <translation>分割取引:</translation>
    </message>
    <message>
        <source>Month first: “%1” is %2</source>
        <translation>月が先: 「%1」は %2</translation>
    </message>
    <message>
        <source>Day first: “%1” is %2</source>
        <translation>日が先: 「%1」は %2</translation>
    </message>
    <message>
        <source>The days read two ways:</source>
        <translation>日付は 2 通りに読めます:</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>Choose which way the days read.</source>
        <translation>日付の読み方を選んでください。</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) to import.</source>
        <translation>
            <numerusform>%n 件の取引を取り込みます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library, left out unless ticked.</source>
        <translation>
            <numerusform>%n 件はライブラリに登録済みです。チェックしない限り除外します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n possibly in the library (the same amount and comment within %1 days): untick what you have already.</source>
        <translation>
            <numerusform>%n 件はライブラリに登録済みの可能性があります (%1 日以内に同じ金額とコメント)。登録済みのものはチェックを外してください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out, as they cannot be read.</source>
        <translation>
            <numerusform>%n 件は読めないため除外します。</numerusform>
        </translation>
    </message>
    <message>
        <source>Records to import</source>
        <translation>取り込むレコード</translation>
    </message>
    <message>
        <source>Transactions left out</source>
        <translation>除外された取引</translation>
    </message>
</context>
<context>
    <name>StatementPlanModel</name>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Already in the library</source>
        <translation>ライブラリに登録済み</translation>
    </message>
    <message>
        <source>Possibly in the library</source>
        <translation>登録済みの可能性</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Rules Add</source>
        <translation>ルールが追加</translation>
    </message>
</context>
<context>
    <name>StatsBoxController</name>
    <message>
        <source>These amounts are too large to add up.</source>
        <translation>金額が大きすぎて合計できません。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln records</source>
        <comment>listed of all records of the book</comment>
        <translation>
            <numerusform>%1 件 / 全 %Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln records</source>
        <comment>all records of the book</comment>
        <translation>
            <numerusform>%Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Beyond %1 a sum no longer holds every figure it shows: its last digits are rounded.</source>
        <translation>%1 を超えると合計は表示どおりの値を保てず、下の桁が丸められます。</translation>
    </message>
</context>
<context>
    <name>WindowSet</name>
    <message>
        <source>Your changes are not saved yet: kesh tries again.</source>
        <translation>変更はまだ保存されていません。もう一度保存を試みます。</translation>
    </message>
    <message numerus="yes">
        <source>Keyword rules gave %n of the selected records new keywords.</source>
        <translation>
            <numerusform>キーワードルールにより、選択した %n 件のレコードに新しいキーワードが付きました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>The list shows every record of these days: those without keywords are the ones whose Keywords column is empty.</source>
        <translation>この期間のすべてのレコードを表示しています。キーワードのないレコードは、キーワード列が空のものです。</translation>
    </message>
    <message numerus="yes">
        <source>The %n selected record(s)</source>
        <translation>
            <numerusform>選択した %n 件のレコード</numerusform>
        </translation>
    </message>
    <message>
        <source>Search: “%1”</source>
        <translation>検索:「%1」</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <translation>キーワード: %1</translation>
    </message>
    <message>
        <source>Days: %1 – %2</source>
        <translation>日付: %1 – %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>レコード</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF を書き出す</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be written</source>
        <translation>PDF を書き出せませんでした</translation>
    </message>
    <message>
        <source>“%1” could not be written.</source>
        <translation>「%1」に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Select the records to add to a book first.</source>
        <translation>先にブックに追加するレコードを選択してください。</translation>
    </message>
    <message>
        <source>Select the record to repeat.</source>
        <translation>繰り返すレコードを選択してください。</translation>
    </message>
</context>
</TS>
