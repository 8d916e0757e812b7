<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>IOListController</name>
    <message>
        <source>The amount was not changed.</source>
        <translation>金額は変更されませんでした。</translation>
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
</context>
<context>
    <name>LedgerFormat</name>
    <message>
        <source>“%1” is not an amount. Type a number such as %2 for money coming in or %3 for money going out.</source>
        <translation>「%1」は金額ではありません。収入は %2、支出は %3 のように数字で入力してください。</translation>
    </message>
</context>
<context>
    <name>LibraryFile</name>
    <message>
        <source>Your library is already open.</source>
        <translation>ライブラリはすでに開かれています。</translation>
    </message>
    <message>
        <source>%1

kesh quits without touching the library “%2”. Close the other program, then start kesh again.</source>
        <translation>%1

kesh はライブラリ「%2」に手を触れずに終了します。もう一方のプログラムを閉じてから、kesh をもう一度起動してください。</translation>
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
        <source>The backup “%1”, saved %2, can be read. kesh can start from it; the damaged file is then kept beside it under a new name.</source>
        <translation>%2 に保存されたバックアップ「%1」は読み込めます。バックアップから始めることができます。その場合、壊れたファイルは別の名前で同じフォルダに残されます。</translation>
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
        <source>Writing “%1” failed: %2

If you quit without saving, every change made since kesh started at %3 is lost.</source>
        <translation>「%1」の書き込みに失敗しました: %2

保存せずに終了すると、%3 に kesh を起動してから行ったすべての変更が失われます。</translation>
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
</context>
<context>
    <name>MainWindowController</name>
    <message>
        <source>Record Entry</source>
        <translation>記録の入力</translation>
    </message>
    <message>
        <source>Shows or hides the record entry window</source>
        <translation>記録の入力ウインドウを表示または隠します</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>Shows or hides the graph window</source>
        <translation>グラフウインドウを表示または隠します</translation>
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
        <translation>すべてを選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
</context>
</TS>
