#include "LegacyLibraryReader.h"
#include "DataFileFormat.h"
#include "LegacyFileWriter.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Failure = LegacyLibraryReader::Failure;

// Bytes no one chose: the same every run.
QByteArray noise(qsizetype size, quint32 seed) {
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) {
        byte = char(generator.bounded(256));
    }
    return bytes;
}

class Reader : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_folder.filePath(name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }

    QTemporaryDir m_folder;
};

// Files of other kinds ----------------------------------------------------------

struct ForeignCase {
    const char* name;
    QByteArray head;
    const char* kindWords;
};

class ForeignFile : public Reader, public ::testing::WithParamInterface<ForeignCase> {};

TEST_P(ForeignFile, isRefusedForWhatItIs) {
    const ForeignCase& c = GetParam();
    // Long enough to look like 176 slots, as the file that showed the fault did.
    const QString path = write(QStringLiteral("file.bin"), c.head + noise(176 * 540 - c.head.size(), 7));
    LegacyLibraryReader reader(path);
    ASSERT_FALSE(reader.read());
    EXPECT_EQ(reader.failure(), Failure::NotALegacyLibrary);
    EXPECT_TRUE(reader.errorString().startsWith(QStringLiteral("“file.bin” is ")));
    EXPECT_TRUE(reader.errorString().contains(QString::fromUtf8(c.kindWords))) << reader.errorString().toStdString();
    EXPECT_TRUE(reader.records().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ForeignFile,
    ::testing::Values(ForeignCase{"png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "PNG image"},
                      ForeignCase{"jpeg", QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11), "JPEG image"},
                      ForeignCase{"gif", "GIF89a", "GIF image"},
                      ForeignCase{"pdf", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n", "PDF document"},
                      ForeignCase{"zip", QByteArray("PK\x03\x04\x14\0\0\0\x08\0", 10), "ZIP archive"},
                      ForeignCase{"gzip", QByteArray("\x1F\x8B\x08\0", 4), "compressed file"},
                      ForeignCase{"elf", "\x7F\x45LF\x02\x01\x01", "program"},
                      ForeignCase{"sqlite", QByteArray("SQLite format 3\0", 16), "database"},
                      ForeignCase{"kesh", QByteArray(DataFileFormat::magic.data(), 8), "kesh library"},
                      ForeignCase{"utf8Bom", "\xEF\xBB\xBF\x44\x61te;Amount;Comment\r\n", "text file"},
                      ForeignCase{"utf16Bom", QByteArray("\xFF\xFE\x44\0\x61\0", 6), "text file"}));

TEST_F(Reader, textWithoutAMarkIsRefusedAsText) {
    QByteArray csv("Date,Amount,Comment\n");
    while (csv.size() < 3 * 540) {
        csv += "2003-04-01,-12.50,Lunch \xE6\x98\xBC\xE9\xA3\xAF\n";
    }
    LegacyLibraryReader reader(write(QStringLiteral("export.csv"), csv));
    ASSERT_FALSE(reader.read());
    EXPECT_TRUE(reader.errorString().contains(QStringLiteral("text file")));

    // Shorter than a slot, too.
    LegacyLibraryReader note(write(QStringLiteral("note.txt"), "buy milk\n"));
    EXPECT_FALSE(note.read());
    EXPECT_EQ(note.failure(), Failure::NotALegacyLibrary);
}

TEST_F(Reader, aLedgerWhoseUnusedHeadLooksLikeASignatureIsStillRead) {
    for (const QByteArray& head : {QByteArray("PK\x03\x04"), QByteArray("\x1F\x8B\x08\x00", 4), QByteArray("BZh9")}) {
        QByteArray bytes = legacyFileBytes({{0, -12.5, "Lunch"}, {0, 3.0, "Bus"}});
        bytes.replace(0, head.size(), head);
        LegacyLibraryReader reader(write(QStringLiteral("Kesh Library"), bytes));
        EXPECT_TRUE(reader.read()) << reader.errorString().toStdString();
        EXPECT_EQ(reader.records().size(), 2u);
    }
}

// Slots no ledger holds ----------------------------------------------------------

struct OddCase {
    int sound;
    std::vector<LegacyEntry> odd;
    bool refused;
    const char* words;
};

class OddSlots : public Reader, public ::testing::WithParamInterface<OddCase> {};

TEST_P(OddSlots, areImportedAndReportedUnlessTheyAreMost) {
    const OddCase& c = GetParam();
    std::vector<LegacyEntry> entries(std::size_t(c.sound), LegacyEntry{0, 1.0, "fine"});
    // Odd slots spread through the file, as damage would be; free slots do not count.
    for (std::size_t i = 0; i < c.odd.size(); ++i) {
        entries.insert(entries.begin() + qsizetype(2 * i), c.odd[i]);
        entries.push_back(LegacyEntry{0, 0.0, {}, 1, 0});
    }
    LegacyLibraryReader reader(write(QStringLiteral("Kesh Library"), legacyFileBytes(entries)));
    EXPECT_EQ(reader.read(), !c.refused) << reader.errorString().toStdString();
    if (c.refused) {
        EXPECT_TRUE(reader.errorString().contains(QString::fromUtf8(c.words))) << reader.errorString().toStdString();
        return;
    }
    const auto all = c.sound + qint64(c.odd.size());
    EXPECT_EQ(reader.preview().recordCount(), all);
    EXPECT_EQ(reader.preview().oddRecordCount(), qint64(c.odd.size()));
    EXPECT_EQ(reader.preview().leftOutCount(), 0);
    EXPECT_EQ(qint64(reader.records().size()), all);
}

const LegacyEntry tooLarge{0, 3e15, "x"};
const LegacyEntry threeDecimals{0, 12.345, "Fuel"};
// No program that keeps money writes these.
const LegacyEntry noMoney{0, 1e300, "x"};
const LegacyEntry notText{0, 1.0, QByteArray("\x01\x02\x03")};

INSTANTIATE_TEST_SUITE_P(
    Shares, OddSlots,
    ::testing::Values(OddCase{9, {tooLarge}, false, ""}, OddCase{5, std::vector<LegacyEntry>(5, tooLarge), false, ""},
                      // Odd amounts in a ledger's layout are the user's call, however many.
                      OddCase{5, std::vector<LegacyEntry>(6, tooLarge), false, ""},
                      OddCase{0, std::vector<LegacyEntry>(12, threeDecimals), false, ""},
                      OddCase{5, std::vector<LegacyEntry>(6, noMoney), true, "6 of 11 records have amounts"},
                      OddCase{1, {notText, notText}, true, "2 of 3 records have comments that are not text"},
                      OddCase{1, {notText, noMoney}, true, "2 of 3 records have amounts or comments"},
                      // Counted once, though both its fields fail.
                      OddCase{2, {LegacyEntry{0, 1e300, QByteArray("\x01")}, noMoney}, false, ""},
                      OddCase{0, {noMoney}, true, "1 of 1 records"}));

TEST_F(Reader, aLedgerOfMostlyOddAmountsKeepsThemExactlyAndSaysSoBeforeImporting) {
    std::vector<LegacyEntry> entries;
    for (const double amount : {12.345, -0.125, 3e15, 1250.005}) {
        entries.push_back({86'400u * 36'600, amount, "Fuel"});
    }
    entries.push_back({86'400u * 36'600, 4.5, "Bread"});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    LegacyLibraryReader reader(write(QStringLiteral("Kesh Library"), legacyFileBytes(entries)));
    ASSERT_TRUE(reader.read()) << reader.errorString().toStdString();
    const LegacyPreview& preview = reader.preview();
    EXPECT_TRUE(preview.amountsMostlyOdd());
    EXPECT_EQ(preview.oddAmountCount(), 4);
    ASSERT_EQ(reader.records().size(), 5u);
    EXPECT_EQ(reader.records()[0]->amount()->toString(), QStringLiteral("12.345"));
    EXPECT_EQ(reader.records()[3]->amount()->toString(), QStringLiteral("1250.005"));

    const QString shown = preview.paragraphs(true).join(u'\n');
    EXPECT_TRUE(shown.contains(QStringLiteral("import it anyway"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Some of the odd amounts, as the file holds them: 12.345 on 3/16/04, "
                                              "-0.125 on 3/16/04, and 3E+15 on 3/16/04.")))
        << shown.toStdString();
    // After the import only what happened is told.
    EXPECT_FALSE(preview.paragraphs(false).join(u'\n').contains(QStringLiteral("12.345")));
    QLocale::setDefault(QLocale::system());
}

TEST_F(Reader, noiseAndTextOfNoKnownKindAreRefusedByTheirSlots) {
    for (const quint32 seed : {1u, 2u, 3u}) {
        LegacyLibraryReader reader(write(QStringLiteral("noise.bin"), noise(40 * 540, seed)));
        EXPECT_FALSE(reader.read()) << seed;
        EXPECT_EQ(reader.failure(), Failure::NotALegacyLibrary);
        EXPECT_TRUE(reader.errorString().contains(QStringLiteral("does not look like a legacy library")));
    }
    // Latin-1 text is no UTF-8, so its head does not tell; its slots do.
    QByteArray latin1;
    while (latin1.size() < 20 * 540) {
        latin1 += "Caf\xe9 cr\xe8me, 12,50 \x80 le 3 mars 2003; \xe0 Besan\xe7on\r\n";
    }
    LegacyLibraryReader reader(write(QStringLiteral("notes.txt"), latin1));
    EXPECT_FALSE(reader.read());
    EXPECT_EQ(reader.failure(), Failure::NotALegacyLibrary);
}

} // namespace
