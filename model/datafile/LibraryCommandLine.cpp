#include "LibraryCommandLine.h"

#include <cstdio>

namespace {
const QString libraryOption = QStringLiteral("library");
}

LibraryCommandLine::LibraryCommandLine(const QString& description, const QString& libraryDescription,
                                       const QString& fileDescription)
    : m_takesFile(!fileDescription.isEmpty()) {
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(QCommandLineOption(libraryOption, libraryDescription, tr("PATH")));
    if (m_takesFile) {
        m_parser.addPositionalArgument(tr("FILE"), fileDescription, tr("[FILE]"));
    }
}

LibraryCommandLine::Outcome LibraryCommandLine::parse(const QStringList& arguments) {
    m_hasToolkitLikeOption = false;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--")) {
            break;
        }
        const bool ours =
            argument == QStringLiteral("-h") || argument == QStringLiteral("-v") || argument == QStringLiteral("-?");
        if (!ours && argument.size() > 1 && argument.startsWith(u'-') && !argument.startsWith(QStringLiteral("--"))) {
            m_hasToolkitLikeOption = true;
        }
    }
    if (!m_parser.parse(arguments)) {
        return Outcome::UsageError;
    }
    // The toolkit's own options are its business: --help-all shows ours.
    if (m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("help-all"))) {
        return Outcome::Help;
    }
    if (m_parser.isSet(QStringLiteral("version"))) {
        return Outcome::Version;
    }
    const QStringList files = m_parser.positionalArguments();
    if (files.size() > (m_takesFile ? 1 : 0)) {
        m_extraArgument = files.last();
        return Outcome::UsageError;
    }
    m_libraryPath = m_parser.value(libraryOption);
    if (m_parser.isSet(libraryOption) && m_libraryPath.isEmpty()) {
        return Outcome::UsageError;
    }
    m_filePath = files.value(0);
    return Outcome::Run;
}

int LibraryCommandLine::answer(Outcome outcome) const {
    const QString program = QCoreApplication::applicationName();
    switch (outcome) {
    case Outcome::Help:
        std::fputs(qPrintable(m_parser.helpText()), stdout);
        return 0;
    case Outcome::Version:
        std::fprintf(stdout, "%s %s\n", qPrintable(program), qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    case Outcome::UsageError: {
        QString error = m_parser.errorText();
        if (error.isEmpty()) {
            error = m_extraArgument.isEmpty() ? tr("--library needs the path of a library file.")
                                              : tr("Unexpected argument “%1”.").arg(m_extraArgument);
        }
        std::fprintf(stderr, "%s: %s\n%s\n", qPrintable(program), qPrintable(error),
                     qPrintable(tr("Try “%1 --help” for more information.").arg(program)));
        return usageErrorStatus;
    }
    case Outcome::Run:
        break;
    }
    return -1;
}

bool LibraryCommandLine::answersBeforeToolkit(Outcome outcome) const {
    return outcome == Outcome::Help || outcome == Outcome::Version ||
           (outcome == Outcome::UsageError && !m_hasToolkitLikeOption);
}
