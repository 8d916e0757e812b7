#pragma once

#include "CsvEncoding.h"
#include "CsvFileShape.h"
#include "CsvRecordMapping.h"

#include <QByteArrayView>
#include <QString>
#include <QVariantMap>

#include <optional>

// A mapping the user confirmed by importing with it, kept under a name the
// user may change ("Bank of …") together with how the file was read, and
// found again by the shape of the next file. Kept as a map of named values
// with a version, so later fields join without a new format; a map without
// a field reads it as its default.
struct CsvSavedMapping {
    static constexpr int version = 1;

    QString name;
    CsvFileShape shape;
    CsvEncoding::Encoding encoding = CsvEncoding::Utf8;
    CsvRecordMapping mapping;

    bool operator==(const CsvSavedMapping& other) const = default;

    QVariantMap toMap() const;
    // Nothing for a map that names no mapping or no shape.
    static std::optional<CsvSavedMapping> fromMap(const QVariantMap& map);

    // Whether a file beginning with `head` has this shape when read with
    // this encoding and separator; `more` when the file goes on past it.
    bool fits(QByteArrayView head, bool more) const;
};
