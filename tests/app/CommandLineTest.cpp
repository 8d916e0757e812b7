#include "ProgramRun.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

ProgramRun runWithoutDisplay(const char* program, const QStringList& arguments) {
    return ProgramRun::of(QString::fromLocal8Bit(program), arguments);
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
    const ProgramRun help = runWithoutDisplay(GetParam().binary, {QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--library <PATH>"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));

    for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const ProgramRun version = runWithoutDisplay(GetParam().binary, {option});
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
        const ProgramRun run = runWithoutDisplay(GetParam().binary, arguments);
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
    const ProgramRun run = runWithoutDisplay(KESH_BINARY, {QStringLiteral("Ledger")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("“Ledger”"))) << run.err.toStdString();
}

} // namespace
