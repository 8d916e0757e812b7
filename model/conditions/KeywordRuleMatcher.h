#pragma once

#include "Amount.h"
#include "DataRoot.h"
#include "KeywordRule.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Tells which of a library's keyword rules match a record, or a transaction
// about to be imported, and which keywords they would add. The rules' trees
// are in a pass (relative dates from one moment, books the library still
// holds) from construction to destruction: make one for a preview or an
// application, on the thread that owns the library, and let it go.
class KeywordRuleMatcher {
public:
    struct Match {
        // Indexes into the library's rules, in rule order.
        std::vector<std::size_t> rules;
        // What the record would gain, each once, in rule order; never a
        // keyword it carries already.
        KeywordList keywords;
        bool isEmpty() const { return rules.empty(); }
    };

    // The enabled rules of `root`, as they stand now, but those `skipped`.
    explicit KeywordRuleMatcher(const DataRoot& root, const std::vector<const KeywordRule*>& skipped = {});
    ~KeywordRuleMatcher();
    KeywordRuleMatcher(const KeywordRuleMatcher&) = delete;
    KeywordRuleMatcher& operator=(const KeywordRuleMatcher&) = delete;

    Match match(const IO& record) const;
    // A transaction as a statement gives it; its keywords by name, each the
    // library's first keyword of that name (a name the library lacks stands
    // for a keyword no condition names).
    Match match(QDate day, const Amount& amount, const QString& comment, const QStringList& keywordNames) const;

    bool hasRules() const { return !m_rules.empty(); }

    // Gives records about to be imported the keywords their rules add; a
    // keyword the library's list lacks (deleted since the rule named it) joins
    // `newKeywords`, once.
    void tag(const IOList& records, KeywordList& newKeywords) const;

private:
    const DataRoot& m_root;
    // Enabled rules with a tree, with their index in the library.
    std::vector<std::pair<std::size_t, const KeywordRule*>> m_rules;
    // Made at the first transaction asked about.
    mutable QHash<QString, KeywordPtr> m_keywordsByName;
    // Stands in for a transaction; never listed, so its edits change nothing.
    mutable IOPtr m_scratch;
};
