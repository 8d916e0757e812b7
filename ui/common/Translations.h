#pragma once

class QCoreApplication;

// The words of both programs' windows and messages, and Qt's own dialogs, in
// the user's language; English needs no file.
class Translations {
public:
    Translations() = delete;

    // Installs the translators into the application, which owns them.
    static void install(QCoreApplication* application);
};
