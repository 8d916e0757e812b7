#include "StatsBoxController.h"

#include "Book.h"
#include "LocalizedText.h"

#include <QLabel>

#include <cmath>

StatsBoxController::StatsBoxController(QLabel* incomingsLabel, QLabel* outgoingsLabel, QLabel* balanceLabel,
                                       QLabel* recordCountLabel, QObject* parent)
    : QObject(parent)
    , m_incomingsLabel(incomingsLabel)
    , m_outgoingsLabel(outgoingsLabel)
    , m_balanceLabel(balanceLabel)
    , m_recordCountLabel(recordCountLabel) {}

void StatsBoxController::reloadStats(const Book& book) {
    showSum(m_incomingsLabel, book.totalIn());
    showSum(m_outgoingsLabel, book.totalOut());
    showSum(m_balanceLabel, book.total());
    // The count covers the whole book, whatever the filters list.
    m_recordCountLabel->setText(QStringLiteral("%1 %2").arg(m_format.formatCount(qint64(book.count())),
                                                            LocalizedText::lookup(QStringLiteral("Records"))));
}

void StatsBoxController::showSum(QLabel* label, double sum) const {
    const QString whole = m_format.formatWhole(sum);
    if (LedgerFormat::isExactWhole(sum)) {
        label->setText(whole);
        label->setToolTip(QString());
    } else if (std::isfinite(sum)) {
        label->setText(QStringLiteral("≈ ") + whole);
        label->setToolTip(tr("Beyond %1 a sum no longer holds every whole number: its last digits are rounded.")
                              .arg(m_format.formatWhole(9007199254740992.0)));
    } else {
        label->setText(whole);
        label->setToolTip(tr("These amounts are too large to add up."));
    }
}
