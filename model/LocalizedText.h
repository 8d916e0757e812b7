#pragma once

#include <QString>

#include <functional>

// Where the model gets user-visible texts: each program installs a provider
// (kesh its translation tables, the importer its own names). A key without
// text reads "plist Error".
class LocalizedText {
public:
    // Returns the text for a key, or a null string when there is none.
    using Provider = std::function<QString(const QString& key)>;

    static void setProvider(Provider provider);
    static QString lookup(const QString& key);
    // The key formed from a prefix and a number: "ConditionWhat" and 2 give "ConditionWhat2".
    static QString lookup(const QString& prefix, int id);
    static QString missingText() { return QStringLiteral("plist Error"); }

private:
    static Provider& provider();
};
