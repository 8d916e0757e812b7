#pragma once

#include <QLocale>

class QCoreApplication;

// The words of both programs' windows and messages, and Qt's own dialogs, in
// the user's language. English is the words' own language, yet it has a file
// too, for its plurals; it stands in for languages kesh does not speak.
class Translations {
public:
    Translations() = delete;

    // Installs the translators into the application, which owns them.
    static void install(QCoreApplication* application, const QLocale& locale = QLocale::system());
};
