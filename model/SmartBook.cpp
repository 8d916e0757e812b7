#include "SmartBook.h"

#include "Clock.h"
#include "DataRoot.h"

#include <QLoggingCategory>

namespace {
// Silent unless asked for, e.g. QT_LOGGING_RULES="kesh.smartbook.debug=true".
Q_LOGGING_CATEGORY(smartBookLog, "kesh.smartbook", QtInfoMsg)
} // namespace

SmartBook::SmartBook() = default;

SmartBook::~SmartBook() = default;

SmartBookPtr SmartBook::create() {
    return std::make_shared<SmartBook>();
}

void SmartBook::setConditions(ConditionPtr conditions) {
    m_conditions = std::move(conditions);
}

void SmartBook::reload(const DataRoot& root) {
    IOList found;
    if (m_conditions) {
        BookPtr source = m_conditions->getBook();
        if (!source) {
            source = root.mainLibrary();
        }
        // Read before replacing: the tree may name this very book.
        const IOList& candidates = source->records();
        m_conditions->beginPass(Clock::now());
        for (const IOPtr& record : candidates) {
            if (m_conditions->ioMatchesCondition(*record)) {
                found.push_back(record);
            }
        }
        m_conditions->endPass();
    }
    setRecords(std::move(found));
}

void SmartBook::reloadIO(const IO&) {
    qCDebug(smartBookLog) << "single reload";
}

void SmartBook::reloadIOSet(const QSet<const IO*>&) {
    qCDebug(smartBookLog) << "set reload";
}

QString SmartBook::image() const {
    return QStringLiteral("SmartBook");
}
