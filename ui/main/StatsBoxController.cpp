#include "StatsBoxController.h"

#include "Book.h"
#include "LocalizedText.h"

#include <QLabel>

StatsBoxController::StatsBoxController(QLabel* txtIn, QLabel* txtOut, QLabel* txtTotal, QLabel* txtNum, QObject* parent)
    : QObject(parent)
    , m_txtIn(txtIn)
    , m_txtOut(txtOut)
    , m_txtTotal(txtTotal)
    , m_txtNum(txtNum) {}

void StatsBoxController::reloadStats(const Book& book) {
    m_txtIn->setText(m_format.formatWhole(book.totalIn()));
    m_txtOut->setText(m_format.formatWhole(book.totalOut()));
    m_txtTotal->setText(m_format.formatWhole(book.total()));
    // The count covers the whole book, whatever the filters list.
    m_txtNum->setText(QStringLiteral("%1 %2").arg(m_format.formatCount(qint64(book.count())),
                                                  LocalizedText::lookup(QStringLiteral("Records"))));
}
