#include "CsvPlanModel.h"
#include "AppPalette.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

#include <algorithm>

CsvPlanModel::CsvPlanModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void CsvPlanModel::setPlan(CsvImportPlan* plan) {
    beginResetModel();
    m_plan = plan;
    // One number of decimals for the column, as the record table shows it: -36.80 beside -6.66.
    m_amountDecimals = 0;
    for (std::size_t row = 0; plan && row < plan->rowCount(); ++row) {
        if (plan->status(row) != CsvImportPlan::Status::Unreadable) {
            m_amountDecimals = std::max(m_amountDecimals, LedgerFormat::decimalsOf(plan->amount(row)));
        }
    }
    endResetModel();
}

QString CsvPlanModel::dayFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::LongFormat);
    // The weekday goes with the punctuation that ties it to the rest.
    const qsizetype weekday = format.indexOf(QStringLiteral("dddd"));
    if (weekday >= 0) {
        const auto isTie = [&](qsizetype i) {
            return !format[i].isLetter() && format[i] != u'\'';
        };
        qsizetype start = weekday;
        qsizetype end = weekday + 4;
        while (end < format.size() && isTie(end)) {
            ++end;
        }
        while (end == format.size() && start > 0 && isTie(start - 1)) {
            --start;
        }
        format.remove(start, end - start);
    }
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return format.trimmed();
}

void CsvPlanModel::setMatcher(const KeywordRuleMatcher* matcher) {
    m_matcher = matcher;
    if (rowCount() > 0) {
        emit dataChanged(index(0, RulesColumn), index(rowCount() - 1, RulesColumn));
    }
}

// Asked for the rows on screen only: a long file is matched as it scrolls.
QString CsvPlanModel::ruleKeywords(std::size_t row) const {
    if (!m_matcher || !m_matcher->hasRules()) {
        return QString();
    }
    QStringList names;
    for (const KeywordPtr& keyword :
         m_matcher
             ->match(m_plan->day(row), m_plan->amount(row), m_plan->comment(row).toString(), m_plan->keywordNames(row))
             .keywords) {
        names.append(keyword->name());
    }
    return names.join(QStringLiteral(", "));
}

int CsvPlanModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_plan ? 0 : int(m_plan->rowCount());
}

int CsvPlanModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString CsvPlanModel::statusText(std::size_t row) const {
    switch (m_plan->status(row)) {
    case CsvImportPlan::Status::Ready:
        return tr("Import");
    case CsvImportPlan::Status::Duplicate:
        return tr("Already in the library");
    case CsvImportPlan::Status::Unreadable:
        return tr("Cannot be read");
    }
    return QString();
}

QVariant CsvPlanModel::display(std::size_t row, int column) const {
    if (column == LineColumn) {
        return QLocale().toString(m_plan->line(row));
    }
    if (column == ImportColumn) {
        return statusText(row);
    }
    if (m_plan->status(row) == CsvImportPlan::Status::Unreadable) {
        if (column == DateColumn) {
            // Problems are in row order.
            const std::vector<CsvImportPlan::Problem>& problems = m_plan->problems();
            const auto found =
                std::lower_bound(problems.begin(), problems.end(), row,
                                 [](const CsvImportPlan::Problem& p, std::size_t r) { return p.row < r; });
            return found != problems.end() && found->row == row ? found->reason : QString();
        }
        return {};
    }
    switch (column) {
    case DateColumn:
        return m_format.locale().toString(m_plan->day(row), m_dayFormat);
    case AmountColumn:
        return m_format.formatAmount(m_plan->amount(row), m_amountDecimals);
    case CommentColumn: {
        QString comment = m_plan->comment(row).toString();
        return comment.replace(u'\n', u' ').replace(u'\r', u' ');
    }
    case KeywordsColumn:
        return m_plan->keywordNames(row).join(QStringLiteral(", "));
    case CountedColumn:
        return m_plan->counted(row) ? tr("Yes") : tr("No");
    case RulesColumn:
        return ruleKeywords(row);
    default:
        return {};
    }
}

QVariant CsvPlanModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto row = std::size_t(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return display(row, index.column());
    case Qt::AccessibleTextRole:
        // A screen reader stops at empty cells too.
        if (display(row, index.column()).toString().isEmpty()) {
            if (index.column() == ImportColumn) {
                return m_plan->isImported(row) ? tr("Imported") : tr("Left out");
            }
            return tr("Empty");
        }
        return {};
    case Qt::CheckStateRole:
        if (index.column() == ImportColumn && m_plan->status(row) != CsvImportPlan::Status::Unreadable) {
            return m_plan->isImported(row) ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::ForegroundRole:
        if (m_plan->status(row) == CsvImportPlan::Status::Unreadable) {
            // A red that reads on the ground of either scheme.
            return QBrush(AppPalette::isDark() ? QColor(0xff, 0x7b, 0x72) : QColor(0xC0, 0x1C, 0x28));
        }
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

bool CsvPlanModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != ImportColumn ||
        m_plan->status(std::size_t(index.row())) != CsvImportPlan::Status::Duplicate) {
        return false;
    }
    m_plan->setDuplicateTicked(std::size_t(index.row()), value.value<Qt::CheckState>() == Qt::Checked);
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    emit ticksChanged();
    return true;
}

Qt::ItemFlags CsvPlanModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ImportColumn && index.row() < rowCount() &&
        m_plan->status(std::size_t(index.row())) == CsvImportPlan::Status::Duplicate) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant CsvPlanModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case LineColumn:
        return tr("Line");
    case ImportColumn:
        return tr("Import");
    case DateColumn:
        return tr("Date");
    case AmountColumn:
        return tr("Amount");
    case CommentColumn:
        return tr("Comment");
    case KeywordsColumn:
        return tr("Keywords");
    case CountedColumn:
        return tr("Counted");
    case RulesColumn:
        return tr("Rules Add");
    default:
        return {};
    }
}
