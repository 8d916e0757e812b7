#include "SearchKey.h"
#include "Book.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QString randomText(std::mt19937& random, int maxLength) {
    // A small alphabet makes matches frequent; surrogates and combining marks are included.
    const char16_t alphabet[] = {u'a', u'b', u'c', u' ', u'\u00e9', u'\u0301', u'\u65e5', 0xD83D, 0xDE00};
    QString text;
    const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
    for (int i = 0; i < length; ++i) {
        text.append(QChar(alphabet[random() % std::size(alphabet)]));
    }
    return text;
}

TEST(SearchKey, agreesWithAPlainSubstringSearchAndItsMasksNeverHideAMatch) {
    std::mt19937 random(5);
    for (int i = 0; i < 20000; ++i) {
        const QString text = randomText(random, 40).normalized(QString::NormalizationForm_C);
        const SearchKey key(randomText(random, 4));
        const bool expected = text.contains(key.text());
        EXPECT_EQ(key.foundIn(text), expected) << text.toStdString() << " / " << key.text().toStdString();
        if (expected) {
            EXPECT_EQ(SearchKey::pairMaskOf(text) & key.pairMask(), key.pairMask());
        }
    }
}

TEST(SearchKey, filteringByKeyAndKeywordsMatchesTheRecordByRecordTests) {
    std::mt19937 random(9);
    KeywordList keywords;
    for (int k = 0; k < 80; ++k) {
        keywords.push_back(Keyword::create());
    }
    const BookPtr book = Book::create();
    IOList records;
    for (int i = 0; i < 2000; ++i) {
        IOPtr record = IO::create();
        record->setComment(randomText(random, 30));
        for (int k = int(random() % 4); k > 0; --k) {
            record->addKeyword(keywords[random() % keywords.size()]);
        }
        records.push_back(record);
    }
    book->setRecords(records);
    for (int i = 0; i < 200; ++i) {
        const QString key = randomText(random, 3);
        KeywordList wanted;
        for (int k = int(random() % 3); k > 0; --k) {
            wanted.push_back(keywords[random() % keywords.size()]);
        }
        book->reloadFilteredListWithSearchKey(key, wanted);
        IOList expected;
        for (const IOPtr& record : records) {
            if (record->includesSearchKey(key) && record->includesKeywords(wanted)) {
                expected.push_back(record);
            }
        }
        EXPECT_EQ(book->filteredList(), expected);
    }
}

} // namespace
