#include "AndConditions.h"
#include "BookCondition.h"
#include "CommentCondition.h"
#include "Crc32.h"
#include "DataFileDecoder.h"
#include "DataFileEncoder.h"
#include "DataFileReader.h"
#include "DataFileWriter.h"
#include "KeywordCondition.h"
#include "KeywordRule.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

using Tag = DataFileFormat::Tag;

QByteArray fileOf(const DataRoot& root) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DataFileWriter writer;
    EXPECT_TRUE(writer.write(root, &buffer)) << writer.errorString().toStdString();
    return bytes;
}

DataRootPtr read(const QByteArray& bytes) {
    DataFileReader reader;
    EXPECT_TRUE(reader.read(QByteArrayView(bytes))) << reader.errorString().toStdString();
    return reader.root();
}

// The same bytes, marked as written in another format version.
QByteArray asFormat(QByteArray bytes, quint32 version) {
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::versionOffset, version);
    DataFileFormat::putLittleEndian32(bytes.data() + DataFileFormat::headerCrcOffset,
                                      Crc32::of(QByteArrayView(bytes.constData(), DataFileFormat::headerCrcOffset)));
    return bytes;
}

IOPtr addRecord(DataRoot& root, const QString& comment, const QString& bankId = QString()) {
    IOPtr record = IO::create(Amount::fromInt(-12), QDateTime(QDate(2026, 3, 15), QTime(9, 0)), {}, comment, 1);
    record->setBankId(bankId);
    root.mainLibrary()->addObject(record);
    return record;
}

ConditionPtr commentIncludes(const QString& text) {
    ConditionPtr leaf = CommentCondition::create();
    leaf->setConditionTypeCode(Condition::Includes);
    leaf->setObject(text);
    return leaf;
}

} // namespace

TEST(DataFileFields, BankIdsAndKeywordRulesComeBackWithTheLibrarysOwnObjects) {
    const DataRootPtr root = DataRoot::create();
    const KeywordPtr food = Keyword::create(QStringLiteral("food"));
    root->addKeyword(food);
    BookPtr trips = Book::create();
    trips->setBookName(QStringLiteral("Trips"));
    root->addDumbBook(trips);
    addRecord(*root, QStringLiteral("Bakery"), QStringLiteral("FIT-0001"));
    addRecord(*root, QStringLiteral("Cash"));
    root->mainLibrary()->objectAtIndex(1)->addKeyword(food);

    KeywordRulePtr first = KeywordRule::create(QStringLiteral("Groceries"));
    auto tree = AndConditions::create();
    tree->addCondition(commentIncludes(QStringLiteral("Bakery")));
    ConditionPtr inTrips = BookCondition::create();
    inTrips->setConditionTypeCode(Condition::IsNot);
    inTrips->setObject(trips);
    tree->addCondition(inTrips);
    ConditionPtr hasFood = KeywordCondition::create();
    hasFood->setConditionTypeCode(Condition::Includes);
    hasFood->setObject(food);
    tree->addCondition(hasFood);
    first->setConditions(tree);
    first->setKeywords({food});
    KeywordRulePtr second = KeywordRule::create(QStringLiteral("Off"));
    second->setEnabled(false);
    root->setKeywordRules({first, second});

    const DataRootPtr back = read(fileOf(*root));
    ASSERT_TRUE(back);
    const IOList& records = back->mainLibrary()->records();
    ASSERT_EQ(records.size(), 2u);
    QStringList ids;
    for (const IOPtr& record : records) {
        ids << record->bankId();
    }
    ids.sort();
    EXPECT_EQ(ids, (QStringList{QString(), QStringLiteral("FIT-0001")}));

    ASSERT_EQ(back->keywordRules().size(), 2u);
    const KeywordRule& rule = *back->keywordRules()[0];
    EXPECT_EQ(rule.name(), QStringLiteral("Groceries"));
    EXPECT_TRUE(rule.isEnabled());
    ASSERT_EQ(rule.keywords().size(), 1u);
    EXPECT_EQ(rule.keywords()[0], back->keywords()[0]);
    const auto& group = static_cast<const ConditionGroup&>(*rule.conditions());
    ASSERT_EQ(group.children().size(), 3u);
    EXPECT_EQ(std::get<BookPtr>(group.children()[1]->object()), back->dumbBooks()[0]);
    EXPECT_EQ(std::get<KeywordPtr>(group.children()[2]->object()), back->keywords()[0]);
    EXPECT_EQ(back->keywordRules()[1]->name(), QStringLiteral("Off"));
    EXPECT_FALSE(back->keywordRules()[1]->isEnabled());
    EXPECT_FALSE(back->keywordRules()[1]->conditions());
}

TEST(DataFileFields, OnlyARecordWithABankIdCostsBytes) {
    const DataRootPtr root = DataRoot::create();
    addRecord(*root, QStringLiteral("a"));
    const IOPtr record = addRecord(*root, QStringLiteral("b"));
    DataFileEncoder encoder;
    ASSERT_TRUE(encoder.encode(*root));
    const QByteArray without = encoder.payload();

    record->setBankId(QStringLiteral("77"));
    ASSERT_TRUE(encoder.encode(*root));
    // Fields tag, count, field number, text tag, length, two characters.
    EXPECT_EQ(encoder.payload().size(), without.size() + 7);

    record->setBankId(QString());
    ASSERT_TRUE(encoder.encode(*root));
    EXPECT_EQ(encoder.payload(), without);
}

TEST(DataFileFields, OlderFormatsReadAndHoldNoFields) {
    const DataRootPtr plain = DataRoot::create();
    addRecord(*plain, QStringLiteral("plain"));
    // A library without ids or rules is stored as format 2 stored it.
    DataFileReader reader;
    ASSERT_TRUE(reader.read(QByteArrayView(asFormat(fileOf(*plain), 2)))) << reader.errorString().toStdString();
    EXPECT_EQ(reader.formatVersion(), 2u);

    const DataRootPtr withId = DataRoot::create();
    addRecord(*withId, QStringLiteral("id"), QStringLiteral("X1"));
    EXPECT_FALSE(reader.read(QByteArrayView(asFormat(fileOf(*withId), 2))));
    EXPECT_EQ(reader.status(), DataFileReader::Status::Damaged);

    // What a later kesh writes is refused as newer, not as damaged.
    EXPECT_FALSE(reader.read(QByteArrayView(asFormat(fileOf(*withId), DataFileFormat::version + 1))));
    EXPECT_EQ(reader.status(), DataFileReader::Status::Newer);
}

TEST(DataFileFields, BlocksOfFieldsOutOfShapeAreRefused) {
    const DataRootPtr root = DataRoot::create();
    addRecord(*root, QStringLiteral("id"), QStringLiteral("X1"));
    DataFileEncoder encoder;
    ASSERT_TRUE(encoder.encode(*root));
    const QByteArray good = encoder.payload();
    const QByteArray block = QByteArray(1, char(Tag::Fields)) + '\1' + '\1';
    const qsizetype at = good.indexOf(block);
    ASSERT_GT(at, 0);

    const auto refuses = [&](QByteArray payload, const char* says) {
        DataFileDecoder decoder(QByteArrayView(payload), 0);
        EXPECT_FALSE(decoder.decode()) << says;
        EXPECT_TRUE(decoder.errorString().contains(QLatin1String(says))) << decoder.errorString().toStdString();
    };
    QByteArray unknown = good;
    unknown[at + 2] = '\x09';
    refuses(unknown, "unknown field 9");
    QByteArray empty = good;
    empty[at + 1] = '\0';
    refuses(empty, "empty block of fields");
    // An id of no characters: the text item emptied, the rest as it was.
    QByteArray noText = good;
    noText[at + 4] = '\0';
    noText.remove(at + 5, 2);
    refuses(noText, "empty bank id");
}
