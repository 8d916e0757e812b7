#pragma once

#include "LegacySlot.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// What a legacy library holds, known before anything is imported: how many
// records, the days they span, the odd ones among them, and the slots left
// out and why.
class LegacyPreview {
    Q_DECLARE_TR_FUNCTIONS(LegacyPreview)

public:
    qint64 recordCount() const { return m_recordCount; }
    // The earliest and the latest day of the records; null without records.
    QDate firstDay() const { return m_firstDay; }
    QDate lastDay() const { return m_lastDay; }
    // Slots in use that hold no record, in all and for one reason.
    qint64 leftOutCount() const;
    qint64 leftOutCount(LegacySlot::Oddity oddity) const { return m_leftOut[std::size_t(oddity)]; }
    // Records imported as they are although something about them is odd.
    qint64 oddRecordCount() const;
    qint64 oddRecordCount(LegacySlot::Oddity oddity) const { return m_oddRecords[std::size_t(oddity)]; }
    // Slots in use with anything odd, imported or not.
    qint64 oddSlotCount() const { return leftOutCount() + oddRecordCount(); }
    qint64 slotsInUse() const { return m_recordCount + leftOutCount(); }

    void addRecord(QDate day, LegacySlot::Oddity oddity = LegacySlot::Oddity::None);
    void addLeftOut(LegacySlot::Oddity oddity);

    // "Dated from Wednesday, March 1, 2000 to …", in `locale`; empty without records.
    QString daysText(const QLocale& locale = QLocale()) const;
    // "Left out: 2 with an amount that is not a number and 1 with a comment
    // that is not text."; empty when none was.
    QString leftOutText() const;
    // "Imported as they are: 1 with an amount beyond any household's
    // money."; empty when every record is plain.
    QString oddRecordsText() const;

    // What the user is shown of it: the days (with `withDays`), the odd
    // records and the slots left out, each a paragraph, none empty.
    QStringList paragraphs(bool withDays) const;

    // A count as tr() takes it for "%Ln".
    static int trCount(qint64 count);

private:
    qint64 m_recordCount = 0;
    QDate m_firstDay;
    QDate m_lastDay;
    static QStringList reasons(const std::array<qint64, LegacySlot::oddityCount>& counts);

    std::array<qint64, LegacySlot::oddityCount> m_leftOut{};
    std::array<qint64, LegacySlot::oddityCount> m_oddRecords{};
};
