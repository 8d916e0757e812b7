#pragma once

#include "ConditionOperand.h"
#include "ConditionPass.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class IO;
class Condition;
using ConditionPtr = std::shared_ptr<Condition>;
using ConditionList = std::vector<ConditionPtr>;

// A test of one record. The plain condition matches every record; groups
// combine children and leaves test one field. One space of test codes serves
// every kind.
class Condition {
public:
    // Lets the editor pick a view per kind without the model knowing about views.
    enum class Kind { Plain, And, Or, Amount, Date, Book, Keyword, Comment };

    // The test codes, by the numbers the data file keeps. Each kind uses some
    // of them; any other number read from a file is kept as it is, and a leaf
    // whose kind does not use its code matches every record.
    enum Code : std::int32_t {
        Is = 1,
        IsNot = 2,
        GreaterThan = 3, // for dates: after
        LessThan = 4,    // for dates: before
        Between = 5,     // both bounds included
        NotBetween = 6,
        Includes = 7,
        DoesNotInclude = 8,
        StartsWith = 9,
        DoesNotStartWith = 10,
        EndsWith = 11,
        DoesNotEndWith = 12,
        WithinLast = 13, // the last N days, weeks or months
        NotWithinLast = 14,
    };

    Condition();
    virtual ~Condition();
    Condition(const Condition&) = delete;
    Condition& operator=(const Condition&) = delete;

    static ConditionPtr create();

    virtual Kind kind() const { return Kind::Plain; }
    // The name the data file stores the object under.
    virtual QString className() const { return QStringLiteral("Condition"); }

    std::int32_t conditionTypeCode() const { return m_conditionTypeCode; }
    void setConditionTypeCode(std::int32_t code) { m_conditionTypeCode = code; }
    const ConditionOperand& object() const { return m_object; }
    void setObject(ConditionOperand object) { m_object = std::move(object); }
    const ConditionOperand& object2() const { return m_object2; }
    void setObject2(ConditionOperand object) { m_object2 = std::move(object); }

    // The book a smart book scans: the first book condition with code Is, depth first.
    virtual BookPtr getBook() const;
    // A new condition of the same class with the same code and operands (shared).
    virtual ConditionPtr copy() const;
    virtual bool ioMatchesCondition(const IO& record) const;
    // The same test as `other`: the same kind, code and operands (keywords and
    // books by identity) and, for groups, the same children in the same order.
    virtual bool sameAs(const Condition& other) const;

    // A smart book's refresh brackets its walk with these, so that leaves work out
    // once what does not depend on the record: from beginPass to endPass relative
    // dates are taken from the pass's moment instead of from the clock, texts are
    // prepared, and book conditions know whether their book is still there.
    virtual void beginPass(const ConditionPass& pass);
    virtual void endPass();

protected:
    // Copies code and operands from `other` (the editor's initWithCondition:).
    void takeValuesOf(const Condition& other);
    // The comparison of codes Is to NotBetween; `compareWith` gives the three-way order
    // of an operand against the record's value (operand on the left).
    template <typename CompareWith> bool standardComparison(CompareWith compareWith) const;

private:
    std::int32_t m_conditionTypeCode = 0;
    ConditionOperand m_object;
    ConditionOperand m_object2;
};

template <typename CompareWith> bool Condition::standardComparison(CompareWith compareWith) const {
    switch (m_conditionTypeCode) {
    case Is:
        return compareWith(m_object) == 0;
    case IsNot:
        return compareWith(m_object) != 0;
    case GreaterThan:
        return compareWith(m_object) == -1;
    case LessThan:
        return compareWith(m_object) == 1;
    case Between:
        return compareWith(m_object) != 1 && compareWith(m_object2) != -1;
    case NotBetween:
        return !(compareWith(m_object) != 1 && compareWith(m_object2) != -1);
    default:
        return false;
    }
}
