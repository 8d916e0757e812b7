#include "StatementPlanModel.h"

#include "CsvPlanModel.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>

#include <algorithm>

StatementPlanModel::StatementPlanModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_dayFormat(CsvPlanModel::dayFormat(QLocale())) {}

void StatementPlanModel::setPlan(StatementImportPlan* plan) {
    beginResetModel();
    m_plan = plan;
    // One number of decimals for the column, as the record table shows it.
    m_amountDecimals = 0;
    for (std::size_t row = 0; plan && row < plan->rowCount(); ++row) {
        m_amountDecimals = std::max(m_amountDecimals, LedgerFormat::decimalsOf(plan->transaction(row).amount));
    }
    endResetModel();
}

void StatementPlanModel::setMatcher(const KeywordRuleMatcher* matcher) {
    m_matcher = matcher;
    if (rowCount() > 0) {
        emit dataChanged(index(0, RulesColumn), index(rowCount() - 1, RulesColumn));
    }
}

int StatementPlanModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_plan ? 0 : int(m_plan->rowCount());
}

int StatementPlanModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString StatementPlanModel::statusText(std::size_t row) const {
    switch (m_plan->status(row)) {
    case StatementImportPlan::Status::Ready:
        return tr("New");
    case StatementImportPlan::Status::Duplicate:
        return tr("Already in the library");
    case StatementImportPlan::Status::PossibleDuplicate:
        return tr("Possibly in the library");
    }
    return QString();
}

// Asked for the rows on screen only: a long statement is matched as it scrolls.
QString StatementPlanModel::ruleKeywords(std::size_t row) const {
    if (!m_matcher || !m_matcher->hasRules()) {
        return QString();
    }
    const StatementTransaction& t = m_plan->transaction(row);
    QStringList names;
    for (const KeywordPtr& keyword : m_matcher->match(t.day, t.amount, t.comment, t.keywords).keywords) {
        names.append(keyword->name());
    }
    return names.join(QStringLiteral(", "));
}

QVariant StatementPlanModel::display(std::size_t row, int column) const {
    const StatementTransaction& t = m_plan->transaction(row);
    switch (column) {
    case ImportColumn:
        return statusText(row);
    case LineColumn:
        return QLocale().toString(t.line);
    case DateColumn:
        return m_format.locale().toString(t.day, m_dayFormat);
    case AmountColumn:
        return m_format.formatAmount(t.amount, m_amountDecimals);
    case CommentColumn:
        return QString(t.comment).replace(u'\n', u' ');
    case KeywordsColumn:
        return t.keywords.join(QStringLiteral(", "));
    case RulesColumn:
        return ruleKeywords(row);
    default:
        return {};
    }
}

QVariant StatementPlanModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto row = std::size_t(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return display(row, index.column());
    case Qt::CheckStateRole:
        if (index.column() == ImportColumn) {
            return m_plan->isImported(row) ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::ForegroundRole:
        if (!m_plan->isImported(row)) {
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        }
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn || index.column() == LineColumn) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        return {};
    default:
        return {};
    }
}

bool StatementPlanModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable)) {
        return false;
    }
    m_plan->setImported(std::size_t(index.row()), value.value<Qt::CheckState>() == Qt::Checked);
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    emit ticksChanged();
    return true;
}

Qt::ItemFlags StatementPlanModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ImportColumn && index.row() < rowCount() &&
        m_plan->status(std::size_t(index.row())) != StatementImportPlan::Status::Ready) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant StatementPlanModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case ImportColumn:
        return tr("Import");
    case LineColumn:
        return tr("Line");
    case DateColumn:
        return tr("Date");
    case AmountColumn:
        return tr("Amount");
    case CommentColumn:
        return tr("Comment");
    case KeywordsColumn:
        return tr("Keywords");
    case RulesColumn:
        return tr("Rules Add");
    default:
        return {};
    }
}
