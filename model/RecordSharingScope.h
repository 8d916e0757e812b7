#pragma once

#include "KeywordSet.h"
#include "RecordTexts.h"

#include <QHash>
#include <QString>

#include <cstddef>
#include <unordered_map>

// While one lives on a thread, records changed on that thread share their
// keyword lists and comments with the records changed before them, in the
// same scope, that ended up with the same. One change over many records (a
// keyword deleted everywhere, a comment given to a selection) then leaves a
// few lists and texts behind, not one per record. Scopes nest; the innermost
// one shares.
class RecordSharingScope {
public:
    RecordSharingScope();
    ~RecordSharingScope();
    RecordSharingScope(const RecordSharingScope&) = delete;
    RecordSharingScope& operator=(const RecordSharingScope&) = delete;

    // This thread's innermost scope, or null.
    static RecordSharingScope* current();

    KeywordSet share(KeywordList keywords);
    // Texts of a record with this comment and no bank id.
    RecordTexts share(const QString& comment);

private:
    static std::size_t hashOf(const KeywordList& keywords);

    RecordSharingScope* m_outer;
    std::unordered_multimap<std::size_t, KeywordSet> m_keywordSets;
    QHash<QString, RecordTexts> m_texts;
};
