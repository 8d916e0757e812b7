#include "AppFixture.h"
#include "CommentCondition.h"
#include "ConditionEditWindow.h"
#include "CsvExport.h"
#include "FileDialogAnswer.h"
#include "KeywordRulesWindow.h"
#include "LibraryDocument.h"
#include "RecordTableView.h"
#include "StatementImportDialog.h"
#include "StatementPlanModel.h"
#include "WhenModal.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

QByteArray transaction(const char* day, const char* amount, const char* id, const char* name) {
    return QByteArray("<STMTTRN><TRNTYPE>OTHER</TRNTYPE><DTPOSTED>") + day + "</DTPOSTED><TRNAMT>" + amount +
           "</TRNAMT><FITID>" + id + "</FITID><NAME>" + name + "</NAME></STMTTRN>\n";
}

QByteArray account(const char* id, const QByteArray& transactions) {
    return QByteArray("<STMTTRNRS><STMTRS><CURDEF>EUR</CURDEF><BANKACCTFROM><BANKID>1</BANKID><ACCTID>") + id +
           "</ACCTID><ACCTTYPE>CHECKING</ACCTTYPE></BANKACCTFROM><BANKTRANLIST>\n" + transactions +
           "</BANKTRANLIST></STMTRS></STMTTRNRS>\n";
}

// Version 2, as an XML file, named .txt: the contents tell what it is.
QByteArray ofx(const QByteArray& accounts) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"220\"?>\n"
           "<OFX><BANKMSGSRSV1>\n" +
           accounts + "</BANKMSGSRSV1></OFX>\n";
}

class StatementsInKesh : public AppFixture {
protected:
    const BookPtr& library() const { return app->dataRoot()->mainLibrary(); }
    static QString home(const char* name) { return QDir::homePath() + u'/' + QString::fromLatin1(name); }

    void importFile(const QString& path, std::function<void(StatementImportDialog*)> answer) {
        chooseInFileDialog(path);
        whenModal<StatementImportDialog>([answer](StatementImportDialog* dialog) {
            answer(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("importButton")), Qt::LeftButton);
        });
        find<QAction>("importAction")->trigger();
    }
    static QString cell(StatementImportDialog* dialog, int row, int column) {
        const QAbstractItemModel* model = dialog->findChild<QTableView*>(QStringLiteral("recordTableView"))->model();
        return model->index(row, column).data().toString();
    }
    KeywordRulePtr addCommentRule(const QString& name, const QString& text, const KeywordPtr& keyword) {
        ConditionPtr leaf = CommentCondition::create();
        leaf->setConditionTypeCode(Condition::Includes);
        leaf->setObject(text);
        KeywordRulePtr rule = KeywordRule::create(name);
        rule->setConditions(leaf);
        rule->setKeywords({keyword});
        app->document()->addKeywordRule(rule);
        return rule;
    }
    KeywordPtr addKeyword(const QString& name) {
        KeywordPtr keyword = app->document()->addKeyword();
        app->document()->renameKeyword(keyword, name);
        return keyword;
    }
    // The library holds its records newest first, not in the order of the file.
    IOPtr recordWith(const char* comment, const QDate& day = QDate()) const {
        IOPtr found;
        for (const IOPtr& record : library()->records()) {
            if (record->comment() == QLatin1String(comment) && (!day.isValid() || record->date() == day)) {
                if (found) {
                    ADD_FAILURE() << "more than one record " << comment;
                    return nullptr;
                }
                found = record;
            }
        }
        if (!found) {
            ADD_FAILURE() << "no record " << comment;
        }
        return found;
    }
    IOPtr recordOf(const char* amount) const {
        const std::optional<Amount> wanted = Amount::fromString(QString::fromLatin1(amount));
        for (const IOPtr& record : library()->records()) {
            if (record->amount() == wanted) {
                return record;
            }
        }
        ADD_FAILURE() << "no record of " << amount;
        return nullptr;
    }
    QStringList keywordsOf(const IOPtr& record) const {
        QStringList names;
        for (const KeywordPtr& keyword : record->keywords()) {
            names.append(keyword->name());
        }
        return names;
    }
};

TEST_F(StatementsInKesh, anOverlappingDownloadAddsOnlyItsNewTransactionsAndTheChosenAccountWithItsKeyword) {
    ASSERT_TRUE(launch());
    writeBytes(ofx(account("111", transaction("20260301", "-12.50", "A1", "Bakery") +
                                      transaction("20260302", "-3.00", "A2", "Kiosk")) +
                   account("222", transaction("20260303", "-40.00", "B1", "Fuel"))),
               home("march.txt"));
    importFile(home("march.txt"), [this](StatementImportDialog* dialog) {
        auto* accounts = dialog->findChild<QTableWidget*>(QStringLiteral("accountTable"));
        ASSERT_EQ(accounts->rowCount(), 2);
        accounts->item(1, 0)->setCheckState(Qt::Unchecked);
        accounts->item(0, 1)->setText(QStringLiteral("Giro"));
        ASSERT_EQ(dialog->plan()->rowCount(), 2u);
        EXPECT_EQ(cell(dialog, 0, StatementPlanModel::KeywordsColumn), QStringLiteral("Giro"));
    });
    ASSERT_EQ(library()->count(), 2u);
    const IOPtr bakery = recordWith("Bakery");
    ASSERT_TRUE(bakery);
    EXPECT_EQ(keywordsOf(bakery), QStringList{QStringLiteral("Giro")});

    // The next download repeats A2 and brings A3; A2 is marked and left out.
    writeBytes(ofx(account("111", transaction("20260302", "-3.00", "A2", "Kiosk") +
                                      transaction("20260305", "-8.00", "A3", "Books"))),
               home("april.ofx"));
    importFile(home("april.ofx"), [](StatementImportDialog* dialog) {
        ASSERT_TRUE(dialog->plan());
        EXPECT_EQ(dialog->plan()->duplicateCount(), 1u);
        EXPECT_EQ(cell(dialog, 0, StatementPlanModel::ImportColumn), QStringLiteral("Already in the library"));
    });
    ASSERT_EQ(library()->count(), 3u);
    EXPECT_TRUE(recordWith("Books", QDate(2026, 3, 5)));
    EXPECT_TRUE(recordWith("Kiosk"));
    // One step per import.
    EXPECT_EQ(app->document()->undoStack()->count(), 2);
    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(library()->count(), 2u);
}

TEST_F(StatementsInKesh, aQifFileWhoseDaysReadBothWaysImportsNothingUntilTheUserPicksAReading) {
    ASSERT_TRUE(launch());
    writeBytes(
        "!Type:CCard\nD03/04/2026\nT-9.99\nPStreaming\n^\nD05/06/2026\nT-20\nT-20\nPFuel\nSCar\n$-15\nSFood\n$-5\n^\n",
        home("card.qif"));
    importFile(home("card.qif"), [](StatementImportDialog* dialog) {
        EXPECT_FALSE(dialog->plan());
        EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("importButton"))->isEnabled());
        dialog->findChild<QRadioButton*>(QStringLiteral("dayFirstButton"))->click();
        ASSERT_TRUE(dialog->plan());
        // A split item comes in as one record per split line.
        EXPECT_EQ(dialog->plan()->rowCount(), 3u);
    });
    ASSERT_EQ(library()->count(), 3u);
    const IOPtr streaming = recordWith("Streaming");
    ASSERT_TRUE(streaming);
    EXPECT_EQ(streaming->date(), QDate(2026, 4, 3));
    const IOPtr car = recordOf("-15");
    const IOPtr food = recordOf("-5");
    ASSERT_TRUE(car && food);
    EXPECT_EQ(keywordsOf(car), QStringList{QStringLiteral("Car")});
    EXPECT_EQ(keywordsOf(food), QStringList{QStringLiteral("Food")});
    EXPECT_EQ(car->date(), QDate(2026, 6, 5));
}

TEST_F(StatementsInKesh, rulesShowTheirKeywordsPerRowAndARuleUntickedIsLeftOutOfThatImport) {
    ASSERT_TRUE(launch());
    const KeywordPtr food = addKeyword(QStringLiteral("Food"));
    const KeywordPtr travel = addKeyword(QStringLiteral("Travel"));
    addCommentRule(QStringLiteral("Bakeries"), QStringLiteral("Bakery"), food);
    addCommentRule(QStringLiteral("Fuel"), QStringLiteral("Fuel"), travel);
    writeBytes(ofx(account("111", transaction("20260301", "-12.50", "A1", "Bakery") +
                                      transaction("20260303", "-40.00", "B1", "Fuel"))),
               home("march.ofx"));
    importFile(home("march.ofx"), [](StatementImportDialog* dialog) {
        EXPECT_EQ(cell(dialog, 0, StatementPlanModel::RulesColumn), QStringLiteral("Food"));
        EXPECT_EQ(cell(dialog, 1, StatementPlanModel::RulesColumn), QStringLiteral("Travel"));
        auto* rules = dialog->findChild<QListWidget*>(QStringLiteral("rulesList"));
        ASSERT_EQ(rules->count(), 2);
        rules->item(1)->setCheckState(Qt::Unchecked);
        EXPECT_EQ(cell(dialog, 1, StatementPlanModel::RulesColumn), QString());
    });
    ASSERT_EQ(library()->count(), 2u);
    const IOPtr bakery = recordWith("Bakery");
    const IOPtr fuel = recordWith("Fuel");
    ASSERT_TRUE(bakery && fuel);
    EXPECT_EQ(keywordsOf(bakery), QStringList{QStringLiteral("Food")});
    EXPECT_TRUE(fuel->keywords().empty());
    // The rule is still on for the next import.
    EXPECT_TRUE(app->dataRoot()->keywordRules()[1]->isEnabled());
}

TEST_F(StatementsInKesh, applyKeywordRulesTagsTheSelectedRecordsInOneStepThatUndoes) {
    ASSERT_TRUE(launch());
    writeBytes(ofx(account("111", transaction("20260301", "-12.50", "A1", "Bakery") +
                                      transaction("20260302", "-3.00", "A2", "Bakery") +
                                      transaction("20260303", "-40.00", "B1", "Fuel"))),
               home("march.ofx"));
    importFile(home("march.ofx"), [](StatementImportDialog*) {});
    ASSERT_EQ(library()->count(), 3u);
    const KeywordPtr food = addKeyword(QStringLiteral("Food"));
    addCommentRule(QStringLiteral("Bakeries"), QStringLiteral("Bakery"), food);
    const int steps = app->document()->undoStack()->count();

    auto* table = find<RecordTableView>("ioListView");
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->model()->rowCount() == 3; })) << "the table did not show 3 rows";
    table->selectAll();
    find<QAction>("applyKeywordRulesAction")->trigger();
    EXPECT_EQ(app->document()->undoStack()->count(), steps + 1);
    const IOPtr first = recordWith("Bakery", QDate(2026, 3, 1));
    const IOPtr second = recordWith("Bakery", QDate(2026, 3, 2));
    const IOPtr fuel = recordWith("Fuel");
    ASSERT_TRUE(first && second && fuel);
    EXPECT_TRUE(first->includesKeyword(food));
    EXPECT_TRUE(second->includesKeyword(food));
    EXPECT_FALSE(fuel->includesKeyword(food));
    find<QAction>("undoAction")->trigger();
    EXPECT_FALSE(first->includesKeyword(food));
    EXPECT_FALSE(second->includesKeyword(food));
}

TEST_F(StatementsInKesh, theRulesWindowEditsEnablesMovesAndDeletesRulesAsChangesThatUndo) {
    ASSERT_TRUE(launch());
    const KeywordPtr food = addKeyword(QStringLiteral("Food"));
    const KeywordPtr travel = addKeyword(QStringLiteral("Travel"));
    const KeywordRulePtr bakeries = addCommentRule(QStringLiteral("Bakeries"), QStringLiteral("Bakery"), food);
    const KeywordRulePtr fuel = addCommentRule(QStringLiteral("Fuel"), QStringLiteral("Fuel"), travel);
    find<QAction>("keywordRulesWindowAction")->trigger();
    auto* window = find<KeywordRulesWindow>("keywordRulesWindow");
    auto* list = window->findChild<QListWidget*>(QStringLiteral("ruleList"));
    ASSERT_EQ(list->count(), 2);

    list->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(bakeries->isEnabled());

    list->setCurrentRow(1);
    window->findChild<QPushButton*>(QStringLiteral("moveRuleUpButton"))->click();
    EXPECT_EQ(app->dataRoot()->keywordRules().front(), fuel);
    EXPECT_EQ(list->currentRow(), 0);

    // Renamed, given a second keyword and turned off, in one step.
    const int steps = app->document()->undoStack()->count();
    whenModal<ConditionEditWindow>([](ConditionEditWindow* sheet) {
        sheet->findChild<QLineEdit*>(QStringLiteral("ruleNameField"))->setText(QStringLiteral("Car"));
        sheet->findChild<QCheckBox*>(QStringLiteral("ruleEnabledCheckBox"))->setChecked(false);
        auto* keywords = sheet->findChild<QListWidget*>(QStringLiteral("ruleKeywordsList"));
        keywords->item(0)->setCheckState(Qt::Checked);
        QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    window->findChild<QPushButton*>(QStringLiteral("editRuleButton"))->click();
    EXPECT_EQ(app->document()->undoStack()->count(), steps + 1);
    EXPECT_EQ(fuel->name(), QStringLiteral("Car"));
    EXPECT_FALSE(fuel->isEnabled());
    EXPECT_EQ(fuel->keywords(), (KeywordList{food, travel}));
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Car")));
    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(fuel->name(), QStringLiteral("Fuel"));
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Fuel")));

    list->setCurrentRow(0);
    window->findChild<QPushButton*>(QStringLiteral("deleteRuleButton"))->click();
    ASSERT_EQ(app->dataRoot()->keywordRules().size(), 1u);
    EXPECT_EQ(list->count(), 1);
    find<QAction>("undoAction")->trigger();
    EXPECT_EQ(list->count(), 2);
}

TEST_F(StatementsInKesh, recordsExportedAsQifComeBackWithTheirDaysAmountsAndKeywords) {
    ASSERT_TRUE(launch());
    writeBytes("!Type:Bank\nD12/31/2025\nT-12.50\nPBakery\nLFood\n^\nD01/02/2026\nT2,500.00\nPSalary\n^\n",
               home("in.qif"));
    importFile(home("in.qif"), [](StatementImportDialog*) {});
    ASSERT_EQ(library()->count(), 2u);

    chooseInFileDialog(home("out.qif"), CsvExport::qifFilter());
    find<QAction>("exportAction")->trigger();
    const QByteArray written = readBytes(home("out.qif"));
    EXPECT_TRUE(written.startsWith("!Type:Bank")) << written.constData();

    find<QAction>("undoAction")->trigger();
    ASSERT_EQ(library()->count(), 0u);
    importFile(home("out.qif"), [](StatementImportDialog*) {});
    ASSERT_EQ(library()->count(), 2u);
    const IOPtr bakery = recordWith("Bakery");
    const IOPtr salary = recordWith("Salary");
    ASSERT_TRUE(bakery && salary);
    EXPECT_EQ(bakery->date(), QDate(2025, 12, 31));
    EXPECT_EQ(bakery->amount(), Amount::fromString(QStringLiteral("-12.5")));
    EXPECT_EQ(keywordsOf(bakery), QStringList{QStringLiteral("Food")});
    EXPECT_EQ(salary->date(), QDate(2026, 1, 2));
    EXPECT_EQ(salary->amount(), Amount::fromString(QStringLiteral("2500")));
}

} // namespace
