#include "TestEnvironment.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct Finished {
    int status = -1;
    QString out;
    QString err;
};

// As a shell without any display runs it: help, version and usage errors need none.
Finished runWithoutDisplay(const char* program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(program), arguments);
    Finished run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << program << " did not end within 20 s";
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

struct Program {
    const char* binary;
    const char* name;
};

class CommandLine : public ::testing::TestWithParam<Program> {
protected:
    CommandLine() { TestEnvironment::setUp(); }
};

TEST_P(CommandLine, helpAndVersionNeedNoDisplayAndSucceed) {
    const Finished help = runWithoutDisplay(GetParam().binary, {QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--library <PATH>"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));

    for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const Finished version = runWithoutDisplay(GetParam().binary, {option});
        EXPECT_EQ(version.status, 0) << version.err.toStdString();
        EXPECT_EQ(version.out,
                  QStringLiteral("%1 %2\n").arg(QString::fromLatin1(GetParam().name), QStringLiteral(KESH_VERSION)));
    }
}

TEST_P(CommandLine, aWrongCommandLineIsToldOnStandardErrorWithStatusTwo) {
    const QList<QStringList> wrong{
        {QStringLiteral("--bogus")},
        {QStringLiteral("--library")},
        {QStringLiteral("--library="), QStringLiteral("x")},
        {QStringLiteral("one"), QStringLiteral("two")},
    };
    for (const QStringList& arguments : wrong) {
        const Finished run = runWithoutDisplay(GetParam().binary, arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("--help"))) << run.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, CommandLine,
                         ::testing::Values(Program{KESH_BINARY, "kesh"}, Program{KESH_IMPORT_BINARY, "kesh-import"}),
                         [](const ::testing::TestParamInfo<Program>& info) {
                             return info.index == 0 ? std::string("kesh") : std::string("keshImport");
                         });

// kesh takes no file: a single argument is refused too.
TEST(KeshCommandLine, anArgumentThatIsNoOptionIsRefused) {
    TestEnvironment::setUp();
    const Finished run = runWithoutDisplay(KESH_BINARY, {QStringLiteral("Ledger")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("“Ledger”"))) << run.err.toStdString();
}

} // namespace
