#include "LocalizedText.h"

LocalizedText::Provider& LocalizedText::provider() {
    static Provider p;
    return p;
}

void LocalizedText::setProvider(Provider p) {
    provider() = std::move(p);
}

QString LocalizedText::lookup(const QString& key) {
    if (!provider()) {
        return missingText();
    }
    const QString text = provider()(key);
    return text.isEmpty() ? missingText() : text;
}

QString LocalizedText::lookup(const QString& prefix, int id) {
    return lookup(prefix + QString::number(id));
}
