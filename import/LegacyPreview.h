#pragma once

#include "LegacySlot.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

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
    // Slots in use whose amount is odd: too large, too precise or no number.
    qint64 oddAmountCount() const;
    // Most amounts are odd, though the file is laid out as a ledger: three
    // decimals, say. Whether it is a ledger all the same is the user's call.
    bool amountsMostlyOdd() const { return 2 * oddAmountCount() > slotsInUse(); }

    // `amount` is the record's, kept as an example when it is odd.
    void addRecord(QDate day, LegacySlot::Oddity oddity = LegacySlot::Oddity::None, const Amount& amount = Amount());
    void addLeftOut(LegacySlot::Oddity oddity);

    // "Dated from Wednesday, March 1, 2000 to …", in `locale`; empty without records.
    QString daysText(const QLocale& locale = QLocale()) const;
    // "Left out: 2 with an amount that is not a number and 1 with a comment
    // that is not text."; empty when none was.
    QString leftOutText() const;
    // "Imported as they are: 1 with an amount beyond any household's
    // money."; empty when every record is plain.
    QString oddRecordsText() const;
    // "The odd amounts, as the file holds them: 12.345 on 3/3/03, …": the
    // first few, in file order, in `locale`; empty when no amount is odd.
    QString oddAmountsText(const QLocale& locale = QLocale()) const;
    // Why to look before importing a file whose amounts are mostly odd; empty otherwise.
    QString oddAmountsWarning() const;

    // What the user is shown of it, each a paragraph, none empty: the odd
    // records and the slots left out; before the import (`beforeImport`) also
    // the days, the warning about odd amounts and examples of them.
    QStringList paragraphs(bool beforeImport) const;

    // A count as tr() takes it for "%Ln".
    static int trCount(qint64 count);

    // How many odd amounts are kept as examples.
    static constexpr std::size_t oddAmountExamples = 3;

private:
    struct OddAmount {
        QDate day;
        Amount amount;
    };
    static QString amountText(const Amount& amount, const QLocale& locale);

    qint64 m_recordCount = 0;
    QDate m_firstDay;
    QDate m_lastDay;
    static QStringList reasons(const std::array<qint64, LegacySlot::oddityCount>& counts);

    std::array<qint64, LegacySlot::oddityCount> m_leftOut{};
    std::array<qint64, LegacySlot::oddityCount> m_oddRecords{};
    std::vector<OddAmount> m_oddAmounts;
};
