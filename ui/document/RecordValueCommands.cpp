#include "RecordValueCommands.h"

ChangeRecordDate::ChangeRecordDate(LibraryDocument& document, IOList records, QDate day, const QString& text)
    : ChangeRecordField(document, std::move(records), day, text) {}

QDate ChangeRecordDate::get(const IO& record) const {
    return record.date();
}

void ChangeRecordDate::set(IO& record, const QDate& day) const {
    record.setDate(day);
}

ChangeRecordAmount::ChangeRecordAmount(LibraryDocument& document, IOList records, const std::optional<Amount>& amount,
                                       const QString& text)
    : ChangeRecordField(document, std::move(records), amount, text) {}

std::optional<Amount> ChangeRecordAmount::get(const IO& record) const {
    return record.amount();
}

void ChangeRecordAmount::set(IO& record, const std::optional<Amount>& amount) const {
    record.setAmount(amount);
}

ChangeRecordComment::ChangeRecordComment(LibraryDocument& document, IOList records, const QString& comment,
                                         const QString& text)
    : ChangeRecordField(document, std::move(records), comment, text) {}

QString ChangeRecordComment::get(const IO& record) const {
    return record.comment();
}

void ChangeRecordComment::set(IO& record, const QString& comment) const {
    record.setComment(comment);
}

ChangeRecordIncluded::ChangeRecordIncluded(LibraryDocument& document, IOList records, std::int8_t include,
                                           const QString& text)
    : ChangeRecordField(document, std::move(records), include, text) {}

std::int8_t ChangeRecordIncluded::get(const IO& record) const {
    return record.includeInStats();
}

void ChangeRecordIncluded::set(IO& record, const std::int8_t& include) const {
    record.setIncludeInStats(include);
}
