#pragma once

#include "Book.h"
#include "Keyword.h"
#include "LibraryDocument.h"

#include <QObject>
#include <QString>

// What the main window shows: the selected book, filtered by the search key,
// the search keywords and a range of days. The one place that makes the book ready to show
// (LibraryDocument::refreshBook), and only when that can change what it
// lists: another book, key, keywords or order, or a change of the library
// that can move records in or out of it or to another place. Every other
// change reaches the rows without it.
class ShownBook : public QObject {
    Q_OBJECT

public:
    explicit ShownBook(LibraryDocument* document, QObject* parent = nullptr);

    const BookPtr& book() const { return m_book; }
    const QString& searchKey() const { return m_searchKey; }
    const KeywordList& searchKeywords() const { return m_searchKeywords; }
    const DayRange& dayRange() const { return m_days; }
    bool isMainLibrary() const;

    // Another book, shown unfiltered.
    void setBook(const BookPtr& book);
    void setSearchKey(const QString& key);
    void setSearchKeywords(const KeywordList& keywords);
    void setDayRange(const DayRange& days);

signals:
    // The book was made ready to show again: another book, or other records,
    // or its records in another order.
    void refreshed();
    // Records it lists changed in place, or came or went without moving the
    // others: the rows have followed, the sums and the graph follow now.
    void figuresChanged();

private:
    enum class Pending { Nothing, Figures, Refresh };

    void refresh();
    // A refresh waits for the event loop, once for however many changes came:
    // an editor committing the value may still be closing.
    void note(Pending pending);
    void update();
    // The change is done: what it left for the sums is told now.
    void changeDone();

    void recordsAdded(const BookPtr& book);
    void recordsRemoved(const BookPtr& book);
    void recordsChanged(RecordRevision::Field field);
    void bookComesOrGoes(const BookPtr& book);
    void orderChanged(const BookPtr& book);
    // Whether the shown smart book's conditions read the field, or name the book.
    bool conditionedOn(RecordRevision::Field field) const;
    bool conditionsName(const Book* book) const;

    LibraryDocument* m_document;
    BookPtr m_book;
    QString m_searchKey = QStringLiteral("");
    KeywordList m_searchKeywords;
    DayRange m_days;
    Pending m_pending = Pending::Nothing;
    bool m_updateQueued = false;
};
