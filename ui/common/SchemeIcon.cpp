#include "SchemeIcon.h"

#include <QColor>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QSvgRenderer>

QByteArray SchemeIcon::lightenedForDark(const QByteArray& svg) {
    static const QRegularExpression colour(QStringLiteral("#[0-9a-fA-F]{6}\\b"));
    QString text = QString::fromUtf8(svg);
    QString result;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& match : colour.globalMatch(text)) {
        QColor shade = QColor::fromString(match.captured());
        float hue = 0;
        float saturation = 0;
        float lightness = 0;
        shade.getHslF(&hue, &saturation, &lightness);
        // Only what would vanish on dark ground; the bright covers stay as they are.
        if (lightness < 0.35f) {
            shade.setHslF(hue, saturation, 1.0f - lightness * 0.9f);
        }
        result += QStringView(text).mid(last, match.capturedStart() - last);
        result += shade.name();
        last = match.capturedEnd();
    }
    result += QStringView(text).mid(last);
    return result.toUtf8();
}

QIcon SchemeIcon::load(const QString& path, bool dark) {
    if (!dark) {
        return QIcon(path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QIcon(path);
    }
    QSvgRenderer renderer(lightenedForDark(file.readAll()));
    QIcon icon;
    for (const int side : {16, 20, 24, 32, 40, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
