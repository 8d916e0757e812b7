#include "TreeText.h"

#include "ConditionGroup.h"
#include "DateCondition.h"
#include "GroupConditionView.h"

#include <QStringList>

namespace {
QString operandText(const ConditionOperand& operand) {
    if (const auto* amount = std::get_if<Amount>(&operand)) {
        return amount->toString();
    }
    if (const auto* date = std::get_if<CalendarDate>(&operand)) {
        return date->toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    }
    if (const auto* text = std::get_if<QString>(&operand)) {
        return *text;
    }
    if (const auto* keyword = std::get_if<KeywordPtr>(&operand)) {
        return *keyword ? (*keyword)->name() : QStringLiteral("null");
    }
    if (const auto* book = std::get_if<BookPtr>(&operand)) {
        return *book ? (*book)->bookName() : QStringLiteral("null");
    }
    return QStringLiteral("-");
}

QString kindName(Condition::Kind kind) {
    switch (kind) {
    case Condition::Kind::Amount:
        return QStringLiteral("amount");
    case Condition::Kind::Date:
        return QStringLiteral("date");
    case Condition::Kind::Keyword:
        return QStringLiteral("keyword");
    case Condition::Kind::Comment:
        return QStringLiteral("comment");
    case Condition::Kind::Book:
        return QStringLiteral("book");
    default:
        return QStringLiteral("plain");
    }
}
} // namespace

QString treeText(const Condition& condition) {
    if (const auto* group = dynamic_cast<const ConditionGroup*>(&condition)) {
        QStringList children;
        for (const ConditionPtr& child : group->children()) {
            children.append(treeText(*child));
        }
        const QString connective =
            condition.kind() == Condition::Kind::And ? QStringLiteral("AND") : QStringLiteral("OR");
        return connective + QLatin1Char('(') + children.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    QString text = kindName(condition.kind()) + QString::number(condition.conditionTypeCode()) + QLatin1Char(' ') +
                   operandText(condition.object());
    if (!std::holds_alternative<std::monostate>(condition.object2())) {
        text += QLatin1Char('~') + operandText(condition.object2());
    }
    if (const auto* date = dynamic_cast<const DateCondition*>(&condition);
        date && condition.conditionTypeCode() >= Condition::WithinLast) {
        text += QStringLiteral(" p") + QString::number(date->periodID());
    }
    return text;
}

QString treeText(const ConditionView& view) {
    return treeText(*view.condition());
}
