<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BookChoiceDialog</name>
    <message numerus="yes">
        <source>Add the %n selected record(s) to the book:</source>
        <translation>
            <numerusform>Add the %n selected record to the book:</numerusform>
            <numerusform>Add the %n selected records to the book:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message numerus="yes">
        <source>%Ln records imported</source>
        <translation>
            <numerusform>%Ln record imported</numerusform>
            <numerusform>%Ln records imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln records from “%1”?</source>
        <translation>
            <numerusform>Import %Ln record from “%1”?</numerusform>
            <numerusform>Import %Ln records from “%1”?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConverterWindow</name>
    <message numerus="yes">
        <source>%1, room for %Ln records</source>
        <translation>
            <numerusform>%1, room for %Ln record</numerusform>
            <numerusform>%1, room for %Ln records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln records.</source>
        <translation>
            <numerusform>Imported %Ln record.</numerusform>
            <numerusform>Imported %Ln records.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message numerus="yes">
        <source>… and %Ln more.</source>
        <translation>
            <numerusform>… and %Ln more.</numerusform>
            <numerusform>… and %Ln more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows already in the library (same day, amount and comment): left out unless ticked.</source>
        <translation>
            <numerusform>%Ln row already in the library (same day, amount and comment): left out unless ticked.</numerusform>
            <numerusform>%Ln rows already in the library (same day, amount and comment): left out unless ticked.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln records to import</source>
        <translation>
            <numerusform>%Ln record to import</numerusform>
            <numerusform>%Ln records to import</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines left out</source>
        <translation>
            <numerusform>%Ln line left out</numerusform>
            <numerusform>%Ln lines left out</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvMappingsDialog</name>
    <message numerus="yes">
        <source>Files of %n columns without names</source>
        <translation>
            <numerusform>Files of %n column without a name</numerusform>
            <numerusform>Files of %n columns without names</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFileDecoder</name>
    <message numerus="yes">
        <source>%n byte(s) follow the end of the library</source>
        <translation>
            <numerusform>%n byte follows the end of the library</numerusform>
            <numerusform>%n bytes follow the end of the library</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFileReader</name>
    <message numerus="yes">
        <source>The file is cut off: it holds only %n byte(s).</source>
        <translation>
            <numerusform>The file is cut off: it holds only %n byte.</numerusform>
            <numerusform>The file is cut off: it holds only %n bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message numerus="yes">
        <source>in %n year(s)</source>
        <translation>
            <numerusform>in %n year</numerusform>
            <numerusform>in %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n year ago</numerusform>
            <numerusform>%n years ago</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message numerus="yes">
        <source>%n months</source>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeadlessImport</name>
    <message numerus="yes">
        <source>Appended %Ln records from %1 to %2</source>
        <translation>
            <numerusform>Appended %Ln record from %1 to %2</numerusform>
            <numerusform>Appended %Ln records from %1 to %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IOListController</name>
    <message numerus="yes">
        <source>Delete %Ln record(s) from your library?</source>
        <translation>
            <numerusform>Delete %Ln record from your library?</numerusform>
            <numerusform>Delete %Ln records from your library?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KeywordWindowController</name>
    <message numerus="yes">
        <source>A tick gives the keyword to the %n selected record(s).</source>
        <translation>
            <numerusform>A tick gives the keyword to the %n selected record.</numerusform>
            <numerusform>A tick gives the keyword to the %n selected records.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LedgerChartView</name>
    <message numerus="yes">
        <source>%Ln record(s)</source>
        <translation>
            <numerusform>%Ln record</numerusform>
            <numerusform>%Ln records</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LegacyLibraryImport</name>
    <message numerus="yes">
        <source>Import %Ln records from “%1”?</source>
        <translation>
            <numerusform>Import %Ln record from “%1”?</numerusform>
            <numerusform>Import %Ln records from “%1”?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LegacyLibraryReader</name>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have amounts no ledger holds.</source>
        <translation>
            <numerusform>“%1” does not look like a legacy library: %2 of %Ln record has an amount no ledger holds.</numerusform>
            <numerusform>“%1” does not look like a legacy library: %2 of %Ln records have amounts no ledger holds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have comments that are not text.</source>
        <translation>
            <numerusform>“%1” does not look like a legacy library: %2 of %Ln record has a comment that is not text.</numerusform>
            <numerusform>“%1” does not look like a legacy library: %2 of %Ln records have comments that are not text.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” does not look like a legacy library: %2 of %Ln records have amounts or comments no ledger holds.</source>
        <translation>
            <numerusform>“%1” does not look like a legacy library: %2 of %Ln record has an amount or a comment no ledger holds.</numerusform>
            <numerusform>“%1” does not look like a legacy library: %2 of %Ln records have amounts or comments no ledger holds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LegacyPreview</name>
    <message numerus="yes">
        <source>%Ln with an amount that is not a number</source>
        <translation>
            <numerusform>%Ln with an amount that is not a number</numerusform>
            <numerusform>%Ln with an amount that is not a number</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with an amount beyond any household&apos;s money</source>
        <translation>
            <numerusform>%Ln with an amount beyond any household&apos;s money</numerusform>
            <numerusform>%Ln with an amount beyond any household&apos;s money</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with an amount of more decimals than money has</source>
        <translation>
            <numerusform>%Ln with an amount of more decimals than money has</numerusform>
            <numerusform>%Ln with an amount of more decimals than money has</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln with a comment that is not text</source>
        <translation>
            <numerusform>%Ln with a comment that is not text</numerusform>
            <numerusform>%Ln with a comment that is not text</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LibraryDocument</name>
    <message numerus="yes">
        <source>Apply Rules to %n Record(s)</source>
        <translation>
            <numerusform>Apply Rules to %n Record</numerusform>
            <numerusform>Apply Rules to %n Records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Enter %n Recurring Record(s)</source>
        <translation>
            <numerusform>Enter %n Recurring Record</numerusform>
            <numerusform>Enter %n Recurring Records</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordPrinter</name>
    <message numerus="yes">
        <source>%n record(s); the sums count only the records counted in the statistics.</source>
        <translation>
            <numerusform>%n record; the sums count only the records counted in the statistics.</numerusform>
            <numerusform>%n records; the sums count only the records counted in the statistics.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringEntry</name>
    <message numerus="yes">
        <source>Enter %n recurring record(s)?</source>
        <translation>
            <numerusform>Enter %n recurring record?</numerusform>
            <numerusform>Enter %n recurring records?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recurring record(s) entered: %1</source>
        <translation>
            <numerusform>%n recurring record entered: %1</numerusform>
            <numerusform>%n recurring records entered: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringRecordDialog</name>
    <message numerus="yes">
        <source>Every %n days</source>
        <translation>
            <numerusform>Every %n day</numerusform>
            <numerusform>Every %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n weeks</source>
        <translation>
            <numerusform>Every %n week</numerusform>
            <numerusform>Every %n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n months</source>
        <translation>
            <numerusform>Every %n month</numerusform>
            <numerusform>Every %n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n years</source>
        <translation>
            <numerusform>Every %n year</numerusform>
            <numerusform>Every %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n time(s)</source>
        <translation>
            <numerusform>%1, %n time</numerusform>
            <numerusform>%1, %n times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message numerus="yes">
        <source>Total %1 in %n record(s).</source>
        <translation>
            <numerusform>Total %1 in %n record.</numerusform>
            <numerusform>Total %1 in %n records.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with several keywords count in the row of each: the rows add up to %1 more than the total.</source>
        <translation>
            <numerusform>%n record with several keywords counts in the row of each: the rows add up to %1 more than the total.</numerusform>
            <numerusform>%n records with several keywords count in the row of each: the rows add up to %1 more than the total.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) not counted in the statistics are left out.</source>
        <translation>
            <numerusform>%n record not counted in the statistics is left out.</numerusform>
            <numerusform>%n records not counted in the statistics are left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message numerus="yes">
        <source>Restore a backup with %Ln record(s) fewer?</source>
        <translation>
            <numerusform>Restore a backup with %Ln record fewer?</numerusform>
            <numerusform>Restore a backup with %Ln records fewer?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatementImportDialog</name>
    <message numerus="yes">
        <source>%1 %2: %n transaction(s)</source>
        <translation>
            <numerusform>%1 %2: %n transaction</numerusform>
            <numerusform>%1 %2: %n transactions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) to import.</source>
        <translation>
            <numerusform>%n transaction to import.</numerusform>
            <numerusform>%n transactions to import.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library, left out unless ticked.</source>
        <translation>
            <numerusform>%n already in the library, left out unless ticked.</numerusform>
            <numerusform>%n already in the library, left out unless ticked.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n possibly in the library (the same amount and comment within %1 days): untick what you have already.</source>
        <translation>
            <numerusform>%n possibly in the library (the same amount and comment within %1 days): untick what you have already.</numerusform>
            <numerusform>%n possibly in the library (the same amount and comment within %1 days): untick what you have already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out, as they cannot be read.</source>
        <translation>
            <numerusform>%n left out, as it cannot be read.</numerusform>
            <numerusform>%n left out, as they cannot be read.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatsBoxController</name>
    <message numerus="yes">
        <source>%1 of %Ln records</source>
        <comment>listed of all records of the book</comment>
        <translation>
            <numerusform>%1 of %Ln record</numerusform>
            <numerusform>%1 of %Ln records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln records</source>
        <comment>all records of the book</comment>
        <translation>
            <numerusform>%Ln record</numerusform>
            <numerusform>%Ln records</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowSet</name>
    <message numerus="yes">
        <source>Keyword rules gave %n of the selected records new keywords.</source>
        <translation>
            <numerusform>Keyword rules gave %n of the selected records new keywords.</numerusform>
            <numerusform>Keyword rules gave %n of the selected records new keywords.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n selected record(s)</source>
        <translation>
            <numerusform>The %n selected record</numerusform>
            <numerusform>The %n selected records</numerusform>
        </translation>
    </message>
</context>
</TS>
