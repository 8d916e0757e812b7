#include "SyntheticLibrary.h"

#include "RecordSharingScope.h"

#include "AmountCondition.h"
#include "AndConditions.h"
#include "Clock.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "SmartBook.h"

#include <QStringList>

#include <map>
#include <random>

namespace {

QStringList baseComments() {
    const QStringList templates = {
        QStringLiteral("Groceries at %1"), QStringLiteral("Lunch with %1"),  QStringLiteral("Dinner at %1"),
        QStringLiteral("Coffee at %1"),    QStringLiteral("Fuel at %1"),     QStringLiteral("Train to %1"),
        QStringLiteral("Taxi to %1"),      QStringLiteral("Gift for %1"),    QStringLiteral("Repair by %1"),
        QStringLiteral("Books from %1"),   QStringLiteral("Tickets for %1"), QStringLiteral("Rent for %1"),
        QStringLiteral("Salary %1"),       QStringLiteral("Insurance %1"),   QStringLiteral("Electricity %1"),
        QStringLiteral("Phone bill %1"),   QStringLiteral("Doctor %1"),      QStringLiteral("Pharmacy %1"),
        QStringLiteral("Clothes at %1"),   QStringLiteral("Hardware at %1"), QStringLiteral("Parking at %1"),
        QStringLiteral("Hotel in %1"),     QStringLiteral("Flight to %1"),   QStringLiteral("Refund from %1"),
        QStringLiteral("Subscription %1"), QStringLiteral("Donation to %1"), QStringLiteral("Tax %1"),
        QStringLiteral("Haircut at %1"),   QStringLiteral("Bakery %1"),      QStringLiteral("Market %1"),
        QStringLiteral("Bike shop %1"),    QStringLiteral("Cinema %1"),      QStringLiteral("Museum %1"),
        QStringLiteral("School fees %1"),  QStringLiteral("Interest %1"),    QStringLiteral("Garden centre %1"),
        QStringLiteral("Vet %1"),          QStringLiteral("Stationery %1"),  QStringLiteral("Concert %1"),
        QStringLiteral("Birthday %1")};
    const QStringList fillers = {QStringLiteral("Anna"),
                                 QStringLiteral("Ben"),
                                 QStringLiteral("Chloe"),
                                 QStringLiteral("David"),
                                 QStringLiteral("Emma"),
                                 QStringLiteral("Felix"),
                                 QStringLiteral("Grace"),
                                 QStringLiteral("Hiro"),
                                 QStringLiteral("Ines"),
                                 QStringLiteral("Jonas"),
                                 QStringLiteral("Kenji"),
                                 QStringLiteral("Lena"),
                                 QStringLiteral("Marta"),
                                 QStringLiteral("Nils"),
                                 QStringLiteral("Olga"),
                                 QStringLiteral("Paul"),
                                 QStringLiteral("Quinn"),
                                 QStringLiteral("Rosa"),
                                 QStringLiteral("Sven"),
                                 QStringLiteral("Tomoko"),
                                 QStringLiteral("Berlin"),
                                 QStringLiteral("Lyon"),
                                 QStringLiteral("Osaka"),
                                 QStringLiteral("Porto"),
                                 QStringLiteral("Vienna"),
                                 QStringLiteral("Zurich"),
                                 QStringLiteral("Leeds"),
                                 QStringLiteral("Kyoto"),
                                 QStringLiteral("Madrid"),
                                 QStringLiteral("Oslo"),
                                 QStringLiteral("January"),
                                 QStringLiteral("February"),
                                 QStringLiteral("March"),
                                 QStringLiteral("April"),
                                 QStringLiteral("May"),
                                 QStringLiteral("June"),
                                 QStringLiteral("July"),
                                 QStringLiteral("August"),
                                 QStringLiteral("September"),
                                 QStringLiteral("October"),
                                 QStringLiteral("November"),
                                 QStringLiteral("December"),
                                 QStringLiteral("the corner shop"),
                                 QStringLiteral("the station"),
                                 QStringLiteral("the airport"),
                                 QStringLiteral("the old town"),
                                 QStringLiteral("the harbour"),
                                 QStringLiteral("the mall"),
                                 QStringLiteral("work"),
                                 QStringLiteral("home")};
    QStringList comments;
    for (const QString& t : templates) {
        for (const QString& f : fillers) {
            comments.append(t.arg(f));
        }
    }
    return comments;
}

// Each base text, and a few variations of it, made once and shared by the
// records that use it, as equal comments are after reading a data file.
class CommentPool {
public:
    explicit CommentPool(std::mt19937& random)
        : m_base(baseComments())
        , m_random(random) {}
    QString pick() {
        const auto b = std::uniform_int_distribution<qsizetype>(0, m_base.size() - 1)(m_random);
        const int variation = std::uniform_int_distribution<int>(0, 9)(m_random);
        QString& slot = m_variants[{b, variation}];
        if (slot.isNull()) {
            slot = variation < 6 ? m_base[b] : m_base[b] + QStringLiteral(" (%1)").arg(variation * 7 + b % 13);
        }
        return slot;
    }

private:
    QStringList m_base;
    std::mt19937& m_random;
    std::map<std::pair<qsizetype, int>, QString> m_variants;
};

Amount randomAmount(std::mt19937& random) {
    const int kind = std::uniform_int_distribution<int>(0, 99)(random);
    if (kind < 4) {
        // Income: salaries and refunds.
        return *Amount::fromParts(std::uniform_int_distribution<std::int64_t>(50000, 500000)(random), -2);
    }
    return *Amount::fromParts(-std::uniform_int_distribution<std::int64_t>(50, 50000)(random), -2);
}

} // namespace

DataRootPtr SyntheticLibrary::build(std::size_t records, std::uint32_t seed) {
    // Records saying the same share their texts and keyword lists, as in a
    // library read from its file.
    RecordSharingScope sharing;
    std::mt19937 random(seed);
    DataRootPtr root = DataRoot::create();
    for (int k = 0; k < 50; ++k) {
        root->addKeyword(Keyword::create(QStringLiteral("Keyword %1").arg(k + 1)));
    }
    const KeywordList& keywords = root->keywords();
    CommentPool comments(random);

    const QDate today = Clock::today();
    const QDate first = today.addYears(-30);
    const qint64 days = first.daysTo(today);
    const TimeZoneTable::Index zone = TimeZoneTable::current();

    // Made in the order of the main library (newest day first, newest entry
    // first), as reading the data file at start-up makes them.
    struct Stamp {
        qint64 day;
        qint64 entered;
    };
    std::vector<Stamp> stamps(records);
    for (Stamp& stamp : stamps) {
        stamp.day = std::uniform_int_distribution<qint64>(0, days)(random);
        const QDate day = first.addDays(stamp.day);
        stamp.entered = day.startOfDay().toMSecsSinceEpoch() +
                        std::uniform_int_distribution<qint64>(8 * 3600000LL, 23 * 3600000LL)(random);
    }
    std::sort(stamps.begin(), stamps.end(),
              [](const Stamp& a, const Stamp& b) { return a.day != b.day ? a.day > b.day : a.entered > b.entered; });

    IOList all;
    all.reserve(records);
    for (const Stamp& stamp : stamps) {
        const QDate day = first.addDays(stamp.day);
        const qint64 entered = stamp.entered;
        IOPtr record = IO::createWithTimeOfEntry(CalendarDate(entered, zone));
        record->setDate(day);
        record->setAmount(randomAmount(random));
        record->setComment(comments.pick());
        record->setIncludeInStats(std::uniform_int_distribution<int>(0, 19)(random) == 0 ? 0 : 1);
        KeywordList carried;
        const int count = std::uniform_int_distribution<int>(0, 3)(random);
        for (int k = 0; k < count; ++k) {
            const KeywordPtr& keyword = keywords[std::uniform_int_distribution<std::size_t>(0, 49)(random)];
            if (std::find(carried.begin(), carried.end(), keyword) == carried.end()) {
                carried.push_back(keyword);
            }
        }
        record->setKeywords(std::move(carried));
        all.push_back(std::move(record));
    }
    root->mainLibrary()->setRecords(all);
    root->mainLibrary()->resort();

    // Plain books hold a tenth of the records each.
    const QStringList plainNames = {QStringLiteral("Holidays"), QStringLiteral("House"), QStringLiteral("Car"),
                                    QStringLiteral("Tax return"), QStringLiteral("Family")};
    for (const QString& name : plainNames) {
        BookPtr book = Book::create();
        book->setBookName(name);
        IOList picked;
        for (const IOPtr& record : all) {
            if (std::uniform_int_distribution<int>(0, 9)(random) == 0) {
                picked.push_back(record);
            }
        }
        book->setRecords(std::move(picked));
        book->resort();
        root->addDumbBook(book);
    }

    // A few smart books with typical trees, refreshed once.
    for (int s = 0; s < 3; ++s) {
        auto tree = AndConditions::create();
        auto amount = AmountCondition::create();
        amount->setConditionTypeCode(s == 0 ? Condition::LessThan : Condition::Between);
        amount->setObject(Amount::fromInt(10 * s));
        if (s != 0) {
            amount->setObject2(Amount::fromInt(100 * s));
        }
        tree->addCondition(amount);
        auto recent = DateCondition::create();
        recent->setConditionTypeCode(Condition::WithinLast);
        recent->setObject(Amount::fromInt(12 * (s + 1)));
        recent->setPeriodID(DateCondition::Months);
        tree->addCondition(recent);
        auto keyword = KeywordCondition::create();
        keyword->setConditionTypeCode(Condition::Includes);
        keyword->setObject(keywords[std::size_t(s)]);
        tree->addCondition(keyword);
        SmartBookPtr book = SmartBook::create();
        book->setBookName(QStringLiteral("Smart %1").arg(s + 1));
        book->setConditions(tree);
        root->reloadSmartBook(*book);
        book->resort();
        root->addSmartBook(book);
    }
    return root;
}

const DataRootPtr& SyntheticLibrary::shared(std::size_t records) {
    static std::map<std::size_t, DataRootPtr> libraries;
    DataRootPtr& root = libraries[records];
    if (!root) {
        root = build(records);
    }
    return root;
}
