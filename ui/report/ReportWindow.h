#pragma once

#include "CommentReport.h"
#include "DayRange.h"
#include "KeywordReport.h"
#include "PrintTable.h"
#include "ReportSelection.h"

#include <QWidget>

#include <memory>
#include <vector>

class DateField;
class KeywordChartView;
class LibraryDocument;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class ShownBook;

// Window › Reports: spending or income of a book within a range of days, by
// keyword (a chart beside a table), by keyword and month, and by comment.
// It only reads the library and follows every change of it, as the graph
// does. Clicking a figure asks the main window to show its records.
class ReportWindow : public QWidget {
    Q_OBJECT

public:
    enum Tab { KeywordTab, MonthTab, CommentTab };
    enum class Range { ThisMonth, LastMonth, ThisYear, Last12Months, All, Custom };

    ReportWindow(LibraryDocument* document, ShownBook* shownBook, QWidget* parent = nullptr);
    ~ReportWindow() override;

    // Figures show `decimals` decimals, the currency's when negative.
    void setAmountDecimals(int decimals);
    // The book the report reads; null follows the main window.
    void setBook(const BookPtr& book);
    BookPtr book() const;
    void setRange(Range range);
    // Custom days.
    void setDays(QDate first, QDate last);
    DayRange days() const;
    void setSide(ReportSide side);
    void setChartStyle(int style);

    const KeywordReport& keywordReport() const { return m_keywords; }
    const CommentReport& commentReport() const { return m_comments; }
    // What the tab shows, with its title lines: as copied, exported and printed.
    PrintTable sheet(Tab tab) const;
    PrintTable currentSheet() const;
    // The table as tab-separated lines.
    QString sheetText(Tab tab) const;
    bool writeCsv(Tab tab, const QString& filePath, QString* error) const;
    // Computes now what is pending; tests need not wait for the event loop.
    void updateNow();

    QTableWidget* table(Tab tab) const;
    KeywordChartView* chartView() const { return m_chart; }
    QTabWidget* tabs() const { return m_tabs; }

signals:
    void recordsRequested(const ReportSelection& selection);
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildControls();
    QWidget* buildButtons();
    void fillBooks();
    void rangeChosen();
    // Something the report reads changed: it is computed again once the event loop has the change.
    void noteChange();
    void recompute();
    IOList sourceRecords() const;
    QString bookTitle() const;
    QStringList titleLines() const;
    void showSheet(QTableWidget* table, const PrintTable& sheet);
    void showSummary();
    void keywordCellClicked(int row);
    void monthCellClicked(int row, int column);
    void commentCellClicked(int row);
    void request(const KeywordPtr& keyword, const QString& comment, const DayRange& days, bool withoutKeywords = false);
    void copyTable();
    void exportCsv();
    void print();
    void exportPdf();

    LibraryDocument* m_document;
    ShownBook* m_shownBook;
    int m_decimals = -1;
    std::vector<std::weak_ptr<Book>> m_books;
    KeywordReport m_keywords;
    CommentReport m_comments;
    bool m_stale = true;
    bool m_queued = false;

    QComboBox* m_bookBox = nullptr;
    QComboBox* m_rangeBox = nullptr;
    DateField* m_fromField = nullptr;
    DateField* m_toField = nullptr;
    QComboBox* m_sideBox = nullptr;
    QComboBox* m_chartBox = nullptr;
    QTabWidget* m_tabs = nullptr;
    KeywordChartView* m_chart = nullptr;
    QTableWidget* m_keywordTable = nullptr;
    QTableWidget* m_monthTable = nullptr;
    QTableWidget* m_commentTable = nullptr;
    QLabel* m_summary = nullptr;
};
