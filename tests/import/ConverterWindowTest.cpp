#include "ConverterWindow.h"
#include "AlertAnswers.h"
#include "Converter.h"
#include "DataFile.h"
#include "DataFileLock.h"
#include "LegacyFileWriter.h"
#include "LocalizedStrings.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

// Waits for the next modal dialog of type T and hands it to `answer`.
template <typename T> void whenModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

struct Outcome {
    QString title;
    QString text;
    QStringList buttons;
};

class ConverterWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        LocalizedStrings::installForModel();
        m_documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        m_legacyPath = m_documents + QStringLiteral("/Kesh Library");
        TearDown();
        ASSERT_TRUE(QDir().mkpath(m_documents));
        m_window = std::make_unique<ConverterWindow>();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void TearDown() override {
        m_window.reset();
        QDir(m_documents).removeRecursively();
        QDir(QDir::homePath() + QStringLiteral("/Library")).removeRecursively();
    }

    template <typename T> T* find(const char* name) {
        auto* widget = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }

    // Clicks Import and answers the alert with its OK button.
    Outcome clickImport() {
        const AlertAnswers user({QStringLiteral("OK")});
        QTest::mouseClick(find<QPushButton>("convertButton"), Qt::LeftButton);
        EXPECT_EQ(user.alerts().size(), 1);
        if (user.alerts().isEmpty()) {
            return {};
        }
        const Alert::Shown& shown = user.alerts().constLast();
        return {shown.text, shown.informativeText, shown.buttons};
    }

    QString m_documents;
    QString m_legacyPath;
    std::unique_ptr<ConverterWindow> m_window;
};

TEST_F(ConverterWindowTest, importSaysHowManyRecordsCameAndHowManyWereLeftOut) {
    ASSERT_TRUE(writeFile(
        m_legacyPath,
        legacyFileBytes({{0, 1.0, "a"}, {0, std::numeric_limits<double>::infinity(), "inf"}, {0, -2.0, "b"}})));
    m_window->refresh();
    EXPECT_TRUE(find<QLabel>("dataInfoLabel")->text().contains(QStringLiteral("creates")));

    const Outcome alert = clickImport();
    EXPECT_EQ(alert.title, QStringLiteral("Import Successful"));
    EXPECT_EQ(alert.text, QStringLiteral("2 records imported, 1 skipped"));
    EXPECT_EQ(alert.buttons, QStringList{QStringLiteral("OK")});
    DataFile file;
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.root()->mainLibrary()->count(), 2u);
    // The window now shows the library that exists.
    EXPECT_FALSE(find<QLabel>("dataInfoLabel")->text().contains(QStringLiteral("creates")));

    EXPECT_EQ(clickImport().text, QStringLiteral("2 records imported, 1 skipped"));
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.root()->mainLibrary()->count(), 4u);
}

TEST_F(ConverterWindowTest, aFailureGivesTheFailureAlertWithItsCauseAndWritesNothing) {
    const QString sorry = QStringLiteral("There's been an error. Dunno why, dunno what. I'm sorry.");
    Outcome alert = clickImport();
    EXPECT_EQ(alert.title, QStringLiteral("Error"));
    EXPECT_EQ(alert.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(alert.text.startsWith(sorry));
    EXPECT_TRUE(alert.text.contains(QStringLiteral("~/Documents/Kesh Library")));
    EXPECT_FALSE(QFileInfo::exists(DataFile::defaultPath()));

    ASSERT_TRUE(writeFile(m_legacyPath, legacyFileBytes({{0, 1.0, "a"}})));
    {
        DataFileLock kesh(DataFile::defaultPath());
        ASSERT_TRUE(kesh.tryLock());
        alert = clickImport();
        EXPECT_TRUE(alert.text.contains(QStringLiteral("quit it, then import again"))) << alert.text.toStdString();
        EXPECT_FALSE(QFileInfo::exists(DataFile::defaultPath()));
    }

    // The reader's own words say what is wrong with the library.
    ASSERT_TRUE(writeFile(DataFile::defaultPath(), "not a library"));
    alert = clickImport();
    EXPECT_TRUE(alert.text.startsWith(sorry));
    DataFile file;
    EXPECT_FALSE(file.load());
    EXPECT_TRUE(alert.text.contains(file.errorString())) << alert.text.toStdString();
}

TEST_F(ConverterWindowTest, anotherLegacyFileIsChosenAndRead) {
    auto* field = find<QLineEdit>("legacyFileField");
    EXPECT_EQ(field->text(), QStringLiteral("~/Documents/Kesh Library"));
    EXPECT_TRUE(find<QLabel>("legacyInfoLabel")->text().startsWith(QStringLiteral("Not found")));

    const QString other = QDir::homePath() + QStringLiteral("/old.lib");
    ASSERT_TRUE(writeFile(other, legacyFileBytes({{0, 1.0, "a"}, {0, 1.0, "b"}})));
    whenModal<QFileDialog>([&other](QFileDialog* dialog) {
        dialog->selectFile(other);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
    QTest::mouseClick(find<QPushButton>("chooseButton"), Qt::LeftButton);
    EXPECT_EQ(m_window->converter()->legacyFilePath(), other);
    EXPECT_EQ(field->text(), QStringLiteral("~/old.lib"));
    EXPECT_TRUE(find<QLabel>("legacyInfoLabel")->text().contains(QStringLiteral("room for 2 records")));

    EXPECT_EQ(clickImport().text, QStringLiteral("2 records imported"));
    QFile::remove(other);
}

} // namespace
