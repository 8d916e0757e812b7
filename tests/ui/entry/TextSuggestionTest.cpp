#include "TextSuggestion.h"

#include <gtest/gtest.h>

TEST(TextSuggestion, keepsEachNonEmptyCommentOnceInTheOrderOffered) {
    TextSuggestion list;
    list.addWord(QStringLiteral("lunch"));
    list.addWord(QStringLiteral(""));
    list.addWord(QStringLiteral("Lunch"));
    list.addWord(QStringLiteral("lunch"));
    EXPECT_EQ(list.array(), (QStringList{QStringLiteral("lunch"), QStringLiteral("Lunch")}));
}

TEST(TextSuggestion, theOldestEntryBeginningWithTheTextWins) {
    TextSuggestion list;
    list.addWord(QStringLiteral("lunch"));
    list.addWord(QStringLiteral("lunch meeting"));
    EXPECT_EQ(list.search(QStringLiteral("lunch")), QStringLiteral("lunch"));
    EXPECT_EQ(list.search(QStringLiteral("lunch m")), QStringLiteral("lunch meeting"));
    EXPECT_EQ(list.search(QStringLiteral("lunch meeting")), QStringLiteral("lunch meeting"));
    EXPECT_TRUE(list.search(QStringLiteral("Lun")).isNull());
    EXPECT_TRUE(list.search(QStringLiteral("")).isNull());
}

// Enough comments that most are looked up through the index, some newer ones
// not yet: whichever way, the oldest entry that begins with the text wins.
TEST(TextSuggestion, manyCommentsStillCompleteToTheOldestMatch) {
    TextSuggestion list;
    const QStringList stems{QStringLiteral("lunch"), QStringLiteral("lumber"), QStringLiteral("昼ごはん"),
                            QStringLiteral("😀 party"), QStringLiteral("Lunch")};
    for (int n = 0; n < 3000; ++n) {
        // Newer entries sort both before and after older ones.
        list.addWord(stems[n % stems.size()] + QString::number((n * 7919) % 3001));
        if (n == 2000) {
            // The index is made by a search and extended later.
            EXPECT_FALSE(list.search(QStringLiteral("lu")).isNull());
        }
    }
    EXPECT_FALSE(list.search(QStringLiteral("L")).isNull());
    list.addWord(QStringLiteral("zebra"));
    list.addWord(QStringLiteral("lunch-new"));
    const auto oldest = [&list](const QString& prefix) {
        for (const QString& entry : list.array()) {
            if (entry.startsWith(prefix)) {
                return entry;
            }
        }
        return QString();
    };
    for (const QString& prefix :
         {QStringLiteral("l"), QStringLiteral("lu"), QStringLiteral("lum"), QStringLiteral("lunch29"),
          QStringLiteral("L"), QStringLiteral("昼"), QStringLiteral("😀"), QStringLiteral("zeb"), QStringLiteral("x"),
          QStringLiteral("lunch-")}) {
        EXPECT_EQ(list.search(prefix), oldest(prefix)) << prefix.toStdString();
    }
    EXPECT_TRUE(list.search(QStringLiteral("x")).isNull());
}
