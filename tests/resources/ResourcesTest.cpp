#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTranslator>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// Every key the programs look up by name; a key missing here is a key nobody checks.
const QStringList& localizedKeys() {
    static const QStringList keys = [] {
        QStringList list{
            QStringLiteral("MainLibrary"),        QStringLiteral("Records"),           QStringLiteral("ErrorTitle1"),
            QStringLiteral("ErrorContent1"),      QStringLiteral("ErrorTitle2"),       QStringLiteral("ErrorContent2"),
            QStringLiteral("ErrorTitle3"),        QStringLiteral("ErrorContent3"),     QStringLiteral("between"),
            QStringLiteral("ConditionWhatDate3"), QStringLiteral("ConditionWhatDate4")};
        for (int i = 1; i <= 5; ++i)
            list << QStringLiteral("ConditionParameter%1").arg(i);
        for (int i = 1; i <= 14; ++i)
            list << QStringLiteral("ConditionWhat%1").arg(i);
        for (int i = 1; i <= 3; ++i)
            list << QStringLiteral("ConditionPeriod%1").arg(i);
        return list;
    }();
    return keys;
}

QString lookUp(const QTranslator& translator, const QString& key) {
    return translator.translate("Kesh", key.toUtf8().constData());
}

QImage render(const QString& path, int size) {
    QImageReader reader(path);
    reader.setScaledSize(QSize(size, size));
    return reader.read();
}

bool hasVisiblePixels(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) > 0)
                return true;
    return false;
}

// The [Desktop Entry] group as key -> value.
QHash<QString, QString> readDesktopEntry(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, QString> entry;
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inEntry && equals > 0)
            entry.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return entry;
}

struct ImageCase {
    const char* path;
    int size;
};

void PrintTo(const ImageCase& imageCase, std::ostream* os) {
    *os << imageCase.path << " at " << imageCase.size;
}

std::string imageCaseName(const ::testing::TestParamInfo<ImageCase>& info) {
    QString name = QFileInfo(QString::fromUtf8(info.param.path)).completeBaseName();
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name.toStdString() + "_" + std::to_string(info.param.size);
}

class ImageResourceTest : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ImageResourceTest, rendersAsVisibleSquareImageAndIcon) {
    const QString path = QString::fromUtf8(GetParam().path);
    const int size = GetParam().size;

    const QImage image = render(path, size);
    ASSERT_FALSE(image.isNull()) << path.toStdString();
    EXPECT_EQ(image.size(), QSize(size, size));
    EXPECT_TRUE(hasVisiblePixels(image)) << path.toStdString() << " draws nothing";

    const QIcon icon(path);
    ASSERT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.pixmap(size).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    AllImages, ImageResourceTest,
    ::testing::Values(ImageCase{":/images/LibraryBook.svg", 16}, ImageCase{":/images/LibraryBook.svg", 64},
                      ImageCase{":/images/NormalBook.svg", 16}, ImageCase{":/images/NormalBook.svg", 64},
                      ImageCase{":/images/SmartBook.svg", 16}, ImageCase{":/images/SmartBook.svg", 64},
                      ImageCase{":/images/kesh.svg", 16}, ImageCase{":/images/kesh.svg", 64},
                      ImageCase{":/images/kesh-import.svg", 16}, ImageCase{":/images/kesh-import.svg", 64}),
    imageCaseName);

TEST(BookImagesTest, smartAndPlainBooksLookDifferentAtListSize) {
    EXPECT_NE(render(QStringLiteral(":/images/SmartBook.svg"), 16),
              render(QStringLiteral(":/images/NormalBook.svg"), 16));
    EXPECT_NE(render(QStringLiteral(":/images/LibraryBook.svg"), 16),
              render(QStringLiteral(":/images/NormalBook.svg"), 16));
}

class TranslationTest : public ::testing::TestWithParam<const char*> {};

TEST_P(TranslationTest, everyKeyHasItsOwnText) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString::fromUtf8(GetParam()), QStringLiteral(":/i18n")));
    for (const QString& key : localizedKeys()) {
        const QString text = lookUp(translator, key);
        EXPECT_FALSE(text.trimmed().isEmpty()) << key.toStdString();
        EXPECT_NE(text, key) << key.toStdString() << " is left untranslated";
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TranslationTest, ::testing::Values("kesh_en", "kesh_ja"),
                         [](const auto& info) { return std::string(info.param); });

TEST(TranslationTest, japaneseTextsAreNotEnglishOnes) {
    QTranslator english;
    QTranslator japanese;
    ASSERT_TRUE(english.load(QStringLiteral("kesh_en"), QStringLiteral(":/i18n")));
    ASSERT_TRUE(japanese.load(QStringLiteral("kesh_ja"), QStringLiteral(":/i18n")));
    for (const QString& key : localizedKeys())
        EXPECT_NE(lookUp(japanese, key), lookUp(english, key)) << key.toStdString();
    // Survives the trip through the .ts encoding and lrelease.
    EXPECT_EQ(lookUp(japanese, QStringLiteral("ConditionParameter1")), QStringLiteral("金額"));
}

TEST(TranslationTest, unknownKeyAnswersEmptySoCallersCanFallBack) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("kesh_en"), QStringLiteral(":/i18n")));
    EXPECT_TRUE(lookUp(translator, QStringLiteral("ErrorTitle99")).isEmpty());
    EXPECT_TRUE(lookUp(translator, QStringLiteral("ConditionPeriod0")).isEmpty());
}

struct DesktopCase {
    const char* file;
    const char* exec;
};

void PrintTo(const DesktopCase& desktopCase, std::ostream* os) {
    *os << desktopCase.file;
}

class DesktopEntryTest : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(DesktopEntryTest, launchesTheProgramWithItsOwnIcon) {
    const QString path = QStringLiteral(KESH_RESOURCES_SOURCE_DIR "/") + QString::fromUtf8(GetParam().file);
    const QHash<QString, QString> entry = readDesktopEntry(path);
    ASSERT_FALSE(entry.isEmpty()) << path.toStdString();
    const QString program = QString::fromUtf8(GetParam().exec);
    EXPECT_EQ(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(entry.value(QStringLiteral("Exec")), program);
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), program);
    EXPECT_EQ(entry.value(QStringLiteral("Categories")), QStringLiteral("Office;Finance;"));
    EXPECT_FALSE(entry.value(QStringLiteral("Name")).isEmpty());
    // The installed icon of that name is the one the program shows.
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/images/%1.svg").arg(program)));
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, DesktopEntryTest,
                         ::testing::Values(DesktopCase{"io.github.kesh.Kesh.desktop", "kesh"},
                                           DesktopCase{"io.github.kesh.KeshImport.desktop", "kesh-import"}),
                         [](const auto& info) { return info.index == 0 ? "kesh" : "kesh_import"; });

} // namespace
