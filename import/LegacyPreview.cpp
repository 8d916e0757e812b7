#include "LegacyPreview.h"

#include <QStringList>

#include <algorithm>
#include <limits>
#include <numeric>

qint64 LegacyPreview::leftOutCount() const {
    return std::accumulate(m_leftOut.begin(), m_leftOut.end(), qint64(0));
}

qint64 LegacyPreview::oddRecordCount() const {
    return std::accumulate(m_oddRecords.begin(), m_oddRecords.end(), qint64(0));
}

void LegacyPreview::addRecord(QDate day, LegacySlot::Oddity oddity) {
    if (oddity != LegacySlot::Oddity::None) {
        ++m_oddRecords[std::size_t(oddity)];
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

QStringList LegacyPreview::paragraphs(bool withDays) const {
    QStringList shown;
    for (const QString& paragraph : {withDays ? daysText() : QString(), oddRecordsText(), leftOutText()}) {
        if (!paragraph.isEmpty()) {
            shown << paragraph;
        }
    }
    return shown;
}

int LegacyPreview::trCount(qint64 count) {
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}
