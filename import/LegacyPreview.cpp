#include "LegacyPreview.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

qint64 LegacyPreview::leftOutCount() const {
    return std::accumulate(m_leftOut.begin(), m_leftOut.end(), qint64(0));
}

qint64 LegacyPreview::oddRecordCount() const {
    return std::accumulate(m_oddRecords.begin(), m_oddRecords.end(), qint64(0));
}

qint64 LegacyPreview::oddAmountCount() const {
    using Oddity = LegacySlot::Oddity;
    return m_oddRecords[std::size_t(Oddity::AmountTooLarge)] + m_oddRecords[std::size_t(Oddity::AmountTooPrecise)] +
           m_leftOut[std::size_t(Oddity::AmountNotANumber)] + m_leftOut[std::size_t(Oddity::AmountTooLarge)] +
           m_leftOut[std::size_t(Oddity::AmountTooPrecise)];
}

void LegacyPreview::addRecord(QDate day, LegacySlot::Oddity oddity, const Amount& amount) {
    if (oddity != LegacySlot::Oddity::None) {
        ++m_oddRecords[std::size_t(oddity)];
    }
    const bool oddAmount =
        oddity == LegacySlot::Oddity::AmountTooLarge || oddity == LegacySlot::Oddity::AmountTooPrecise;
    if (oddAmount && m_oddAmounts.size() < oddAmountExamples) {
        m_oddAmounts.push_back({day, amount});
    }
    if (m_recordCount == 0 || day < m_firstDay) {
        m_firstDay = day;
    }
    if (m_recordCount == 0 || day > m_lastDay) {
        m_lastDay = day;
    }
    ++m_recordCount;
}

void LegacyPreview::addLeftOut(LegacySlot::Oddity oddity) {
    ++m_leftOut[std::size_t(oddity)];
}

QString LegacyPreview::daysText(const QLocale& locale) const {
    if (m_recordCount == 0) {
        return QString();
    }
    if (m_firstDay == m_lastDay) {
        return tr("Dated %1.").arg(locale.toString(m_firstDay, QLocale::LongFormat));
    }
    return tr("Dated from %1 to %2.")
        .arg(locale.toString(m_firstDay, QLocale::LongFormat), locale.toString(m_lastDay, QLocale::LongFormat));
}

QStringList LegacyPreview::reasons(const std::array<qint64, LegacySlot::oddityCount>& counts) {
    using Oddity = LegacySlot::Oddity;
    QStringList reasons;
    if (const qint64 n = counts[std::size_t(Oddity::AmountNotANumber)]) {
        reasons << tr("%Ln with an amount that is not a number", nullptr, trCount(n));
    }
    if (const qint64 n = counts[std::size_t(Oddity::AmountTooLarge)]) {
        reasons << tr("%Ln with an amount beyond any household's money", nullptr, trCount(n));
    }
    if (const qint64 n = counts[std::size_t(Oddity::AmountTooPrecise)]) {
        reasons << tr("%Ln with an amount of more decimals than money has", nullptr, trCount(n));
    }
    if (const qint64 n = counts[std::size_t(Oddity::CommentNotText)]) {
        reasons << tr("%Ln with a comment that is not text", nullptr, trCount(n));
    }
    return reasons;
}

QString LegacyPreview::leftOutText() const {
    const QStringList why = reasons(m_leftOut);
    return why.isEmpty() ? QString() : tr("Left out: %1.").arg(QLocale().createSeparatedList(why));
}

QString LegacyPreview::oddRecordsText() const {
    const QStringList why = reasons(m_oddRecords);
    return why.isEmpty() ? QString() : tr("Imported as they are: %1.").arg(QLocale().createSeparatedList(why));
}

QString LegacyPreview::amountText(const Amount& amount, const QLocale& locale) {
    const double value = amount.toDouble();
    const int decimals = std::max(0, -amount.exponent());
    // Up to here the decimals the file holds are the digits a double shows.
    if (decimals <= 9 && std::abs(value) < 1e15) {
        return locale.toString(value, 'f', decimals);
    }
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

QString LegacyPreview::oddAmountsText(const QLocale& locale) const {
    if (m_oddAmounts.empty()) {
        return QString();
    }
    QStringList examples;
    for (const OddAmount& odd : m_oddAmounts) {
        examples << tr("%1 on %2").arg(amountText(odd.amount, locale), locale.toString(odd.day, QLocale::ShortFormat));
    }
    const QString list = locale.createSeparatedList(examples);
    return oddRecordCount(LegacySlot::Oddity::AmountTooLarge) + oddRecordCount(LegacySlot::Oddity::AmountTooPrecise) >
                   qint64(m_oddAmounts.size())
               ? tr("Some of the odd amounts, as the file holds them: %1.").arg(list)
               : tr("The odd amounts, as the file holds them: %1.").arg(list);
}

QString LegacyPreview::oddAmountsWarning() const {
    if (!amountsMostlyOdd()) {
        return QString();
    }
    return tr("Most of its amounts are odd for money, so this may be no ledger. If it is your ledger all the same, "
              "import it anyway: every amount is kept as the file holds it.");
}

QStringList LegacyPreview::paragraphs(bool beforeImport) const {
    QStringList shown;
    const QStringList all =
        beforeImport ? QStringList{daysText(), oddAmountsWarning(), oddRecordsText(), oddAmountsText(), leftOutText()}
                     : QStringList{oddRecordsText(), leftOutText()};
    for (const QString& paragraph : all) {
        if (!paragraph.isEmpty()) {
            shown << paragraph;
        }
    }
    return shown;
}

int LegacyPreview::trCount(qint64 count) {
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}
