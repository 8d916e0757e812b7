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
const LegacyEntry notText{0, 1.0, QByteArray("\x01\x02\x03")};

INSTANTIATE_TEST_SUITE_P(
    Shares, OddSlots,
    ::testing::Values(OddCase{9, {tooLarge}, false, ""}, OddCase{5, std::vector<LegacyEntry>(5, tooLarge), false, ""},
                      OddCase{5, std::vector<LegacyEntry>(6, tooLarge), true, "6 of 11 records have amounts"},
                      OddCase{1, {notText, notText}, true, "2 of 3 records have comments that are not text"},
                      OddCase{1, {notText, tooLarge}, true, "2 of 3 records have amounts or comments"},
                      OddCase{0, {tooLarge}, true, "1 of 1 records"}));

} // namespace
