#pragma once

#include "DataRoot.h"

#include <QColor>
#include <QSettings>
#include <QVariant>

// The user's preferences, kept by QSettings between runs. On the first launch
// for a user it writes the initial values; afterwards it only passes reads and
// writes through.
class PreferencesManager {
public:
    PreferencesManager();

    static QString dateOfFirstLaunchKey() { return QStringLiteral("DateOfFirstLaunch"); }
    static QString ioWindowOpenKey() { return QStringLiteral("IOWindowOpen"); }
    static QString graphWindowOpenKey() { return QStringLiteral("GraphWindowOpen"); }
    static QString keywordWindowOpenKey() { return QStringLiteral("KeywordWindowOpen"); }
    static QString lastLibraryKey() { return QStringLiteral("LastLibrary"); }

    QVariant objectForKey(const QString& key) const;
    void setObject(const QVariant& value, const QString& key);
    // False for a missing key.
    bool boolForKey(const QString& key) const;
    void setBool(bool value, const QString& key);
    // Kept as the bytes of the colour's stream form.
    void setColour(const QColor& colour, const QString& key);
    // An invalid colour when none is stored.
    QColor colourForKey(const QString& key) const;

    // A window's frame, under the window's autosave name.
    QByteArray frameForName(const QString& autosaveName) const;
    void setFrame(const QByteArray& frame, const QString& autosaveName);

    // The book selected when kesh last ended: the one at the same place
    // with the same name, or the first of that name; none when it is gone.
    BookPtr selectedBook(const DataRoot& root) const;
    void setSelectedBook(std::size_t index, const QString& name);
    // Widths and order of the record table's columns.
    QByteArray recordColumns() const;
    void setRecordColumns(const QByteArray& state);

    // The library file kesh opened last; empty for the default one.
    QString lastLibrary() const;
    void setLastLibrary(const QString& path);

    // Writes what is pending to disk.
    void sync();

private:
    QSettings m_pref;
};
