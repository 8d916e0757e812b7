#include "DateField.h"
#include "Clock.h"
#include "NoteBubble.h"
#include "TypedDays.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// A date field and the amount field after it, as the entry form has them. The
// window hears the Return keys the fields let through, as a form that enters
// a record on Return does.
class FormWindow : public QWidget {
public:
    FormWindow()
        : date(new DateField)
        , amount(new QLineEdit) {
        amount->setObjectName(QStringLiteral("amountField"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(date);
        layout->addWidget(amount);
        resize(320, 120);
    }

    DateField* date;
    QLineEdit* amount;
    int returns = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return) {
            ++returns;
        }
    }
};

// Typed one key at a time; letters beyond ASCII come as an input method sends them.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

class DateFieldTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixed(QDateTime(TypedDays::today(), QTime(12, 0))); }
    void TearDown() override {
        Clock::reset();
        QLocale::setDefault(QLocale::c());
    }

    // The form in that locale, on screen with the keyboard, the date field showing today.
    void openForm(const char* locale = "en_US") {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        form = std::make_unique<FormWindow>();
        form->date->setDate(TypedDays::today());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get())) << "the form never became active";
    }
    DateField* field() const { return form->date; }
    QString shown(QDate day) const { return QLocale().toString(day, DayReader().dateFormat()); }
    // Focus in the field with all of its text selected, by Ctrl+A.
    void selectAll() {
        field()->setFocus();
        QTest::keyClick(field(), Qt::Key_A, Qt::ControlModifier);
    }
    void typeAndReturn(const QString& text) {
        type(field(), text);
        QTest::keyClick(field(), Qt::Key_Return);
    }

    std::unique_ptr<FormWindow> form;
};

// How the keyboard comes into the field before the text is typed.
enum class Arrival { ShiftTabFromAmount, ClickInTheMiddle, SelectAll };

std::string arrivalName(Arrival arrival) {
    switch (arrival) {
    case Arrival::ShiftTabFromAmount:
        return "ShiftTabFromAmount";
    case Arrival::ClickInTheMiddle:
        return "ClickInTheMiddle";
    case Arrival::SelectAll:
        return "SelectAll";
    }
    return {};
}

class TypedIntoTheField : public DateFieldTest, public ::testing::WithParamInterface<std::tuple<std::size_t, Arrival>> {
protected:
    void arrive(Arrival arrival) {
        DateField* date = field();
        switch (arrival) {
        case Arrival::ShiftTabFromAmount:
            form->amount->setFocus();
            QTest::keyClick(form->amount, Qt::Key_Tab, Qt::ShiftModifier);
            ASSERT_TRUE(date->hasFocus());
            break;
        case Arrival::ClickInTheMiddle: {
            const qsizetype middle = date->text().size() / 2;
            QPoint at(0, date->height() / 2);
            while (at.x() < date->width() && date->cursorPositionAt(at) < middle) {
                at.rx()++;
            }
            QTest::mouseClick(date, Qt::LeftButton, {}, at);
            ASSERT_TRUE(date->hasFocus());
            ASSERT_EQ(date->cursorPosition(), middle);
            ASSERT_FALSE(date->hasSelectedText());
            return;
        }
        case Arrival::SelectAll:
            selectAll();
            break;
        }
        ASSERT_EQ(date->selectedText(), date->text());
    }
};

TEST_P(TypedIntoTheField, storesExactlyTheDayOfTheLocaleOrRefuses) {
    const auto [localeIndex, arrival] = GetParam();
    openForm(TypedDays::locales()[localeIndex]);
    DateField* date = field();
    for (const TypedDays::Case& typed : TypedDays::cases()) {
        SCOPED_TRACE(typed.text);
        date->setDate(TypedDays::today());
        const QString before = date->text();
        form->returns = 0;
        arrive(arrival);
        typeAndReturn(typed.typed());

        const QDate expected = typed.dayIn(localeIndex);
        if (date->isRefused()) {
            // Nothing taken; the text stays, selected, the keyboard with it, and the form never heard Return.
            EXPECT_FALSE(expected.isValid() && arrival != Arrival::ClickInTheMiddle) << "refused " << expected;
            EXPECT_EQ(date->date(), TypedDays::today());
            EXPECT_TRUE(date->hasFocus());
            EXPECT_EQ(date->selectedText(), date->text());
            EXPECT_NE(date->text(), before);
            EXPECT_FALSE(date->note().isEmpty());
            EXPECT_EQ(form->returns, 0);
        } else {
            // Typed into the middle of a day, a text may only be refused.
            EXPECT_TRUE(expected.isValid()) << "took " << date->date();
            EXPECT_EQ(date->date(), expected);
            EXPECT_EQ(date->text(), shown(expected));
            EXPECT_EQ(form->returns, 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FourLocales, TypedIntoTheField,
                         ::testing::Combine(::testing::Range<std::size_t>(0, TypedDays::locales().size()),
                                            ::testing::Values(Arrival::ShiftTabFromAmount, Arrival::ClickInTheMiddle,
                                                              Arrival::SelectAll)),
                         [](const ::testing::TestParamInfo<std::tuple<std::size_t, Arrival>>& info) {
                             return std::string(TypedDays::locales()[std::get<0>(info.param)]) + "_" +
                                    arrivalName(std::get<1>(info.param));
                         });

TEST_F(DateFieldTest, arrowsAndPlusMinusStepADayAndPagesAMonth) {
    openForm();
    DateField* date = field();
    QSignalSpy edited(date, &DateField::dateEdited);
    date->setFocus();
    const std::pair<Qt::Key, QDate> steps[] = {
        {Qt::Key_Up, QDate(2026, 12, 10)},      {Qt::Key_Plus, QDate(2026, 12, 11)},
        {Qt::Key_Down, QDate(2026, 12, 10)},    {Qt::Key_Minus, QDate(2026, 12, 9)},
        {Qt::Key_PageUp, QDate(2027, 1, 9)},    {Qt::Key_PageDown, QDate(2026, 12, 9)},
        {Qt::Key_PageDown, QDate(2026, 11, 9)},
    };
    for (const auto& [key, day] : steps) {
        QTest::keyClick(date, key);
        EXPECT_EQ(date->date(), day) << key;
        EXPECT_EQ(date->text(), shown(day));
    }
    EXPECT_EQ(edited.count(), 7);
    // The end of a month stays the end of the shorter one.
    date->setDate(QDate(2028, 1, 31));
    QTest::keyClick(date, Qt::Key_PageUp);
    EXPECT_EQ(date->date(), QDate(2028, 2, 29));
    // Keypad keys step too.
    QTest::keyClick(date, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(date->date(), QDate(2028, 3, 1));
}

TEST_F(DateFieldTest, keysStepFromTheTypedDayAndMinusIsADashWhileTyping) {
    openForm();
    DateField* date = field();
    selectAll();
    type(date, QStringLiteral("11/20"));
    QTest::keyClick(date, Qt::Key_Up);
    EXPECT_EQ(date->date(), QDate(2026, 11, 21));
    EXPECT_EQ(date->text(), QStringLiteral("11/21/2026"));

    // Typing after a click: the dash is part of the text.
    date->setCursorPosition(int(date->text().size()));
    QTest::keyClick(date, Qt::Key_Backspace);
    QTest::keyClick(date, Qt::Key_Minus);
    EXPECT_EQ(date->text(), QStringLiteral("11/21/202-"));
    EXPECT_EQ(date->date(), QDate(2026, 11, 21));
    // A step from text that is no day refuses it and keeps it.
    QTest::keyClick(date, Qt::Key_Down);
    EXPECT_TRUE(date->isRefused());
    EXPECT_EQ(date->text(), QStringLiteral("11/21/202-"));
    EXPECT_EQ(date->date(), QDate(2026, 11, 21));
}

TEST_F(DateFieldTest, textThatIsNoDayKeepsTheKeyboardAndSaysWhyUnderTheField) {
    openForm();
    DateField* date = field();
    selectAll();
    type(date, QStringLiteral("11/31/2026"));
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_TRUE(date->hasFocus());
    EXPECT_EQ(date->selectedText(), QStringLiteral("11/31/2026"));
    EXPECT_EQ(date->note(), QStringLiteral("“11/31/2026” is not a day. Type one such as 12/9/2026."));
    NoteBubble* bubble = date->noteBubble();
    EXPECT_TRUE(bubble->isVisible());
    EXPECT_EQ(bubble->text(), date->note());
    EXPECT_GE(bubble->y(), date->mapToGlobal(QPoint(0, date->height())).y());

    // Typing anew takes the note away; a day typed then lets the keyboard go on.
    type(date, QStringLiteral("11/30"));
    EXPECT_FALSE(date->isRefused());
    EXPECT_FALSE(bubble->isVisible());
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_TRUE(form->amount->hasFocus());
    EXPECT_EQ(date->date(), QDate(2026, 11, 30));
    EXPECT_EQ(date->text(), QStringLiteral("11/30/2026"));
}

TEST_F(DateFieldTest, leavingTheFieldReadsItsText) {
    openForm();
    DateField* date = field();
    selectAll();
    type(date, QStringLiteral("yesterday"));
    QTest::mouseClick(form->amount, Qt::LeftButton);
    EXPECT_EQ(date->date(), QDate(2026, 12, 8));
    EXPECT_EQ(date->text(), QStringLiteral("12/8/2026"));

    selectAll();
    type(date, QStringLiteral("someday"));
    QTest::mouseClick(form->amount, Qt::LeftButton);
    EXPECT_TRUE(date->isRefused());
    EXPECT_EQ(date->text(), QStringLiteral("someday"));
    EXPECT_EQ(date->date(), QDate(2026, 12, 8));
    EXPECT_FALSE(date->typedDate().isValid());
}

TEST_F(DateFieldTest, setDateIsNoEditAndClearsTheNote) {
    openForm();
    DateField* date = field();
    QSignalSpy edited(date, &DateField::dateEdited);
    selectAll();
    typeAndReturn(QStringLiteral("13/13"));
    ASSERT_TRUE(date->isRefused());
    date->setDate(QDate(2026, 1, 2));
    EXPECT_TRUE(date->note().isEmpty());
    EXPECT_FALSE(date->noteBubble()->isVisible());
    EXPECT_EQ(date->text(), QStringLiteral("1/2/2026"));
    EXPECT_EQ(edited.count(), 0);
    // Return on the day as shown takes nothing new.
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(DateFieldTest, theCalendarOpensOnTheTypedDayAndTakesTheDayChosen) {
    openForm();
    DateField* date = field();
    selectAll();
    type(date, QStringLiteral("11/20"));
    QTest::keyClick(date, Qt::Key_Down, Qt::AltModifier);
    QCalendarWidget* calendar = date->calendar();
    ASSERT_NE(calendar, nullptr);
    ASSERT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 11, 20));
    // The field does not read its text while the calendar has the keyboard.
    EXPECT_FALSE(date->isRefused());
    EXPECT_EQ(date->text(), QStringLiteral("11/20"));

    QWidget* days = QApplication::focusWidget();
    ASSERT_TRUE(calendar->isAncestorOf(days));
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(date->date(), QDate(2026, 11, 21));
    EXPECT_EQ(date->text(), QStringLiteral("11/21/2026"));
    EXPECT_TRUE(date->hasFocus());

    // Escape closes it and changes nothing; the button at the field's end opens it too.
    date->calendarAction()->trigger();
    ASSERT_TRUE(calendar->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(date->date(), QDate(2026, 11, 21));
}

// Today is December 9, 2026: a day in a year to come, or more than a year back, is told.
TEST_F(DateFieldTest, aDayFarFromTodayIsTakenAndTold) {
    openForm();
    DateField* date = field();
    const QLocale locale;
    // How far, as a pattern: the plural words come with the translations.
    const std::pair<const char*, const char*> typed[] = {
        {"12/31/2026", ""},
        {"12/10/2025", ""},
        {"1/5/2027", "^next year$"},
        {"11/20/2027", "^next year$"},
        {"12/8/2025", "^last year$"},
        {"11/28/2020", "^6 year.* ago$"},
        {"12/9/1820", "^206 year.* ago$"},
        {"3/1/2029", "^in 3 year"},
    };
    for (const auto& [text, when] : typed) {
        SCOPED_TRACE(text);
        selectAll();
        typeAndReturn(QString::fromLatin1(text));
        EXPECT_FALSE(date->isRefused());
        const QDate day = DayReader().read(QString::fromLatin1(text));
        EXPECT_EQ(date->date(), day);
        if (*when) {
            const QString taken = locale.toString(day, QLocale::LongFormat) + QStringLiteral(" — ");
            ASSERT_TRUE(date->note().startsWith(taken)) << date->note().toStdString();
            EXPECT_TRUE(date->note().mid(taken.size()).contains(QRegularExpression(QString::fromLatin1(when))))
                << date->note().toStdString();
            EXPECT_TRUE(date->noteBubble()->isVisible());
        } else {
            EXPECT_TRUE(date->note().isEmpty()) << date->note().toStdString();
        }
    }
    // The bounds of conditions lie far back as a rule: no note there.
    date->setFarDaysNoted(false);
    selectAll();
    typeAndReturn(QStringLiteral("1/1/2020"));
    EXPECT_EQ(date->date(), QDate(2020, 1, 1));
    EXPECT_TRUE(date->note().isEmpty());
}

} // namespace
