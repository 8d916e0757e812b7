#include "DateField.h"

#include "Clock.h"
#include "NoteBubble.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A page of a calendar, drawn in the field's text colour where the desktop theme has none.
QIcon calendarIcon(const QPalette& palette) {
    const QIcon themed = QIcon::fromTheme(QStringLiteral("x-office-calendar"));
    if (!themed.isNull()) {
        return themed;
    }
    QPixmap page(16, 16);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    const QColor ink = palette.color(QPalette::Text);
    painter.setPen(ink);
    painter.drawRect(1, 2, 13, 12);
    painter.fillRect(1, 2, 14, 3, ink);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            painter.fillRect(3 + column * 3, 7 + row * 2, 2, 1, ink);
        }
    }
    return QIcon(page);
}

bool isStepModifier(Qt::KeyboardModifiers modifiers) {
    return (modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
}

} // namespace

DateField::DateField(QWidget* parent)
    : QLineEdit(parent)
    , m_reader(m_format.locale())
    , m_bubble(new NoteBubble(this))
    , m_calendarAction(addAction(calendarIcon(palette()), QLineEdit::TrailingPosition)) {
    setObjectName(QStringLiteral("dateField"));
    m_calendarAction->setObjectName(QStringLiteral("calendarAction"));
    m_calendarAction->setToolTip(tr("Choose the day on a calendar (Alt+Down)"));
    connect(m_calendarAction, &QAction::triggered, this, &DateField::showCalendar);
    // A refusal is of the text it was about; typing anew starts over.
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (m_refused) {
            setNote(QString(), false);
        }
    });
}

void DateField::setDate(QDate day) {
    m_date = day;
    showDay();
    setNote(QString(), false);
}

void DateField::showDay() {
    m_shownText = m_format.formatDate(m_date);
    setText(m_shownText);
}

QDate DateField::typedDate(QString* error) const {
    if (text() == m_shownText && m_date.isValid()) {
        return m_date;
    }
    return m_reader.read(text(), error);
}

bool DateField::commit() {
    if (text() == m_shownText && m_date.isValid()) {
        return true;
    }
    QString why;
    const QDate day = m_reader.read(text(), &why);
    if (!day.isValid()) {
        refuse(why);
        return false;
    }
    take(day);
    return true;
}

void DateField::take(QDate day) {
    const bool changed = day != m_date;
    m_date = day;
    showDay();
    setNote(m_farDaysNoted ? farDayNote(day) : QString(), false);
    if (changed) {
        emit dateEdited(day);
    }
}

void DateField::refuse(const QString& why) {
    setNote(why, true);
    // What is typed next replaces the refused text; it stays until then.
    selectAll();
}

QString DateField::farDayNote(QDate day) const {
    const QDate today = Clock::today();
    if (!day.isValid() || (day.year() <= today.year() && day >= today.addYears(-1))) {
        return QString();
    }
    const int years = day.year() - today.year();
    QString when;
    if (years == 1) {
        when = tr("next year");
    } else if (years == -1) {
        when = tr("last year");
    } else if (years > 1) {
        when = tr("in %n year(s)", nullptr, years);
    } else {
        when = tr("%n year(s) ago", nullptr, -years);
    }
    //: A day the user typed, far from today, and how far: "Friday, November 20, 2027 — next year"
    return tr("%1 — %2").arg(m_format.locale().toString(day, QLocale::LongFormat), when);
}

void DateField::setNote(const QString& note, bool refused) {
    m_refused = refused && !note.isEmpty();
    if (note != m_note) {
        m_note = note;
        emit noteChanged(m_note);
    }
    showNote();
}

void DateField::setNoteBubbleShown(bool shown) {
    m_bubbleShown = shown;
    showNote();
}

void DateField::showNote() {
    if (m_bubbleShown && !m_note.isEmpty() && isVisible()) {
        m_bubble->showUnder(rect(), m_note);
    } else {
        m_bubble->hide();
    }
}

bool DateField::minusSteps() const {
    return text() == m_shownText || (hasSelectedText() && selectedText() == text());
}

void DateField::step(int days, int months) {
    QString why;
    const QDate from = typedDate(&why);
    if (!from.isValid()) {
        refuse(why);
        return;
    }
    take(from.addMonths(months).addDays(days));
}

bool DateField::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        // Text that is no day keeps the keyboard.
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !commit()) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void DateField::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (isStepModifier(modifiers)) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!commit()) {
                // Nothing else hears of it: the form around must not enter a record now.
                event->accept();
                return;
            }
            break;
        case Qt::Key_Up:
        case Qt::Key_Plus:
            step(1, 0);
            return;
        case Qt::Key_Down:
            step(-1, 0);
            return;
        case Qt::Key_Minus:
            if (minusSteps()) {
                step(-1, 0);
                return;
            }
            break;
        case Qt::Key_PageUp:
            step(0, 1);
            return;
        case Qt::Key_PageDown:
            step(0, -1);
            return;
        case Qt::Key_F4:
            showCalendar();
            return;
        default:
            break;
        }
    } else if (modifiers == Qt::AltModifier && event->key() == Qt::Key_Down) {
        showCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // The calendar, a menu, an alert or another window took the keyboard: the user is not done here.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
        commit();
    }
}

void DateField::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    m_bubble->hide();
}

void DateField::showCalendar() {
    if (!m_popup) {
        // A child of the field: a table's editor stays open while its calendar is.
        m_popup = new QFrame(this, Qt::Popup);
        m_popup->setObjectName(QStringLiteral("calendarPopup"));
        m_popup->setFrameShape(QFrame::StyledPanel);
        m_calendar = new QCalendarWidget(m_popup);
        m_calendar->setObjectName(QStringLiteral("calendar"));
        m_calendar->setLocale(m_format.locale());
        auto* layout = new QVBoxLayout(m_popup);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_calendar);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DateField::pick);
        connect(m_calendar, &QCalendarWidget::activated, this, &DateField::pick);
    }
    const QDate typed = typedDate();
    m_calendar->setSelectedDate(typed.isValid() ? typed : (m_date.isValid() ? m_date : Clock::today()));
    m_popup->adjustSize();
    QPoint at = mapToGlobal(rect().bottomLeft());
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - m_popup->width() + 1)));
        if (at.y() + m_popup->height() > room.bottom()) {
            at.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
        }
    }
    m_popup->move(at);
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateField::pick(QDate day) {
    m_popup->hide();
    setFocus(Qt::PopupFocusReason);
    take(day);
}

QSize DateField::sizeHint() const {
    QSize hint = QLineEdit::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    // The line edit counts room for 17 x; a day needs the room of its widest one.
    const int widest = metrics.horizontalAdvance(m_format.formatDate(QDate(2088, 12, 28)));
    hint.setWidth(hint.width() - 17 * metrics.horizontalAdvance(QLatin1Char('x')) + widest +
                  2 * metrics.averageCharWidth());
    return hint;
}
