#include "CsvImportPlan.h"
#include "CsvReader.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<const CsvTable> tableOf(const char* text) {
    CsvReader reader;
    EXPECT_TRUE(reader.read(QByteArrayView(text))) << reader.errorString().toStdString();
    return std::make_shared<const CsvTable>(reader.takeTable());
}

} // namespace

TEST(CsvBankIds, AMappedIdTellsDuplicatesAndStaysWithTheRecord) {
    const DataRootPtr root = DataRoot::create();
    const IOPtr known =
        IO::create(Amount::fromInt(-5), QDateTime(QDate(2026, 5, 1), QTime()), {}, QStringLiteral("Kiosk"), 1);
    known->setBankId(QStringLiteral("B-1"));
    root->mainLibrary()->addObject(known);
    const auto table = tableOf("date,amount,comment,transaction id\n"
                               "2026-05-09,-7,Changed,B-1\n"
                               "2026-05-01,-5,Kiosk,B-2\n"
                               "2026-05-01,-5,Kiosk,\n");
    const CsvRecordMapping mapping = CsvRecordMapping::guess(*table);
    ASSERT_EQ(mapping.idColumn, 3);
    CsvImportPlan plan(table, mapping, *root);
    // By id whatever the day and amount; another id is another transaction;
    // and the record found by its id is no other row's duplicate.
    EXPECT_EQ(plan.status(0), CsvImportPlan::Status::Duplicate);
    EXPECT_EQ(plan.status(1), CsvImportPlan::Status::Ready);
    EXPECT_EQ(plan.status(2), CsvImportPlan::Status::Ready);
    const CsvImportPlan::Batch batch = plan.makeRecords(*root);
    ASSERT_EQ(batch.records.size(), 2u);
    EXPECT_EQ(batch.records[0]->bankId(), QStringLiteral("B-2"));
    EXPECT_TRUE(batch.records[1]->bankId().isEmpty());

    // Without the column, the same rows are told apart as ever.
    CsvRecordMapping noIds = mapping;
    noIds.idColumn = CsvRecordMapping::noColumn;
    const CsvImportPlan plain(table, noIds, *root);
    EXPECT_EQ(plain.status(0), CsvImportPlan::Status::Ready);
    EXPECT_EQ(plain.status(1), CsvImportPlan::Status::Duplicate);
    EXPECT_EQ(plain.status(2), CsvImportPlan::Status::Duplicate);
}
