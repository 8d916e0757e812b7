#include "Crc32.h"
#include "DataFile.h"
#include "DataFileFormat.h"
#include "DataFileReader.h"
#include "DataFileWriter.h"
#include "KeywordCondition.h"
#include "SmartBook.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

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
    condition->setConditionTypeCode(7);
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

TEST(DataFileDamage, LoadNamesTheFileAndGivesNoLibrary) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kesh Data"));
    QByteArray file = smallLibraryFile();
    file.chop(1);
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();
    const DataFile::LoadResult loaded = DataFile::load(path);
    EXPECT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.existed);
    EXPECT_TRUE(loaded.error.contains(path)) << loaded.error.toStdString();
    EXPECT_TRUE(loaded.error.contains(QStringLiteral("cut off"))) << loaded.error.toStdString();

    const DataFile::LoadResult folder = DataFile::load(dir.path());
    EXPECT_FALSE(folder.ok());
    EXPECT_FALSE(folder.error.isEmpty());
}

// Payloads made byte by byte, with good checksums, to reach the checks behind them.
class Payload {
public:
    Payload& byte(int value) {
        m_bytes.append(char(value));
        return *this;
    }
    Payload& tag(Tag tag) { return byte(int(tag)); }
    Payload& varint(quint64 value) {
        while (value >= 0x80) {
            byte(int(value & 0x7F) | 0x80);
            value >>= 7;
        }
        return byte(int(value));
    }
    Payload& signedVarint(qint64 value) { return varint((quint64(value) << 1) ^ quint64(value >> 63)); }
    Payload& text(const QByteArray& utf8) { return tag(Tag::String).varint(quint64(utf8.size())).raw(utf8); }
    Payload& raw(const QByteArray& bytes) {
        m_bytes += bytes;
        return *this;
    }
    Payload& classes(const std::vector<std::pair<QByteArray, int>>& table) {
        varint(table.size());
        for (const auto& [name, version] : table) {
            varint(quint64(name.size())).raw(name).varint(quint64(version));
        }
        return *this;
    }
    Payload& standardClasses() {
        std::vector<std::pair<QByteArray, int>> table;
        for (const auto name : DataFileFormat::classNames) {
            table.emplace_back(QByteArray(name.data(), qsizetype(name.size())), 0);
        }
        return classes(table);
    }
    Payload& object(DataFileFormat::ClassId id) { return tag(Tag::Object).varint(quint8(id)); }
    Payload& decimal(qint64 mantissa, qint64 exponent) {
        return tag(Tag::Decimal).signedVarint(mantissa).signedVarint(exponent);
    }
    Payload& list(quint64 count) { return tag(Tag::List).varint(count); }
    Payload& rootStart() { return object(DataFileFormat::ClassId::DataRoot).decimal(2, 0); }
    Payload& emptyBook() { return object(DataFileFormat::ClassId::Book).list(0).tag(Tag::Nil).list(0); }
    // Closes the payload with the object and text counts.
    QByteArray file(quint32 objects, quint32 strings) const {
        QByteArray payload = m_bytes;
        char counts[8];
        DataFileFormat::putLittleEndian32(counts, objects);
        DataFileFormat::putLittleEndian32(counts + 4, strings);
        payload.append(counts, 8);
        return DataFileWriter::header(payload) + payload;
    }

private:
    QByteArray m_bytes;
};

using ClassId = DataFileFormat::ClassId;

// The smallest library: a root, an empty main library, no books, no keywords.
QByteArray emptyLibrary(quint32 objects = 2) {
    return Payload().standardClasses().rootStart().emptyBook().list(0).list(0).list(0).file(objects, 0);
}

// A library whose only smart book holds `tree`, written by the caller.
Payload withSmartBookTree() {
    Payload p;
    p.standardClasses().rootStart().emptyBook().list(0).list(1);
    p.object(ClassId::SmartBook).list(0).tag(Tag::Nil).list(0);
    return p;
}

Payload& andGroup(Payload& p, quint64 children) {
    return p.object(ClassId::AndConditions).decimal(0, 0).tag(Tag::Nil).tag(Tag::Nil).list(children);
}

Payload& oneRecord(Payload& p) {
    return p.object(ClassId::IO).tag(Tag::Nil).tag(Tag::Nil).tag(Tag::Nil).list(0).tag(Tag::Nil).tag(Tag::Byte).byte(1);
}

struct RefusalCase {
    const char* name;
    std::function<QByteArray()> file;
    const char* message;
};

const RefusalCase refusalCases[] = {
    {"UnknownClass",
     [] {
         return Payload().classes({{"DataRoot", 0}, {"Bogus", 0}}).rootStart().file(1, 0);
     },
     "unknown class “Bogus”"},
    {"ClassOfAnotherVersion",
     [] {
         return Payload().classes({{"DataRoot", 1}}).rootStart().file(1, 0);
     },
     "has version 1"},
    {"ClassListedTwice",
     [] {
         return Payload().classes({{"Book", 0}, {"Book", 0}}).file(0, 0);
     },
     "listed twice"},
    {"RootOfAnotherClass", [] { return Payload().standardClasses().emptyBook().file(1, 0); },
     "expected the library object"},
    {"ForwardReference",
     [] { return Payload().standardClasses().rootStart().tag(Tag::ObjectRef).varint(5).file(1, 0); },
     "object 5, which has not been read"},
    {"ReferenceToWrongClass",
     [] { return Payload().standardClasses().rootStart().tag(Tag::ObjectRef).varint(0).file(1, 0); },
     "expected a Book, found a DataRoot"},
    {"WrongItemKind", [] { return Payload().standardClasses().object(ClassId::DataRoot).text("2").file(1, 1); },
     "expected a decimal number, found a text"},
    {"KeywordWhereRecordBelongs",
     [] {
         return Payload()
             .standardClasses()
             .rootStart()
             .object(ClassId::Book)
             .list(1)
             .object(ClassId::Keyword)
             .tag(Tag::Nil)
             .file(3, 0);
     },
     "expected a record, found a Keyword"},
    {"SmartBookAmongPlainBooks",
     [] {
         return Payload()
             .standardClasses()
             .rootStart()
             .emptyBook()
             .list(1)
             .object(ClassId::SmartBook)
             .list(0)
             .tag(Tag::Nil)
             .list(0)
             .tag(Tag::Nil)
             .list(0)
             .list(0)
             .file(3, 0);
     },
     "expected a Book, found a SmartBook"},
    {"TrailingBytes",
     [] { return Payload().standardClasses().rootStart().emptyBook().list(0).list(0).list(0).byte(0).file(2, 0); },
     "follow the end of the library"},
    {"CountsDoNotMatch", [] { return emptyLibrary(3); }, "not 3 and 0"},
    {"HugeListCount",
     [] { return Payload().standardClasses().rootStart().object(ClassId::Book).list(quint64(1) << 40).file(2, 0); },
     "claims 1099511627776 items"},
    {"NumberTooLong",
     [] {
         return Payload()
             .standardClasses()
             .rootStart()
             .object(ClassId::Book)
             .tag(Tag::List)
             .raw(QByteArray(11, '\xff'))
             .file(2, 0);
     },
     "larger than 64 bits"},
    {"UnknownItemKind", [] { return Payload().standardClasses().rootStart().byte(99).file(1, 0); },
     "unknown item kind 99"},
    {"TextNotYetRead",
     [] {
         return Payload()
             .standardClasses()
             .rootStart()
             .object(ClassId::Book)
             .list(0)
             .tag(Tag::StringRef)
             .varint(0)
             .file(2, 0);
     },
     "text 0, which has not been read"},
    {"DecimalOutOfRange",
     [] { return Payload().standardClasses().object(ClassId::DataRoot).decimal(1, 500).file(1, 0); }, "out of range"},
    {"SortDirectionOtherThanTrueOrFalse",
     [] {
         return Payload()
             .standardClasses()
             .rootStart()
             .object(ClassId::Book)
             .list(0)
             .tag(Tag::Nil)
             .list(1)
             .tag(Tag::SortDescriptor)
             .text("date")
             .byte(2)
             .file(2, 1);
     },
     "sort direction of 2"},
    {"ZoneNamingAFile",
     [] {
         Payload p;
         p.standardClasses().rootStart().object(ClassId::Book).list(1).object(ClassId::IO).tag(Tag::Date).varint(0);
         return p.varint(16).raw("../../etc/passwd").signedVarint(0).file(3, 0);
     },
     "is not a time zone"},
    {"DayOutOfRange",
     [] {
         Payload p;
         p.standardClasses().rootStart().object(ClassId::Book).list(1).object(ClassId::IO).tag(Tag::Nil);
         return p.tag(Tag::Day).varint(0).varint(3).raw("UTC").signedVarint(qint64(1) << 40).file(3, 0);
     },
     "the day 1099511627776 is out of range"},
    {"RecordAsConditionOperand",
     [] {
         Payload p = withSmartBookTree();
         p.object(ClassId::AmountCondition).decimal(1, 0);
         return oneRecord(p).file(4, 0);
     },
     "cannot compare with a IO"},
    {"FractionalConditionCode",
     [] {
         Payload p = withSmartBookTree();
         return p.object(ClassId::AmountCondition).decimal(15, -1).file(4, 0);
     },
     "1.5 is not a whole number"},
    {"ConditionContainingItself",
     [] {
         Payload p = withSmartBookTree();
         andGroup(p, 1).tag(Tag::ObjectRef).varint(3);
         return p.file(4, 0);
     },
     "a condition contains itself"},
    {"NestingTooDeep",
     [] {
         Payload p = withSmartBookTree();
         for (int depth = 0; depth < DataFileFormat::maxNesting; ++depth) {
             andGroup(p, 1);
         }
         return p.file(0, 0);
     },
     "nest deeper than 1000 levels"},
    {"SharedConditionsAskingTooMuchWork",
     [] {
         // Each level names the one below twice: few objects, a tree of 2^40 places.
         Payload p = withSmartBookTree();
         const int levels = 40;
         for (int level = 0; level < levels; ++level) {
             andGroup(p, 2);
         }
         p.object(ClassId::Condition).decimal(0, 0).tag(Tag::Nil).tag(Tag::Nil);
         p.tag(Tag::ObjectRef).varint(3 + levels);
         for (int level = levels - 1; level > 0; --level) {
             p.tag(Tag::ObjectRef).varint(quint64(3 + level));
         }
         return p.file(0, 0);
     },
     "more than 100000 parts"},
    {"PayloadTooShortForItsCounts",
     [] {
         const QByteArray payload("\x01\x02", 2);
         return DataFileWriter::header(payload) + payload;
     },
     "ends early"},
};

class DataFileRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DataFileRefusalTest, IsRefusedWithItsReason) {
    DataFileReader reader;
    EXPECT_FALSE(reader.read(QByteArrayView(GetParam().file())));
    EXPECT_FALSE(reader.root());
    EXPECT_TRUE(reader.errorString().contains(QString::fromUtf8(GetParam().message)))
        << reader.errorString().toStdString();
    EXPECT_TRUE(reader.errorString().contains(QStringLiteral("at byte"))) << reader.errorString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Payloads, DataFileRefusalTest, ::testing::ValuesIn(refusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataFileDamage, HandMadePayloadsReadWhenSound) {
    DataFileReader reader;
    ASSERT_TRUE(reader.read(QByteArrayView(emptyLibrary()))) << reader.errorString().toStdString();
    EXPECT_EQ(reader.root()->mainLibrary()->count(), 0u);
    // The shared child is evaluated twice but stored once.
    Payload p = withSmartBookTree();
    andGroup(p, 2).object(ClassId::Condition).decimal(0, 0).tag(Tag::Nil).tag(Tag::Nil).tag(Tag::ObjectRef).varint(4);
    p.list(0);
    ASSERT_TRUE(reader.read(QByteArrayView(p.file(5, 0)))) << reader.errorString().toStdString();
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
