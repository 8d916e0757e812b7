#include "CsvSavedMapping.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

CsvSavedMapping bank() {
    CsvSavedMapping saved;
    saved.name = u"Bank of Kyoto"_s;
    saved.shape = {u',', 5, {u"年月日"_s, u"お取引内容"_s, u"お引出し"_s, u"お預入れ"_s, u""_s}};
    saved.encoding = CsvEncoding::ShiftJis;
    saved.mapping.hasHeader = true;
    saved.mapping.dateColumn = 0;
    saved.mapping.dateFormat = u"yyyy/M/d"_s;
    saved.mapping.amountStyle = CsvRecordMapping::AmountStyle::DebitAndCredit;
    saved.mapping.debitColumn = 2;
    saved.mapping.creditColumn = 3;
    saved.mapping.commentColumn = 1;
    saved.mapping.keywordsToAdd = {u"銀行"_s, u"Giro"_s};
    return saved;
}

TEST(CsvSavedMapping, comesBackFromItsMapAsItWasAndWithDefaultsForWhatTheMapLacks) {
    EXPECT_EQ(CsvSavedMapping::fromMap(bank().toMap()), bank());

    // A later version's fields are passed over; a field the map lacks is its default.
    QVariantMap map = bank().toMap();
    map.insert(u"version"_s, 7);
    map.insert(u"signConvention"_s, u"outgoingsPositive"_s);
    map.remove(u"keywordsToAdd"_s);
    map.remove(u"dateFormat"_s);
    const std::optional<CsvSavedMapping> later = CsvSavedMapping::fromMap(map);
    ASSERT_TRUE(later);
    EXPECT_TRUE(later->mapping.keywordsToAdd.isEmpty());
    EXPECT_EQ(later->mapping.dateFormat, CsvRecordMapping().dateFormat);
    EXPECT_EQ(later->mapping.debitColumn, 2);

    // A column the shape has not is no column.
    map.insert(u"creditColumn"_s, 5);
    map.insert(u"commentColumn"_s, u"x"_s);
    EXPECT_EQ(CsvSavedMapping::fromMap(map)->mapping.creditColumn, CsvRecordMapping::noColumn);
    EXPECT_EQ(CsvSavedMapping::fromMap(map)->mapping.commentColumn, CsvRecordMapping::noColumn);

    // A card's sign and a table below title lines come back; a start no statement has is no mapping.
    CsvSavedMapping card = bank();
    card.shape.startRow = card.mapping.startRow = 4;
    card.mapping.amountStyle = CsvRecordMapping::AmountStyle::OneColumn;
    card.mapping.amountSign = CsvRecordMapping::AmountSign::OutgoingsPositive;
    card.mapping.amountColumn = 2;
    EXPECT_EQ(CsvSavedMapping::fromMap(card.toMap()), card);
    for (const QVariant& start : {QVariant(-1), QVariant(1'000'000), QVariant(u"top"_s)}) {
        QVariantMap odd = card.toMap();
        odd.insert(u"startRow"_s, start);
        EXPECT_FALSE(CsvSavedMapping::fromMap(odd)) << start.toString().toStdString();
    }

    // Without a name, a shape or a version it is no mapping.
    for (const char16_t* key : {u"name", u"separator", u"columnCount", u"version"}) {
        QVariantMap lacking = bank().toMap();
        lacking.remove(QString::fromUtf16(key));
        EXPECT_FALSE(CsvSavedMapping::fromMap(lacking)) << QString::fromUtf16(key).toStdString();
    }
}

TEST(CsvSavedMapping, fitsAFileOfItsShapeReadWithItsEncodingAndSeparator) {
    CsvSavedMapping saved = bank();
    saved.encoding = CsvEncoding::Utf8;
    saved.shape.headerNames.last() = u"残高"_s;
    const QByteArray head = u"年月日,お取引内容,お引出し,お預入れ, 残高 \r\n2026/3/1,x,1,,2\r\n"_s.toUtf8();
    EXPECT_TRUE(saved.fits(head, true));
    EXPECT_TRUE(saved.fits(head.left(head.indexOf('\n') + 1), true));
    // Another name, or another number of columns, is another shape.
    EXPECT_FALSE(saved.fits(u"年月日,内容,お引出し,お預入れ,残高\r\n"_s.toUtf8(), true));
    EXPECT_FALSE(saved.fits(u"年月日,お取引内容,お引出し,お預入れ,残高,メモ\r\n"_s.toUtf8(), true));
    saved.shape.separator = u';';
    EXPECT_FALSE(saved.fits(head, true));

    // Without a header, the number of columns is the shape.
    CsvSavedMapping plain = saved;
    plain.mapping.hasHeader = false;
    plain.shape = {u',', 3, {}};
    EXPECT_TRUE(plain.fits("2026-01-02,-5,Coffee", false));
    EXPECT_FALSE(plain.fits("2026-01-02,-5,Coffee", true));
    EXPECT_FALSE(plain.fits("2026-01-02,-5\n", false));

    // Below title lines, the table's start is the shape, whatever the titles say.
    CsvSavedMapping titled = saved;
    titled.shape.separator = u',';
    titled.shape.startRow = titled.mapping.startRow = 2;
    const QByteArray december = u"口座番号,1234567\r\n期間,2026/12/1～2026/12/31\r\n"_s.toUtf8() + head;
    const QByteArray january = u"口座番号,7654321\r\n期間,2027/1/1～2027/1/31\r\n"_s.toUtf8() + head;
    EXPECT_TRUE(titled.fits(december, true));
    EXPECT_TRUE(titled.fits(january, false));
    EXPECT_FALSE(titled.fits(head, true));
    EXPECT_FALSE(titled.fits(u"口座番号,1234567\r\n"_s.toUtf8() + head, true));
}

} // namespace
