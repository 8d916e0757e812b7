#include "CsvMappingStore.h"

#include <algorithm>

namespace {
const QString arrayKey = QStringLiteral("CsvImport/Mappings");
}

CsvMappingStore::CsvMappingStore() = default;

std::vector<CsvSavedMapping> CsvMappingStore::mappings() const {
    QSettings& settings = m_settings;
    std::vector<CsvSavedMapping> mappings;
    const int count = settings.beginReadArray(arrayKey);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        QVariantMap map;
        for (const QString& key : settings.childKeys()) {
            map.insert(key, settings.value(key));
        }
        // One the store cannot read is left out, not guessed at.
        if (std::optional<CsvSavedMapping> mapping = CsvSavedMapping::fromMap(map)) {
            mappings.push_back(std::move(*mapping));
        }
    }
    settings.endArray();
    return mappings;
}

std::optional<CsvSavedMapping> CsvMappingStore::findFor(QByteArrayView head, bool more) const {
    for (const CsvSavedMapping& mapping : mappings()) {
        if (mapping.fits(head, more)) {
            return mapping;
        }
    }
    return std::nullopt;
}

void CsvMappingStore::remember(const CsvSavedMapping& mapping) {
    std::vector<CsvSavedMapping> kept = mappings();
    std::erase_if(kept, [&](const CsvSavedMapping& m) { return m.shape == mapping.shape; });
    kept.insert(kept.begin(), mapping);
    write(kept);
}

bool CsvMappingStore::rename(const CsvFileShape& shape, const QString& name) {
    if (name.trimmed().isEmpty()) {
        return false;
    }
    std::vector<CsvSavedMapping> kept = mappings();
    const auto found =
        std::find_if(kept.begin(), kept.end(), [&](const CsvSavedMapping& m) { return m.shape == shape; });
    if (found == kept.end()) {
        return false;
    }
    found->name = name.trimmed();
    write(kept);
    return true;
}

void CsvMappingStore::forget(const CsvFileShape& shape) {
    std::vector<CsvSavedMapping> kept = mappings();
    std::erase_if(kept, [&](const CsvSavedMapping& m) { return m.shape == shape; });
    write(kept);
}

void CsvMappingStore::write(const std::vector<CsvSavedMapping>& mappings) {
    m_settings.remove(arrayKey);
    m_settings.beginWriteArray(arrayKey, int(mappings.size()));
    for (int i = 0; i < int(mappings.size()); ++i) {
        m_settings.setArrayIndex(i);
        const QVariantMap map = mappings[std::size_t(i)].toMap();
        for (auto it = map.begin(); it != map.end(); ++it) {
            m_settings.setValue(it.key(), it.value());
        }
    }
    m_settings.endArray();
}
