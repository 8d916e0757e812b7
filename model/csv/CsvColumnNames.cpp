#include "CsvColumnNames.h"

#include <initializer_list>

namespace {

using Names = std::initializer_list<const char16_t*>;

// Every list runs from the plainest name of its role to the least plain.
const Names dateNames = {u"date",
                         u"transaction date",
                         u"trans. date",
                         u"trans date",
                         u"started date",
                         u"booking date",
                         u"buchungstag",
                         u"buchungsdatum",
                         u"datum",
                         u"date operation",
                         u"date de l'operation",
                         u"date de operation",
                         u"fecha",
                         u"fecha operacion",
                         u"fecha de operacion",
                         u"data",
                         u"data operazione",
                         u"data contabile",
                         u"boekdatum",
                         u"transactiedatum",
                         u"日付",
                         u"年月日",
                         u"取引日",
                         u"お取引日",
                         u"取引日付",
                         u"利用日",
                         u"ご利用日",
                         u"利用年月日",
                         u"ご利用年月日",
                         u"取扱日",
                         u"お取扱日",
                         u"日時",
                         u"取引日時",
                         u"posting date",
                         u"post date",
                         u"posted date",
                         u"posted",
                         u"day",
                         u"completed date",
                         u"value date",
                         u"wertstellung",
                         u"valuta",
                         u"valutadatum",
                         u"date valeur",
                         u"date de valeur",
                         u"fecha valor",
                         u"data valuta",
                         u"rentedatum"};

const Names amountNames = {u"amount",     u"transaction amount",
                           u"value",      u"sum",
                           u"betrag",     u"umsatz",
                           u"montant",    u"importe",
                           u"importo",    u"bedrag",
                           u"金額",       u"取引金額",
                           u"お取引金額", u"利用金額",
                           u"ご利用金額", u"利用額",
                           u"ご利用額",   u"charge",
                           u"charges",    u"charge amount",
                           u"請求金額",   u"ご請求金額",
                           u"お支払金額", u"支払金額"};

const Names chargeNames = {u"charge",     u"charges",    u"charge amount", u"purchase", u"purchases",
                           u"利用金額",   u"ご利用金額", u"利用額",        u"ご利用額", u"請求金額",
                           u"ご請求金額", u"お支払金額", u"支払金額"};

const Names debitNames = {
    u"debit",        u"debits",    u"debit amount", u"withdrawal", u"withdrawals", u"withdrawal amount",
    u"paid out",     u"money out", u"out",          u"outgoing",   u"outflow",     u"soll",
    u"ausgang",      u"ausgaben",  u"belastung",    u"retrait",    u"retraits",    u"cargo",
    u"cargos",       u"debe",      u"addebito",     u"addebiti",   u"uscite",      u"af",
    u"afschrijving", u"出金",      u"出金金額",     u"出金額",     u"お引出し",    u"お引出金額",
    u"引出金額",     u"引出額",    u"お支払金額",   u"支払金額",   u"お支払",      u"支払",
    u"支出"};

const Names creditNames = {
    u"credit",     u"credits",    u"credit amount", u"deposit",       u"deposits", u"deposit amount", u"paid in",
    u"money in",   u"in",         u"incoming",      u"inflow",        u"haben",    u"eingang",        u"einnahmen",
    u"gutschrift", u"versement",  u"versements",    u"abono",         u"abonos",   u"haber",          u"accredito",
    u"accrediti",  u"entrate",    u"bij",           u"bijschrijving", u"入金",     u"入金金額",       u"入金額",
    u"お預入れ",   u"お預け入れ", u"お預入金額",    u"預入金額",      u"預入額",   u"お預り金額",     u"預り金額",
    u"収入"};

const Names commentNames = {u"description",
                            u"transaction description",
                            u"details",
                            u"transaction details",
                            u"transactions",
                            u"memo",
                            u"payee",
                            u"name",
                            u"merchant",
                            u"narrative",
                            u"reference",
                            u"text",
                            u"comment",
                            u"particulars",
                            u"counterparty",
                            u"verwendungszweck",
                            u"buchungstext",
                            u"beschreibung",
                            u"auftraggeber / begunstigter",
                            u"auftraggeber/begunstigter",
                            u"begunstigter/zahlungspflichtiger",
                            u"beguenstigter/zahlungspflichtiger",
                            u"zahlungsempfanger",
                            u"empfanger",
                            u"auftraggeber",
                            u"libelle",
                            u"libelle operation",
                            u"libelle de l'operation",
                            u"detail",
                            u"concepto",
                            u"descripcion",
                            u"movimiento",
                            u"descrizione",
                            u"causale",
                            u"omschrijving",
                            u"naam / omschrijving",
                            u"naam",
                            u"mededelingen",
                            u"摘要",
                            u"内容",
                            u"取引内容",
                            u"お取引内容",
                            u"利用店名",
                            u"ご利用店名",
                            u"ご利用店名・商品名",
                            u"利用先",
                            u"ご利用先",
                            u"お取引先",
                            u"備考",
                            u"メモ"};

const Names keywordNames = {u"keywords",  u"tags",      u"category",   u"categories", u"kategorie",
                            u"categorie", u"categoria", u"キーワード", u"カテゴリ",   u"カテゴリー"};

const Names countedNames = {u"counted"};

const Names idNames = {u"transaction id", u"fitid"};

const Names& namesOf(CsvColumnNames::Role role) {
    switch (role) {
    case CsvColumnNames::Role::Date:
        return dateNames;
    case CsvColumnNames::Role::Amount:
        return amountNames;
    case CsvColumnNames::Role::Debit:
        return debitNames;
    case CsvColumnNames::Role::Credit:
        return creditNames;
    case CsvColumnNames::Role::Comment:
        return commentNames;
    case CsvColumnNames::Role::Keywords:
        return keywordNames;
    case CsvColumnNames::Role::Counted:
        return countedNames;
    case CsvColumnNames::Role::Id:
        return idNames;
    }
    return countedNames;
}

// What may follow a name and start a note on it: "Amount (GBP)", "Débit
// euros", "Zahlungsempfänger*in". A separator does not: "date;amount" is a
// line read with the wrong one.
bool isNoteStart(QChar c) {
    return c == u' ' || c == u'(' || c == u'[' || c == u':' || c == u'*' || c == u'/';
}

// A name with a note after it counts after every whole name.
constexpr int notedRank = 1000;

std::optional<int> rankIn(const Names& names, const QString& folded) {
    std::optional<int> best;
    int rank = 0;
    for (const char16_t* name : names) {
        const QStringView n(name);
        if (folded == n) {
            return rank;
        }
        if (!best && folded.size() > n.size() && folded.startsWith(n) && isNoteStart(folded[n.size()])) {
            best = notedRank + rank;
        }
        ++rank;
    }
    return best;
}

} // namespace

QString CsvColumnNames::fold(QStringView header) {
    // Compatibility decomposition makes full-width letters plain and parts accents from letters.
    const QString decomposed = header.trimmed().toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        // Accents of Latin letters go; the sound marks of kana stay.
        if (c.category() == QChar::Mark_NonSpacing && !folded.isEmpty() && folded.back().unicode() < 0x0250) {
            continue;
        }
        if (c.isSpace()) {
            if (!folded.isEmpty() && folded.back() != u' ') {
                folded.append(u' ');
            }
            continue;
        }
        folded.append(c);
    }
    return folded.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}

std::optional<int> CsvColumnNames::rank(Role role, QStringView header) {
    return rankIn(namesOf(role), fold(header));
}

bool CsvColumnNames::namesCharges(QStringView header) {
    return rankIn(chargeNames, fold(header)).has_value();
}
