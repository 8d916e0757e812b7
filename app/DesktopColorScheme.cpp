#include "DesktopColorScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

// Read answers a variant holding the value's variant; the signal hands over the value's.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}
} // namespace

DesktopColorScheme::DesktopColorScheme(QObject* parent)
    : QObject(parent) {}

void DesktopColorScheme::listenToPortal() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read =
        QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface, QStringLiteral("Read"));
    read << appearanceGroup << colorSchemeKey;
    // Not waited for: a desktop without a portal would hold up the start until the call times out.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QVariant> reply = *call;
        if (!reply.isError()) {
            readAnswer(reply.value());
        }
        call->deleteLater();
    });
}

void DesktopColorScheme::settingChanged(const QString& group, const QString& key, const QDBusVariant& value) {
    if (group == appearanceGroup && key == colorSchemeKey) {
        readAnswer(value.variant());
    }
}

void DesktopColorScheme::readAnswer(const QVariant& value) {
    bool ok = false;
    const uint code = unwrapped(value).toUInt(&ok);
    // Values the portal may add later mean no preference, as the portal's documentation asks.
    setScheme(ok && code <= 2 ? Scheme(code) : Scheme::NoPreference);
}

void DesktopColorScheme::setScheme(Scheme scheme) {
    if (scheme == m_scheme) {
        return;
    }
    m_scheme = scheme;
    emit schemeChanged(scheme);
}
