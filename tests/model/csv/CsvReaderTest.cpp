#include "CsvReader.h"

#include <QBuffer>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList rowOf(const CsvTable& table, std::size_t row) {
    QStringList fields;
    for (int column = 0; column < table.fieldCount(row); ++column) {
        fields << table.field(row, column).toString();
    }
    return fields;
}

CsvReader readerFor(CsvEncoding::Encoding encoding = CsvEncoding::Utf8, QChar separator = u',') {
    CsvReader reader;
    reader.setEncoding(encoding);
    reader.setSeparator(separator);
    return reader;
}

TEST(CsvReader, readsQuotedFieldsWithSeparatorsQuotesAndLineBreaks) {
    CsvReader reader = readerFor();
    ASSERT_TRUE(reader.read(QByteArrayView("date,comment\r\n"
                                           "2026-01-02,\"Lunch, with \"\"Bob\"\"\"\r\n"
                                           "2026-01-03,\"two\r\nlines\"\r\n"
                                           "\r\n"
                                           "2026-01-04,\"\"\n"
                                           "2026-01-05,last without a line end")))
        << reader.errorString().toStdString();
    const CsvTable& table = reader.table();
    ASSERT_EQ(table.rowCount(), 5u);
    EXPECT_EQ(rowOf(table, 1), (QStringList{u"2026-01-02"_s, u"Lunch, with \"Bob\""_s}));
    EXPECT_EQ(rowOf(table, 2), (QStringList{u"2026-01-03"_s, u"two\r\nlines"_s}));
    EXPECT_EQ(rowOf(table, 3), (QStringList{u"2026-01-04"_s, u""_s}));
    // Rows know the line they start on: after a field of two lines and a blank line.
    EXPECT_EQ(table.line(2), 3);
    EXPECT_EQ(table.line(3), 6);
    EXPECT_EQ(table.line(4), 7);
    EXPECT_EQ(table.columnCount(), 2);
}

TEST(CsvReader, readsEveryLineEndingAndTheChosenSeparator) {
    CsvReader reader = readerFor(CsvEncoding::Utf8, u';');
    ASSERT_TRUE(reader.read(QByteArrayView("a;b\rc;d\r\ne;\"f;g\"\n")));
    ASSERT_EQ(reader.table().rowCount(), 3u);
    EXPECT_EQ(rowOf(reader.table(), 1), (QStringList{u"c"_s, u"d"_s}));
    EXPECT_EQ(rowOf(reader.table(), 2), (QStringList{u"e"_s, u"f;g"_s}));
    EXPECT_EQ(reader.table().line(2), 3);

    CsvReader tabs = readerFor(CsvEncoding::Utf8, u'\t');
    ASSERT_TRUE(tabs.read(QByteArrayView("1,5\t2\n")));
    EXPECT_EQ(rowOf(tabs.table(), 0), (QStringList{u"1,5"_s, u"2"_s}));
    EXPECT_EQ(CsvReader::guessSeparator("date;amount;comment\n1,5;2;3\n"), QChar(u';'));
    EXPECT_EQ(CsvReader::guessSeparator("date\tamount\tcomment, more\n"), QChar(u'\t'));
}

TEST(CsvReader, decodesTheThreeEncodingsAndSkipsAByteOrderMark) {
    const QString text = QStringLiteral("日付,摘要\n2026/3/1,コンビニ①\n");
    CsvReader sjis = readerFor(CsvEncoding::ShiftJis);
    ASSERT_TRUE(sjis.read(QByteArray(QStringEncoder("Shift_JIS").encode(text))));
    EXPECT_EQ(rowOf(sjis.table(), 1), (QStringList{u"2026/3/1"_s, u"コンビニ①"_s}));

    CsvReader western = readerFor(CsvEncoding::Windows1252);
    ASSERT_TRUE(western.read(QByteArrayView("caf\xe9,\x80 5\n")));
    EXPECT_EQ(rowOf(western.table(), 0), (QStringList{u"café"_s, u"€ 5"_s}));

    CsvReader utf8 = readerFor();
    ASSERT_TRUE(utf8.read(QByteArrayView("\xef\xbb\xbf"
                                         "date\n")));
    EXPECT_EQ(rowOf(utf8.table(), 0), QStringList{u"date"_s});

    EXPECT_EQ(CsvEncoding::guess(QByteArray(QStringEncoder("Shift_JIS").encode(text))), CsvEncoding::ShiftJis);
    EXPECT_EQ(CsvEncoding::guess(text.toUtf8()), CsvEncoding::Utf8);
    EXPECT_EQ(CsvEncoding::guess("caf\xe9\n"), CsvEncoding::Windows1252);
}

TEST(CsvReader, readsAFileOfManyBlocksWithCharactersAcrossTheirEdges) {
    // Long lines of two-byte characters, so that block edges fall inside
    // characters and inside lines; one field spans the edge with its line breaks.
    QString text;
    int rows = 0;
    while (text.size() < 1'500'000) {
        text += QStringLiteral("%1,\"食料品 %2\n続き\",x\n").arg(rows).arg(QString(97 + rows % 20, u'語'));
        ++rows;
    }
    QByteArray bytes = QStringEncoder("Shift_JIS").encode(text);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    CsvReader reader = readerFor(CsvEncoding::ShiftJis);
    ASSERT_TRUE(reader.read(&device)) << reader.errorString().toStdString();
    ASSERT_EQ(reader.table().rowCount(), std::size_t(rows));
    for (int row = 0; row < rows; ++row) {
        ASSERT_EQ(reader.table().field(std::size_t(row), 1),
                  QStringLiteral("食料品 %1\n続き").arg(QString(97 + row % 20, u'語')))
            << row;
        ASSERT_EQ(reader.table().line(std::size_t(row)), 2 * row + 1);
    }

    // A byte that is no Shift_JIS late in the file is found on its own line.
    bytes.append("1,2\n3,\x80\x80\n");
    QBuffer broken(&bytes);
    broken.open(QIODevice::ReadOnly);
    ASSERT_FALSE(reader.read(&broken));
    EXPECT_EQ(reader.errorLine(), 2 * rows + 2);
    EXPECT_EQ(reader.table().rowCount(), 0u);
}

struct BadInput {
    const char* name;
    QByteArray bytes;
    qint64 line;
    const char* says;
};

class CsvReaderBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(CsvReaderBadInput, isRefusedWithTheLineAndNoRows) {
    CsvReader reader = readerFor();
    CsvReader::Limits limits;
    limits.fieldCharacters = 1000;
    reader.setLimits(limits);
    EXPECT_FALSE(reader.read(QByteArrayView(GetParam().bytes)));
    EXPECT_EQ(reader.errorLine(), GetParam().line);
    EXPECT_TRUE(reader.errorString().contains(QString::fromUtf8(GetParam().says)))
        << reader.errorString().toStdString();
    EXPECT_EQ(reader.table().rowCount(), 0u);
}

QByteArray manyColumns(int count) {
    QByteArray row;
    for (int i = 0; i < count; ++i) {
        row += "1,";
    }
    return "a,b\n" + row + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvReaderBadInput,
    ::testing::Values(
        BadInput{"unclosedQuote", "a,b\n1,\"never closed\n2,3\n", 2, "never closed"},
        BadInput{"unclosedQuotePastFieldLimit", "a\n\"" + QByteArray(2000, 'x') + "\n", 2, "not closed within"},
        BadInput{"textAfterClosingQuote", "a,b\n\"x\"y,2\n", 2, "after its closing quote"},
        BadInput{"wrongEncoding", "a,b\n1,2\n3,\x93\xfa\x96\x7b\x8c\xea\n", 3, "not Unicode (UTF-8) text"},
        BadInput{"emptyFile", "", 0, "empty"}, BadInput{"onlyBlankLines", "\r\n\n\n", 0, "empty"},
        BadInput{"tenThousandColumns", manyColumns(10'000), 2, "more than 1,000 columns"},
        BadInput{"nullCharacter", QByteArray("a\nb\0c\n", 6), 2, "null character"}),
    [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

TEST(CsvReader, refusesAFileTooLargeBeforeReadingIt) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("huge.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A sparse file: two gigabytes that take no room on the disk.
    ASSERT_TRUE(file.resize(qint64(2) << 30));
    file.close();
    CsvReader reader = readerFor();
    EXPECT_FALSE(reader.readFile(file.fileName()));
    EXPECT_EQ(reader.errorLine(), 0);
    EXPECT_TRUE(reader.errorString().contains(QStringLiteral("up to 100 MiB"))) << reader.errorString().toStdString();

    // Bytes past the limit are refused too, whichever way they come.
    CsvReader::Limits limits;
    limits.fileBytes = 3 << 20;
    reader.setLimits(limits);
    QByteArray bytes(4 << 20, 'x');
    EXPECT_FALSE(reader.read(QByteArrayView(bytes)));
    EXPECT_TRUE(reader.errorString().contains(QStringLiteral("up to 3 MiB"))) << reader.errorString().toStdString();
}

TEST(CsvReader, stopsAtTheRowLimit) {
    CsvReader reader = readerFor();
    CsvReader::Limits limits;
    limits.rows = 3;
    reader.setLimits(limits);
    EXPECT_TRUE(reader.read(QByteArrayView("1\n2\n3\n")));
    EXPECT_FALSE(reader.read(QByteArrayView("1\n2\n3\n4\n")));
    EXPECT_EQ(reader.errorLine(), 4);
}

TEST(CsvReader, readsTheFirstRowsOfAFileItHasOnlyTheStartOf) {
    const QByteArrayView head("date,comment\n2026-01-02,\"two\nlines\"\n2026-01-03,plain\n2026-01-04,\"cut in");
    CsvReader reader = readerFor();
    // The row the head cuts off inside its quotes is not one of them.
    ASSERT_TRUE(reader.readHead(head, 10, true)) << reader.errorString().toStdString();
    ASSERT_EQ(reader.table().rowCount(), 3u);
    EXPECT_EQ(rowOf(reader.table(), 2), (QStringList{u"2026-01-03"_s, u"plain"_s}));
    EXPECT_EQ(reader.table().totalFields(), 6u);

    // A line cut off without quotes is left out too; enough rows stop the reading.
    ASSERT_TRUE(reader.readHead("a,b\n1,2\n3,4", 10, true));
    EXPECT_EQ(reader.table().rowCount(), 2u);
    ASSERT_TRUE(reader.readHead(head, 2, true));
    EXPECT_EQ(reader.table().rowCount(), 2u);
    EXPECT_EQ(rowOf(reader.table(), 1), (QStringList{u"2026-01-02"_s, u"two\nlines"_s}));

    // The whole file: its last row needs no line break, and a quote it never closes is a fault.
    ASSERT_TRUE(reader.readHead("a,b\n1,2\n3,4", 10, false));
    EXPECT_EQ(reader.table().rowCount(), 3u);
    EXPECT_FALSE(reader.readHead(head, 10, false));
    EXPECT_EQ(reader.errorLine(), 5);
    // A fault within the rows asked for is told, wherever the head ends.
    EXPECT_FALSE(reader.readHead("a\n\"x\"y\n2\n", 10, true));
    EXPECT_EQ(reader.errorLine(), 2);
}

TEST(CsvReader, stopsWhenCancelledAndTellsHowFarItCame) {
    QByteArray bytes;
    while (bytes.size() < (3 << 20)) {
        bytes += "2026-01-02,-12.50,Coffee at the station\r\n";
    }
    CsvProgress progress;
    progress.beginPart(0, 400);
    CsvReader reader = readerFor();
    reader.setProgress(&progress);
    ASSERT_TRUE(reader.read(QByteArrayView(bytes)));
    EXPECT_EQ(progress.done(), 400);

    progress.cancel();
    EXPECT_FALSE(reader.read(QByteArrayView(bytes)));
    EXPECT_EQ(reader.table().rowCount(), 0u);
}

} // namespace
