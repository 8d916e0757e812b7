#include "Translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

QString translate(const char* context, const char* source, int n = -1) {
    return QCoreApplication::translate(context, source, nullptr, n);
}

class TranslationsTest : public ::testing::Test {
protected:
    void TearDown() override {
        // Deleting a translator also takes it out of the application.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    }
};

class EnglishPlurals : public TranslationsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EnglishPlurals, oneRecordIsSingularAndMoreArePlural) {
    Translations::install(QCoreApplication::instance(), QLocale(QString::fromLatin1(GetParam())));
    EXPECT_EQ(translate("ConverterWindow", "Imported %Ln records.", 1), QStringLiteral("Imported 1 record."));
    EXPECT_EQ(translate("ConverterWindow", "Imported %Ln records.", 2), QStringLiteral("Imported 2 records."));
    EXPECT_EQ(translate("DataFileReader", "The file is cut off: it holds only %n byte(s).", 1),
              QStringLiteral("The file is cut off: it holds only 1 byte."));
    EXPECT_EQ(translate("DataFileReader", "The file is cut off: it holds only %n byte(s).", 0),
              QStringLiteral("The file is cut off: it holds only 0 bytes."));
    // Words without plurals stay as they are written.
    EXPECT_EQ(translate("MainWindow", "&File"), QStringLiteral("&File"));
}

// Welsh has no file of its own; the C locale is what a bare system runs in.
INSTANTIATE_TEST_SUITE_P(EnglishAndFallbacks, EnglishPlurals, ::testing::Values("en_US", "en_GB", "C", "cy_GB"));

TEST_F(TranslationsTest, japaneseWindowWordsAreJapanese) {
    Translations::install(QCoreApplication::instance(), QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(translate("MainWindow", "&File"), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(translate("MainWindow", "Import Le&gacy Library…"), QStringLiteral("旧形式のライブラリを取り込む(&G)…"));
    EXPECT_EQ(translate("IOTableModel", "Amount"), QStringLiteral("金額"));
    EXPECT_EQ(translate("IOListController", "No records match “%1”."),
              QStringLiteral("「%1」に一致する記録はありません。"));
    EXPECT_EQ(translate("ConverterWindow", "Kesh Import"), QStringLiteral("Kesh Import"));
    EXPECT_EQ(translate("ConverterWindow", "Imported %Ln records.", 1), QStringLiteral("1 件の記録を取り込みました。"));
    EXPECT_EQ(translate("ConverterWindow", "Imported %Ln records.", 5), QStringLiteral("5 件の記録を取り込みました。"));
}

} // namespace
