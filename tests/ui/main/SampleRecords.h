#pragma once

#include "Book.h"
#include "IO.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <ostream>

// Records for the main window's tests: an amount in plain notation, a day, a comment.
inline IOPtr sampleRecord(const char* amount, QDate day, const QString& comment, bool counted = true) {
    return IO::create(Amount::fromString(QString::fromLatin1(amount)), QDateTime(day, QTime(0, 0)), KeywordList{},
                      comment, counted ? 1 : 0);
}

inline IOList recordsOf(const Book& book) {
    return book.filteredList();
}

// Fixtures that read formatted cells derive from this first, so that every
// format made after it is American English.
struct UsLocale {
    UsLocale() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    ~UsLocale() { QLocale::setDefault(QLocale::c()); }
};

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
