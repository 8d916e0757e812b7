#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The command line both programs share: --help, --version and --library PATH,
// and for kesh-import the file to import.
class LibraryCommandLine {
    Q_DECLARE_TR_FUNCTIONS(LibraryCommandLine)

public:
    enum class Outcome { Run, Help, Version, UsageError };
    // What a script sees when the command line itself is wrong.
    static constexpr int usageErrorStatus = 2;

    // `description` tells what the program does, `libraryDescription` what it
    // does with --library; with `fileDescription`, one file may follow the options.
    LibraryCommandLine(const QString& description, const QString& libraryDescription,
                       const QString& fileDescription = QString());

    Outcome parse(const QStringList& arguments);
    // The library named by --library; empty when none was.
    const QString& libraryPath() const { return m_libraryPath; }
    // The file given after the options; empty when none was.
    const QString& filePath() const { return m_filePath; }

    // Prints what the outcome asks for (help or version on standard output,
    // the error on standard error) and gives the exit status; -1 for Run.
    int answer(Outcome outcome) const;
    // Whether the outcome can be answered before the window system's toolkit
    // has taken its own options ("-platform", "-style"...) off the command
    // line: a usage error that such an option may cause is not.
    bool answersBeforeToolkit(Outcome outcome) const;

private:
    QCommandLineParser m_parser;
    bool m_takesFile = false;
    bool m_hasToolkitLikeOption = false;
    QString m_extraArgument;
    QString m_libraryPath;
    QString m_filePath;
};
