#include "ConverterWindow.h"
#include "AccessibleNames.h"
#include "AlertAnswers.h"
#include "Converter.h"
#include "Crc32.h"
#include "DataFileLock.h"
#include "FileDialogAnswer.h"
#include "LegacyFileWriter.h"
#include "LibraryOnDisk.h"
#include "LocalizedStrings.h"
#include "WatchedFifo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

// A ZIP archive holding one stored file, as any zip tool writes it.
QByteArray zipOf(const QByteArray& name, const QByteArray& content) {
    const auto le = [](std::initializer_list<std::pair<quint32, int>> fields) {
        QByteArray bytes;
        for (const auto& [value, size] : fields) {
            for (int i = 0; i < size; ++i) {
                bytes += char(value >> (8 * i));
            }
        }
        return bytes;
    };
    const auto size = quint32(content.size());
    const auto nameSize = quint32(name.size());
    // Version, flags, stored, time, date, CRC, sizes, name length, no extra field.
    const QByteArray common =
        le({{20, 2}, {0, 2}, {0, 2}, {0, 2}, {0x21, 2}, {Crc32::of(content), 4}, {size, 4}, {size, 4}}) +
        le({{nameSize, 2}, {0, 2}});
    const QByteArray local = "PK\x03\x04" + common + name + content;
    const QByteArray central =
        "PK\x01\x02" + le({{20, 2}}) + common + le({{0, 2}, {0, 2}, {0, 2}, {0, 4}, {0, 4}}) + name;
    return local + central + "PK\x05\x06" +
           le({{0, 2}, {0, 2}, {1, 2}, {1, 2}, {quint32(central.size()), 4}, {quint32(local.size()), 4}, {0, 2}});
}

// Every text it is asked for comes back between marks, so a text that
// reaches the screen without tr() shows up unmarked.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return QStringLiteral("⟦") + QString::fromUtf8(sourceText) + QStringLiteral("⟧");
    }
    bool isEmpty() const override { return false; }
};

// What is left of a text once every marked piece (with what was filled
// into it) is taken out.
QString unmarked(QString text) {
    static const QRegularExpression innermost(QStringLiteral("⟦[^⟦⟧]*⟧"));
    for (qsizetype length = -1; length != text.size();) {
        length = text.size();
        text.remove(innermost);
    }
    return text;
}

class ConverterWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        LocalizedStrings::installForModel();
        m_documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        m_legacyPath = m_documents + QStringLiteral("/Kesh Library");
        m_dataPath = DataFile::defaultPath();
        TearDown();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(QDir().mkpath(m_documents));
        openWindow();
    }
    void TearDown() override {
        m_window.reset();
        QLocale::setDefault(QLocale::system());
        QDir(m_documents).removeRecursively();
        QDir(QDir::homePath() + QStringLiteral("/Library")).removeRecursively();
    }

    void openWindow() {
        m_window = std::make_unique<ConverterWindow>();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    template <typename T> T* find(const char* name) {
        auto* widget = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }

    // Clicks Import and answers the alerts in turn; returns what they showed.
    QList<Alert::Shown> clickImport(const QStringList& answers) {
        const AlertAnswers user(answers);
        QTest::mouseClick(find<QPushButton>("convertButton"), Qt::LeftButton);
        return user.alerts();
    }
    // An import the user confirms: the outcome alert.
    Alert::Shown importConfirmed() {
        const QList<Alert::Shown> alerts = clickImport({QStringLiteral("Import"), QStringLiteral("OK")});
        EXPECT_FALSE(alerts.isEmpty());
        return alerts.value(alerts.size() - 1);
    }
    qsizetype recordsInLibrary() {
        const DataRootPtr root = libraryAt(m_dataPath);
        return root ? qsizetype(root->mainLibrary()->count()) : -1;
    }
    void writeExistingLibrary() {
        QDir().mkpath(QFileInfo(m_dataPath).path());
        const DataRootPtr root = DataRoot::create();
        root->mainLibrary()->addObject(IO::create(Amount::fromInt(5), std::nullopt, std::nullopt, {}, 1));
        ASSERT_TRUE(saveLibrary(*root, m_dataPath));
    }

    QString m_documents;
    QString m_legacyPath;
    QString m_dataPath;
    std::unique_ptr<ConverterWindow> m_window;
};

TEST_F(ConverterWindowTest, importAsksWithTheCountAndTheDaysThenSaysWhatCameAndWhatWasLeftOut) {
    ASSERT_TRUE(writeFile(m_legacyPath, legacyFileBytes({{86'400 * 366, 1.0, "a"},
                                                         {0, std::numeric_limits<double>::infinity(), "inf"},
                                                         {86'400 * 59, -2.0, "b"},
                                                         {86'400 * 4000, 3.5, "c"}})));
    m_window->refresh();
    EXPECT_TRUE(find<QLabel>("dataInfoLabel")->text().contains(QStringLiteral("creates")));
    // Cancel writes nothing, not even a fresh library.
    EXPECT_EQ(clickImport({QStringLiteral("Cancel")}).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(m_dataPath));
    EXPECT_TRUE(m_window->statusBar()->currentMessage().contains(QStringLiteral("nothing was changed")));

    const QList<Alert::Shown> alerts = clickImport({QStringLiteral("Import"), QStringLiteral("OK")});
    ASSERT_EQ(alerts.size(), 2);
    const Alert::Shown& confirmation = alerts[0];
    EXPECT_EQ(confirmation.objectName, QStringLiteral("importConfirmAlert"));
    EXPECT_EQ(confirmation.text, QStringLiteral("Import 3 records from “Kesh Library”?"));
    const QLocale locale;
    EXPECT_TRUE(confirmation.informativeText.contains(locale.toString(QDate(1904, 2, 29), QLocale::LongFormat)));
    EXPECT_TRUE(confirmation.informativeText.contains(locale.toString(QDate(1914, 12, 14), QLocale::LongFormat)));
    EXPECT_TRUE(confirmation.informativeText.contains(QStringLiteral("not a number")));
    EXPECT_EQ(confirmation.buttons, (QStringList{QStringLiteral("Import"), QStringLiteral("Cancel")}));
    EXPECT_EQ(confirmation.defaultButton, QStringLiteral("Import"));

    const Alert::Shown& outcome = alerts[1];
    EXPECT_EQ(outcome.text, QStringLiteral("Import Successful"));
    EXPECT_TRUE(outcome.informativeText.startsWith(QStringLiteral("3 records imported")));
    EXPECT_TRUE(outcome.informativeText.contains(QStringLiteral("1 with an amount that is not a number")));
    EXPECT_EQ(outcome.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(recordsInLibrary(), 3);
    // The window now shows the library that exists.
    EXPECT_FALSE(find<QLabel>("dataInfoLabel")->text().contains(QStringLiteral("creates")));
}

// Three decimals throughout: a ledger all the same, if the user says so.
TEST_F(ConverterWindowTest, aLedgerOfOddAmountsIsShownWithThemAndImportedWhenTheUserSaysSo) {
    std::vector<LegacyEntry> entries;
    for (int i = 0; i < 12; ++i) {
        entries.push_back({86'400u * 36'600, i % 2 ? 12.345 : -3.125, "Fuel"});
    }
    ASSERT_TRUE(writeFile(m_legacyPath, legacyFileBytes(entries)));

    QList<Alert::Shown> alerts = clickImport({QStringLiteral("Cancel")});
    ASSERT_EQ(alerts.size(), 1);
    const Alert::Shown& question = alerts[0];
    EXPECT_EQ(question.objectName, QStringLiteral("importConfirmAlert"));
    EXPECT_EQ(question.icon, Alert::Icon::Warning);
    EXPECT_EQ(question.text, QStringLiteral("Import 12 records from “Kesh Library”?"));
    EXPECT_EQ(question.buttons, (QStringList{QStringLiteral("Import Anyway"), QStringLiteral("Cancel")}));
    EXPECT_EQ(question.defaultButton, QStringLiteral("Cancel"));
    for (const char* words : {"12 with an amount of more decimals than money has", "import it anyway",
                              "-3.125 on 3/16/04, 12.345 on 3/16/04, and -3.125 on 3/16/04"}) {
        EXPECT_TRUE(question.informativeText.contains(QString::fromUtf8(words)))
            << words << " in " << question.informativeText.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(m_dataPath));

    alerts = clickImport({QStringLiteral("Import Anyway"), QStringLiteral("OK")});
    ASSERT_EQ(alerts.size(), 2);
    EXPECT_EQ(alerts[1].text, QStringLiteral("Import Successful"));
    const DataRootPtr root = libraryAt(m_dataPath);
    ASSERT_TRUE(root);
    ASSERT_EQ(root->mainLibrary()->count(), 12u);
    EXPECT_EQ(root->mainLibrary()->objectAtIndex(1)->amount()->toString(), QStringLiteral("12.345"));
}

TEST_F(ConverterWindowTest, aSecondReturnDoesNotImportAgainAndASecondClickAsksFirst) {
    ASSERT_TRUE(writeFile(m_legacyPath, legacyFileBytes({{0, 1.0, "a"}, {0, 2.0, "b"}})));
    auto* button = find<QPushButton>("convertButton");
    {
        const AlertAnswers user({QStringLiteral("Import"), QStringLiteral("OK")});
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(user.alerts().size(), 2);
    }
    EXPECT_EQ(recordsInLibrary(), 2);
    EXPECT_FALSE(button->isDefault());

    // A click asks again, warns, and Return would say Cancel.
    QList<Alert::Shown> alerts = clickImport({QStringLiteral("Cancel")});
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts[0].informativeText.contains(QStringLiteral("already")));
    EXPECT_EQ(alerts[0].defaultButton, QStringLiteral("Cancel"));
    EXPECT_EQ(recordsInLibrary(), 2);
    // Saying so imports them once more.
    alerts = clickImport({QStringLiteral("Import Again"), QStringLiteral("OK")});
    EXPECT_EQ(alerts.size(), 2);
    EXPECT_EQ(recordsInLibrary(), 4);

    // Another file is a fresh import again.
    const QString other = QDir::homePath() + QStringLiteral("/other.lib");
    ASSERT_TRUE(writeFile(other, legacyFileBytes({{0, 3.0, "c"}})));
    m_window->converter()->setLegacyFilePath(other);
    EXPECT_TRUE(button->isDefault());
    QFile::remove(other);
}

TEST_F(ConverterWindowTest, filesOfOtherKindsAreRefusedForWhatTheyAreAndTheLibraryIsUntouched) {
    writeExistingLibrary();
    const QByteArray before = contentOf(m_dataPath);
    const QString home = QDir::homePath();

    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(home + QStringLiteral("/photo.png")));
    {
        QPdfWriter pdf(home + QStringLiteral("/letter.pdf"));
        QPainter painter(&pdf);
        painter.drawText(QPointF(100, 100), QStringLiteral("Dear kesh"));
    }
    ASSERT_TRUE(writeFile(home + QStringLiteral("/papers.zip"), zipOf("ledger.txt", QByteArray(2000, 'x'))));
    ASSERT_TRUE(QFile::copy(m_dataPath, home + QStringLiteral("/Kesh Data copy")));
    QByteArray random(176 * 540, Qt::Uninitialized);
    QRandomGenerator generator(42);
    std::generate(random.begin(), random.end(), [&generator] { return char(generator.bounded(256)); });
    ASSERT_TRUE(writeFile(home + QStringLiteral("/x.bin"), random));

    for (const auto& [file, reason] :
         {std::pair{"photo.png", "“photo.png” is a PNG image, not a legacy library."},
          std::pair{"letter.pdf", "“letter.pdf” is a PDF document"}, std::pair{"papers.zip", "“papers.zip” is a ZIP"},
          std::pair{"Kesh Data copy", "“Kesh Data copy” is a kesh library"},
          std::pair{"x.bin", "“x.bin” does not look like a legacy library: "}}) {
        m_window->converter()->setLegacyFilePath(home + u'/' + QString::fromUtf8(file));
        // Refused before any confirmation: the one alert is the failure.
        const QList<Alert::Shown> alerts = clickImport({QStringLiteral("OK")});
        ASSERT_EQ(alerts.size(), 1) << file;
        EXPECT_EQ(alerts[0].text, QStringLiteral("Error"));
        EXPECT_TRUE(alerts[0].informativeText.contains(QString::fromUtf8(reason)))
            << alerts[0].informativeText.toStdString();
        EXPECT_EQ(contentOf(m_dataPath), before) << file;
    }
}

TEST_F(ConverterWindowTest, aFailureGivesTheFailureAlertWithItsCauseAndWritesNothing) {
    const QString sorry = QStringLiteral("There's been an error. Dunno why, dunno what. I'm sorry.");
    Alert::Shown alert = importConfirmed();
    EXPECT_EQ(alert.text, QStringLiteral("Error"));
    EXPECT_EQ(alert.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(alert.informativeText.startsWith(sorry));
    EXPECT_TRUE(alert.informativeText.contains(QStringLiteral("~/Documents/Kesh Library")));
    EXPECT_FALSE(QFileInfo::exists(m_dataPath));

    ASSERT_TRUE(writeFile(m_legacyPath, legacyFileBytes({{0, 1.0, "a"}})));
    {
        DataFileLock kesh(m_dataPath);
        ASSERT_TRUE(kesh.tryLock());
        alert = importConfirmed();
        EXPECT_TRUE(alert.informativeText.contains(QStringLiteral("quit it, then import again")))
            << alert.informativeText.toStdString();
        EXPECT_FALSE(QFileInfo::exists(m_dataPath));
    }

    // The reader's own words say what is wrong with the library.
    ASSERT_TRUE(writeFile(m_dataPath, "not a library"));
    alert = importConfirmed();
    EXPECT_TRUE(alert.informativeText.startsWith(sorry));
    DataFile file(m_dataPath);
    EXPECT_FALSE(file.load());
    EXPECT_TRUE(alert.informativeText.contains(file.errorString())) << alert.informativeText.toStdString();
}

TEST_F(ConverterWindowTest, aPipeWhereTheLegacyLibraryShouldBeIsNamedForWhatItIsAndNeverOpened) {
    const WatchedFifo fifo(m_legacyPath);
    ASSERT_TRUE(fifo.made());
    m_window->refresh();
    EXPECT_EQ(find<QLabel>("legacyInfoLabel")->text(), QStringLiteral("It is a pipe, not a file."));

    const Alert::Shown alert = importConfirmed();
    EXPECT_EQ(alert.text, QStringLiteral("Error"));
    EXPECT_TRUE(alert.informativeText.endsWith(
        QStringLiteral("“~/Documents/Kesh Library” cannot be read: It is a pipe, not a file.")))
        << alert.informativeText.toStdString();
    EXPECT_FALSE(fifo.wasOpened());
    EXPECT_FALSE(QFileInfo::exists(m_dataPath));
}

TEST_F(ConverterWindowTest, anotherLegacyFileIsChosenAndRead) {
    auto* field = find<QLineEdit>("legacyFileField");
    EXPECT_EQ(field->text(), QStringLiteral("~/Documents/Kesh Library"));
    EXPECT_TRUE(find<QLabel>("legacyInfoLabel")->text().startsWith(QStringLiteral("Not found")));

    const QString other = QDir::homePath() + QStringLiteral("/old.lib");
    ASSERT_TRUE(writeFile(other, legacyFileBytes({{0, 1.0, "a"}, {0, 1.0, "b"}})));
    chooseInFileDialog(other);
    QTest::mouseClick(find<QPushButton>("chooseButton"), Qt::LeftButton);
    EXPECT_EQ(m_window->converter()->legacyFilePath(), other);
    EXPECT_EQ(field->text(), QStringLiteral("~/old.lib"));
    EXPECT_TRUE(find<QLabel>("legacyInfoLabel")->text().contains(QStringLiteral("room for 2 records")));

    EXPECT_EQ(importConfirmed().informativeText, QStringLiteral("2 records imported"));
    QFile::remove(other);
}

TEST_F(ConverterWindowTest, inJapaneseEveryTextOnScreenIsTranslatedAndCountsAreWrittenOneWay) {
    m_window.reset();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    openWindow();

    const std::vector<LegacyEntry> entries(1234, LegacyEntry{86'400 * 100, 1.0, "x"});
    ASSERT_TRUE(writeFile(m_legacyPath, legacyFileBytes(entries) +
                                            legacySlotBytes({0, std::numeric_limits<double>::quiet_NaN(), "odd"})));
    m_window->refresh();

    QStringList shown{m_window->windowTitle()};
    for (const QLabel* label : m_window->findChildren<QLabel*>()) {
        shown << label->text();
    }
    for (const QPushButton* button : m_window->findChildren<QPushButton*>()) {
        shown << button->text();
    }
    for (const QAction* menu : m_window->menuBar()->actions()) {
        shown << menu->text();
        for (const QAction* action : menu->menu()->actions()) {
            shown << action->text();
        }
    }
    const QList<Alert::Shown> alerts = clickImport({QStringLiteral("⟦Import⟧"), QStringLiteral("⟦OK⟧")});
    ASSERT_EQ(alerts.size(), 2);
    for (const Alert::Shown& alert : alerts) {
        shown << alert.text << alert.informativeText << alert.buttons;
    }
    const QString status = m_window->statusBar()->currentMessage();
    shown << status;
    QCoreApplication::removeTranslator(&marking);

    for (const QString& text : std::as_const(shown)) {
        const QString rest = unmarked(text);
        EXPECT_FALSE(std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); }))
            << "not through tr(): " << text.toStdString();
    }
    // The alert and the status line write the count the same, the locale's way.
    const QString count = QLocale().toString(1234);
    EXPECT_TRUE(alerts[1].informativeText.contains(count)) << alerts[1].informativeText.toStdString();
    EXPECT_TRUE(status.contains(count)) << status.toStdString();
}

// A screen reader can say what every control is, before a legacy library is
// found and once one is, with its count shown and Import on.
TEST_F(ConverterWindowTest, everyControlHasANameForScreenReaders) {
    const auto expectAllNamed = [this] {
        QCoreApplication::processEvents();
        const QStringList unnamed = unnamedFocusableElements(m_window.get());
        EXPECT_TRUE(unnamed.isEmpty()) << "without a name:\n" << unnamed.join(u'\n').toStdString();
    };
    expectAllNamed();
    ASSERT_TRUE(writeFile(m_legacyPath, legacyFileBytes({{0, 1.0, "a"}, {0, 2.0, "b"}})));
    openWindow();
    ASSERT_TRUE(find<QPushButton>("convertButton")->isEnabled());
    expectAllNamed();
}

} // namespace
