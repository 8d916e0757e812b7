#pragma once

#include <QObject>

class QDBusVariant;

// The desktop's light or dark preference, as the XDG desktop portal tells it
// (org.freedesktop.appearance color-scheme): read once at start and followed
// through the portal's SettingChanged. Without a portal the preference stays
// NoPreference and the platform's own palette is used.
class DesktopColorScheme : public QObject {
    Q_OBJECT

public:
    // The portal's values.
    enum class Scheme { NoPreference = 0, Dark = 1, Light = 2 };
    Q_ENUM(Scheme)

    explicit DesktopColorScheme(QObject* parent = nullptr);

    Scheme scheme() const { return m_scheme; }
    // Asks the portal on the session bus, if there is one; the answer comes later.
    void listenToPortal();

public slots:
    // As the portal's Settings.SettingChanged delivers it; other settings are ignored.
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

signals:
    void schemeChanged(DesktopColorScheme::Scheme scheme);

private:
    void setScheme(Scheme scheme);
    void readAnswer(const QVariant& value);

    Scheme m_scheme = Scheme::NoPreference;
};
