#pragma once

#include "AmountCondition.h"
#include "AndConditions.h"
#include "ConditionGroup.h"
#include "DataFile.h"
#include "LibraryDocument.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A library of four records, two keywords, a plain book and a smart book,
// and the document that changes it; the library as text to compare.

inline IOPtr record(const char* amount, int day, const char* comment) {
    return IO::create(Amount::fromString(QString::fromLatin1(amount)), QDateTime(QDate(2024, 3, day), QTime(0, 0)),
                      KeywordList{}, QString::fromUtf8(comment), 1);
}

// A condition tree as text: class, test code, an amount or text operand, children.
inline QString conditionText(const Condition* condition) {
    if (!condition) {
        return QStringLiteral("none");
    }
    QString text = condition->className() + QString::number(condition->conditionTypeCode());
    if (const auto* amount = std::get_if<Amount>(&condition->object())) {
        text += u' ' + amount->toString();
    } else if (const auto* words = std::get_if<QString>(&condition->object())) {
        text += u' ' + *words;
    }
    if (const auto* group = dynamic_cast<const ConditionGroup*>(condition)) {
        QStringList children;
        for (const ConditionPtr& child : group->children()) {
            children << conditionText(child.get());
        }
        text += u'(' + children.join(u',') + u')';
    }
    return text;
}

// The library as text: every book with its records in order (a smart book
// with its tree), every record with its fields and keywords, the keyword
// list. Two libraries with the same picture hold the same data in the same order.
inline QString picture(const DataRoot& root) {
    QStringList lines;
    for (std::size_t i = 0; i < root.bookCount(); ++i) {
        const BookPtr book = root.bookAtIndex(i);
        QStringList comments;
        for (const IOPtr& r : book->records()) {
            comments << r->comment();
        }
        const QString kind = book->isSmart()
                                 ? QStringLiteral(" (smart ") +
                                       conditionText(static_cast<const SmartBook&>(*book).conditions().get()) + u')'
                                 : QString();
        lines << book->bookName() + kind + QStringLiteral(": ") + comments.join(u' ');
    }
    for (const IOPtr& r : root.mainLibrary()->records()) {
        lines << QStringLiteral("%1 %2 %3 %4 [%5]")
                     .arg(r->comment(), r->date().toString(Qt::ISODate), r->amount()->toString())
                     .arg(r->includeInStats())
                     .arg(r->keywordsAsString());
    }
    QStringList keywords;
    for (const KeywordPtr& k : root.keywords()) {
        keywords << k->name();
    }
    lines << QStringLiteral("keywords: ") + keywords.join(u' ');
    return lines.join(u'\n');
}

// Every object of the library, to tell that undoing brings back the same ones.
inline QList<const void*> objects(const DataRoot& root) {
    QList<const void*> list;
    for (std::size_t i = 0; i < root.bookCount(); ++i) {
        const BookPtr book = root.bookAtIndex(i);
        list << book.get();
        for (const IOPtr& r : book->records()) {
            list << r.get();
            for (const KeywordPtr& k : r->keywords()) {
                list << k.get();
            }
        }
    }
    for (const KeywordPtr& k : root.keywords()) {
        list << k.get();
    }
    return list;
}

class Document : public ::testing::Test {
public:
    Document() {
        root = DataRoot::create();
        root->mainLibrary()->setBookName(QStringLiteral("Library"));
        food = Keyword::create(QStringLiteral("Food"));
        car = Keyword::create(QStringLiteral("Car"));
        root->setKeywords({food, car});
        const BookPtr& main = root->mainLibrary();
        for (const IOPtr& r : {record("-12.50", 4, "lunch"), record("2000", 1, "salary"), record("-30.25", 3, "fuel"),
                               record("-8", 2, "coffee")}) {
            main->addObject(r);
        }
        lunch = byComment("lunch");
        fuel = byComment("fuel");
        coffee = byComment("coffee");
        lunch->addKeyword(food);
        coffee->addKeyword(car);
        coffee->addKeyword(food);
        fuel->addKeyword(car);
        trip = Book::create();
        trip->setBookName(QStringLiteral("Trip"));
        root->addDumbBook(trip);
        trip->addObjectsFromArray({fuel, lunch});
        small = SmartBook::create();
        small->setBookName(QStringLiteral("Small"));
        auto below = AmountCondition::create();
        below->setConditionTypeCode(4);
        below->setObject(Amount());
        auto all = AndConditions::create();
        all->setChildren({below});
        small->setConditions(all);
        root->addSmartBook(small);
        root->reloadSmartBook(*small);
        document = std::make_unique<LibraryDocument>(root);
    }

    IOPtr byComment(const char* comment) const {
        for (const IOPtr& r : root->mainLibrary()->records()) {
            if (r->comment() == QString::fromUtf8(comment)) {
                return r;
            }
        }
        return nullptr;
    }

    // Reads back what a save of the library writes.
    static QString savedAndRead(const DataRoot& library) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Kesh Data"));
        DataFile written(path);
        EXPECT_TRUE(written.save(library)) << written.errorString().toStdString();
        DataFile read(path);
        const bool ok = read.load();
        EXPECT_TRUE(ok) << read.errorString().toStdString();
        return ok ? picture(*read.root()) : QString();
    }

    DataRootPtr root;
    KeywordPtr food;
    KeywordPtr car;
    IOPtr lunch;
    IOPtr fuel;
    IOPtr coffee;
    BookPtr trip;
    SmartBookPtr small;
    std::unique_ptr<LibraryDocument> document;
};
