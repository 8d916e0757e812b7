#pragma once

#include "ChangeValue.h"

// Books given a new name or a new condition tree.

// The book lists are sorted by name again.
class RenameBook : public ChangeValue<Book, QString> {
public:
    RenameBook(LibraryDocument& document, BookPtr book, const QString& name, const QString& text);

private:
    LibraryDocument::Change change() const override { return {LibraryDocument::Change::Books}; }
    QString get(const Book& book) const override;
    void set(Book& book, const QString& name) const override;
    void tell() override;
};

// Undoing gives the book its previous tree object.
class SetConditions : public ChangeValue<SmartBook, ConditionPtr> {
public:
    SetConditions(LibraryDocument& document, SmartBookPtr book, const ConditionPtr& conditions, const QString& text);

private:
    LibraryDocument::Change change() const override { return {LibraryDocument::Change::Books}; }
    ConditionPtr get(const SmartBook& book) const override;
    void set(SmartBook& book, const ConditionPtr& conditions) const override;
    void tell() override;
};
