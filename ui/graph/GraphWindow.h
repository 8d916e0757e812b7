#pragma once

#include "Book.h"
#include "PeriodTotals.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class LedgerChartView;
class QComboBox;
class QLabel;
class QStackedWidget;

// The graph window: what the record table lists, summed per week, month or
// year, or a word on why there is nothing to draw. It only reads the book;
// the reload that every change ends in brings it up to date.
class GraphWindow : public QWidget {
    Q_OBJECT

public:
    explicit GraphWindow(QWidget* parent = nullptr);
    ~GraphWindow() override;

    // Frame of the window in the preferences.
    static QString autosaveName() { return QStringLiteral("GraphWindow"); }

    // Draws the book's listed records. While the window is hidden it only
    // remembers the book and draws when it is shown; nothing is summed again
    // while the book lists the same records with the same days, amounts and flags.
    // Figures show `amountDecimals` decimals, the currency's when negative.
    void reloadGraph(const BookPtr& book, bool isMainLibrary, int amountDecimals = -1);

    PeriodTotals::Period period() const;
    void setPeriod(PeriodTotals::Period period);
    const PeriodTotals& totals() const;
    LedgerChartView* chartView() const { return m_chartView; }

    // Place, size and period, to restore at the next start.
    QByteArray frame() const;
    void setFrame(const QByteArray& frame);

signals:
    // The user closed the window.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What a drawing was made from.
    struct Drawn {
        const Book* book = nullptr;
        std::uint64_t records = 0;
        std::uint64_t listed = 0;
        std::uint64_t dates = 0;
        std::uint64_t amounts = 0;
        std::uint64_t counted = 0;
        PeriodTotals::Period period = PeriodTotals::Period::Month;
        bool operator==(const Drawn&) const = default;
    };

    Drawn drawnFrom(const Book* book) const;
    void redraw();
    void showEmpty(const QString& title, const QString& hint);

    QComboBox* m_periodBox = nullptr;
    QStackedWidget* m_pages = nullptr;
    LedgerChartView* m_chartView = nullptr;
    QLabel* m_emptyTitle = nullptr;
    QLabel* m_emptyHint = nullptr;
    std::weak_ptr<Book> m_book;
    bool m_isMainLibrary = false;
    Drawn m_drawn;
    bool m_hasDrawn = false;
};
