#pragma once

#include "DataRoot.h"
#include "KeywordRule.h"

#include <QListWidget>

#include <vector>

// The library's enabled keyword rules, each ticked: unticking one leaves it
// out of this import only.
class ImportRulesList : public QListWidget {
    Q_OBJECT

public:
    explicit ImportRulesList(const DataRoot& root, QWidget* parent = nullptr);

    // The rules the user unticked.
    std::vector<const KeywordRule*> skipped() const;

signals:
    void ticksChanged();

private:
    std::vector<const KeywordRule*> m_rules;
};
