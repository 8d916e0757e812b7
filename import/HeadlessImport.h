#pragma once

#include <QCoreApplication>
#include <QString>

struct LegacyImportResult;

// `kesh-import FILE`: one import without a window, for scripts. Appends the
// records of FILE to the library without asking, says what happened in one
// line and ends with 0 when the records were appended, 1 when nothing was.
class HeadlessImport {
    Q_DECLARE_TR_FUNCTIONS(HeadlessImport)

public:
    static constexpr int succeededStatus = 0;
    static constexpr int failedStatus = 1;

    // An empty `libraryPath` is the default library, made when it is not there
    // yet; a library named on the command line must exist.
    HeadlessImport(const QString& libraryPath, const QString& legacyFilePath);

    // Imports, prints the line (on standard output when the records were
    // appended, standard error when not) and gives the exit status.
    int run();
    // The line run() printed.
    const QString& line() const { return m_line; }

private:
    bool libraryIsUsable();
    QString reason(const LegacyImportResult& result) const;
    int fail(const QString& reason);

    QString m_libraryPath;
    bool m_libraryNamed;
    QString m_legacyFilePath;
    QString m_line;
};
