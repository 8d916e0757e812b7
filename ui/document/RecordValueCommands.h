#pragma once

#include "ChangeValue.h"

// Fields of records set anew, one field per command, over one record or many.

template <typename Value, RecordRevision::Field field> class ChangeRecordField : public ChangeValue<IO, Value> {
protected:
    using ChangeValue<IO, Value>::ChangeValue;

    LibraryDocument::Change change() const override { return {LibraryDocument::Change::Fields, field}; }
    void tell() override { emit this->document().recordsChanged(this->objects(), field); }
};

class ChangeRecordDate : public ChangeRecordField<QDate, RecordRevision::Date> {
public:
    ChangeRecordDate(LibraryDocument& document, IOList records, QDate day, const QString& text);

private:
    QDate get(const IO& record) const override;
    void set(IO& record, const QDate& day) const override;
};

class ChangeRecordAmount : public ChangeRecordField<std::optional<Amount>, RecordRevision::Amount> {
public:
    ChangeRecordAmount(LibraryDocument& document, IOList records, const std::optional<Amount>& amount,
                       const QString& text);

private:
    std::optional<Amount> get(const IO& record) const override;
    void set(IO& record, const std::optional<Amount>& amount) const override;
};

class ChangeRecordComment : public ChangeRecordField<QString, RecordRevision::Comment> {
public:
    ChangeRecordComment(LibraryDocument& document, IOList records, const QString& comment, const QString& text);

private:
    QString get(const IO& record) const override;
    void set(IO& record, const QString& comment) const override;
};

class ChangeRecordIncluded : public ChangeRecordField<std::int8_t, RecordRevision::IncludeInStats> {
public:
    ChangeRecordIncluded(LibraryDocument& document, IOList records, std::int8_t include, const QString& text);

private:
    std::int8_t get(const IO& record) const override;
    void set(IO& record, const std::int8_t& include) const override;
};
