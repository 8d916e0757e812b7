#pragma once

#include "Condition.h"

#include <QString>

class ConditionView;

// Trees written as compact text, so that shapes and values compare at a
// glance: groups as AND(…) and OR(…), leaves as kind, code and operands,
// e.g. "AND(comment7 lunch,OR(amount4 -1000,keyword1 Travel))".
QString treeText(const Condition& condition);
QString treeText(const ConditionView& view);
