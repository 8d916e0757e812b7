#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The texts kesh looks up by key ("MainLibrary", "ErrorTitle1", ...), in the
// user's language, with English for a language or a key that has none.
class LocalizedStrings {
public:
    explicit LocalizedStrings(const QLocale& locale = QLocale::system());

    // The text for the key; a null string when no table has one.
    QString text(const QString& key) const;
    // Makes the model's texts (LocalizedText) come from the user's string
    // table for the rest of the run.
    static void installForModel();
    // The language the texts come from, e.g. "ja" or "en".
    const QString& language() const { return m_language; }

private:
    QTranslator m_primary;
    QTranslator m_english;
    QString m_language;
    bool m_hasPrimary = false;
};
