#include "StatsBoxController.h"

#include "Book.h"

#include <QLabel>

#include <cmath>

StatsBoxController::StatsBoxController(QLabel* incomingsLabel, QLabel* outgoingsLabel, QLabel* balanceLabel,
                                       QLabel* recordCountLabel, QObject* parent)
    : QObject(parent)
    , m_incomingsLabel(incomingsLabel)
    , m_outgoingsLabel(outgoingsLabel)
    , m_balanceLabel(balanceLabel)
    , m_recordCountLabel(recordCountLabel) {}

void StatsBoxController::reloadStats(const Book& book, int decimals) {
    showSum(m_incomingsLabel, book.totalIn(), decimals);
    showSum(m_outgoingsLabel, book.totalOut(), decimals);
    showSum(m_balanceLabel, book.total(), decimals);
    const qint64 all = qint64(book.count());
    // A search or keyword search narrows the sums; the count says by how much.
    m_recordCountLabel->setText(book.isFiltered() ? tr("%1 of %Ln records", "listed of all records of the book", all)
                                                        .arg(m_format.formatCount(qint64(book.filteredCount())))
                                                  : tr("%Ln records", "all records of the book", all));
}

void StatsBoxController::showSum(QLabel* label, double sum, int decimals) const {
    const QString text = m_format.formatSum(sum, decimals);
    if (LedgerFormat::isExactSum(sum, decimals)) {
        label->setText(text);
        label->setToolTip(QString());
    } else if (std::isfinite(sum)) {
        label->setText(QStringLiteral("≈ ") + text);
        label->setToolTip(tr("Beyond %1 a sum no longer holds every figure it shows: its last digits are rounded.")
                              .arg(m_format.formatSum(LedgerFormat::largestExactSum(decimals), decimals)));
    } else {
        label->setText(text);
        label->setToolTip(tr("These amounts are too large to add up."));
    }
}
