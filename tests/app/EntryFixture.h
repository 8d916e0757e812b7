#pragma once

#include "AppFixture.h"
#include "BookListController.h"
#include "EntryForm.h"
#include "IOListController.h"
#include "IOWindowController.h"
#include "KeywordListModel.h"
#include "KeywordViewController.h"
#include "KeywordWindowController.h"
#include "LibraryDocument.h"
#include "RecordTableView.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

// kesh started on a library with the keywords Food, Travel and food (two of
// the same name but for case) and three records in March 2024: lunch (Food),
// train (Food, Travel) and rent (none); a plain book Car holds train.
class EntryFixture : public AppFixture {
protected:
    EntryFixture() {
        const DataRootPtr root = library();
        KeywordList keywords;
        for (const char* name : {"Food", "Travel", "food"}) {
            keywords.push_back(Keyword::create(QString::fromLatin1(name)));
            root->addKeyword(keywords.back());
        }
        const BookPtr& main = root->mainLibrary();
        const IOPtr lunch = sampleRecord("-12", QDate(2024, 3, 3), QStringLiteral("lunch"));
        lunch->addKeyword(keywords[0]);
        const IOPtr train = sampleRecord("-40", QDate(2024, 3, 2), QStringLiteral("train"));
        train->addKeywords({keywords[0], keywords[1]});
        main->addObjectsFromArray({lunch, train, sampleRecord("-900", QDate(2024, 3, 1), QStringLiteral("rent"))});
        const BookPtr car = Book::create();
        car->setBookName(QStringLiteral("Car"));
        car->addObject(train);
        root->addDumbBook(car);
        writeLibrary(*root);
        EXPECT_TRUE(launch());
        table = find<RecordTableView>("ioListView");
    }

    const DataRoot& root() const { return *app->dataRoot(); }
    KeywordPtr keyword(int index) const { return root().keywords().at(std::size_t(index)); }
    IOPtr record(const QString& comment) const {
        for (const IOPtr& record : root().mainLibrary()->records()) {
            if (record->comment() == comment) {
                return record;
            }
        }
        return nullptr;
    }
    EntryForm* entryForm() { return app->ioWindowController()->form(); }
    KeywordWindowController* keywords() const { return app->keywordWindowController(); }
    KeywordListModel* checklist() const { return keywords()->keywordView()->model(); }
    // The table's comments, once the reload a change queued is done.
    QStringList shownComments() const {
        QCoreApplication::processEvents();
        QStringList list;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            list.append(table->model()->index(row, IOTableModel::CommentColumn).data().toString());
        }
        return list;
    }
    // Selects the table's rows of these comments, as a user's clicks would.
    void selectRecords(const QStringList& comments) {
        table->clearSelection();
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            if (comments.contains(table->model()->index(row, IOTableModel::CommentColumn).data().toString())) {
                table->selectionModel()->select(table->model()->index(row, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
        }
    }
    static QStringList strings(std::initializer_list<const char*> texts) {
        QStringList list;
        for (const char* text : texts) {
            list.append(QString::fromUtf8(text));
        }
        return list;
    }
    static QVariant box(const KeywordListModel* model, int row) {
        return model->index(row, KeywordListModel::IncludedColumn).data(Qt::CheckStateRole);
    }
    static void tick(KeywordListModel* model, int row, bool on) {
        model->setData(model->index(row, KeywordListModel::IncludedColumn), on ? Qt::Checked : Qt::Unchecked,
                       Qt::CheckStateRole);
    }
    // Typed text, one key at a time, in any script.
    static void type(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
        }
    }
    static void press(QWidget* widget, Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }

    RecordTableView* table = nullptr;
};
