#include "AmountConditionView.h"
#include "AppFixture.h"
#include "ConditionEditWindow.h"
#include "ConditionEditWindowController.h"
#include "EntryForm.h"
#include "GroupConditionView.h"
#include "IOTableModel.h"
#include "IOWindowController.h"
#include "RecordTableView.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <ostream>
#include <vector>

namespace {

// What became of a typed amount: the amount stored, or why it was refused.
struct Outcome {
    std::optional<Amount> stored;
    QString refusal;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << (outcome.stored ? outcome.stored->toString().toStdString() : "refused: " + outcome.refusal.toStdString());
}

// Typed text, one key at a time, as an input method hands it over.
void type(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

void press(QWidget* widget, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Types over what the field holds.
void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    press(field, Qt::Key_Backspace);
    type(field, text);
}

// kesh in the locale given, on a library of one record, lunch (-12); the
// same text typed into the entry window and into lunch's amount cell.
class AmountFields : public AppFixture {
protected:
    void start(const char* locale) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        const DataRootPtr root = library();
        lunch = sampleRecord("-12", QDate(2024, 3, 3), QStringLiteral("lunch"));
        root->mainLibrary()->addObject(lunch);
        writeLibrary(*root);
        ASSERT_TRUE(launch());
        table = find<RecordTableView>("ioListView");
        lunch = app->dataRoot()->mainLibrary()->objectAtIndex(0);
    }

    Outcome enter(const QString& text) {
        EntryForm* form = app->ioWindowController()->form();
        const IOPtr composed = form->currentIO();
        const qsizetype alerts = Alert::shownAlerts().size();
        retype(form->amountField(), text);
        press(form->amountField(), Qt::Key_Return);
        if (app->dataRoot()->mainLibrary()->includesObject(composed)) {
            return {composed->amount(), {}};
        }
        return {std::nullopt, newAlert(alerts)};
    }

    Outcome editCell(const QString& text) {
        QCoreApplication::processEvents();
        const auto* model = qobject_cast<const IOTableModel*>(table->model());
        int row = 0;
        while (row < model->rowCount() && model->recordAtRow(row) != lunch) {
            ++row;
        }
        const QModelIndex index = model->index(row, IOTableModel::AmountColumn);
        table->setFocus();
        table->setCurrentIndex(index);
        table->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(index));
        if (!editor) {
            ADD_FAILURE() << "no amount editor";
            return {};
        }
        const qsizetype alerts = Alert::shownAlerts().size();
        retype(editor, text);
        press(editor, Qt::Key_Return);
        if (Alert::shownAlerts().size() > alerts) {
            press(editor, Qt::Key_Escape);
            EXPECT_TRUE(QTest::qWaitFor([this] { return !table->isEditing(); })) << "the refused editor to close";
            return {std::nullopt, newAlert(alerts)};
        }
        EXPECT_TRUE(QTest::qWaitFor([this] { return !table->isEditing(); })) << "the editor to close";
        return {lunch->amount(), {}};
    }

    // The sheet's refusal of the text in a new smart book's amount row, or
    // nothing when the row is stored.
    QString refusalInSheet(const QString& text) {
        QString refusal;
        bool shown = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            ConditionEditWindowController* editor = app->conditionEditWindowController();
            if (!editor->window() || !editor->window()->isVisible()) {
                return;
            }
            poll.stop();
            shown = true;
            const auto* group = qobject_cast<GroupConditionView*>(editor->rootView());
            auto* row = group ? qobject_cast<AmountConditionView*>(group->children().value(0)) : nullptr;
            if (!row) {
                ADD_FAILURE() << "no amount row";
                editor->cancelClicked();
                return;
            }
            const qsizetype alerts = Alert::shownAlerts().size();
            retype(row->amountField(), text);
            editor->okClicked();
            refusal = newAlert(alerts);
            if (editor->window()) {
                editor->cancelClicked();
            }
        });
        poll.start();
        find<QAction>("newSmartBookAction")->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown && !app->conditionEditWindowController()->window(); }))
            << "the sheet to open and close";
        return refusal;
    }

    static QString newAlert(qsizetype before) {
        const QList<Alert::Shown>& alerts = Alert::shownAlerts();
        return alerts.size() > before ? alerts.last().informativeText : QString();
    }

    IOPtr lunch;
    RecordTableView* table = nullptr;
};

struct TypedCase {
    const char* locale;
    const char* text;
    const char* amount; // plain notation, or nullptr when both fields refuse it
};

std::ostream& operator<<(std::ostream& out, const TypedCase& c) {
    return out << c.locale << " \"" << c.text << "\"";
}

class TypedAmounts : public AmountFields, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedAmounts, theEntryWindowAndTheTableReadOrRefuseAlikeWithOneMessage) {
    const TypedCase& c = GetParam();
    start(c.locale);
    AlertAnswers user({QStringLiteral("OK")});
    const QString text = QString::fromUtf8(c.text);
    const Outcome entered = enter(text);
    const Outcome edited = editCell(text);
    EXPECT_EQ(entered, edited);
    if (c.amount) {
        ASSERT_TRUE(entered.stored) << entered.refusal.toStdString();
        EXPECT_EQ(entered.stored->toString(), QString::fromLatin1(c.amount));
    } else {
        EXPECT_FALSE(entered.stored);
        EXPECT_TRUE(entered.refusal.startsWith(QStringLiteral("“%1” is not an amount: ").arg(text)))
            << entered.refusal.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, TypedAmounts,
                         ::testing::Values(TypedCase{"en_US", "1,234.56", "1234.56"},
                                           TypedCase{"en_US", "\u221212.50", "-12.5"},
                                           TypedCase{"en_US", "12,5o", nullptr}, TypedCase{"en_US", "0", nullptr},
                                           TypedCase{"en_GB", "-12.50", "-12.5"},
                                           TypedCase{"de_DE", "1.234,56", "1234.56"},
                                           TypedCase{"de_DE", "12,5", "12.5"}, TypedCase{"de_DE", "12.50", nullptr},
                                           TypedCase{"ja_JP", "\uff11\uff12\uff0c\uff15\uff10\uff10", "12500"},
                                           TypedCase{"ja_JP", "\uff0d\uff11\uff12", "-12"}));

TEST_F(AmountFields, aConditionRowRefusesWhatTheOtherFieldsRefuseInTheirWordsButTakesZeroAsABound) {
    start("en_US");
    AlertAnswers user({QStringLiteral("OK")});
    for (const QString& text : {QStringLiteral("12,5o"), QStringLiteral("1e3"), QStringLiteral("12,5")}) {
        const QString refusal = enter(text).refusal;
        EXPECT_FALSE(refusal.isEmpty()) << text.toStdString();
        EXPECT_EQ(refusalInSheet(text), refusal);
    }
    // An empty record amount is refused; an empty bound is 0, as is a bound of 0.
    EXPECT_EQ(enter(QString()).refusal, editCell(QString()).refusal);
    EXPECT_TRUE(enter(QString()).refusal.startsWith(QStringLiteral("No amount was typed.")));
    const std::size_t smartBooks = app->dataRoot()->smartBooks().size();
    EXPECT_TRUE(refusalInSheet(QStringLiteral("0")).isEmpty());
    EXPECT_EQ(app->dataRoot()->smartBooks().size(), smartBooks + 1);
}

} // namespace
