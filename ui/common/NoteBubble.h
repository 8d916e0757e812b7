#pragma once

#include <QLabel>
#include <QPointer>
#include <QRect>

// A short note in the look of a tooltip, shown just under an area of a widget
// (its anchor) where a form has no room for a line of text. Unlike a tooltip it
// stays while keys are pressed: it goes when it is hidden, when the anchor or
// its window hides or the window is no longer the active one, and, for widgets
// given to hideOnInput(), at their next key or click. It follows the anchor when the window or a scrolled parent moves.
class NoteBubble : public QLabel {
public:
    explicit NoteBubble(QWidget* anchor);

    // `area` in the anchor's coordinates.
    void showUnder(const QRect& area, const QString& text);
    // The next key or click in `widget` hides the note.
    void hideOnInput(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void watchAncestors();

    QWidget* m_anchor;
    QRect m_area;
    QList<QPointer<QObject>> m_inputWidgets;
    bool m_watching = false;
};
