#pragma once

#include "Book.h"
#include "CalendarDate.h"
#include "Keyword.h"

#include <QString>

#include <variant>

// What a condition compares with: nothing, a number (single precision, as the
// editor keeps bounds and periods), a day date, a text, or a keyword or book
// of the library, shared by identity.
using ConditionOperand = std::variant<std::monostate, float, CalendarDate, QString, KeywordPtr, BookPtr>;
