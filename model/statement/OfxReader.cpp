#include "OfxReader.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QString decodeEntities(QStringView text) {
    if (!text.contains(u'&')) {
        return text.toString();
    }
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype end = text[i] == u'&' ? text.indexOf(u';', i) : -1;
        if (end < 0 || end - i > 10) {
            out += text[i];
            continue;
        }
        const QStringView entity = text.sliced(i + 1, end - i - 1);
        char32_t code = 0;
        bool ok = true;
        if (entity == u"amp") {
            code = u'&';
        } else if (entity == u"lt") {
            code = u'<';
        } else if (entity == u"gt") {
            code = u'>';
        } else if (entity == u"quot") {
            code = u'"';
        } else if (entity == u"apos") {
            code = u'\'';
        } else if (entity.startsWith(u"#x") || entity.startsWith(u"#X")) {
            code = entity.sliced(2).toUInt(&ok, 16);
        } else if (entity.startsWith(u'#')) {
            code = entity.sliced(1).toUInt(&ok, 10);
        } else {
            ok = false;
        }
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out += text[i];
            continue;
        }
        out += QString::fromUcs4(&code, 1);
        i = end;
    }
    return out;
}

// "20261231", "20261231120000.000[-5:EST]": the day the bank wrote, as written.
QDate dayOf(QStringView text) {
    if (text.size() < 8) {
        return QDate();
    }
    for (int i = 0; i < 8; ++i) {
        if (text[i] < u'0' || text[i] > u'9') {
            return QDate();
        }
    }
    return QDate(text.sliced(0, 4).toInt(), text.sliced(4, 2).toInt(), text.sliced(6, 2).toInt());
}

constexpr std::size_t maxNesting = 64;

qint64 linesIn(QStringView text) {
    return text.count(u'\n');
}

} // namespace

bool OfxReader::fail(const QString& message) {
    m_error = message;
    m_nodes.clear();
    m_statement = OfxStatement();
    return false;
}

bool OfxReader::read(QByteArrayView bytes) {
    m_error.clear();
    m_nodes.clear();
    m_statement = OfxStatement();
    QString body;
    qint64 firstLine = 1;
    if (!decode(bytes, &body, &firstLine) || !parse(body, firstLine) || !extract()) {
        return false;
    }
    m_nodes.clear();
    return true;
}

QString OfxReader::converterFor(const QString& encoding, const QString& charset) {
    const QString e = encoding.trimmed().toUpper();
    const QString c = charset.trimmed().toUpper();
    if (e == u"UTF-8" || e == u"UTF8" || e == u"UNICODE") {
        return QStringLiteral("UTF-8");
    }
    if (c.isEmpty() || c == u"NONE" || c == u"1252" || c == u"WINDOWS-1252" || c == u"CP1252") {
        // What a file that claims plain ASCII holds beyond it, in practice.
        return QStringLiteral("windows-1252");
    }
    if (c == u"ISO-8859-1" || c == u"8859-1" || c == u"LATIN-1" || c == u"LATIN1") {
        return QStringLiteral("ISO-8859-1");
    }
    if (c == u"932" || c == u"SHIFT_JIS" || c == u"SHIFT-JIS" || c == u"SJIS" || c == u"CP932" || c == u"WINDOWS-31J") {
        return QStringLiteral("Shift_JIS");
    }
    bool number = false;
    c.toInt(&number);
    const QString name = number ? QStringLiteral("windows-") + c : charset.trimmed();
    return QStringDecoder(name.toLatin1().constData()).isValid() ? name : QString();
}

bool OfxReader::decode(QByteArrayView bytes, QString* text, qint64* firstLine) {
    qsizetype start = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        start = 3;
    }
    while (start < bytes.size() && QChar::isSpace(uchar(bytes[start]))) {
        ++start;
    }
    const QByteArrayView rest = bytes.sliced(start);
    QString codec = QStringLiteral("UTF-8");
    qsizetype bodyStart = start;
    if (rest.startsWith("<")) {
        // Version 2: an XML declaration may name the encoding.
        static const QRegularExpression declared(QStringLiteral("^<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
        const QString head = QString::fromLatin1(rest.first(std::min<qsizetype>(rest.size(), 200)));
        const QRegularExpressionMatch match = declared.match(head);
        if (match.hasMatch()) {
            codec = match.captured(1);
            if (!QStringDecoder(codec.toLatin1().constData()).isValid()) {
                return fail(tr("The file is written in the encoding “%1”, which kesh does not know.").arg(codec));
            }
        }
    } else if (rest.startsWith("OFXHEADER")) {
        // Version 1: KEY:VALUE pairs, one a line or all on one, up to the first tag.
        qsizetype tag = rest.indexOf('<');
        if (tag < 0) {
            return fail(tr("The file holds an OFX header and nothing after it."));
        }
        const QString header = QString::fromLatin1(rest.first(tag));
        QString encoding;
        QString charset;
        for (const QString& pair : header.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            const qsizetype colon = pair.indexOf(u':');
            const QString key = pair.left(colon).toUpper();
            if (key == u"ENCODING") {
                encoding = pair.mid(colon + 1);
            } else if (key == u"CHARSET") {
                charset = pair.mid(colon + 1);
            }
        }
        codec = converterFor(encoding, charset);
        if (codec.isEmpty()) {
            return fail(tr("The file is written in the character set “%1”, which kesh does not know.").arg(charset));
        }
        bodyStart = start + tag;
    } else {
        return fail(tr("The file is not an OFX or QFX file: it starts with neither an OFX header nor a tag."));
    }
    QStringDecoder decoder(codec.toLatin1().constData());
    *text = decoder.decode(bytes.sliced(bodyStart));
    if (decoder.hasError()) {
        return fail(tr("The file's text is not in the encoding its header names (%1).").arg(codec));
    }
    *firstLine = 1 + bytes.first(bodyStart).count('\n');
    return true;
}

bool OfxReader::parse(const QString& body, qint64 firstLine) {
    m_nodes.push_back({QStringLiteral("#root"), QString(), firstLine, {}});
    std::vector<std::size_t> open{0};
    // A field just read, whose end tag may follow.
    std::size_t pendingLeaf = 0;
    qint64 line = firstLine;
    const QStringView text(body);
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] != u'<') {
            const qsizetype next = text.indexOf(u'<', i);
            const QStringView loose = text.sliced(i, (next < 0 ? n : next) - i);
            if (!loose.trimmed().isEmpty()) {
                return fail(tr("Line %1: the text “%2” stands outside any field.")
                                .arg(line)
                                .arg(loose.trimmed().left(40).toString()));
            }
            line += linesIn(loose);
            i = next < 0 ? n : next;
            continue;
        }
        const QStringView rest = text.sliced(i);
        if (rest.startsWith(u"<!--") || rest.startsWith(u"<?") || rest.startsWith(u"<!")) {
            const QStringView closing = rest.startsWith(u"<!--") ? u"-->" : rest.startsWith(u"<?") ? u"?>" : u">";
            const qsizetype end = rest.indexOf(closing);
            if (end < 0) {
                return fail(tr("Line %1: a comment or declaration never ends.").arg(line));
            }
            line += linesIn(rest.first(end));
            i += end + closing.size();
            continue;
        }
        const qsizetype close = text.indexOf(u'>', i);
        const qsizetype nextOpen = text.indexOf(u'<', i + 1);
        if (close < 0 || (nextOpen >= 0 && nextOpen < close)) {
            return fail(tr("Line %1: a tag never ends (no “>”).").arg(line));
        }
        QStringView tag = text.sliced(i + 1, close - i - 1).trimmed();
        line += linesIn(tag);
        i = close + 1;
        if (tag.startsWith(u'/')) {
            const QString name = tag.sliced(1).trimmed().toString().toUpper();
            if (pendingLeaf != 0 && m_nodes[pendingLeaf].name == name) {
                pendingLeaf = 0;
                continue;
            }
            pendingLeaf = 0;
            auto found = open.end();
            for (auto it = open.begin() + 1; it != open.end(); ++it) {
                if (m_nodes[*it].name == name) {
                    found = it;
                }
            }
            if (found == open.end()) {
                return fail(tr("Line %1: </%2> closes nothing that is open.").arg(line).arg(name));
            }
            open.erase(found, open.end());
            continue;
        }
        const bool empty = tag.endsWith(u'/');
        if (empty) {
            tag.chop(1);
        }
        // Version 2 allows attributes; OFX uses none.
        const qsizetype space = tag.indexOf(u' ');
        const QString name = (space < 0 ? tag : tag.first(space)).toString().toUpper();
        if (name.isEmpty()) {
            return fail(tr("Line %1: a tag without a name.").arg(line));
        }
        const qsizetype next = text.indexOf(u'<', i);
        const QStringView raw = text.sliced(i, (next < 0 ? n : next) - i);
        const std::size_t index = m_nodes.size();
        m_nodes.push_back({name, decodeEntities(raw.trimmed()), line, {}});
        m_nodes[open.back()].children.push_back(index);
        line += linesIn(raw);
        i = next < 0 ? n : next;
        pendingLeaf = 0;
        if (empty) {
            continue;
        }
        if (!m_nodes[index].value.isEmpty()) {
            pendingLeaf = index;
            continue;
        }
        // An empty field closed at once, or an aggregate of fields.
        const QString endTag = QStringLiteral("</") + name + u'>';
        if (text.sliced(i).startsWith(endTag, Qt::CaseInsensitive)) {
            i += endTag.size();
            continue;
        }
        // Statements nest a few levels; a file nested deeper is no statement.
        if (open.size() > maxNesting) {
            return fail(tr("Line %1: the file's elements nest deeper than %2 levels.").arg(line).arg(maxNesting));
        }
        open.push_back(index);
    }
    if (open.size() > 1) {
        const Node& inside = m_nodes[open.back()];
        return fail(
            tr("The file ends inside <%1>, opened on line %2: it is cut off.").arg(inside.name).arg(inside.line));
    }
    return true;
}

const OfxReader::Node* OfxReader::child(const Node& node, QStringView name) const {
    for (const std::size_t index : node.children) {
        if (m_nodes[index].name == name) {
            return &m_nodes[index];
        }
    }
    return nullptr;
}

void OfxReader::collect(const Node& node, QStringView name, std::vector<const Node*>& found, QStringView stopAt) const {
    for (const std::size_t index : node.children) {
        const Node& c = m_nodes[index];
        if (c.name == name) {
            found.push_back(&c);
        }
        if (stopAt.isEmpty() || c.name != stopAt) {
            collect(c, name, found, stopAt);
        }
    }
}

bool OfxReader::extract() {
    const Node& root = m_nodes[0];
    if (!child(root, u"OFX")) {
        return fail(tr("The file holds no <OFX> element."));
    }
    std::vector<const Node*> bank;
    std::vector<const Node*> cards;
    collect(root, u"STMTRS", bank);
    collect(root, u"CCSTMTRS", cards);
    if (bank.empty() && cards.empty()) {
        std::vector<const Node*> messages;
        collect(root, u"MESSAGE", messages);
        std::vector<const Node*> investments;
        collect(root, u"INVSTMTRS", investments);
        if (!investments.empty()) {
            return fail(tr("The file holds only investment statements; kesh imports bank and credit card statements."));
        }
        return fail(messages.empty() ? tr("The file holds no bank or credit card statement.")
                                     : tr("The file holds no statement; the bank says: %1").arg(messages[0]->value));
    }
    for (const Node* statement : bank) {
        if (!readAccount(*statement, false)) {
            return false;
        }
    }
    for (const Node* statement : cards) {
        if (!readAccount(*statement, true)) {
            return false;
        }
    }
    return true;
}

bool OfxReader::readAccount(const Node& statement, bool creditCard) {
    OfxStatement::Account account;
    account.line = statement.line;
    account.creditCard = creditCard;
    if (const Node* currency = child(statement, u"CURDEF")) {
        account.currency = currency->value;
    }
    if (const Node* from = child(statement, creditCard ? u"CCACCTFROM" : u"BANKACCTFROM")) {
        if (const Node* field = child(*from, u"BANKID")) {
            account.bankId = field->value;
        }
        if (const Node* field = child(*from, u"ACCTID")) {
            account.accountId = field->value;
        }
        if (const Node* field = child(*from, u"ACCTTYPE")) {
            account.type = field->value;
        }
    }
    if (creditCard && account.type.isEmpty()) {
        account.type = QStringLiteral("CREDITCARD");
    }
    if (const Node* list = child(statement, u"BANKTRANLIST")) {
        if (!readDay(child(*list, u"DTSTART"), "DTSTART", list->line, &account.start, false) ||
            !readDay(child(*list, u"DTEND"), "DTEND", list->line, &account.end, false)) {
            return false;
        }
        std::vector<const Node*> transactions;
        collect(*list, u"STMTTRN", transactions);
        account.transactions.reserve(transactions.size());
        for (const Node* transaction : transactions) {
            if (!readTransaction(*transaction, account)) {
                return false;
            }
        }
    }
    m_statement.accounts.push_back(std::move(account));
    return true;
}

bool OfxReader::readDay(const Node* field, const char* name, qint64 line, QDate* day, bool required) {
    if (!field) {
        if (required) {
            return fail(tr("Line %1: the transaction has no %2.").arg(line).arg(QLatin1String(name)));
        }
        return true;
    }
    *day = dayOf(field->value);
    if (!day->isValid()) {
        return fail(tr("Line %1: “%2” is not a date.").arg(field->line).arg(field->value));
    }
    return true;
}

bool OfxReader::readTransaction(const Node& node, OfxStatement::Account& account) {
    OfxStatement::Transaction t;
    t.line = node.line;
    if (!readDay(child(node, u"DTPOSTED"), "DTPOSTED", node.line, &t.posted, true) ||
        !readDay(child(node, u"DTUSER"), "DTUSER", node.line, &t.user, false)) {
        return false;
    }
    const Node* amount = child(node, u"TRNAMT");
    if (!amount) {
        return fail(tr("Line %1: the transaction has no TRNAMT.").arg(node.line));
    }
    QString amountText = amount->value;
    // Some banks write the decimal comma.
    if (!amountText.contains(u'.') && amountText.count(u',') == 1) {
        amountText.replace(u',', u'.');
    }
    QString reason;
    const std::optional<Amount> value = Amount::fromString(amountText, &reason);
    if (!value) {
        return fail(tr("Line %1: “%2” is not an amount. %3").arg(amount->line).arg(amount->value, reason));
    }
    t.amount = *value;
    const auto text = [&](const Node& from, QStringView name) {
        const Node* field = child(from, name);
        return field ? field->value : QString();
    };
    t.type = text(node, u"TRNTYPE");
    t.fitId = text(node, u"FITID");
    t.name = text(node, u"NAME");
    if (const Node* payee = child(node, u"PAYEE"); payee && t.name.isEmpty()) {
        t.name = text(*payee, u"NAME");
    }
    t.memo = text(node, u"MEMO");
    t.checkNumber = text(node, u"CHECKNUM");
    account.transactions.push_back(std::move(t));
    return true;
}
