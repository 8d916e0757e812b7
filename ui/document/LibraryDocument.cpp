#include "LibraryDocument.h"

#include "AddKeywordCommand.h"
#include "AddRecordsCommand.h"
#include "BookPresenceCommand.h"
#include "DeleteKeywordsCommand.h"
#include "EditRecordCommand.h"
#include "ImportRecordsCommand.h"
#include "RemoveRecordsCommand.h"
#include "RenameBookCommand.h"
#include "RenameKeywordCommand.h"
#include "ReplaceLibraryCommand.h"
#include "SetConditionsCommand.h"
#include "SetKeywordCommand.h"

#include <QLocale>

LibraryDocument::LibraryDocument(DataRootPtr root, QObject* parent)
    : QObject(parent)
    , m_root(std::move(root)) {}

// The commands go first: they hold books and records of the library.
LibraryDocument::~LibraryDocument() {
    m_undoStack.clear();
}

void LibraryDocument::push(DocumentCommand* command) {
    m_undoStack.push(command);
}

void LibraryDocument::enterRecord(const IOPtr& record) {
    push(new AddRecordsCommand(*this, m_root->mainLibrary(), {record}, tr("Enter Record")));
}

void LibraryDocument::importRecords(const IOList& records) {
    if (records.empty()) {
        return;
    }
    const QString text =
        records.size() == 1 ? tr("Import Record") : tr("Import %1 Records").arg(QLocale().toString(records.size()));
    push(new AddRecordsCommand(*this, m_root->mainLibrary(), records, text));
}

void LibraryDocument::importRecords(const IOList& records, const KeywordList& newKeywords) {
    if (records.empty()) {
        return;
    }
    const QString text =
        records.size() == 1 ? tr("Import Record") : tr("Import %1 Records").arg(QLocale().toString(records.size()));
    push(new ImportRecordsCommand(*this, records, newKeywords, text));
}

bool LibraryDocument::deleteRecords(const BookPtr& book, const IOList& records) {
    if (!book || book->isSmart()) {
        return false;
    }
    if (records.empty()) {
        return true;
    }
    std::vector<BookPtr> books{book};
    if (book == m_root->mainLibrary()) {
        // Out of the whole library: every book that lists them lets go too.
        books.insert(books.end(), m_root->smartBooks().begin(), m_root->smartBooks().end());
        books.insert(books.end(), m_root->dumbBooks().begin(), m_root->dumbBooks().end());
    }
    const bool one = records.size() == 1;
    const QString count = QLocale().toString(records.size());
    QString text;
    if (book == m_root->mainLibrary()) {
        text = one ? tr("Delete Record") : tr("Delete %1 Records").arg(count);
    } else {
        text = one ? tr("Remove Record from “%1”").arg(book->bookName())
                   : tr("Remove %1 Records from “%2”").arg(count, book->bookName());
    }
    push(new RemoveRecordsCommand(*this, std::move(books), records, text));
    return true;
}

bool LibraryDocument::addRecordsToBook(const BookPtr& book, const IOList& records) {
    if (!book || book == m_root->mainLibrary()) {
        return false;
    }
    IOList added;
    for (const IOPtr& record : records) {
        if (record && !book->includesObject(record)) {
            added.push_back(record);
        }
    }
    if (added.empty()) {
        return true;
    }
    const QString text = added.size() == 1
                             ? tr("Add Record to “%1”").arg(book->bookName())
                             : tr("Add %1 Records to “%2”").arg(QLocale().toString(added.size()), book->bookName());
    push(new AddRecordsCommand(*this, book, std::move(added), text));
    return true;
}

void LibraryDocument::setDate(const IOPtr& record, QDate day) {
    if (day.isValid() && day != record->date()) {
        push(new EditRecordCommand(*this, record, RecordRevision::Date, day, tr("Change Date")));
    }
}

void LibraryDocument::setAmount(const IOPtr& record, const std::optional<Amount>& amount) {
    if (amount != record->amount()) {
        push(new EditRecordCommand(*this, record, RecordRevision::Amount, amount, tr("Change Amount")));
    }
}

void LibraryDocument::setComment(const IOPtr& record, const QString& comment) {
    if (comment != record->comment()) {
        push(new EditRecordCommand(*this, record, RecordRevision::Comment, comment, tr("Change Comment")));
    }
}

void LibraryDocument::setIncludeInStats(const IOPtr& record, std::int8_t include) {
    if (include == record->includeInStats()) {
        return;
    }
    const QString text = include ? tr("Count in Totals") : tr("Leave out of Totals");
    push(new EditRecordCommand(*this, record, RecordRevision::IncludeInStats, include, text));
}

void LibraryDocument::setKeyword(const KeywordPtr& keyword, const IOList& records, bool carried) {
    const QString text =
        carried ? tr("Add Keyword “%1”").arg(keyword->name()) : tr("Remove Keyword “%1”").arg(keyword->name());
    auto command = std::make_unique<SetKeywordCommand>(*this, keyword, records, carried, text);
    if (command->changesAnything()) {
        push(command.release());
    }
}

BookPtr LibraryDocument::addPlainBook() {
    const BookPtr book = Book::create();
    addPlainBook(book);
    return book;
}

void LibraryDocument::addPlainBook(const BookPtr& book) {
    push(new BookPresenceCommand(*this, book, BookPresenceCommand::Action::Add, tr("New Book")));
}

void LibraryDocument::addSmartBook(const SmartBookPtr& book) {
    push(new BookPresenceCommand(*this, book, BookPresenceCommand::Action::Add, tr("New Smart Book")));
}

bool LibraryDocument::renameBook(const BookPtr& book, const QString& name) {
    if (name.isEmpty()) {
        return false;
    }
    if (name != book->bookName()) {
        push(new RenameBookCommand(*this, book, name, tr("Rename Book")));
    }
    return true;
}

void LibraryDocument::deleteBook(const BookPtr& book) {
    if (!book || book == m_root->mainLibrary() || m_root->indexOfBook(book.get()) == DataRoot::notFound) {
        return;
    }
    push(new BookPresenceCommand(*this, book, BookPresenceCommand::Action::Delete,
                                 tr("Delete Book “%1”").arg(book->bookName())));
}

void LibraryDocument::setConditions(const SmartBookPtr& book, ConditionPtr conditions) {
    if (conditions != book->conditions()) {
        push(new SetConditionsCommand(*this, book, std::move(conditions), tr("Change Conditions")));
    }
}

void LibraryDocument::sortBook(const BookPtr& book, const SortDescriptorList& descriptors) {
    emit aboutToTouch();
    const SortDescriptorList before = book->sortDescriptors();
    book->setSortDescriptors(descriptors);
    book->resort();
    if (book->sortDescriptors() != before) {
        m_orderChanged = true;
        emit orderChanged();
    }
}

void LibraryDocument::setSaved() {
    m_undoStack.setClean();
    m_orderChanged = false;
}

void LibraryDocument::replaceLibrary(DataRoot& other, const QString& text) {
    push(new ReplaceLibraryCommand(*this, other, text));
}

void LibraryDocument::refreshBook(const BookPtr& book, const QString& searchKey, const KeywordList& keywords) {
    emit aboutToTouch();
    if (book->isSmart()) {
        static_cast<SmartBook&>(*book).reload(m_root->mainLibrary());
    }
    book->resort();
    book->reloadFilteredListWithSearchKey(searchKey, keywords);
}

void LibraryDocument::sortBookLists() {
    emit aboutToTouch();
    m_root->sortLists();
}

KeywordPtr LibraryDocument::addKeyword() {
    const KeywordPtr keyword = Keyword::create();
    push(new AddKeywordCommand(*this, keyword, tr("New Keyword")));
    return keyword;
}

void LibraryDocument::renameKeyword(const KeywordPtr& keyword, const QString& name) {
    if (name != keyword->name()) {
        push(new RenameKeywordCommand(*this, keyword, name, tr("Rename Keyword")));
    }
}

void LibraryDocument::deleteKeywords(const KeywordList& keywords) {
    if (keywords.empty()) {
        return;
    }
    const QString text = keywords.size() == 1 ? tr("Delete Keyword “%1”").arg(keywords.front()->name())
                                              : tr("Delete %1 Keywords").arg(QLocale().toString(keywords.size()));
    push(new DeleteKeywordsCommand(*this, keywords, text));
}
