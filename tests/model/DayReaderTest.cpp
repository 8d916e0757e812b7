#include "DayReader.h"
#include "Clock.h"
#include "TypedDays.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QDate day(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

QLocale locale(const char* name) {
    return QLocale(QString::fromLatin1(name));
}

// Each text as the four locales read it.
class TypedInFourLocales : public ::testing::TestWithParam<TypedDays::Case> {};

TEST_P(TypedInFourLocales, readsTheDayOfEachLocaleOrNone) {
    const TypedDays::Case& typed = GetParam();
    for (std::size_t index = 0; index < TypedDays::locales().size(); ++index) {
        const DayReader reader(locale(TypedDays::locales()[index]));
        QString error;
        const QDate read = reader.read(typed.typed(), TypedDays::today(), &error);
        EXPECT_EQ(read, typed.dayIn(index)) << TypedDays::locales()[index];
        // Every refusal says why; a day read leaves no reason behind.
        EXPECT_EQ(error.isEmpty(), read.isValid()) << TypedDays::locales()[index];
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TypedInFourLocales, ::testing::ValuesIn(TypedDays::cases()));

// What is left out is filled so that the day is the nearest one to the day the text is read.
struct Nearest {
    const char* today;
    const char* typed;
    const char* day; // "-": none
};

void PrintTo(const Nearest& c, std::ostream* out) {
    *out << c.typed << " on " << c.today;
}

class NearestDay : public ::testing::TestWithParam<Nearest> {};

TEST_P(NearestDay, fillsWhatIsLeftOut) {
    const DayReader reader(locale("en_US"));
    const Nearest& c = GetParam();
    EXPECT_EQ(reader.read(QString::fromLatin1(c.typed), day(c.today), nullptr), day(c.day));
}

INSTANTIATE_TEST_SUITE_P(Table, NearestDay,
                         ::testing::Values(
                             // Last week's receipts in the first days of a year belong to the year before.
                             Nearest{"2027-01-03", "12/28", "2026-12-28"}, Nearest{"2026-12-28", "1/2", "2027-01-02"},
                             Nearest{"2026-06-15", "12/25", "2025-12-25"}, Nearest{"2026-06-15", "11/30", "2026-11-30"},
                             // A day alone is in this month or a neighbour, whichever is nearer.
                             Nearest{"2026-12-09", "2", "2026-12-02"}, Nearest{"2026-12-30", "2", "2027-01-02"},
                             Nearest{"2026-11-15", "31", "2026-10-31"}, Nearest{"2026-03-01", "30", "2026-03-30"},
                             // A day of February 29 is in the nearest year that has one, or there is none.
                             Nearest{"2027-12-09", "2/29", "2028-02-29"}, Nearest{"2026-12-09", "2/29", "-"},
                             // Two-digit years: the nearest of the three centuries around.
                             Nearest{"2026-12-09", "1/1/77", "1977-01-01"},
                             Nearest{"2026-12-09", "1/1/76", "2076-01-01"},
                             Nearest{"2099-12-31", "1/1/01", "2101-01-01"},
                             Nearest{"2026-12-09", "2/29/00", "2000-02-29"},
                             // Four digits are taken as they stand, however far.
                             Nearest{"2026-12-09", "12/9/1820", "1820-12-09"}, Nearest{"2026-12-09", "1/1/0999", "-"}));

// The field shows days in the locale's short format with four-digit years: it
// must read back whatever it shows, in every locale the system knows.
TEST(DayReader, readsBackTheDaysItsFormatWritesInEveryLocale) {
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QStringList failed;
    for (const QLocale& each : all) {
        const DayReader reader(each);
        for (const QDate shown : {QDate(2026, 11, 20), QDate(1999, 1, 2), QDate(2031, 12, 31), QDate(2026, 3, 5)}) {
            const QString text = each.toString(shown, reader.dateFormat());
            if (reader.read(text, TypedDays::today(), nullptr) != shown) {
                failed.append(each.name() + QLatin1Char(' ') + text);
            }
        }
    }
    EXPECT_GT(all.size(), 300);
    EXPECT_TRUE(failed.isEmpty()) << failed.join(QStringLiteral(", ")).toStdString();
}

// A day as the locale writes it in full, pasted in: weekday, month name, the locale's own words.
class LongDays : public ::testing::TestWithParam<const char*> {};

TEST_P(LongDays, areReadWithTheirNamesAndWords) {
    const QLocale each = locale(GetParam());
    const DayReader reader(each);
    for (const QDate shown : {QDate(2026, 11, 20), QDate(1999, 1, 2), QDate(2026, 3, 5)}) {
        const QString text = each.toString(shown, QLocale::LongFormat);
        EXPECT_EQ(reader.read(text, TypedDays::today(), nullptr), shown) << text.toStdString();
    }
}

// es and pt write "de" between the fields, ru "г.", ar_IQ months of two words,
// zh and ja the weekday right after 日, sq weekdays of two words.
INSTANTIATE_TEST_SUITE_P(Locales, LongDays,
                         ::testing::Values("en_US", "en_GB", "de_DE", "ja_JP", "fr_FR", "es_ES", "pt_BR", "ru_RU",
                                           "ar_IQ", "zh_CN", "sq_AL", "ko_KR", "hu_HU", "hy_AM"));

TEST(DayReader, saysWhatIsNoDayAndShowsOneInTheLocalesFormat) {
    QString error;
    EXPECT_FALSE(DayReader(locale("en_US")).read(QStringLiteral(" 11/31/2026 "), TypedDays::today(), &error).isValid());
    EXPECT_EQ(error, QStringLiteral("“11/31/2026” is not a day. Type one such as 12/9/2026."));
    EXPECT_FALSE(DayReader(locale("de_DE")).read(QString(), TypedDays::today(), &error).isValid());
    EXPECT_EQ(error, QStringLiteral("Type a day, such as 09.12.2026."));
}

TEST(DayReader, todayComesFromTheClock) {
    Clock::setFixed(QDateTime(QDate(2031, 2, 3), QTime(12, 0)));
    const DayReader reader(locale("en_US"));
    EXPECT_EQ(reader.read(QStringLiteral("today")), QDate(2031, 2, 3));
    EXPECT_EQ(reader.read(QStringLiteral("2/1")), QDate(2031, 2, 1));
    Clock::reset();
}

TEST(DayReader, refusesLongRunsOfDigitsAndSymbols) {
    const DayReader reader(locale("en_US"));
    for (const char* text : {"99999999999999999999", "+5", "11/20/2026\t3", "11=20=2026", "20€"}) {
        EXPECT_FALSE(reader.read(QString::fromUtf8(text), TypedDays::today(), nullptr).isValid()) << text;
    }
}

} // namespace
