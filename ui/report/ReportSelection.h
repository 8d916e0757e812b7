#pragma once

#include "Book.h"
#include "DayRange.h"
#include "Keyword.h"

#include <QString>

// The records behind a figure of a report, for the main window to show:
// those of `book` (null: the book the main window shows) within `days`,
// carrying `keyword` when one is named, with `comment` when one is named.
struct ReportSelection {
    BookPtr book;
    KeywordPtr keyword;
    QString comment;
    DayRange days;
    // The figure was of the records without keywords, which no keyword search can pick out.
    bool withoutKeywords = false;
};
