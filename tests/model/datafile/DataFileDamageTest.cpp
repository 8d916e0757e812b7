#include "ConditionGroup.h"
#include "Crc32.h"
#include "DataFileFormat.h"
#include "DataFileReader.h"
#include "DataFileWriter.h"
#include "KeywordCondition.h"
#include "SmartBook.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <limits>

namespace {

using Tag = DataFileFormat::Tag;

// A small library with one of everything the file holds.
QByteArray smallLibraryFile() {
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr keyword = Keyword::create(QStringLiteral("food"));
    root->addKeyword(keyword);
    const IOPtr record = IO::create(Amount::fromInt(-12), QDateTime(QDate(2024, 5, 3), QTime(9, 0)),
                                    KeywordList{keyword}, QStringLiteral("Bakery"), 1);
    root->mainLibrary()->addObject(record);
    const BookPtr book = Book::create();
    book->addObject(record);
    root->addDumbBook(book);
    const SmartBookPtr smart = SmartBook::create();
    auto condition = KeywordCondition::create();
    condition->setConditionTypeCode(Condition::Includes);
    condition->setObject(keyword);
    smart->setConditions(condition);
    root->addSmartBook(smart);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DataFileWriter writer;
    EXPECT_TRUE(writer.write(*root, &buffer)) << writer.errorString().toStdString();
    return bytes;
}

// Reads and, when that succeeds, checks the library is the one written.
bool readsBackIntact(const QByteArray& bytes, QString* error) {
    DataFileReader reader;
    if (!reader.read(QByteArrayView(bytes))) {
        *error = reader.errorString();
        return false;
    }
    const DataRootPtr& root = reader.root();
    return root && root->mainLibrary()->count() == 1 &&
           root->mainLibrary()->objectAtIndex(0)->comment() == QStringLiteral("Bakery");
}

TEST(DataFileDamage, EveryTruncationIsRefused) {
    const QByteArray file = smallLibraryFile();
    ASSERT_GT(file.size(), DataFileFormat::headerSize);
    for (qsizetype length = 0; length < file.size(); ++length) {
        SCOPED_TRACE(length);
        DataFileReader reader;
        EXPECT_FALSE(reader.read(QByteArrayView(file.constData(), length)));
        EXPECT_FALSE(reader.root());
        EXPECT_EQ(reader.status(), DataFileReader::Status::Damaged);
        EXPECT_FALSE(reader.errorString().isEmpty());
    }
    DataFileReader reader;
    EXPECT_TRUE(reader.read(QByteArrayView(file))) << reader.errorString().toStdString();
}

TEST(DataFileDamage, EveryChangedByteIsRefused) {
    const QByteArray file = smallLibraryFile();
    for (qsizetype at = 0; at < file.size(); ++at) {
        for (const quint8 flip : {0x01, 0x80, 0xFF}) {
            QByteArray damaged = file;
            damaged[at] = char(quint8(damaged[at]) ^ flip);
            QString error;
            EXPECT_FALSE(readsBackIntact(damaged, &error)) << "byte " << at << " flipped by " << int(flip);
            EXPECT_FALSE(error.isEmpty());
            if (at < qsizetype(DataFileFormat::magic.size())) {
                EXPECT_TRUE(error.contains(QStringLiteral("not a kesh library"))) << error.toStdString();
            }
        }
    }
}

TEST(DataFileDamage, ForeignAndNewerFilesAreNamedAsSuch) {
    QString error;
    EXPECT_FALSE(readsBackIntact(QByteArray("Date,Amount,Comment\n2024-01-01,3,x\n"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("not a kesh library"))) << error.toStdString();
    EXPECT_FALSE(readsBackIntact(QByteArray(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("empty"))) << error.toStdString();

    // A later format may change everything after the header.
    QByteArray newer = DataFileWriter::header(QByteArrayView("anything at all"));
    DataFileFormat::putLittleEndian32(newer.data() + DataFileFormat::versionOffset, DataFileFormat::version + 1);
    DataFileFormat::putLittleEndian32(newer.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(newer.constData(), DataFileFormat::headerCrcOffset)));
    newer += "anything at all";
    EXPECT_FALSE(readsBackIntact(newer, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("newer version of kesh"))) << error.toStdString();
}

// Payloads written byte by byte, with good checksums, to reach the checks behind them.
using ClassId = DataFileFormat::ClassId;

QByteArray varint(quint64 value) {
    QByteArray bytes;
    for (; value >= 0x80; value >>= 7) {
        bytes.append(char((value & 0x7F) | 0x80));
    }
    return bytes.append(char(value));
}
QByteArray zigzag(qint64 value) {
    return varint((quint64(value) << 1) ^ quint64(value >> 63));
}
QByteArray tag(Tag t) {
    return QByteArray(1, char(t));
}
QByteArray object(ClassId id) {
    return tag(Tag::Object) + varint(quint8(id));
}
QByteArray reference(quint64 number) {
    return tag(Tag::ObjectRef) + varint(number);
}
QByteArray decimal(qint64 mantissa, qint64 exponent) {
    return tag(Tag::Decimal) + zigzag(mantissa) + zigzag(exponent);
}
QByteArray list(quint64 count) {
    return tag(Tag::List) + varint(count);
}
QByteArray classTable(const std::vector<std::pair<QByteArray, int>>& classes) {
    QByteArray bytes = varint(classes.size());
    for (const auto& [name, version] : classes) {
        bytes += varint(quint64(name.size())) + name + varint(quint64(version));
    }
    return bytes;
}
QByteArray standardClasses() {
    std::vector<std::pair<QByteArray, int>> classes;
    for (const auto name : DataFileFormat::classNames) {
        classes.emplace_back(QByteArray(name.data(), qsizetype(name.size())), 0);
    }
    return classTable(classes);
}
QByteArray file(QByteArray payload, quint32 objects, quint32 strings = 0) {
    char counts[8];
    DataFileFormat::putLittleEndian32(counts, objects);
    DataFileFormat::putLittleEndian32(counts + 4, strings);
    payload.append(counts, 8);
    return DataFileWriter::header(payload) + payload;
}

const QByteArray nil = tag(Tag::Nil);
const QByteArray root = object(ClassId::DataRoot) + decimal(2, 0);
const QByteArray emptyBook = object(ClassId::Book) + list(0) + nil + list(0);
// Up to the tree of the only smart book (objects 0 to 2).
const QByteArray smartBookTree =
    standardClasses() + root + emptyBook + list(0) + list(1) + object(ClassId::SmartBook) + list(0) + nil + list(0);
const QByteArray record = object(ClassId::IO) + nil + nil + nil + list(0) + nil + tag(Tag::Byte) + '\1';
QByteArray andGroup(quint64 children) {
    return object(ClassId::AndConditions) + decimal(0, 0) + nil + nil + list(children);
}
QByteArray chainOfShared(int levels) {
    // Each level names the one below twice: few objects, 2^levels places in the tree.
    QByteArray bytes = smartBookTree;
    for (int level = 0; level < levels; ++level) {
        bytes += andGroup(2);
    }
    bytes += object(ClassId::Condition) + decimal(0, 0) + nil + nil;
    for (int level = levels; level > 0; --level) {
        bytes += reference(quint64(3 + level));
    }
    return bytes;
}

struct RefusalCase {
    const char* name;
    QByteArray file;
    const char* message;
};

const RefusalCase refusalCases[] = {
    {"UnknownClass", file(classTable({{"DataRoot", 0}, {"Bogus", 0}}) + root, 1), "unknown class “Bogus”"},
    {"ClassOfAnotherVersion", file(classTable({{"DataRoot", 1}}) + root, 1), "has version 1"},
    {"ForwardReference", file(standardClasses() + root + reference(5), 1), "object 5, which has not been read"},
    {"ReferenceToWrongClass", file(standardClasses() + root + reference(0), 1), "expected a book, found the library"},
    {"WrongItemKind", file(standardClasses() + object(ClassId::DataRoot) + tag(Tag::String) + varint(1) + "2", 1, 1),
     "expected a decimal number, found a text"},
    {"KeywordWhereRecordBelongs",
     file(standardClasses() + root + object(ClassId::Book) + list(1) + object(ClassId::Keyword) + nil, 3),
     "expected a record, found a keyword"},
    {"SmartBookAmongPlainBooks", file(standardClasses() + root + emptyBook + list(1) + object(ClassId::SmartBook), 3),
     "expected a book, found a smart book"},
    {"TrailingBytes", file(standardClasses() + root + emptyBook + list(0) + list(0) + list(0) + nil, 2),
     "follow the end of the library"},
    {"CountsDoNotMatch", file(standardClasses() + root + emptyBook + list(0) + list(0) + list(0), 3), "not 3 and 0"},
    {"HugeListCount", file(standardClasses() + root + object(ClassId::Book) + list(quint64(1) << 40), 2),
     "claims 1099511627776 items"},
    {"NumberTooLong",
     file(standardClasses() + root + object(ClassId::Book) + tag(Tag::List) + QByteArray(11, '\xff'), 2),
     "larger than 64 bits"},
    {"ZoneNamingAFile",
     file(standardClasses() + root + object(ClassId::Book) + list(1) + object(ClassId::IO) + tag(Tag::Date) +
              varint(0) + varint(16) + "../../etc/passwd" + zigzag(0),
          3),
     "is not a time zone"},
    {"DayOutOfRange",
     file(standardClasses() + root + object(ClassId::Book) + list(1) + object(ClassId::IO) + nil + tag(Tag::Day) +
              varint(0) + varint(3) + "UTC" + zigzag(qint64(1) << 40),
          3),
     "the day 1099511627776 is out of range"},
    {"RecordAsConditionOperand", file(smartBookTree + object(ClassId::AmountCondition) + decimal(1, 0) + record, 4),
     "cannot compare with a record"},
    {"FractionalConditionCode", file(smartBookTree + object(ClassId::AmountCondition) + decimal(15, -1), 4),
     "1.5 is not a whole number"},
    {"ConditionContainingItself", file(smartBookTree + andGroup(1) + reference(3), 4), "a condition contains itself"},
    {"NestingTooDeep", file(smartBookTree + andGroup(1).repeated(DataFileFormat::maxNesting), 0),
     "nest deeper than 1000 levels"},
    {"SharedConditionsAskingTooMuchWork", file(chainOfShared(40), 0), "more than 100000 parts"},
};

class DataFileRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DataFileRefusalTest, IsRefusedWithItsReasonAndPlace) {
    DataFileReader reader;
    EXPECT_FALSE(reader.read(QByteArrayView(GetParam().file)));
    EXPECT_FALSE(reader.root());
    const QString error = reader.errorString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().message))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("at byte"))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Payloads, DataFileRefusalTest, ::testing::ValuesIn(refusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataFileDamage, HandMadePayloadsReadWhenSound) {
    DataFileReader reader;
    const QByteArray empty = file(standardClasses() + root + emptyBook + list(0) + list(0) + list(0), 2);
    ASSERT_TRUE(reader.read(QByteArrayView(empty))) << reader.errorString().toStdString();
    EXPECT_EQ(reader.root()->mainLibrary()->count(), 0u);
    // A condition shared within limits is read, and stays one object.
    const QByteArray shared = file(chainOfShared(10) + list(0), 14);
    ASSERT_TRUE(reader.read(QByteArrayView(shared))) << reader.errorString().toStdString();
}

QByteArray float32(float value) {
    char bytes[4];
    DataFileFormat::putLittleEndian32(bytes, std::bit_cast<quint32>(value));
    return tag(Tag::Float) + QByteArray(bytes, 4);
}
// The same file as data format 1 wrote it.
QByteArray asFormatOne(QByteArray bytes) {
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::versionOffset, 1);
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(bytes.constData(), DataFileFormat::headerCrcOffset)));
    return bytes;
}

TEST(DataFileFormatOne, SinglePrecisionOperandsReadAsTheDecimalsTyped) {
    const QByteArray tree = andGroup(3) + object(ClassId::AmountCondition) + decimal(5, 0) + float32(0.1f) +
                            float32(1234567.89f) + object(ClassId::AmountCondition) + decimal(1, 0) + float32(-0.01f) +
                            float32(std::numeric_limits<float>::quiet_NaN()) + object(ClassId::DateCondition) +
                            decimal(13, 0) + float32(2.9f) + nil + decimal(3, 0);
    DataFileReader reader;
    ASSERT_TRUE(reader.read(QByteArrayView(asFormatOne(file(smartBookTree + tree + list(0), 7)))))
        << reader.errorString().toStdString();
    const auto& group = static_cast<const ConditionGroup&>(*reader.root()->smartBooks()[0]->conditions());
    const auto decimalOf = [](const ConditionOperand& operand) {
        return std::get<Amount>(operand).toString();
    };
    EXPECT_EQ(decimalOf(group.children()[0]->object()), QStringLiteral("0.1"));
    // The float nearest 1,234,567.89 is 1,234,567.875; its shortest text is what comes back.
    EXPECT_EQ(decimalOf(group.children()[0]->object2()), QStringLiteral("1234567.9"));
    EXPECT_EQ(decimalOf(group.children()[1]->object()), QStringLiteral("-0.01"));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(group.children()[1]->object2()));
    EXPECT_EQ(decimalOf(group.children()[2]->object()), QStringLiteral("2.9"));

    // Written again, the file is of the current format with decimals, and reads back the same.
    QByteArray again;
    QBuffer buffer(&again);
    buffer.open(QIODevice::WriteOnly);
    DataFileWriter writer;
    ASSERT_TRUE(writer.write(*reader.root(), &buffer));
    EXPECT_EQ(DataFileFormat::littleEndian32(again.constData() + DataFileFormat::versionOffset),
              DataFileFormat::version);
    DataFileReader second;
    ASSERT_TRUE(second.read(QByteArrayView(again))) << second.errorString().toStdString();
    const auto& read = static_cast<const ConditionGroup&>(*second.root()->smartBooks()[0]->conditions());
    EXPECT_EQ(decimalOf(read.children()[0]->object2()), QStringLiteral("1234567.9"));
    EXPECT_EQ(decimalOf(read.children()[2]->object()), QStringLiteral("2.9"));
}

// Every input the fuzzer was seeded with or found: read cleanly or refused cleanly.
TEST(DataFileDamage, FuzzInputsNeverCrash) {
    const QString fuzz = QDir::cleanPath(QStringLiteral(KESH_TEST_DATA_DIR "/../../fuzz"));
    int files = 0;
    for (const QString& folder : {QStringLiteral("/corpus/datafile"), QStringLiteral("/regressions/datafile")}) {
        QDirIterator it(fuzz + folder, QDir::Files);
        while (it.hasNext()) {
            QFile input(it.next());
            ASSERT_TRUE(input.open(QIODevice::ReadOnly));
            DataFileReader reader;
            const bool ok = reader.read(QByteArrayView(input.readAll()));
            EXPECT_TRUE(ok || !reader.errorString().isEmpty()) << input.fileName().toStdString();
            EXPECT_EQ(ok, reader.root() != nullptr);
            ++files;
        }
    }
    EXPECT_GT(files, 0);
}

} // namespace
