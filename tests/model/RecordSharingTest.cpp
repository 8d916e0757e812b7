#include "DataFile.h"
#include "DataFileDecoder.h"
#include "DataFileFormat.h"
#include "IO.h"
#include "SearchKey.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace {

// Three records carrying the same keywords and comment, as a library read
// from its file holds them, and one of each kind on its own.
class Sharing : public ::testing::Test {
protected:
    Sharing() {
        root = DataRoot::create();
        food = Keyword::create(QStringLiteral("Food"));
        car = Keyword::create(QStringLiteral("Car"));
        root->setKeywords({food, car});
        for (int i = 0; i < 3; ++i) {
            add(QStringLiteral("Lunch at the harbour"), {food, car});
        }
        add(QString::fromUtf8("Cafe\xcc\x81 au lait"), {car});
        add(QString(), {});
        add(QStringLiteral(""), {food});
        IOPtr imported = add(QStringLiteral("Lunch at the harbour"), {food, car});
        imported->setBankId(QStringLiteral("FIT-1"));
        read = reread();
    }

    IOPtr add(const QString& comment, KeywordList keywords) {
        IOPtr record = IO::createWithTimeOfEntry(CalendarDate(1'700'000'000'000 + root->mainLibrary()->count(), 0));
        record->setDate(QDate(2024, 3, 15));
        record->setAmount(Amount::fromParts(-1250, -2));
        record->setComment(comment);
        record->setKeywords(std::move(keywords));
        record->setIncludeInStats(1);
        root->mainLibrary()->addObject(record);
        return record;
    }

    QByteArray written(const DataRoot& library) {
        const QString path = dir.filePath(QStringLiteral("Written"));
        DataFile file(path);
        EXPECT_TRUE(file.save(library)) << file.errorString().toStdString();
        QFile bytes(path);
        return bytes.open(QIODevice::ReadOnly) ? bytes.readAll() : QByteArray();
    }

    DataRootPtr reread() {
        const QString path = dir.filePath(QStringLiteral("Kesh Data"));
        DataFile file(path);
        EXPECT_TRUE(file.save(*root)) << file.errorString().toStdString();
        EXPECT_TRUE(file.load()) << file.errorString().toStdString();
        return file.root();
    }

    // The records read, in the order they were made.
    IOPtr at(std::size_t i) const {
        for (const IOPtr& record : read->mainLibrary()->records()) {
            if (record->timeOfEntry().msecsSinceEpoch() == 1'700'000'000'000 + qint64(i)) {
                return record;
            }
        }
        return nullptr;
    }

    QTemporaryDir dir;
    DataRootPtr root;
    KeywordPtr food;
    KeywordPtr car;
    DataRootPtr read;
};

TEST_F(Sharing, recordsReadWithTheSameKeywordsAndCommentHoldOneCopyOfEach) {
    ASSERT_EQ(read->mainLibrary()->count(), 7u);
    // The record written first brings the keywords themselves and may keep a
    // list of its own; the others with the same keywords share one.
    std::set<const KeywordList*> lists;
    for (const std::size_t i : {0, 1, 2, 6}) {
        lists.insert(&at(i)->keywords());
    }
    EXPECT_LE(lists.size(), 2u);
    EXPECT_TRUE(at(0)->texts().sharesWith(at(1)->texts()));
    EXPECT_TRUE(at(0)->texts().sharesWith(at(2)->texts()));
    // Its own bank id keeps a record's texts its own.
    EXPECT_FALSE(at(6)->texts().sharesWith(at(0)->texts()));
    EXPECT_EQ(at(6)->bankId(), QStringLiteral("FIT-1"));
    EXPECT_TRUE(at(0)->bankId().isEmpty());
    EXPECT_EQ(at(6)->comment(), QStringLiteral("Lunch at the harbour"));
}

TEST_F(Sharing, whatIsReadIsWhatWasWrittenAndWritesTheSameBytes) {
    // A missing comment stays missing and an empty one empty: both are written as they were.
    EXPECT_TRUE(at(4)->comment().isNull());
    EXPECT_FALSE(at(5)->comment().isNull());
    EXPECT_TRUE(at(5)->comment().isEmpty());
    EXPECT_EQ(at(3)->normalizedComment(), QString::fromUtf8("Caf\xc3\xa9 au lait"));
    EXPECT_EQ(at(3)->keywords(), KeywordList{read->keywords()[1]});
    EXPECT_EQ(written(*read), written(*root));
}

TEST_F(Sharing, changingTheKeywordsOfOneRecordLeavesTheOthersSharingTheirs) {
    const IOPtr first = at(0);
    const IOPtr second = at(1);
    const IOPtr third = at(2);
    const KeywordPtr readFood = read->keywords()[0];
    const KeywordPtr readCar = read->keywords()[1];
    const KeywordList both{readFood, readCar};

    first->deleteKeyword(readFood.get());
    EXPECT_EQ(first->keywords(), KeywordList{readCar});
    second->addKeyword(Keyword::create(QStringLiteral("Trip")));
    EXPECT_EQ(second->keywords().size(), 3u);
    EXPECT_EQ(third->keywords(), both);
    EXPECT_EQ(at(6)->keywords(), both);
    EXPECT_TRUE(third->includesKeyword(readFood));
    EXPECT_EQ(third->keywordMask(), IO::keywordMaskOf(both));
    EXPECT_FALSE(first->includesKeyword(readFood));
    EXPECT_NE(first->keywordMask(), third->keywordMask());

    // Undoing a delete puts the keyword back where it stood.
    first->insertKeyword(0, readFood);
    EXPECT_EQ(first->keywords(), both);
    EXPECT_EQ(third->keywords(), both);

    // A record's own list given as the keywords to drop or add.
    third->deleteKeywords(third->keywords());
    EXPECT_TRUE(third->keywords().empty());
    EXPECT_EQ(third->keywordMask(), 0u);
    at(6)->addKeywords(at(6)->keywords());
    EXPECT_EQ(at(6)->keywords(), both);
    EXPECT_EQ(first->keywords(), both);
}

TEST_F(Sharing, aCommentEditedAwayFromAndBackToASharedTextChangesThatRecordAlone) {
    const IOPtr first = at(0);
    const IOPtr second = at(1);
    first->setComment(QString::fromUtf8("Cre\xcc\x80me bru\xcc\x82le\xcc\x81"));
    EXPECT_EQ(second->comment(), QStringLiteral("Lunch at the harbour"));
    EXPECT_TRUE(second->includesSearchKey(QStringLiteral("harbour")));
    EXPECT_FALSE(first->includesSearchKey(QStringLiteral("harbour")));
    EXPECT_TRUE(first->includesSearchKey(QString::fromUtf8("r\xc3\xa8me")));
    EXPECT_EQ(first->commentPairMask(), SearchKey::pairMaskOf(first->normalizedComment()));

    first->setComment(second->comment());
    EXPECT_EQ(first->comment(), second->comment());
    EXPECT_EQ(first->normalizedComment(), QStringLiteral("Lunch at the harbour"));
    EXPECT_EQ(first->commentPairMask(), second->commentPairMask());
    EXPECT_TRUE(first->includesSearchKey(QStringLiteral("harbour")));

    // The same text again keeps what it shares; an empty one is not a missing one.
    second->setComment(QStringLiteral("Lunch at the harbour"));
    EXPECT_TRUE(second->texts().sharesWith(at(2)->texts()));
    second->setComment(QStringLiteral(""));
    EXPECT_FALSE(second->comment().isNull());
    second->setComment(QString());
    EXPECT_TRUE(second->comment().isNull());
    EXPECT_EQ(at(2)->comment(), QStringLiteral("Lunch at the harbour"));
}

TEST_F(Sharing, aBankIdGoesToTheOneRecordAndStaysThroughCommentEdits) {
    const IOPtr first = at(0);
    first->setBankId(QStringLiteral("FIT-2"));
    EXPECT_TRUE(at(1)->bankId().isEmpty());
    first->setComment(QStringLiteral("Lunch"));
    EXPECT_EQ(first->bankId(), QStringLiteral("FIT-2"));
    first->setBankId(QString());
    EXPECT_TRUE(first->bankId().isEmpty());
    EXPECT_EQ(first->comment(), QStringLiteral("Lunch"));
    EXPECT_EQ(at(6)->bankId(), QStringLiteral("FIT-1"));
}

TEST_F(Sharing, twoLibrariesReadFromOneFileShareNothingThatAnEditCouldReach) {
    const DataRootPtr other = reread();
    const IOPtr mine = at(0);
    IOPtr theirs;
    for (const IOPtr& record : other->mainLibrary()->records()) {
        if (record->timeOfEntry() == mine->timeOfEntry()) {
            theirs = record;
        }
    }
    ASSERT_TRUE(theirs);
    EXPECT_NE(theirs.get(), mine.get());
    mine->setComment(QStringLiteral("Changed"));
    mine->deleteKeywords(mine->keywords());
    EXPECT_EQ(theirs->comment(), QStringLiteral("Lunch at the harbour"));
    EXPECT_EQ(theirs->keywords().size(), 2u);
    EXPECT_NE(theirs->keywords()[0].get(), read->keywords()[0].get());
    read.reset();
    EXPECT_EQ(theirs->keywordsAsString(), QStringLiteral("Food, Car"));
}

TEST_F(Sharing, recordsOutliveTheirLibraryAndMayBeLetGoOfOnAnyThread) {
    IOList kept = read->mainLibrary()->records();
    read.reset();
    for (const IOPtr& record : kept) {
        EXPECT_EQ(record->amount()->toString(), QStringLiteral("-12.5"));
    }
    EXPECT_EQ(kept.size(), 7u);
    // Records sharing texts and keywords let go of on two threads at once.
    IOList half(kept.begin(), kept.begin() + 3);
    kept.erase(kept.begin(), kept.begin() + 3);
    std::thread other([list = std::move(half)]() mutable { list.clear(); });
    kept.clear();
    other.join();
}

// Many records, more than are made at once, with a few keyword lists between
// them, and a plain book holding some of them from far apart in the library.
class ManySharing : public Sharing {
protected:
    ManySharing() {
        const KeywordPtr rent = Keyword::create(QStringLiteral("Rent"));
        root->setKeywords({food, car, rent});
        for (int i = 7; i < 100; ++i) {
            add(QStringLiteral("Shop %1").arg(i % 5), i % 3 == 0 ? KeywordList{rent} : KeywordList{food, rent});
        }
        BookPtr book = Book::create();
        book->setBookName(QStringLiteral("Picked"));
        for (const IOPtr& record : root->mainLibrary()->records()) {
            if (record->timeOfEntry().msecsSinceEpoch() % 17 == 3) {
                book->addObject(record);
            }
        }
        root->setDumbBooks({book});
        read = reread();
    }

    QByteArray payload() { return written(*root).mid(DataFileFormat::headerSize); }
};

TEST_F(ManySharing, aBookHoldsTheVeryRecordsOfTheLibraryWhereverTheyStand) {
    ASSERT_EQ(read->dumbBooks().size(), 1u);
    const IOList& picked = read->dumbBooks()[0]->records();
    ASSERT_EQ(picked.size(), 6u);
    for (const IOPtr& record : picked) {
        EXPECT_EQ(record->timeOfEntry().msecsSinceEpoch() % 17, 3);
        EXPECT_EQ(at(std::size_t(record->timeOfEntry().msecsSinceEpoch() - 1'700'000'000'000)).get(), record.get());
    }
    EXPECT_TRUE(at(9)->keywordSet().sharesListWith(at(12)->keywordSet()));
    EXPECT_TRUE(at(10)->keywordSet().sharesListWith(at(98)->keywordSet()));
    EXPECT_EQ(at(98)->keywordsAsString(), QStringLiteral("Food, Rent"));
    EXPECT_EQ(at(98)->keywordMask(), IO::keywordMaskOf(at(98)->keywords()));
    EXPECT_EQ(at(97)->commentPairMask(), SearchKey::pairMaskOf(at(97)->comment()));
}

TEST_F(ManySharing, aPayloadCutShortLeavesNothingBehindAndTheWholeOneReadsAfterIt) {
    const QByteArray whole = payload();
    ASSERT_GT(whole.size(), 100);
    // Cut inside the records: those made before the cut share lists and texts
    // with each other, and all of them are let go of with the refusal.
    for (const qsizetype cut : {whole.size() / 3, whole.size() / 2, whole.size() - 40}) {
        const QByteArray shortened = whole.left(cut) + whole.right(8);
        DataFileDecoder decoder(QByteArrayView(shortened), DataFileFormat::headerSize);
        EXPECT_FALSE(decoder.decode()) << "cut at " << cut;
    }
    DataRootPtr again;
    IOPtr kept;
    {
        DataFileDecoder decoder(QByteArrayView(whole), DataFileFormat::headerSize);
        again = decoder.decode();
        ASSERT_TRUE(again) << decoder.errorString().toStdString();
    }
    EXPECT_EQ(again->mainLibrary()->count(), 100u);
    // One record kept past its library and its reader keeps its shared parts.
    kept = again->mainLibrary()->records().front();
    const QString keywords = kept->keywordsAsString();
    const QString comment = kept->comment();
    again.reset();
    EXPECT_EQ(kept->keywordsAsString(), keywords);
    EXPECT_EQ(kept->comment(), comment);
}

} // namespace
