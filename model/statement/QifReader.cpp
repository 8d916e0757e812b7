#include "QifReader.h"

#include "CsvAmountReader.h"
#include "CsvEncoding.h"

#include <QStringDecoder>

#include <algorithm>
#include <limits>

namespace {

std::optional<Amount> readAmount(QStringView text, QString* reason) {
    // QIF writers write points; a file from a comma country may not.
    std::optional<Amount> amount = CsvAmountReader(CsvAmountReader::DecimalMark::Point).read(text, reason);
    if (!amount && !text.trimmed().isEmpty()) {
        QString other;
        amount = CsvAmountReader(CsvAmountReader::DecimalMark::Comma).read(text, &other);
    }
    if (amount) {
        reason->clear();
    } else if (reason->isEmpty()) {
        *reason = QifReader::tr("The amount is empty.");
    }
    return amount;
}

// The exact sum, or nothing when it does not fit an amount.
std::optional<Amount> sum(const Amount& a, const Amount& b) {
    const int exponent = std::min(a.exponent(), b.exponent());
    const auto scaled = [exponent](const Amount& value) -> std::optional<std::int64_t> {
        std::int64_t mantissa = value.mantissa();
        for (int i = exponent; i < value.exponent(); ++i) {
            if (mantissa > Amount::maxMantissa / 10 || mantissa < -Amount::maxMantissa / 10) {
                return std::nullopt;
            }
            mantissa *= 10;
        }
        return mantissa;
    };
    const std::optional<std::int64_t> left = scaled(a);
    const std::optional<std::int64_t> right = scaled(b);
    if (!left || !right) {
        return std::nullopt;
    }
    return Amount::fromParts(*left + *right, exponent);
}

} // namespace

bool QifReader::read(QByteArrayView bytes) {
    m_items.clear();
    m_problems.clear();
    m_error.clear();
    m_section = Section::None;
    m_item.reset();
    m_itemProblem.clear();
    if (bytes.isEmpty()) {
        m_error = tr("The file is empty.");
        return false;
    }
    QStringDecoder decoder(CsvEncoding::converterName(CsvEncoding::guess(bytes)));
    const QString text = decoder.decode(bytes);
    readLines(text);
    if (!m_error.isEmpty()) {
        m_items.clear();
        m_problems.clear();
        return false;
    }
    return true;
}

void QifReader::readLines(const QString& text) {
    qint64 lineNumber = 0;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (lineNumber == 1 && line.startsWith(QChar(0xFEFF))) {
            line = line.sliced(1);
        }
        if (line.trimmed().isEmpty()) {
            continue;
        }
        if (line.front() == u'!') {
            endItem(lineNumber);
            if (!readHeader(line.trimmed(), lineNumber)) {
                return;
            }
            continue;
        }
        if (m_section == Section::None) {
            m_error = tr("Line %1 comes before any line such as “!Type:Bank” that says what the file holds; this is "
                         "no QIF file kesh can read.")
                          .arg(lineNumber);
            return;
        }
        if (line.front() == u'^') {
            endItem(lineNumber);
            continue;
        }
        readField(line.front(), line.sliced(1).trimmed().toString(), lineNumber);
    }
    endItem(lineNumber);
}

bool QifReader::readHeader(QStringView line, qint64 lineNumber) {
    const QString folded = line.toString().toCaseFolded().remove(u' ');
    if (folded.startsWith(u"!option:") || folded.startsWith(u"!clear:")) {
        return true;
    }
    if (folded == u"!account") {
        m_section = Section::Account;
        return true;
    }
    if (!folded.startsWith(u"!type:")) {
        m_error = tr("Line %1, “%2”, is no QIF header kesh knows.").arg(lineNumber).arg(line.toString());
        return false;
    }
    const QString type = folded.mid(6);
    m_sectionName = line.sliced(line.indexOf(u':') + 1).trimmed().toString();
    m_section = Section::Transactions;
    if (type == u"bank") {
        m_account = AccountType::Bank;
    } else if (type == u"ccard") {
        m_account = AccountType::CreditCard;
    } else if (type == u"cash") {
        m_account = AccountType::Cash;
    } else {
        m_section = Section::Other;
    }
    return true;
}

void QifReader::readField(QChar code, const QString& value, qint64 lineNumber) {
    if (m_section == Section::Account) {
        // What the account is called and of which kind: the sections after it say.
        return;
    }
    // A second day in one item: the item before lacked its ^, and ends here.
    if (m_item && code.toUpper() == u'D' && !m_item->date.isEmpty() && m_section == Section::Transactions) {
        endItem(lineNumber);
    }
    if (!m_item) {
        m_item = Item();
        m_item->line = lineNumber;
        m_item->account = m_account;
    }
    if (m_section == Section::Other) {
        return;
    }
    Item& item = *m_item;
    QString reason;
    switch (code.toUpper().unicode()) {
    case u'D':
        item.date = value;
        break;
    case u'T':
    case u'U':
        // U repeats T in the files that write both.
        if (code.toUpper() == u'T' || !item.amount) {
            item.amount = readAmount(value, &reason);
            if (!item.amount && m_itemProblem.isEmpty()) {
                m_itemProblem = tr("Line %1: %2").arg(lineNumber).arg(reason);
            }
        }
        break;
    case u'P':
        item.payee = value;
        break;
    case u'M':
        item.memo = value;
        break;
    case u'L':
        item.categories.append(value);
        break;
    case u'N':
        item.number = value;
        break;
    case u'C':
        item.cleared = value;
        break;
    case u'S':
        item.splits.push_back({lineNumber, value, QString(), std::nullopt});
        break;
    case u'E':
    case u'$':
        if (item.splits.empty() || (code == u'E' && !item.splits.back().memo.isEmpty()) ||
            (code == u'$' && item.splits.back().amount)) {
            // A split line without its category: it starts a split of its own.
            item.splits.push_back({lineNumber, QString(), QString(), std::nullopt});
        }
        if (code == u'E') {
            item.splits.back().memo = value;
        } else {
            item.splits.back().amount = readAmount(value, &reason);
            if (!item.splits.back().amount && m_itemProblem.isEmpty()) {
                m_itemProblem = tr("Line %1: %2").arg(lineNumber).arg(reason);
            }
        }
        break;
    default:
        // Addresses, percentages, flags: nothing a record keeps.
        break;
    }
}

void QifReader::endItem(qint64 lineNumber) {
    Q_UNUSED(lineNumber);
    if (!m_item) {
        return;
    }
    Item item = std::move(*m_item);
    m_item.reset();
    QString problem = std::exchange(m_itemProblem, QString());
    if (m_section == Section::Other) {
        const bool list = m_sectionName.compare(u"Cat", Qt::CaseInsensitive) == 0 ||
                          m_sectionName.compare(u"Class", Qt::CaseInsensitive) == 0 ||
                          m_sectionName.compare(u"Memorized", Qt::CaseInsensitive) == 0;
        // Lists of categories and classes hold no transactions.
        if (!list) {
            m_problems.push_back({item.line, tr("kesh imports bank, credit card and cash accounts; this item is of "
                                                "an account of kind “%1”.")
                                                 .arg(m_sectionName)});
        }
        return;
    }
    if (problem.isEmpty() && item.date.isEmpty()) {
        problem = tr("The item has no date (no D line).");
    }
    if (problem.isEmpty() && !item.amount) {
        // Some writers leave the total to the split lines.
        std::optional<Amount> total = Amount();
        for (const Split& split : item.splits) {
            total = total && split.amount ? sum(*total, *split.amount) : std::nullopt;
        }
        if (item.splits.empty() || !total) {
            problem = tr("The item has no amount (no T line).");
        } else {
            item.amount = total;
        }
    }
    if (!problem.isEmpty()) {
        m_problems.push_back({item.line, problem});
        return;
    }
    m_items.push_back(std::move(item));
}

std::vector<QifDateReader::Order> QifReader::readings() const {
    std::vector<QString> dates;
    dates.reserve(m_items.size());
    for (const Item& item : m_items) {
        dates.push_back(item.date);
    }
    return QifDateReader::readings(dates);
}

QString QifReader::commentOf(const QString& payee, const QString& memo) {
    if (memo.isEmpty() || memo == payee) {
        return payee;
    }
    if (payee.isEmpty()) {
        return memo;
    }
    return tr("%1 – %2", "payee and memo of a transaction").arg(payee, memo);
}

std::optional<QString> QifReader::keywordOf(const QString& category) {
    const QString name = category.trimmed();
    if (name.isEmpty() || name == u"--Split--") {
        return std::nullopt;
    }
    return name;
}

QifReader::Transactions QifReader::transactions(QifDateReader::Order order, SplitMode mode) const {
    Transactions result;
    result.problems = m_problems;
    result.transactions.reserve(m_items.size());
    QString reason;
    for (const Item& item : m_items) {
        const QDate day = QifDateReader::read(item.date, order, &reason);
        if (!day.isValid()) {
            result.problems.push_back({item.line, reason});
            continue;
        }
        if (mode == SplitMode::PerSplit && !item.splits.empty()) {
            std::optional<Amount> total = Amount();
            for (const Split& split : item.splits) {
                total = total && split.amount ? sum(*total, *split.amount) : std::nullopt;
            }
            if (!total || *total != *item.amount) {
                result.problems.push_back(
                    {item.line, tr("The split lines do not add up to the total %1.").arg(item.amount->toString())});
                continue;
            }
            for (const Split& split : item.splits) {
                StatementTransaction transaction{split.line,
                                                 day,
                                                 *split.amount,
                                                 commentOf(item.payee, split.memo.isEmpty() ? item.memo : split.memo),
                                                 {},
                                                 QString()};
                if (const std::optional<QString> keyword = keywordOf(split.category)) {
                    transaction.keywords.append(*keyword);
                }
                result.transactions.push_back(std::move(transaction));
            }
            continue;
        }
        StatementTransaction transaction{item.line, day, *item.amount, commentOf(item.payee, item.memo), {}, QString()};
        const auto addKeyword = [&transaction](const QString& category) {
            const std::optional<QString> keyword = keywordOf(category);
            if (keyword && !transaction.keywords.contains(*keyword)) {
                transaction.keywords.append(*keyword);
            }
        };
        for (const QString& category : item.categories) {
            addKeyword(category);
        }
        for (const Split& split : item.splits) {
            addKeyword(split.category);
        }
        result.transactions.push_back(std::move(transaction));
    }
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return result;
}
