#pragma once

#include "BalanceForecast.h"
#include "Book.h"
#include "PeriodTotals.h"
#include "RecurringRecord.h"

#include <QWidget>

#include <memory>

class LedgerChartView;
class QComboBox;
class QLabel;
class QStackedWidget;

// The graph window: what the record table lists, summed per week, month or
// year, or a word on why there is nothing to draw, and for the main library
// the balance the recurring records lead to in the months ahead. It only
// reads the book and the recurring records, and draws again when told that
// they changed.
class GraphWindow : public QWidget {
    Q_OBJECT

public:
    explicit GraphWindow(QWidget* parent = nullptr);
    ~GraphWindow() override;

    // Frame of the window in the preferences.
    static QString autosaveName() { return QStringLiteral("GraphWindow"); }

    // Draws the book's listed records. While the window is hidden it only
    // remembers the book and draws when it is shown.
    // Figures show `amountDecimals` decimals, the currency's when negative.
    void reloadGraph(const BookPtr& book, bool isMainLibrary, int amountDecimals = -1);
    // The book's name, which the title shows, may have changed.
    void showTitle();

    // The recurring records of the library, whose occurrences to come make the balance ahead.
    void setRecurringRecords(RecurringRecordList records);

    PeriodTotals::Period period() const;
    void setPeriod(PeriodTotals::Period period);
    // How many months ahead of today the expected balance reaches; 0 for none.
    int monthsAhead() const;
    void setMonthsAhead(int months);
    const PeriodTotals& totals() const;
    LedgerChartView* chartView() const { return m_chartView; }

    // The chart as drawn, at its size on screen: a PNG picture, or a PDF page
    // that holds it. False when the file cannot be written.
    bool exportPng(const QString& filePath) const;
    bool exportPdf(const QString& filePath) const;

    // Place, size, period and months ahead, to restore at the next start.
    QByteArray frame() const;
    void setFrame(const QByteArray& frame);

signals:
    // The user closed the window.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void redraw();
    void showEmpty(const QString& title, const QString& hint);
    // The balance to expect after the drawn periods of `book`, or nothing.
    std::vector<BalanceForecast::Point> aheadOf(const Book& book, const PeriodTotals& totals) const;
    void redrawWhenShown();
    // Asks for a file name with this suffix and writes the chart to it.
    void exportAs(const QString& suffix);

    QComboBox* m_periodBox = nullptr;
    QComboBox* m_aheadBox = nullptr;
    QStackedWidget* m_pages = nullptr;
    LedgerChartView* m_chartView = nullptr;
    QLabel* m_emptyTitle = nullptr;
    QLabel* m_emptyHint = nullptr;
    std::weak_ptr<Book> m_book;
    bool m_isMainLibrary = false;
    RecurringRecordList m_recurringRecords;
    // What is drawn no longer shows the book: a hidden window draws when shown.
    bool m_stale = true;
};
