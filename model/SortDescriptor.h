#pragma once

#include <QList>
#include <QString>

// One key of a book's sort order: a record key, a direction and the
// comparison used (always the value type's own "compare:").
struct SortDescriptor {
    QString key;
    bool ascending = true;
    QString selector = QStringLiteral("compare:");

    bool operator==(const SortDescriptor& other) const = default;
};

using SortDescriptorList = QList<SortDescriptor>;
