#include "GetFileFromFileType.h"
#include "LegacyFileWriter.h"
#include "LegacySlot.h"
#include "LegacyTextDecoder.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <limits>

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

using Oddity = LegacySlot::Oddity;

IOPtr recordOf(const LegacyEntry& entry, Oddity* oddity = nullptr) {
    const QByteArray bytes = legacySlotBytes(entry);
    LegacyTextDecoder decoder;
    IOPtr record;
    const Oddity found = LegacySlot(bytes.constData()).toRecord(decoder, CalendarDate::now(), &record);
    if (oddity) {
        *oddity = found;
    }
    return record;
}

// Dates --------------------------------------------------------------------

struct DateCase {
    std::uint32_t seconds;
    QDate day;
};

class LegacyDate : public ::testing::TestWithParam<std::tuple<const char*, DateCase>> {
protected:
    void TearDown() override { TestEnvironment::setTimeZone("UTC"); }
};

TEST_P(LegacyDate, isTheWallClockDayAtMidnightInAnyZone) {
    const auto& [zone, c] = GetParam();
    TestEnvironment::setTimeZone(zone);
    const IOPtr record = recordOf({c.seconds, 1.0, {}});
    ASSERT_TRUE(record);
    EXPECT_EQ(record->date(), c.day);
    EXPECT_EQ(record->dateTime(), QDateTime(c.day, QTime(0, 0)));
}

INSTANTIATE_TEST_SUITE_P(
    Days, LegacyDate,
    ::testing::Combine(::testing::Values("Asia/Tokyo", "America/New_York"),
                       ::testing::Values(DateCase{0, QDate(1904, 1, 1)},
                                         DateCase{23 * 3600 + 59 * 60, QDate(1904, 1, 1)},
                                         DateCase{86'399, QDate(1904, 1, 1)}, DateCase{86'400, QDate(1904, 1, 2)},
                                         // 1 March 2000 23:59:59, a leap century.
                                         DateCase{3'034'799'999u, QDate(2000, 3, 1)},
                                         // The last second a count can hold.
                                         DateCase{std::numeric_limits<std::uint32_t>::max(), QDate(2040, 2, 6)})),
    [](const auto& info) {
        QString zone = QString::fromLatin1(std::get<0>(info.param)).replace(u'/', u'_');
        return zone.toStdString() + "_" + std::to_string(std::get<1>(info.param).seconds);
    });

// Amounts ---------------------------------------------------

TEST(LegacySlot, amountsBecomeTheShortestExactDecimal) {
    for (const auto& [value, expected] :
         {std::pair{-12.5, "-12.5"}, std::pair{0.1, "0.1"}, std::pair{1234567.89, "1234567.89"}, std::pair{0.0, "0"}}) {
        const IOPtr record = recordOf({0, value, {}});
        ASSERT_TRUE(record) << value;
        ASSERT_TRUE(record->amount()) << value;
        EXPECT_EQ(record->amount()->toString(), QString::fromLatin1(expected));
    }
}

// What money can be -----------------------------------------------------------

struct AmountCase {
    double amount;
    Oddity oddity;
};

class LegacyAmount : public ::testing::TestWithParam<AmountCase> {};

TEST_P(LegacyAmount, isJudgedAsMoneyWithTheDoublesOwnInexactness) {
    EXPECT_EQ(LegacySlot::judgeAmount(GetParam().amount), GetParam().oddity) << GetParam().amount;
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, LegacyAmount,
    ::testing::Values(AmountCase{0.0, Oddity::None}, AmountCase{-0.0, Oddity::None}, AmountCase{12.34, Oddity::None},
                      AmountCase{-12.5, Oddity::None}, AmountCase{0.01, Oddity::None}, AmountCase{0.29, Oddity::None},
                      AmountCase{1234567.89, Oddity::None}, AmountCase{-98765432.1, Oddity::None},
                      // The largest amounts, to the cent.
                      AmountCase{999'999'999'999.99, Oddity::None}, AmountCase{-1e12, Oddity::None},
                      AmountCase{1e12 + 1, Oddity::AmountTooLarge}, AmountCase{-1e300, Oddity::AmountTooLarge},
                      AmountCase{0.001, Oddity::AmountTooPrecise}, AmountCase{12.345, Oddity::AmountTooPrecise},
                      AmountCase{1.0 / 3.0, Oddity::AmountTooPrecise},
                      AmountCase{std::numeric_limits<double>::denorm_min(), Oddity::AmountTooPrecise},
                      AmountCase{1.5e-300, Oddity::AmountTooPrecise},
                      AmountCase{std::numeric_limits<double>::quiet_NaN(), Oddity::AmountNotANumber},
                      AmountCase{-std::numeric_limits<double>::infinity(), Oddity::AmountNotANumber}));

// Text -----------------------------------------------------------------------

TEST(LegacyText, japaneseTextDecodesWithTheVendorCharacters) {
    LegacyTextDecoder decoder;
    // 日本語 表 (its second byte is a backslash in ASCII) ① (a vendor extension), half-width カ.
    const QByteArray bytes = QByteArray::fromHex("93fa967b8cea20955c2087402020b6");
    EXPECT_EQ(decoder.decodeStrictly(bytes), text("日本語 表 ①  ｶ"));
    EXPECT_EQ(decoder.decodeStrictly("Caf\x5c~ 100%"), QStringLiteral("Caf\\~ 100%"));
    // A byte that starts nothing, a lead byte with a partner it does not take, a lead byte at the end.
    EXPECT_FALSE(decoder.decodeStrictly(QByteArray::fromHex("41a042")));
    EXPECT_FALSE(decoder.decodeStrictly(QByteArray::fromHex("41822043")));
    EXPECT_FALSE(decoder.decodeStrictly(QByteArray::fromHex("414282")));
    EXPECT_EQ(decoder.decodeStrictly(QByteArray::fromHex("414282"), LegacyTextDecoder::CutEnd::Dropped),
              QStringLiteral("AB"));
}

TEST(LegacySlot, aCommentThatIsNotTextStillMakesARecordAsFarAsItDecodes) {
    Oddity oddity = Oddity::None;
    // 255 bytes of 表 cut after the lead byte of the 128th: the limit cut it, the rest is kept.
    QByteArray cut;
    while (cut.size() < 255) {
        cut += QByteArray::fromHex("955c");
    }
    cut.truncate(255);
    IOPtr record = recordOf({0, 1.0, cut}, &oddity);
    ASSERT_TRUE(record);
    EXPECT_EQ(oddity, Oddity::None);
    EXPECT_EQ(record->comment(), QString(127, QChar(0x8868)));

    // A shorter comment has no reason to end in half a character: it is marked there.
    const QChar mark(QChar::ReplacementCharacter);
    record = recordOf({0, 1.0, cut.left(253)}, &oddity);
    ASSERT_TRUE(record);
    EXPECT_EQ(oddity, Oddity::CommentNotText);
    EXPECT_EQ(record->comment(), QString(126, QChar(0x8868)) + mark);
    // Nobody types a NUL, a bell or an escape; a tab and line ends pass.
    for (const auto& [control, kept] : {std::pair{QByteArray("a\0b", 3), QStringLiteral("a\uFFFDb")},
                                        std::pair{QByteArray("bell\x07"), QStringLiteral("bell\uFFFD")},
                                        std::pair{QByteArray("del\x7f"), QStringLiteral("del\uFFFD")}}) {
        record = recordOf({0, 1.0, control}, &oddity);
        ASSERT_TRUE(record) << control.toHex().constData();
        EXPECT_EQ(oddity, Oddity::CommentNotText);
        EXPECT_EQ(record->comment(), kept);
    }
    EXPECT_TRUE(recordOf({0, 1.0, "tab\there\r\n"}, &oddity));
    EXPECT_EQ(oddity, Oddity::None);
    // An odd amount is the reason, whatever the comment; it is kept as it was.
    record = recordOf({0, 0.005, "\x01"}, &oddity);
    ASSERT_TRUE(record);
    EXPECT_EQ(oddity, Oddity::AmountTooPrecise);
    EXPECT_EQ(record->amount()->toString(), QStringLiteral("0.005"));
    // An amount that is no number cannot be kept.
    EXPECT_FALSE(recordOf({0, std::numeric_limits<double>::quiet_NaN(), "nan"}, &oddity));
    EXPECT_EQ(oddity, Oddity::AmountNotANumber);
}

// Finding and reading the file ------------------------------------------------

class LegacyFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QDir(m_documents).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(m_documents));
    }
    void TearDown() override { QDir(m_documents).removeRecursively(); }

    static QByteArray name(const QByteArray& bytes) { return char(bytes.size()) + bytes; }

    QString m_documents;
};

TEST_F(LegacyFile, lookupFailuresGiveTheirStatus) {
    LegacyFileRef ref;
    EXPECT_EQ(GetFileFromFileType(QByteArrayView(legacyLibraryName), documentsFolderType, false, &ref), -43);
    // Only the documents folder is known.
    EXPECT_NE(GetFileFromFileType(QByteArrayView(legacyLibraryName), 0x70726566 /* 'pref' */, false, &ref), 0);
    // A length byte that claims more than there is.
    EXPECT_NE(GetFileFromFileType(QByteArrayView("\x20short"), documentsFolderType, false, &ref), 0);
    EXPECT_NE(GetFileFromFileType(QByteArrayView(), documentsFolderType, false, &ref), 0);
    // Longer than 50 UTF-16 units, or no text at all in the encoding.
    EXPECT_NE(GetFileFromFileType(name(QByteArray(51, 'k')), documentsFolderType, false, &ref), 0);
    EXPECT_NE(GetFileFromFileType(name(QByteArray::fromHex("4182")), documentsFolderType, false, &ref), 0);
    // A name never reaches outside the folder.
    EXPECT_NE(GetFileFromFileType(name("../Kesh Library"), documentsFolderType, true, &ref), 0);
    // No documents folder: it is not created.
    QDir(m_documents).removeRecursively();
    EXPECT_NE(GetFileFromFileType(QByteArrayView(legacyLibraryName), documentsFolderType, true, &ref), 0);
    EXPECT_FALSE(QFileInfo::exists(m_documents));
}

TEST_F(LegacyFile, aJapaneseNameOfFiftyCharactersIsFoundAndAMissingFileCanBeMade) {
    // 50 times 家 (0x89c6): 100 bytes, 50 UTF-16 units.
    QByteArray bytes;
    for (int i = 0; i < 50; ++i) {
        bytes += QByteArray::fromHex("89c6");
    }
    LegacyFileRef ref;
    EXPECT_EQ(GetFileFromFileType(name(bytes), documentsFolderType, false, &ref), -43);
    EXPECT_EQ(GetFileFromFileType(name(bytes), documentsFolderType, true, &ref), 0);
    EXPECT_EQ(QFileInfo(ref.path).fileName(), QString(50, QChar(0x5BB6)));
    EXPECT_EQ(QFileInfo(ref.path).size(), 0);
}

} // namespace
