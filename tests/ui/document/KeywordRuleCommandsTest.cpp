#include "CommentCondition.h"
#include "LibraryDocument.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ConditionPtr commentIncludes(const char* text) {
    ConditionPtr leaf = CommentCondition::create();
    leaf->setConditionTypeCode(Condition::Includes);
    leaf->setObject(QString::fromUtf8(text));
    return leaf;
}

class KeywordRules : public ::testing::Test {
public:
    KeywordRules() {
        root = DataRoot::create();
        food = Keyword::create(QStringLiteral("Food"));
        root->setKeywords({food});
        for (const char* comment : {"Bakery", "Bakery and cafe", "Fuel"}) {
            root->mainLibrary()->addObject(IO::create(Amount::fromInt(-5), QDateTime(QDate(2026, 5, 1), QTime()), {},
                                                      QString::fromUtf8(comment), 1));
        }
        document = std::make_unique<LibraryDocument>(root);
    }

    KeywordRulePtr rule(const char* name, const char* text, KeywordList keywords) {
        KeywordRulePtr made = KeywordRule::create(QString::fromUtf8(name));
        made->setConditions(commentIncludes(text));
        made->setKeywords(std::move(keywords));
        return made;
    }

    QStringList names() const {
        QStringList list;
        for (const KeywordRulePtr& r : root->keywordRules()) {
            list << r->name() + (r->isEnabled() ? QString() : QStringLiteral(" (off)"));
        }
        return list;
    }

    QStringList keywordsOfRecords() const {
        QStringList list;
        for (const IOPtr& r : root->mainLibrary()->records()) {
            list << r->comment() + u':' + r->keywordsAsString();
        }
        list.sort();
        return list;
    }

    DataRootPtr root;
    KeywordPtr food;
    std::unique_ptr<LibraryDocument> document;
};

} // namespace

TEST_F(KeywordRules, AddEditEnableMoveAndRemoveAreEachOneStepToUndo) {
    const KeywordRulePtr bakery = rule("Bakery", "Bakery", {food});
    const KeywordRulePtr fuel = rule("Fuel", "Fuel", {});
    QSignalSpy changed(document.get(), &LibraryDocument::keywordRulesChanged);
    document->addKeywordRule(bakery);
    document->addKeywordRule(fuel);
    document->addKeywordRule(fuel);
    EXPECT_EQ(names(), (QStringList{u"Bakery"_s, u"Fuel"_s}));

    EXPECT_TRUE(document->moveKeywordRule(fuel, 0));
    EXPECT_FALSE(document->moveKeywordRule(fuel, 0));
    EXPECT_FALSE(document->moveKeywordRule(fuel, 2));
    EXPECT_EQ(names(), (QStringList{u"Fuel"_s, u"Bakery"_s}));

    EXPECT_TRUE(document->setKeywordRuleEnabled(bakery, false));
    EXPECT_FALSE(document->setKeywordRuleEnabled(bakery, false));
    const ConditionPtr tree = commentIncludes("cafe");
    EXPECT_TRUE(document->editKeywordRule(bakery, QStringLiteral("Cafe"), tree, {}));
    EXPECT_FALSE(document->editKeywordRule(bakery, QStringLiteral("Cafe"), tree, {}));
    EXPECT_EQ(names(), (QStringList{u"Fuel"_s, u"Cafe (off)"_s}));

    document->removeKeywordRule(fuel);
    EXPECT_EQ(names(), (QStringList{u"Cafe (off)"_s}));
    EXPECT_EQ(changed.count(), 6);

    const QStringList steps = {u"Cafe (off)"_s,  u"Fuel Cafe (off)"_s, u"Fuel Bakery (off)"_s,
                               u"Fuel Bakery"_s, u"Bakery Fuel"_s,     u"Bakery"_s,
                               QString()};
    for (const QString& expected : steps) {
        EXPECT_EQ(names().join(u' '), expected);
        document->undoStack()->undo();
    }
    // Redoing brings back the very objects, with the values they were given.
    while (document->undoStack()->canRedo()) {
        document->undoStack()->redo();
    }
    ASSERT_EQ(root->keywordRules().size(), 1u);
    EXPECT_EQ(root->keywordRules()[0], bakery);
    EXPECT_EQ(bakery->conditions(), tree);
}

TEST_F(KeywordRules, ApplyingIsOneChangeThatBringsBackADeletedKeyword) {
    const KeywordPtr treats = Keyword::create(QStringLiteral("Treats"));
    document->addKeywordRule(rule("Bakery", "Bakery", {food, treats}));
    document->addKeywordRule(rule("Cafe", "cafe", {food}));
    KeywordRulePtr off = rule("Fuel", "Fuel", {food});
    off->setEnabled(false);
    document->addKeywordRule(off);
    const QStringList before = keywordsOfRecords();
    const int steps = document->undoStack()->count();

    QSignalSpy added(document.get(), &LibraryDocument::keywordAdded);
    EXPECT_EQ(document->applyKeywordRules(root->mainLibrary()->records()), 2u);
    EXPECT_EQ(document->undoStack()->count(), steps + 1);
    EXPECT_EQ(keywordsOfRecords(),
              (QStringList{u"Bakery and cafe:Food, Treats"_s, u"Bakery:Food, Treats"_s, u"Fuel:"_s}));
    EXPECT_EQ(root->keywords(), (KeywordList{food, treats}));
    EXPECT_EQ(added.count(), 1);

    // Nothing more to add: no step.
    EXPECT_EQ(document->applyKeywordRules(root->mainLibrary()->records()), 0u);
    EXPECT_EQ(document->undoStack()->count(), steps + 1);

    document->undoStack()->undo();
    EXPECT_EQ(keywordsOfRecords(), before);
    EXPECT_EQ(root->keywords(), (KeywordList{food}));
}
