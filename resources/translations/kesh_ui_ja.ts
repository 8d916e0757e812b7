<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Amount</name>
    <message>
        <source>No amount was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” has more digits than an amount can hold (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is too large or too small for an amount.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>“%1” is a folder, not a kesh library.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileCursor</name>
    <message>
        <source>a number is larger than 64 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list claims %1 items but only %2 bytes are left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library ends early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, at byte %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileDecoder</name>
    <message numerus="yes">
        <source>%n byte(s) follow the end of the library</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the library holds %1 objects and %2 texts, not %3 and %4 as announced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>class number %1 is not in the class table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reference to object %1, which has not been read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>books and conditions nest deeper than %1 levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the class table holds %1 classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a class name of %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown class “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>class “%1” is listed twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>class “%1” has version %2, which this kesh cannot read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected the library object, found a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a book, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a %1, found a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a record, found a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a date, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a keyword, found nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a keyword, found a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sort direction of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a condition, found a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition contains itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a condition, found nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition tree of more than %1 parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conditions of more than %1 parts in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition cannot compare with a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition cannot compare with %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileEncoder</name>
    <message>
        <source>The smart books and conditions of this library nest deeper than %1 levels, more than the data file can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library has no main library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smart book “%1” stands among the plain books.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A smart book&apos;s conditions hold more than %1 parts, more than the data file can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smart books&apos; conditions hold more than %1 parts, more than the data file can hold.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileLock</name>
    <message>
        <source>Could not create the folder “%1” for the library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (process %2 on %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library is in use by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not mark the library as in use: no permission to write in “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not mark the library as in use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileReader</name>
    <message>
        <source>Could not open “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read “%1”. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file is not open for reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a kesh library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The file is cut off: it holds only %n byte(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The file is damaged: its header does not match its checksum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was written by a newer version of kesh (data format %1). This version of kesh reads data format %2 and older; please use a newer kesh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has data format 0, which no version of kesh writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file uses features this version of kesh does not know; please use a newer kesh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is cut off: it holds %1 of its %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: %1 unexpected bytes follow its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: its content does not match its checksum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileValueReader</name>
    <message>
        <source>unknown item kind %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reference to text %1, which has not been read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a text, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the decimal number %1e%2 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a whole number of 32 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the day %1 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reference to time zone %1, which has not been read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more time zones than kesh can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a decimal number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sort descriptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item kind %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileWriter</name>
    <message>
        <source>The data file is not open for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only part of the library could be written; the disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the folder “%1” for the library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write “%1”. %2 The previous library is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes reached the disk; the disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write “%1”: %2 The previous library is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
