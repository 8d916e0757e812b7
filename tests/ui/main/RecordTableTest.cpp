#include "AlertAnswers.h"
#include "AmountDelegate.h"
#include "Clock.h"
#include "DateDelegate.h"
#include "DateField.h"
#include "RecordDrag.h"
#include "SmartBook.h"
#include "WindowParts.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QList<double> amountsOf(const IOList& records) {
    QList<double> amounts;
    for (const IOPtr& record : records) {
        amounts.append(record->amountAsDouble());
    }
    return amounts;
}

// Groceries (March 5), lunch (4), refund (3, not counted), salary (1), newest first;
// a plain book with lunch and the refund.
class RecordTableTest : public ::testing::Test, protected WindowParts {
protected:
    RecordTableTest() {
        const BookPtr& main = root->mainLibrary();
        main->addObject(sampleRecord("100.50", QDate(2024, 3, 1), QStringLiteral("salary")));
        main->addObject(sampleRecord("-30.25", QDate(2024, 3, 5), QStringLiteral("groceries")));
        main->addObject(sampleRecord("7", QDate(2024, 3, 3), QStringLiteral("refund"), false));
        main->addObject(sampleRecord("-12", QDate(2024, 3, 4), QStringLiteral("lunch")));
        plain->setBookName(QStringLiteral("Plain"));
        root->addDumbBook(plain);
        plain->addObjectsFromArray({main->objectAtIndex(3), main->objectAtIndex(2)});
        show(main);
    }

    // On screen with the keyboard, for clicks and keys as the user makes them.
    void showWindow() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        table->setFocus();
    }
    QPoint centre(int row, int column = IOTableModel::CommentColumn) const {
        return table->visualRect(cell(row, column)).center();
    }
    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, centre(row));
    }
    void press(int key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(table, Qt::Key(key), modifiers); }
    void selectRows(const QList<int>& rows) {
        table->clearSelection();
        for (const int row : rows) {
            table->selectionModel()->select(cell(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    QStringList comments() const {
        QStringList list;
        for (int row = 0; row < recordModel.rowCount(); ++row) {
            list.append(shown(row, IOTableModel::CommentColumn));
        }
        return list;
    }
    QLineEdit* openAmountEditor(int row) {
        const QModelIndex index = cell(row, IOTableModel::AmountColumn);
        table->setCurrentIndex(index);
        table->edit(index);
        return qobject_cast<QLineEdit*>(table->indexWidget(index));
    }

    BookPtr plain = Book::create();
};

TEST_F(RecordTableTest, rowsShowTheBooksFilteredListInLocaleFormats) {
    ASSERT_EQ(recordModel.rowCount(), 4);
    // Newest first: the default order of every book.
    EXPECT_EQ(shown(0, IOTableModel::DateColumn), QStringLiteral("3/5/2024"));
    EXPECT_EQ(shown(0, IOTableModel::AmountColumn), QStringLiteral("-30.25"));
    EXPECT_EQ(shown(1, IOTableModel::AmountColumn), QStringLiteral("-12.00"));
    EXPECT_EQ(shown(0, IOTableModel::CommentColumn), QStringLiteral("groceries"));
    EXPECT_EQ(cell(2, IOTableModel::IncludeInStatsColumn).data(Qt::CheckStateRole).value<Qt::CheckState>(),
              Qt::Unchecked);
    EXPECT_FALSE(recordModel.flags(cell(0, IOTableModel::KeywordsColumn)) & Qt::ItemIsEditable);

    search(QStringLiteral("un"));
    EXPECT_EQ(comments(), (QStringList{QStringLiteral("lunch"), QStringLiteral("refund")}));
}

TEST_F(RecordTableTest, navigationKeysMoveTheSelectionSoDeleteTakesWhatIsHighlighted) {
    showWindow();
    click(0);
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(table->selectedRows(), QList<int>{3});
    press(Qt::Key_Home);
    EXPECT_EQ(table->selectedRows(), QList<int>{0});
    press(Qt::Key_End);
    EXPECT_EQ(table->selectedRows(), QList<int>{3});
    press(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(table->selectedRows(), (QList<int>{0, 1, 2, 3}));
    press(Qt::Key_PageDown);
    EXPECT_EQ(table->selectedRows(), QList<int>{3});
    press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(table->selectedRows(), (QList<int>{2, 3}));

    // Ctrl+arrows move only the focus; Ctrl+Space takes that row in or out.
    press(Qt::Key_Up, Qt::ControlModifier);
    press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(table->currentIndex().row(), 0);
    EXPECT_EQ(table->selectedRows(), (QList<int>{2, 3}));
    press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(table->selectedRows(), (QList<int>{0, 2, 3}));
    press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(table->selectedRows(), (QList<int>{2, 3}));

    click(0);
    press(Qt::Key_End, Qt::ControlModifier);
    press(Qt::Key_Delete);
    EXPECT_EQ(comments(),
              (QStringList{QStringLiteral("groceries"), QStringLiteral("lunch"), QStringLiteral("refund")}));
}

TEST_F(RecordTableTest, deleteFirstScrollsToASelectionOutOfSight) {
    for (int day = 1; day <= 60; ++day) {
        root->mainLibrary()->addObject(sampleRecord("-1", QDate(2023, 1, 1).addDays(day), QStringLiteral("old")));
    }
    reread();
    showWindow();
    click(0);
    table->scrollToBottom();
    ASSERT_GT(table->rowAt(0), 0);
    press(Qt::Key_Delete);
    EXPECT_EQ(root->mainLibrary()->count(), 64u);
    EXPECT_EQ(table->rowAt(table->visualRect(cell(0, 0)).center().y()), 0);
    EXPECT_EQ(table->selectedRows(), QList<int>{0});
    press(Qt::Key_Delete);
    EXPECT_EQ(root->mainLibrary()->count(), 63u);
    EXPECT_FALSE(comments().contains(QStringLiteral("groceries")));
}

TEST_F(RecordTableTest, aClickIntoAMultiSelectionSelectsThatRowAndEditsNothing) {
    showWindow();
    click(0);
    click(3, Qt::ShiftModifier);
    ASSERT_EQ(table->selectedRows(), (QList<int>{0, 1, 2, 3}));
    click(2);
    EXPECT_FALSE(table->isEditing());
    EXPECT_EQ(table->selectedRows(), QList<int>{2});
    press(Qt::Key_Delete);
    EXPECT_EQ(comments(),
              (QStringList{QStringLiteral("groceries"), QStringLiteral("lunch"), QStringLiteral("salary")}));

    // F2 and typing edit only a row selected alone.
    selectRows({0, 1});
    table->setCurrentIndex(cell(0, IOTableModel::CommentColumn));
    selectRows({0, 1});
    press(Qt::Key_F2);
    EXPECT_FALSE(table->isEditing());
    QTest::keyClicks(table, QStringLiteral("x"));
    EXPECT_FALSE(table->isEditing());
    click(1);
    QTest::keyClicks(table, QStringLiteral("x"));
    ASSERT_TRUE(table->isEditing());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("x"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(shown(1, IOTableModel::CommentColumn), QStringLiteral("lunch"));

    // A double click: the first click selects the row, the second opens its editor.
    click(0);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre(0));
    EXPECT_TRUE(table->isEditing());
}

TEST_F(RecordTableTest, ctrlSpaceOnTheCountedBoxSelectsAndLeavesTheBoxAlone) {
    showWindow();
    click(0);
    table->setCurrentIndex(cell(0, IOTableModel::IncludeInStatsColumn));
    press(Qt::Key_Down, Qt::ControlModifier);
    press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(table->selectedRows(), (QList<int>{0, 1}));
    EXPECT_EQ(recordModel.recordAtRow(1)->includeInStats(), 1);
    press(Qt::Key_Space);
    EXPECT_EQ(recordModel.recordAtRow(1)->includeInStats(), 0);
}

TEST_F(RecordTableTest, aRefusedAmountKeepsItsEditorOpenWithTheTypedText) {
    showWindow();
    const IOPtr lunch = recordModel.recordAtRow(1);
    AlertAnswers user({QStringLiteral("OK")});
    QLineEdit* editor = openAmountEditor(1);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("12,5"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_EQ(user.alerts().size(), 1);
    EXPECT_EQ(user.alerts().first().objectName, QStringLiteral("amountRefusedAlert"));
    EXPECT_TRUE(user.alerts().first().informativeText.contains(QStringLiteral("12,5")));
    QCoreApplication::processEvents();
    ASSERT_TRUE(table->isEditing());
    EXPECT_EQ(editor->text(), QStringLiteral("12,5"));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("12,5"));
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(lunch->amount(), Amount::fromInt(-12));

    // Leaving the cell for another widget is refused the same way, once the click is done.
    window.searchField()->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&user] { return user.alerts().size() == 2; }))
        << "the second alert did not come within 5 s";
    ASSERT_TRUE(table->isEditing());
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->text(), QStringLiteral("12,5"));

    editor->setText(QStringLiteral("12.5"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !table->isEditing(); })) << "the cell was still being edited after 5 s";
    EXPECT_EQ(lunch->amount(), Amount::fromString(u"12.5"));
    EXPECT_EQ(user.alerts().size(), 2);
}

TEST_F(RecordTableTest, editsReachTheRecordAndOnlyCommentsTheSuggestions) {
    const IOPtr record = recordModel.recordAtRow(1); // lunch, March 4
    selectRows({1});
    ASSERT_TRUE(recordModel.setData(cell(1, IOTableModel::AmountColumn), QStringLiteral("-13")));
    EXPECT_FALSE(recordModel.setData(cell(1, IOTableModel::AmountColumn), QStringLiteral("-13,5")));
    EXPECT_EQ(record->amount(), Amount::fromInt(-13));
    EXPECT_TRUE(suggestions.array().isEmpty());
    ASSERT_TRUE(recordModel.setData(cell(1, IOTableModel::CommentColumn), QStringLiteral("lunch out")));
    EXPECT_EQ(suggestions.array(), QStringList{QStringLiteral("lunch out")});

    // The book is sorted again after the editor has closed; the record moves with its new date and stays selected.
    const int before = refreshes;
    ASSERT_TRUE(recordModel.setData(cell(1, IOTableModel::DateColumn), QDate(2024, 2, 1)));
    EXPECT_EQ(refreshes, before);
    settle();
    EXPECT_EQ(refreshes, before + 1);
    EXPECT_EQ(recordModel.recordAtRow(3), record);
    EXPECT_EQ(records.selectedRecords(), IOList{record});

    ASSERT_TRUE(recordModel.setData(cell(3, IOTableModel::IncludeInStatsColumn), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(record->includeInStats(), 0);
}

TEST_F(RecordTableTest, theDateEditorShowsTheWholeDateInTheColumnItStartsWith) {
    showWindow();
    table->edit(cell(0, IOTableModel::DateColumn));
    auto* editor = qobject_cast<DateField*>(table->indexWidget(cell(0, IOTableModel::DateColumn)));
    ASSERT_NE(editor, nullptr);
    EXPECT_GE(table->columnWidth(IOTableModel::DateColumn), editor->sizeHint().width());
    EXPECT_GE(editor->width(), editor->sizeHint().width());
    // Narrowed by hand, the column does not cut the editor short.
    QTest::keyClick(editor, Qt::Key_Escape);
    table->setColumnWidth(IOTableModel::DateColumn, 40);
    table->edit(cell(0, IOTableModel::DateColumn));
    editor = qobject_cast<DateField*>(table->indexWidget(cell(0, IOTableModel::DateColumn)));
    ASSERT_NE(editor, nullptr);
    EXPECT_GE(editor->width(), editor->sizeHint().width());
}

// Today is December 9, 2026; the newest record is of December 5.
class DateEditing : public RecordTableTest {
protected:
    DateEditing() {
        Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
        root->mainLibrary()->addObject(sampleRecord("-8", QDate(2026, 12, 5), QStringLiteral("books")));
        reread();
    }
    ~DateEditing() override { Clock::reset(); }

    // F2 on the record's day: the editor opens with the whole day selected.
    DateField* openDateEditor(int row) {
        table->setCurrentIndex(cell(row, IOTableModel::DateColumn));
        press(Qt::Key_F2);
        auto* editor = qobject_cast<DateField*>(QApplication::focusWidget());
        EXPECT_NE(editor, nullptr) << "no date editor has the keyboard";
        if (editor) {
            EXPECT_EQ(editor->selectedText(), editor->text());
        }
        return editor;
    }
    bool waitForEditorClosed() {
        return QTest::qWaitFor([this] { return !table->isEditing(); });
    }
    const DateDelegate* dates() const {
        return static_cast<DateDelegate*>(table->itemDelegateForColumn(IOTableModel::DateColumn));
    }
};

TEST_F(DateEditing, theWholeTypedDayIsStored) {
    showWindow();
    const IOPtr books = recordModel.recordAtRow(0);
    ASSERT_EQ(books->comment(), QStringLiteral("books"));
    DateField* editor = openDateEditor(0);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("11/20/2026"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(waitForEditorClosed()) << "the editor never closed";
    EXPECT_EQ(books->date(), QDate(2026, 11, 20));
    EXPECT_FALSE(dates()->farDayNote() && dates()->farDayNote()->isVisible());

    // Keys step the day in the editor as in every date field.
    editor = openDateEditor(table->currentIndex().row());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_PageUp);
    // Tab takes the day and goes on to the amount.
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([this] { return table->currentIndex().column() == IOTableModel::AmountColumn; }))
        << "Tab never reached the amount";
    EXPECT_EQ(books->date(), QDate(2026, 12, 19));
}

TEST_F(DateEditing, textThatIsNoDayKeepsTheEditorOpenAndStoresNothing) {
    showWindow();
    const IOPtr books = recordModel.recordAtRow(0);
    DateField* editor = openDateEditor(0);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("11/31/2026"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_TRUE(table->isEditing());
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->selectedText(), QStringLiteral("11/31/2026"));
    EXPECT_TRUE(editor->noteBubble()->isVisible());
    EXPECT_EQ(editor->noteBubble()->text(), QStringLiteral("“11/31/2026” is not a day. Type one such as 12/9/2026."));
    // Tab too, and a click elsewhere once it is done.
    QTest::keyClick(editor, Qt::Key_Tab);
    ASSERT_TRUE(table->isEditing());
    window.searchField()->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([editor] { return QApplication::focusWidget() == editor; }))
        << "the editor never took the keyboard back";
    EXPECT_EQ(books->date(), QDate(2026, 12, 5));

    QTest::keyClick(editor, Qt::Key_Escape);
    ASSERT_TRUE(waitForEditorClosed()) << "the editor never closed";
    EXPECT_EQ(books->date(), QDate(2026, 12, 5));
}

TEST_F(DateEditing, aDayFarFromTodayIsStoredAndToldUnderItsCellUntilTheUserMovesOn) {
    showWindow();
    const IOPtr books = recordModel.recordAtRow(0);
    DateField* editor = openDateEditor(0);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("11/20/2027"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(waitForEditorClosed()) << "the editor never closed";
    EXPECT_EQ(books->date(), QDate(2027, 11, 20));
    ASSERT_TRUE(QTest::qWaitFor([this] { return dates()->farDayNote() && dates()->farDayNote()->isVisible(); }))
        << "no note of the far day";
    NoteBubble* note = dates()->farDayNote();
    EXPECT_EQ(note->text(), QStringLiteral("Saturday, November 20, 2027 — next year"));
    // Under the record, which the table followed to its new place.
    const QRect cellRect = table->visualRect(table->currentIndex());
    EXPECT_EQ(recordModel.recordAtRow(table->currentIndex().row()), books);
    EXPECT_EQ(note->y(), table->viewport()->mapToGlobal(cellRect.bottomLeft()).y() + 2);
    press(Qt::Key_Down);
    EXPECT_FALSE(note->isVisible());
}

TEST_F(RecordTableTest, anAmountTooWideForItsCellShowsItsSizeAndAllOfItInATooltip) {
    const BookPtr& main = root->mainLibrary();
    main->addObject(sampleRecord("-999999999999999999", QDate(2024, 4, 1), QStringLiteral("huge")));
    reread();
    const QModelIndex huge = cell(0, IOTableModel::AmountColumn);
    ASSERT_EQ(huge.data().toString(), QStringLiteral("-999,999,999,999,999,999.00"));
    auto* delegate = static_cast<AmountDelegate*>(table->itemDelegateForColumn(IOTableModel::AmountColumn));
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.rect = QRect(0, 0, table->fontMetrics().horizontalAdvance(QStringLiteral("-123,456.00")) * 2, 20);
    EXPECT_EQ(delegate->shownText(option, huge), QStringLiteral("-9.99×10¹⁷"));
    EXPECT_EQ(delegate->shownText(option, cell(1, IOTableModel::AmountColumn)), QStringLiteral("-30.25"));
}

TEST_F(RecordTableTest, anEmptyTableSaysWhyItIsEmpty) {
    const auto placeholder = [this] {
        return table->placeholderText();
    };
    EXPECT_TRUE(placeholder().isEmpty());
    search(QStringLiteral("xyz"));
    EXPECT_EQ(placeholder(), QStringLiteral("No records match “xyz”."));

    const BookPtr empty = Book::create();
    root->addDumbBook(empty);
    show(empty);
    EXPECT_TRUE(placeholder().contains(QStringLiteral("Drag records from the library")));
    const SmartBookPtr smart = SmartBook::create();
    show(smart);
    EXPECT_TRUE(placeholder().contains(QStringLiteral("conditions")));

    // An empty library says how records get in.
    QSet<const IO*> all;
    for (const IOPtr& record : root->mainLibrary()->records()) {
        all.insert(record.get());
    }
    root->deleteIOs(all);
    show(root->mainLibrary());
    EXPECT_TRUE(placeholder().contains(QStringLiteral("Record Entry")));
    document.enterRecord(sampleRecord("1", QDate(2024, 5, 1), QStringLiteral("first")));
    EXPECT_TRUE(placeholder().isEmpty());
}

TEST_F(RecordTableTest, deletingRemovesFromTheLibraryOrFromTheBookButNeverFromASmartBook) {
    const BookPtr& main = root->mainLibrary();
    const IOPtr salary = recordModel.recordAtRow(3);
    const IOPtr lunch = recordModel.recordAtRow(1);
    selectRows({1, 3});
    table->setFocus();
    {
        // Half the library: the user is asked first.
        const AlertAnswers user({QStringLiteral("Delete")});
        QTest::keyClick(table, Qt::Key_Backspace);
        EXPECT_EQ(user.alerts().size(), 1);
    }
    EXPECT_EQ(amountsOf(main->records()), (QList<double>{-30.25, 7}));
    // Gone from every book that held it.
    EXPECT_FALSE(plain->includesObject(salary));
    EXPECT_FALSE(main->includesObject(lunch));
    EXPECT_TRUE(table->selectedRows().isEmpty());

    show(plain);
    selectRows({0});
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_EQ(plain->count(), 0u);
    EXPECT_EQ(main->count(), 2u);

    // Every record of the library meets the plain condition.
    const SmartBookPtr smart = SmartBook::create();
    smart->setConditions(Condition::create());
    show(smart);
    selectRows({0, 1});
    const int before = refreshes;
    QTest::keyClick(table, Qt::Key_Delete);
    settle();
    EXPECT_EQ(smart->count(), 2u);
    EXPECT_EQ(main->count(), 2u);
    EXPECT_EQ(refreshes, before);
    EXPECT_EQ(table->selectedRows(), (QList<int>{0, 1}));
}

TEST_F(RecordTableTest, eraseKeysLeaveACellThatIsBeingEditedAlone) {
    QSignalSpy requests(table, &CustomTableView::deleteRowsRequested);
    showWindow();
    table->edit(cell(0, IOTableModel::CommentColumn));
    auto* editor = table->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    editor->end(false);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(requests.count(), 0);
    EXPECT_EQ(editor->text(), QStringLiteral("grocerie"));
    EXPECT_EQ(root->mainLibrary()->count(), 4u);
}

TEST_F(RecordTableTest, dragsCarryTheRowsRecordsUnderASmallSeeThroughPicture) {
    const std::unique_ptr<QMimeData> data(recordModel.mimeData({cell(2, 0), cell(0, 1), cell(2, 2)}));
    const IOList expected{recordModel.recordAtRow(0), recordModel.recordAtRow(2)};
    EXPECT_EQ(RecordDrag::records(data.get()), expected);
    EXPECT_FALSE(recordModel.canDropMimeData(data.get(), Qt::CopyAction, -1, -1, QModelIndex()));

    show(plain);
    ASSERT_TRUE(recordModel.dropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    ASSERT_TRUE(recordModel.dropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    // Groceries joins; the refund was there already.
    EXPECT_EQ(plain->count(), 3u);
    EXPECT_EQ(recordModel.rowCount(), 3);

    // Small beside the rows it passes over, and they show through it.
    const QImage picture = table->dragPicture(1234).toImage();
    EXPECT_LE(picture.height(), table->fontMetrics().height() * 3);
    EXPECT_LE(picture.width(), table->fontMetrics().height() * 6);
    EXPECT_TRUE(picture.hasAlphaChannel());
    int seeThrough = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = qAlpha(picture.pixel(x, y));
            seeThrough += alpha > 0 && alpha < 255 ? 1 : 0;
        }
    }
    EXPECT_GT(seeThrough, picture.width() * picture.height() / 4);
}

// Japanese yen have no decimals; records with cents give the whole column two.
TEST(RecordTableDecimals, oneColumnWritesEveryAmountWithTheSameDecimals) {
    QLocale::setDefault(QLocale(QStringLiteral("ja_JP")));
    const DataRootPtr root = DataRoot::create();
    root->mainLibrary()->addObject(sampleRecord("250000", QDate(2024, 1, 2), QStringLiteral("salary")));
    LibraryDocument document(root);
    IOTableModel model(&document);
    QLocale::setDefault(QLocale::c());
    model.reload();
    EXPECT_EQ(model.index(0, IOTableModel::AmountColumn).data().toString(), QStringLiteral("250,000"));

    root->mainLibrary()->addObject(sampleRecord("-12.5", QDate(2024, 1, 3), QStringLiteral("coffee")));
    model.reload();
    EXPECT_EQ(model.index(0, IOTableModel::AmountColumn).data().toString(), QStringLiteral("-12.50"));
    EXPECT_EQ(model.index(1, IOTableModel::AmountColumn).data().toString(), QStringLiteral("250,000.00"));
    // A search that hides the cents leaves the column as it is.
    root->mainLibrary()->reloadFilteredListWithSearchKey(QStringLiteral("salary"), {});
    model.reload();
    EXPECT_EQ(model.index(0, IOTableModel::AmountColumn).data().toString(), QStringLiteral("250,000.00"));
}

} // namespace
