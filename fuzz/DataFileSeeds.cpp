// Writes small, valid data files into the folder given, as the fuzzer's
// starting points: one library of each shape the reader must handle, in the
// format this kesh writes. Each name starts with that format ("v2-books"), so
// the seeds of earlier formats stay beside them in the corpus.

#include "AmountCondition.h"
#include "AndConditions.h"
#include "BookCondition.h"
#include "Budget.h"
#include "CommentCondition.h"
#include "DataFileFormat.h"
#include "DataFileWriter.h"
#include "DateCondition.h"
#include "KeywordCondition.h"
#include "KeywordRule.h"
#include "OrConditions.h"
#include "SmartBook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <functional>

namespace {

IOPtr record(const DataRootPtr& root, int cents, const QString& comment, const KeywordList& keywords = {}) {
    IOPtr io =
        IO::create(Amount::fromParts(cents, -2), QDateTime(QDate(2023, 11, 5), QTime(10, 0)), keywords, comment, 1);
    root->mainLibrary()->addObject(io);
    return io;
}

ConditionPtr leaf(ConditionPtr condition, std::int32_t code, ConditionOperand object, ConditionOperand object2 = {}) {
    condition->setConditionTypeCode(code);
    condition->setObject(std::move(object));
    condition->setObject2(std::move(object2));
    return condition;
}

DataRootPtr empty() {
    return DataRoot::create();
}

DataRootPtr records() {
    DataRootPtr root = DataRoot::create();
    const KeywordPtr food = Keyword::create(QStringLiteral("food"));
    root->addKeyword(food);
    record(root, -1250, QStringLiteral("Bakery"), {food});
    record(root, 250000, QStringLiteral("Salary"));
    record(root, -1250, QStringLiteral("Bakery"), {food});
    root->mainLibrary()->appendObject(IO::createWithTimeOfEntry(CalendarDate::now()));
    return root;
}

DataRootPtr books() {
    DataRootPtr root = records();
    const BookPtr trip = Book::create();
    trip->setBookName(QStringLiteral("Trip"));
    trip->addObject(root->mainLibrary()->objectAtIndex(0));
    trip->setSortDescriptors({{QStringLiteral("amount"), true}, {QStringLiteral("comment"), false}});
    root->addDumbBook(trip);
    return root;
}

DataRootPtr conditions() {
    DataRootPtr root = books();
    const KeywordPtr food = root->keywords()[0];
    auto any = OrConditions::create();
    any->addCondition(leaf(AmountCondition::create(), Condition::Between, *Amount::fromParts(1050, -2),
                           *Amount::fromParts(123456789, -2)));
    any->addCondition(leaf(CommentCondition::create(), Condition::StartsWith, QStringLiteral("Ba")));
    any->addCondition(leaf(AmountCondition::create(), Condition::Is, *Amount::fromParts(-1250, -2)));
    any->addCondition(leaf(KeywordCondition::create(), Condition::Includes, food));
    any->addCondition(leaf(BookCondition::create(), Condition::Is, root->dumbBooks()[0]));
    auto all = AndConditions::create();
    all->addCondition(any);
    auto recent = DateCondition::create();
    recent->setPeriodID(DateCondition::Months);
    all->addCondition(leaf(recent, Condition::WithinLast, Amount::fromInt(2)));
    all->addCondition(leaf(DateCondition::create(), Condition::Between, CalendarDate::startOfDay(QDate(2023, 1, 1)),
                           CalendarDate::startOfDay(QDate(2023, 12, 31))));
    all->addCondition(leaf(Condition::create(), 0, {}));
    const SmartBookPtr smart = SmartBook::create();
    smart->setBookName(QStringLiteral("Smart"));
    smart->setConditions(all);
    root->addSmartBook(smart);
    // A book that names itself.
    const SmartBookPtr self = SmartBook::create();
    self->setConditions(leaf(BookCondition::create(), Condition::Is, BookPtr(self)));
    root->addSmartBook(self);
    root->reloadSmartBook(*smart);
    return root;
}

// Smart books each first met inside the tree of the one before, each with a
// record of its own: the reader goes deep before it comes back.
DataRootPtr chain() {
    DataRootPtr root = records();
    const IOPtr shared = root->mainLibrary()->objectAtIndex(0);
    std::vector<SmartBookPtr> books;
    for (int i = 0; i < 24; ++i) {
        const SmartBookPtr book = SmartBook::create();
        book->setBookName(QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0')));
        book->setRecords({IO::create(), shared});
        root->addSmartBook(book);
        books.push_back(book);
    }
    for (std::size_t i = 0; i + 1 < books.size(); ++i) {
        auto group = AndConditions::create();
        group->addCondition(leaf(BookCondition::create(), Condition::Is, BookPtr(books[i + 1])));
        books[i]->setConditions(group);
    }
    return root;
}

DataRootPtr texts() {
    DataRootPtr root = DataRoot::create();
    root->setKeshVersion(*Amount::fromString(u"-1.5e-3"));
    record(root, 1, QString(QChar(0xDC00)) + QStringLiteral("lone"));
    record(root, 2, QStringLiteral("Caf\u00e9 \U0001F600"));
    record(root, 3, QStringLiteral(""));
    return root;
}

// Bank ids on some records, and keyword rules naming the library's keywords and books.
DataRootPtr rules() {
    DataRootPtr root = books();
    root->mainLibrary()->objectAtIndex(0)->setBankId(QStringLiteral("4711#T0001"));
    root->mainLibrary()->objectAtIndex(1)->setBankId(QStringLiteral("\u00e9\U0001F600"));
    const KeywordPtr food = root->keywords().front();
    auto tree = AndConditions::create();
    tree->addCondition(leaf(CommentCondition::create(), Condition::Includes, QStringLiteral("Bakery")));
    tree->addCondition(leaf(KeywordCondition::create(), Condition::DoesNotInclude, food));
    tree->addCondition(leaf(BookCondition::create(), Condition::IsNot, root->dumbBooks().front()));
    KeywordRulePtr bakery = KeywordRule::create(QStringLiteral("Bakery"));
    bakery->setConditions(tree);
    bakery->setKeywords({food});
    KeywordRulePtr off = KeywordRule::create(QStringLiteral("Off"));
    off->setEnabled(false);
    root->setKeywordRules({bakery, off});
    return root;
}

// Budgets for a keyword and for a smart book, one a month and one a year.
DataRootPtr budgets() {
    DataRootPtr root = conditions();
    BudgetPtr food = Budget::create();
    food->setKeyword(root->keywords().front());
    food->setAmount(*Amount::fromString(u"40000"));
    BudgetPtr trips = Budget::create();
    trips->setSmartBook(root->smartBooks().front());
    trips->setAmount(*Amount::fromString(u"300000.50"));
    trips->setPeriod(Budget::Period::Year);
    root->setBudgets({food, trips});
    return root;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    const std::pair<const char*, std::function<DataRootPtr()>> seeds[] = {
        {"empty", empty}, {"records", records}, {"books", books}, {"conditions", conditions},
        {"chain", chain}, {"texts", texts},     {"rules", rules}, {"budgets", budgets}};
    for (const auto& [name, make] : seeds) {
        DataFileWriter writer;
        QFile file(folder.filePath(QStringLiteral("v%1-%2").arg(DataFileFormat::version).arg(QLatin1String(name))));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !writer.write(*make(), &file)) {
            std::fprintf(stderr, "%s: %s\n", name, qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
