#include "BookValueCommands.h"

RenameBook::RenameBook(LibraryDocument& document, BookPtr book, const QString& name, const QString& text)
    : ChangeValue(document, {std::move(book)}, name, text) {}

QString RenameBook::get(const Book& book) const {
    return book.bookName();
}

void RenameBook::set(Book& book, const QString& name) const {
    book.setBookName(name);
}

void RenameBook::tell() {
    root().sortLists();
    for (const BookPtr& book : objects()) {
        emit document().bookRenamed(book);
    }
}

SetConditions::SetConditions(LibraryDocument& document, SmartBookPtr book, const ConditionPtr& conditions,
                             const QString& text)
    : ChangeValue(document, {std::move(book)}, conditions, text) {}

ConditionPtr SetConditions::get(const SmartBook& book) const {
    return book.conditions();
}

void SetConditions::set(SmartBook& book, const ConditionPtr& conditions) const {
    book.setConditions(conditions);
}

void SetConditions::tell() {
    for (const SmartBookPtr& book : objects()) {
        emit document().conditionsChanged(book);
    }
}
