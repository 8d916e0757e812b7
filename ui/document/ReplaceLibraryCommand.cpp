#include "ReplaceLibraryCommand.h"

#include "Budget.h"
#include "KeywordRule.h"
#include "RecurringRecord.h"
#include "SmartBook.h"

ReplaceLibraryCommand::ReplaceLibraryCommand(LibraryDocument& document, DataRoot& other, const QString& text)
    : DocumentCommand(document, text)
    , m_other{other.keshVersion(), other.mainLibrary(),  other.dumbBooks(),        other.smartBooks(),
              other.keywords(),    other.keywordRules(), other.recurringRecords(), other.budgets()} {
    other.setMainLibrary(Book::create());
    other.setDumbBooks({});
    other.setSmartBooks({});
    other.setKeywords({});
    other.setKeywordRules({});
    other.setRecurringRecords({});
    other.setBudgets({});
}

ReplaceLibraryCommand::~ReplaceLibraryCommand() {
    // The library the root does not hold goes with the command; condition
    // trees that name their own books would keep it alive.
    SmartBook::releaseTrees(m_other.smartBooks);
}

void ReplaceLibraryCommand::trade() {
    framed({LibraryDocument::Change::Library}, [this] {
        DataRoot& library = root();
        Contents leaving{library.keshVersion(),      library.mainLibrary(), library.dumbBooks(),
                         library.smartBooks(),       library.keywords(),    library.keywordRules(),
                         library.recurringRecords(), library.budgets()};
        library.setKeshVersion(m_other.version);
        library.setMainLibrary(m_other.mainLibrary);
        library.setDumbBooks(m_other.dumbBooks);
        library.setSmartBooks(m_other.smartBooks);
        library.setKeywords(m_other.keywords);
        library.setKeywordRules(m_other.keywordRules);
        library.setRecurringRecords(m_other.recurringRecords);
        library.setBudgets(m_other.budgets);
        m_other = std::move(leaving);
        // A record being composed lets go of the old keywords; lists of
        // keywords read the new ones again at the end of the change.
        if (!m_other.keywords.empty()) {
            emit document().keywordsRemoved(m_other.keywords);
        }
    });
}
