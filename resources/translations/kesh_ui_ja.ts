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
    <name>AmountDelegate</name>
    <message>
        <source>The amount was not changed.</source>
        <translation type="unfinished">金額は変更されませんでした。</translation>
    </message>
</context>
<context>
    <name>BookListController</name>
    <message>
        <source>The library holds every record and cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the book “%1”. Its records stay in the library.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Import Successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln records imported</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is running: let it finish, then import again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kesh is running: quit it, then import again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library is in use by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your library was left as it is. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your library was left as it was. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There&apos;s been an error. Dunno why, dunno what. I&apos;m sorry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the legacy library…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the library…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln records from “%1”?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You imported this file already: importing it again adds its records a second time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records are added to the main library of “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConverterWindow</name>
    <message>
        <source>Not found. Choose the file, or put it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a folder, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, room for %Ln records</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Not there yet: the import creates it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Its main library gets the records; nothing else changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kesh Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished">終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Import a legacy library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds every record of a library kept with the older ledger program to your kesh library. Quit kesh before you import; you see how many records there are before anything is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished">ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Choose Legacy Library…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the &amp;Default Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Kesh Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Kesh Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Kesh Import&lt;/b&gt; %1&lt;p&gt;Adds the records of a legacy ledger library to the kesh library.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Legacy Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Import cancelled: nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DailyBackups</name>
    <message>
        <source>The folder “%1” could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy “%1” could not be made.</source>
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
        <source>expected a book, found %1</source>
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
        <source>a sort direction of %1</source>
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
        <source>a condition cannot compare with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected the library object, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a record, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a keyword, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a condition, found %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a smart book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition</source>
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
        <source>The disk is full: there is no room for the library&apos;s folder “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library&apos;s folder “%1” could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library&apos;s folder “%1” could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full: there is no room for the file that marks the library as in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library lies on a read-only disk, so kesh cannot mark it as in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kesh has no permission to create files in the library&apos;s folder “%1”, so it cannot mark the library as in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kesh could not mark the library as in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kesh could not mark the library as in use: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileReader</name>
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
        <source>The file is damaged: its content does not match its checksum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is cut off: it holds %L1 of its %L2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged: %L1 unexpected bytes follow its end.</source>
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
    <message>
        <source>the library object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of smart books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of sort descriptors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of conditions</source>
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
        <source>It could not be opened for writing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The previous library is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %L1 of %L2 bytes reached the disk; the disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be put in place: %1 The previous library is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForeignFileType</name>
    <message>
        <source>“%1” is a PNG image, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a JPEG image, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a GIF image, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a PDF document, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a ZIP archive or an office document, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is an office document, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a compressed file, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is an archive, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a program, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a database, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a kesh library, not a legacy library: kesh opens it itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a text file, not a legacy library.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IOListController</name>
    <message>
        <source>No records match the search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No records match “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your library has no records yet.

New records come in through the Record Entry window; the records of a legacy library come in with File › Import Legacy Library…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No record meets the conditions of this smart book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This book has no records yet. Drag records from the library onto it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A smart book’s records follow its conditions: delete them in the library, or change the conditions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the records to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the selected records from the library and from every book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes the selected records out of “%1”. They stay in the library.</source>
        <translation type="unfinished"></translation>
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
    <name>LegacyLibraryImport</name>
    <message>
        <source>Import Legacy Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading “%1”…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The legacy library cannot be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln records from “%1”?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The records are added to the main library. Edit › Undo takes them out again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LegacyLibraryReader</name>
    <message>
        <source>There is no legacy library at “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have amounts no ledger holds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have comments that are not text.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have amounts or comments no ledger holds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” could not be read (status %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be read (status %2): %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LegacyPreview</name>
    <message>
        <source>Dated %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dated from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln with an amount that is not a number</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with an amount beyond any household&apos;s money</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with an amount of more decimals than money has</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with a comment that is not text</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported as they are: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryDocument</name>
    <message>
        <source>Enter Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import %1 Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Record from “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 Records from “%2”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Record to “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1 Records to “%2”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count in Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out of Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Keyword “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Keyword “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Smart Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Book “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Keyword “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 Keywords</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Close the other program, then start kesh again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit %1, then start kesh again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kesh may not write in the folder of your library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give yourself permission to write in “%1” (or move the disk out of read-only mode), then start kesh again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk of your library is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make room on the disk that holds “%1”, then start kesh again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kesh cannot make the folder for your library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that a file does not stand where the folder should be and that you may write there, then start kesh again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kesh cannot mark your library as in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start kesh again; if this keeps happening, check the disk that holds “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

kesh quits without touching the library “%2”. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your library was saved by a newer kesh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file “%1” could not be read: %2

kesh quits and leaves the file as it is. Open it with the kesh that saved it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give yourself permission to read the file, then start kesh again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put your library back in its place as a file, then start kesh again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk may be failing: copy the file somewhere safe before anything else.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Record Entry</source>
        <translation type="unfinished">記録の入力</translation>
    </message>
    <message>
        <source>The record entry window is not available yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph</source>
        <translation type="unfinished">グラフ</translation>
    </message>
    <message>
        <source>The graph window is not available yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search comments</source>
        <translation type="unfinished">コメントを検索</translation>
    </message>
    <message>
        <source>Incomings:</source>
        <translation type="unfinished">収入:</translation>
    </message>
    <message>
        <source>Outgoings:</source>
        <translation type="unfinished">支出:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation type="unfinished">残高:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished">ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Book</source>
        <translation type="unfinished">新規ブック(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Import Legacy Library…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished">終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished">編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished">削除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished">すべてを選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished">検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About kesh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About kesh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;kesh&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;A personal ledger: your incomings and outgoings, filed into books, searched and summed.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is a link to something that does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to read its %L1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kesh has no permission to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link that leads round in a circle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system reported an error while reading it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatsBoxController</name>
    <message>
        <source>Beyond %1 a sum no longer holds every whole number: its last digits are rounded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These amounts are too large to add up.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
