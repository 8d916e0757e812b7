#pragma once

#include "CsvSavedMapping.h"

#include <QSettings>

#include <optional>
#include <vector>

// The mappings the user keeps for CSV files, in kesh's preferences: one per
// shape of file, the one used last first.
class CsvMappingStore {
public:
    CsvMappingStore();

    std::vector<CsvSavedMapping> mappings() const;
    // The first kept mapping a file beginning with `head` fits.
    std::optional<CsvSavedMapping> findFor(QByteArrayView head, bool more) const;
    // Kept first, in place of one for the same shape.
    void remember(const CsvSavedMapping& mapping);
    // An empty name changes nothing (false).
    bool rename(const CsvFileShape& shape, const QString& name);
    void forget(const CsvFileShape& shape);

private:
    void write(const std::vector<CsvSavedMapping>& mappings);

    // Reading an array moves QSettings' place in it, even to only read.
    mutable QSettings m_settings;
};
