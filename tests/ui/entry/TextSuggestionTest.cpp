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
