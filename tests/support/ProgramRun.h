#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

// One of the programs run to its end as a shell without any display runs it:
// no window system, the given locale, this test's home.
struct ProgramRun {
    int status = -1;
    QString out;
    QString err;

    static ProgramRun of(const QString& program, const QStringList& arguments, const QString& folder = QString(),
                         const QString& locale = QStringLiteral("C")) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_MESSAGES"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("LC_ALL"), locale);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(program, arguments);
        ProgramRun run;
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << program.toStdString() << " did not end within 30 s";
            return run;
        }
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        run.err = QString::fromLocal8Bit(process.readAllStandardError());
        return run;
    }
};
