#include "CsvKnownRecords.h"

CsvKnownRecords::CsvKnownRecords(const Book& library) {
    m_records.reserve(library.count());
    for (const IOPtr& record : library.records()) {
        const std::optional<Amount> amount = record->amount();
        const QDate day = record->date();
        if (amount && day.isValid()) {
            m_records.push_back({std::int32_t(day.toJulianDay()), std::int16_t(amount->exponent()), amount->mantissa(),
                                 record->comment(), record->bankId()});
        }
    }
}
