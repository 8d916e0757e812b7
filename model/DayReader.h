#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

// Reads a day as people type one: "11/20/2026", "20.11.26", "11/20",
// "2026-11-20", "20 Nov 2026", "2026年11月20日", "11202026", "today". The
// whole text is read at once. Numbers stand in the locale's order of day,
// month and year, except that a number of three or more digits is the year
// and a year written first is followed by the month and the day; 年/月/日
// mark their number, and month names are read in the locale's
// language and in English. What is left out (the year, or the month and the
// year) is filled so that the day is the nearest one to today, and a
// two-digit year is the nearest such year. Anything else is no day.
class DayReader {
    Q_DECLARE_TR_FUNCTIONS(DayReader)

public:
    enum class Field { Day, Month, Year };

    explicit DayReader(const QLocale& locale = QLocale());

    // The locale's short date format with a four-digit year, as days are shown.
    const QString& dateFormat() const { return m_dateFormat; }

    // Reads with today as the model's clock tells it.
    QDate read(QStringView text, QString* error = nullptr) const;
    // An invalid date, with why in `error`, when the text names no day.
    QDate read(QStringView text, QDate today, QString* error) const;

private:
    struct Number {
        int value = 0;
        int digits = 0;
        std::optional<Field> field;
    };
    struct Parts {
        std::vector<Number> numbers;
        std::optional<int> monthByName;
    };

    void learnOrder();
    void learnWords();
    void addMonthName(const QString& name, int month, bool ownLanguage, bool isLong);
    std::optional<QDate> namedDay(const QString& folded, QDate today) const;
    bool split(const QString& text, Parts* parts) const;
    std::optional<int> exactMonth(const QString& words) const;
    std::optional<int> monthOfWord(const QString& word) const;
    bool placeNumbers(Parts* parts) const;
    QDate compactDay(const Number& number, QDate today) const;
    QDate dayOf(const Parts& parts, QDate today) const;
    static QDate nearest(const std::vector<QDate>& candidates, QDate today);

    struct MonthName {
        QString folded;
        int month;
        bool ownLanguage;
        bool isLong;
    };

    QLocale m_locale;
    QString m_dateFormat;
    std::array<Field, 3> m_order{Field::Day, Field::Month, Field::Year};
    std::vector<MonthName> m_monthNames;
    // Words that stand beside a day and say nothing of it: weekdays, and what the
    // locale's own formats write beside the numbers, such as "de" or "г".
    QStringList m_literalWords;
    // The most words a month's name or a literal has.
    int m_longestPhrase = 1;
};
