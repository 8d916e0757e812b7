#include "LocalizedStrings.h"

#include "LocalizedText.h"

namespace {
const char* context = "Kesh";
const QString folder = QStringLiteral(":/i18n");
} // namespace

LocalizedStrings::LocalizedStrings(const QLocale& locale)
    : m_language(QStringLiteral("en")) {
    (void)m_english.load(QStringLiteral("kesh_en"), folder);
    if (locale.language() != QLocale::English &&
        m_primary.load(locale, QStringLiteral("kesh"), QStringLiteral("_"), folder)) {
        m_hasPrimary = true;
        m_language = m_primary.language();
    }
}

QString LocalizedStrings::text(const QString& key) const {
    const QByteArray utf8 = key.toUtf8();
    if (m_hasPrimary) {
        const QString text = m_primary.translate(context, utf8.constData());
        if (!text.isEmpty()) {
            return text;
        }
    }
    return m_english.translate(context, utf8.constData());
}

void LocalizedStrings::installForModel() {
    static const LocalizedStrings strings;
    LocalizedText::setProvider([](const QString& key) { return strings.text(key); });
}
