#pragma once

#include "AlertAnswers.h"
#include "DataFile.h"
#include "KeshApp.h"
#include "MainWindow.h"
#include "ModalWatchdog.h"
#include "SampleRecords.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>

#include <gtest/gtest.h>

#include <memory>

// A test that starts kesh in a home folder of its own: no library, no preferences.
class AppFixture : public ::testing::Test, private UsLocale {
protected:
    AppFixture() {
        // A test may have left a file where the folder goes.
        QFile::remove(TestEnvironment::home() + QStringLiteral("/Library"));
        QDir(TestEnvironment::home() + QStringLiteral("/Library")).removeRecursively();
        QDir(TestEnvironment::home() + QStringLiteral("/.config")).removeRecursively();
    }
    ~AppFixture() override {
        m_watchdog.reset();
        app.reset();
    }

    // Makes the application and runs its start-up, on `library` as --library
    // names it (empty: as without); with `interface`, the main window too.
    bool launch(bool interface = true, const QString& library = QString()) {
        m_watchdog.reset();
        app.reset();
        app = std::make_unique<KeshApp>(argc, argv);
        m_watchdog = std::make_unique<ModalWatchdog>();
        const bool started = app->init(library);
        if (started && interface) {
            app->loadInterface();
        }
        return started;
    }
    // Ends the run the way the quit command does.
    bool quit() { return app->terminate(); }

    static QString dataPath() { return DataFile::defaultPath(); }
    static void writeLibrary(const DataRoot& root, const QString& path = dataPath()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        DataFile file(path);
        ASSERT_TRUE(file.save(root)) << file.errorString().toStdString();
    }
    static void writeBytes(const QByteArray& bytes, const QString& path = dataPath()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readBytes(const QString& path = dataPath()) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static DataRootPtr readLibrary(const QString& path = dataPath()) {
        DataFile file(path);
        return file.load() ? file.root() : nullptr;
    }
    // A library made outside kesh, with its main library named as given.
    static DataRootPtr library(const QString& mainName = QStringLiteral("Library")) {
        DataRootPtr root = DataRoot::create();
        root->mainLibrary()->setBookName(mainName);
        return root;
    }

    template <typename T> T* find(const char* name) const {
        return app->mainWindow()->findChild<T*>(QString::fromLatin1(name));
    }

    int argc = 1;
    char name[5] = "kesh";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<KeshApp> app;

private:
    std::unique_ptr<ModalWatchdog> m_watchdog;
};
