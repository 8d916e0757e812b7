#pragma once

#include "DayReader.h"
#include "LedgerFormat.h"

#include <QDate>
#include <QLineEdit>

class NoteBubble;
class QCalendarWidget;
class QFrame;

// The one field in which the user types a day. The whole text is read when
// the field is left or Return is pressed, never section by section; text
// that is no day stays, selected, with the reason as the field's note, and no
// day is taken from it. Up and Down (or + and -) step a day, Page Up and Page
// Down a month; Alt+Down and the button at the field's end open a calendar.
// A day taken in a year still to come, or more than a year back, is noted
// too, so that a slip of the year is seen.
class DateField : public QLineEdit {
    Q_OBJECT

public:
    explicit DateField(QWidget* parent = nullptr);

    // The day last taken or set.
    QDate date() const { return m_date; }
    // Shows the day; it is no edit of the user's, so no signal and no note.
    void setDate(QDate day);

    // Takes the day the text names, shown in the field's format, or, when the
    // text is no day, leaves it selected and says why. True when a day stands.
    bool commit();
    // The day the text names as it stands, or an invalid date; nothing is taken.
    QDate typedDate(QString* error = nullptr) const;

    // Why the text is no day, or which far day was taken; empty otherwise.
    const QString& note() const { return m_note; }
    bool isRefused() const { return m_refused; }
    // What the note of a taken day is: "Friday, November 20, 2027 — next year",
    // empty for a day that is not far.
    QString farDayNote(QDate day) const;
    // Bounds of conditions lie far back as a rule; records' days do not.
    void setFarDaysNoted(bool noted) { m_farDaysNoted = noted; }
    // Where the form has a line for the note of its own, the field shows none.
    void setNoteBubbleShown(bool shown);
    NoteBubble* noteBubble() const { return m_bubble; }

    void showCalendar();
    // The calendar of the pop-up, once it has been opened.
    QCalendarWidget* calendar() const { return m_calendar; }
    QAction* calendarAction() const { return m_calendarAction; }

    // Wide enough for any day in the field's format beside the calendar button.
    QSize sizeHint() const override;

signals:
    // The user took another day: typed it and left, stepped to it or picked it.
    void dateEdited(QDate day);
    void noteChanged(const QString& note);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void take(QDate day);
    void refuse(const QString& why);
    void setNote(const QString& note, bool refused);
    void showNote();
    void step(int days, int months);
    // Minus steps back where nothing is being typed; while typing it is a separator.
    bool minusSteps() const;
    void pick(QDate day);
    void showDay();

    LedgerFormat m_format;
    DayReader m_reader;
    QDate m_date;
    // The text as the field last showed a day; anything else was typed.
    QString m_shownText;
    QString m_note;
    bool m_refused = false;
    bool m_farDaysNoted = true;
    bool m_bubbleShown = true;
    NoteBubble* m_bubble;
    QAction* m_calendarAction;
    QFrame* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
};
