#pragma once

#include "Amount.h"
#include "Book.h"
#include "CalendarDate.h"
#include "Keyword.h"

#include <QString>

#include <variant>

// What a condition compares with: nothing, an exact decimal (an amount bound
// or a count of periods), a day date, a text, or a keyword or book of the
// library, shared by identity.
using ConditionOperand = std::variant<std::monostate, Amount, CalendarDate, QString, KeywordPtr, BookPtr>;
