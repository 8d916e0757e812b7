#pragma once

#include <QIcon>

// An SVG image of kesh's resources as an icon for light or dark ground. On
// dark ground its darkest colours, drawn as outlines for light ground, are
// lightened so the shape still stands out.
class SchemeIcon {
public:
    static QIcon load(const QString& path, bool dark);
    // The SVG text with every dark colour lightened.
    static QByteArray lightenedForDark(const QByteArray& svg);
};
