#include "PreferencesManager.h"

#include "Clock.h"
#include "LibraryLocation.h"

#include <QDataStream>
#include <QIODevice>

namespace {
QString frameKey(const QString& autosaveName) {
    return QStringLiteral("WindowFrames/") + autosaveName;
}

const QString selectedBookIndexKey = QStringLiteral("SelectedBook/Index");
const QString selectedBookNameKey = QStringLiteral("SelectedBook/Name");
const QString recordColumnsKey = QStringLiteral("RecordTable/Columns");
} // namespace

PreferencesManager::PreferencesManager() {
    // Written into the store itself, not as fallbacks: they stay until the user's preferences go.
    if (!m_pref.contains(dateOfFirstLaunchKey())) {
        m_pref.setValue(dateOfFirstLaunchKey(), Clock::now());
        m_pref.setValue(ioWindowOpenKey(), true);
        m_pref.setValue(graphWindowOpenKey(), false);
        m_pref.setValue(keywordWindowOpenKey(), false);
    }
}

QVariant PreferencesManager::objectForKey(const QString& key) const {
    return m_pref.value(key);
}

void PreferencesManager::setObject(const QVariant& value, const QString& key) {
    m_pref.setValue(key, value);
}

bool PreferencesManager::boolForKey(const QString& key) const {
    return m_pref.value(key, false).toBool();
}

void PreferencesManager::setBool(bool value, const QString& key) {
    m_pref.setValue(key, value);
}

void PreferencesManager::setColour(const QColor& colour, const QString& key) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << colour;
    setObject(bytes, key);
}

QColor PreferencesManager::colourForKey(const QString& key) const {
    const QByteArray bytes = objectForKey(key).toByteArray();
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    QColor colour;
    in >> colour;
    return in.status() == QDataStream::Ok ? colour : QColor();
}

QByteArray PreferencesManager::frameForName(const QString& autosaveName) const {
    return m_pref.value(frameKey(autosaveName)).toByteArray();
}

void PreferencesManager::setFrame(const QByteArray& frame, const QString& autosaveName) {
    m_pref.setValue(frameKey(autosaveName), frame);
}

void PreferencesManager::sync() {
    m_pref.sync();
}

BookPtr PreferencesManager::selectedBook(const DataRoot& root) const {
    if (!m_pref.contains(selectedBookNameKey)) {
        return nullptr;
    }
    const QString name = m_pref.value(selectedBookNameKey).toString();
    bool known = false;
    const qulonglong index = m_pref.value(selectedBookIndexKey).toULongLong(&known);
    if (known && index < root.bookCount() && root.bookAtIndex(std::size_t(index))->bookName() == name) {
        return root.bookAtIndex(std::size_t(index));
    }
    // Books before it came or went: the name still finds it.
    for (std::size_t i = 0; i < root.bookCount(); ++i) {
        if (root.bookAtIndex(i)->bookName() == name) {
            return root.bookAtIndex(i);
        }
    }
    return nullptr;
}

void PreferencesManager::setSelectedBook(std::size_t index, const QString& name) {
    m_pref.setValue(selectedBookIndexKey, qulonglong(index));
    m_pref.setValue(selectedBookNameKey, name);
}

QByteArray PreferencesManager::recordColumns() const {
    return m_pref.value(recordColumnsKey).toByteArray();
}

void PreferencesManager::setRecordColumns(const QByteArray& state) {
    m_pref.setValue(recordColumnsKey, state);
}

QString PreferencesManager::lastLibrary() const {
    return m_pref.value(lastLibraryKey()).toString();
}

void PreferencesManager::setLastLibrary(const QString& path) {
    // The default is no choice: it stays where the default is.
    if (path.isEmpty() || LibraryLocation(path).isDefault()) {
        m_pref.remove(lastLibraryKey());
    } else {
        m_pref.setValue(lastLibraryKey(), path);
    }
    m_pref.sync();
}
