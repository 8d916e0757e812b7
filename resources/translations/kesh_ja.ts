<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>Kesh</name>
    <message>
        <source>MainLibrary</source>
        <extracomment>Name of the book that holds every record.</extracomment>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Word after the record count under the record table: &quot;3 records&quot;.</extracomment>
        <translation>件</translation>
    </message>
    <message>
        <source>ErrorTitle1</source>
        <extracomment>Alert title: a record was entered with a zero amount.</extracomment>
        <translation>金額が 0 です</translation>
    </message>
    <message>
        <source>ErrorContent1</source>
        <extracomment>Alert text: a record was entered with a zero amount.</extracomment>
        <translation>金額が 0 の記録は入力できません。収入は正の金額で、支出はマイナスの金額で入力してください。</translation>
    </message>
    <message>
        <source>ErrorTitle2</source>
        <extracomment>Alert title: a keyword was given an empty name.</extracomment>
        <translation>キーワード名が空です</translation>
    </message>
    <message>
        <source>ErrorContent2</source>
        <extracomment>Alert text: a keyword was given an empty name.</extracomment>
        <translation>キーワードには名前が必要です。名前を入力するか、編集を取り消して今の名前のままにしてください。</translation>
    </message>
    <message>
        <source>ErrorTitle3</source>
        <extracomment>Alert title: a keyword was renamed to the name of another keyword.</extracomment>
        <translation>同じ名前のキーワードがあります</translation>
    </message>
    <message>
        <source>ErrorContent3</source>
        <extracomment>Alert text: a keyword was renamed to the name of another keyword.</extracomment>
        <translation>この名前はほかのキーワードで使われています。区別できるように別の名前を付けてください。</translation>
    </message>
    <message>
        <source>between</source>
        <extracomment>Label between the lower and the upper value of a range condition: &quot;[10] and [20]&quot;.</extracomment>
        <translation>〜</translation>
    </message>
    <message>
        <source>ConditionParameter1</source>
        <extracomment>Condition kind: the record&apos;s amount.</extracomment>
        <translation>金額</translation>
    </message>
    <message>
        <source>ConditionParameter2</source>
        <extracomment>Condition kind: the record&apos;s date.</extracomment>
        <translation>日付</translation>
    </message>
    <message>
        <source>ConditionParameter3</source>
        <extracomment>Condition kind: the record&apos;s keywords.</extracomment>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>ConditionParameter4</source>
        <extracomment>Condition kind: the record&apos;s comment.</extracomment>
        <translation>コメント</translation>
    </message>
    <message>
        <source>ConditionParameter5</source>
        <extracomment>Condition kind: the book the record stands in.</extracomment>
        <translation>ブック</translation>
    </message>
    <message>
        <source>ConditionWhat1</source>
        <extracomment>Comparison: equals (a keyword: is the record&apos;s only keyword; a book: the record is in it).</extracomment>
        <translation>が次と一致</translation>
    </message>
    <message>
        <source>ConditionWhat2</source>
        <extracomment>Comparison: does not equal.</extracomment>
        <translation>が次と一致しない</translation>
    </message>
    <message>
        <source>ConditionWhat3</source>
        <extracomment>Comparison: greater than (amounts).</extracomment>
        <translation>が次より大きい</translation>
    </message>
    <message>
        <source>ConditionWhat4</source>
        <extracomment>Comparison: less than (amounts).</extracomment>
        <translation>が次より小さい</translation>
    </message>
    <message>
        <source>ConditionWhat5</source>
        <extracomment>Comparison: inside a range, both ends included; followed by &quot;between&quot; and the upper value.</extracomment>
        <translation>が次の範囲内</translation>
    </message>
    <message>
        <source>ConditionWhat6</source>
        <extracomment>Comparison: outside a range; followed by &quot;between&quot; and the upper value.</extracomment>
        <translation>が次の範囲外</translation>
    </message>
    <message>
        <source>ConditionWhat7</source>
        <extracomment>Comparison: contains (a text or a keyword).</extracomment>
        <translation>が次を含む</translation>
    </message>
    <message>
        <source>ConditionWhat8</source>
        <extracomment>Comparison: does not contain.</extracomment>
        <translation>が次を含まない</translation>
    </message>
    <message>
        <source>ConditionWhat9</source>
        <extracomment>Comparison: the comment starts with the text.</extracomment>
        <translation>が次で始まる</translation>
    </message>
    <message>
        <source>ConditionWhat10</source>
        <extracomment>Comparison: the comment does not start with the text.</extracomment>
        <translation>が次で始まらない</translation>
    </message>
    <message>
        <source>ConditionWhat11</source>
        <extracomment>Comparison: the comment ends with the text.</extracomment>
        <translation>が次で終わる</translation>
    </message>
    <message>
        <source>ConditionWhat12</source>
        <extracomment>Comparison: the comment does not end with the text.</extracomment>
        <translation>が次で終わらない</translation>
    </message>
    <message>
        <source>ConditionWhat13</source>
        <extracomment>Comparison: the date lies within the last N days, weeks or months; followed by N and the period.</extracomment>
        <translation>が次の期間内：直近</translation>
    </message>
    <message>
        <source>ConditionWhat14</source>
        <extracomment>Comparison: the date lies before the last N days, weeks or months; followed by N and the period.</extracomment>
        <translation>が次の期間外：直近</translation>
    </message>
    <message>
        <source>ConditionWhatDate3</source>
        <extracomment>Comparison of dates: later than.</extracomment>
        <translation>が次より後</translation>
    </message>
    <message>
        <source>ConditionWhatDate4</source>
        <extracomment>Comparison of dates: earlier than.</extracomment>
        <translation>が次より前</translation>
    </message>
    <message>
        <source>ConditionPeriod1</source>
        <extracomment>Period after a count: &quot;in the last [7] days&quot;.</extracomment>
        <translation>日</translation>
    </message>
    <message>
        <source>ConditionPeriod2</source>
        <extracomment>Period after a count: &quot;in the last [2] weeks&quot;.</extracomment>
        <translation>週間</translation>
    </message>
    <message>
        <source>ConditionPeriod3</source>
        <extracomment>Period after a count: &quot;in the last [3] months&quot;.</extracomment>
        <translation>か月</translation>
    </message>
</context>
</TS>
