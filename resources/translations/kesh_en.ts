<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>Kesh</name>
    <message>
        <source>MainLibrary</source>
        <extracomment>Name of the book that holds every record.</extracomment>
        <translation>Library</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Word after the record count under the record table: &quot;3 records&quot;.</extracomment>
        <translation>records</translation>
    </message>
    <message>
        <source>ErrorTitle1</source>
        <extracomment>Alert title: a record was entered with a zero amount.</extracomment>
        <translation>The amount is zero</translation>
    </message>
    <message>
        <source>ErrorContent1</source>
        <extracomment>Alert text: a record was entered with a zero amount.</extracomment>
        <translation>A record needs an amount other than zero. Type a positive amount for money coming in or a negative amount for money going out.</translation>
    </message>
    <message>
        <source>ErrorTitle2</source>
        <extracomment>Alert title: a keyword was given an empty name.</extracomment>
        <translation>The keyword has no name</translation>
    </message>
    <message>
        <source>ErrorContent2</source>
        <extracomment>Alert text: a keyword was given an empty name.</extracomment>
        <translation>Every keyword needs a name. Type a name for the keyword, or cancel the edit to keep its current name.</translation>
    </message>
    <message>
        <source>ErrorTitle3</source>
        <extracomment>Alert title: a keyword was renamed to the name of another keyword.</extracomment>
        <translation>The keyword already exists</translation>
    </message>
    <message>
        <source>ErrorContent3</source>
        <extracomment>Alert text: a keyword was renamed to the name of another keyword.</extracomment>
        <translation>Another keyword already has this name. Choose a different name so that the two keywords can be told apart.</translation>
    </message>
    <message>
        <source>between</source>
        <extracomment>Label between the lower and the upper value of a range condition: &quot;[10] and [20]&quot;.</extracomment>
        <translation>and</translation>
    </message>
    <message>
        <source>ConditionParameter1</source>
        <extracomment>Condition kind: the record&apos;s amount.</extracomment>
        <translation>Amount</translation>
    </message>
    <message>
        <source>ConditionParameter2</source>
        <extracomment>Condition kind: the record&apos;s date.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>ConditionParameter3</source>
        <extracomment>Condition kind: the record&apos;s keywords.</extracomment>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>ConditionParameter4</source>
        <extracomment>Condition kind: the record&apos;s comment.</extracomment>
        <translation>Comment</translation>
    </message>
    <message>
        <source>ConditionParameter5</source>
        <extracomment>Condition kind: the book the record stands in.</extracomment>
        <translation>Book</translation>
    </message>
    <message>
        <source>ConditionWhat1</source>
        <extracomment>Comparison: equals (a keyword: is the record&apos;s only keyword; a book: the record is in it).</extracomment>
        <translation>is</translation>
    </message>
    <message>
        <source>ConditionWhat2</source>
        <extracomment>Comparison: does not equal.</extracomment>
        <translation>is not</translation>
    </message>
    <message>
        <source>ConditionWhat3</source>
        <extracomment>Comparison: greater than (amounts).</extracomment>
        <translation>is greater than</translation>
    </message>
    <message>
        <source>ConditionWhat4</source>
        <extracomment>Comparison: less than (amounts).</extracomment>
        <translation>is less than</translation>
    </message>
    <message>
        <source>ConditionWhat5</source>
        <extracomment>Comparison: inside a range, both ends included; followed by &quot;between&quot; and the upper value.</extracomment>
        <translation>is between</translation>
    </message>
    <message>
        <source>ConditionWhat6</source>
        <extracomment>Comparison: outside a range; followed by &quot;between&quot; and the upper value.</extracomment>
        <translation>is not between</translation>
    </message>
    <message>
        <source>ConditionWhat7</source>
        <extracomment>Comparison: contains (a text or a keyword).</extracomment>
        <translation>includes</translation>
    </message>
    <message>
        <source>ConditionWhat8</source>
        <extracomment>Comparison: does not contain.</extracomment>
        <translation>does not include</translation>
    </message>
    <message>
        <source>ConditionWhat9</source>
        <extracomment>Comparison: the comment starts with the text.</extracomment>
        <translation>starts with</translation>
    </message>
    <message>
        <source>ConditionWhat10</source>
        <extracomment>Comparison: the comment does not start with the text.</extracomment>
        <translation>does not start with</translation>
    </message>
    <message>
        <source>ConditionWhat11</source>
        <extracomment>Comparison: the comment ends with the text.</extracomment>
        <translation>ends with</translation>
    </message>
    <message>
        <source>ConditionWhat12</source>
        <extracomment>Comparison: the comment does not end with the text.</extracomment>
        <translation>does not end with</translation>
    </message>
    <message>
        <source>ConditionWhat13</source>
        <extracomment>Comparison: the date lies within the last N days, weeks or months; followed by N and the period.</extracomment>
        <translation>is in the last</translation>
    </message>
    <message>
        <source>ConditionWhat14</source>
        <extracomment>Comparison: the date lies before the last N days, weeks or months; followed by N and the period.</extracomment>
        <translation>is not in the last</translation>
    </message>
    <message>
        <source>ConditionWhatDate3</source>
        <extracomment>Comparison of dates: later than.</extracomment>
        <translation>is after</translation>
    </message>
    <message>
        <source>ConditionWhatDate4</source>
        <extracomment>Comparison of dates: earlier than.</extracomment>
        <translation>is before</translation>
    </message>
    <message>
        <source>ConditionPeriod1</source>
        <extracomment>Period after a count: &quot;in the last [7] days&quot;.</extracomment>
        <translation>days</translation>
    </message>
    <message>
        <source>ConditionPeriod2</source>
        <extracomment>Period after a count: &quot;in the last [2] weeks&quot;.</extracomment>
        <translation>weeks</translation>
    </message>
    <message>
        <source>ConditionPeriod3</source>
        <extracomment>Period after a count: &quot;in the last [3] months&quot;.</extracomment>
        <translation>months</translation>
    </message>
</context>
</TS>
