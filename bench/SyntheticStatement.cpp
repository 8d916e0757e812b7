#include "SyntheticStatement.h"

#include "CsvRecordWriter.h"
#include "CsvWriter.h"
#include "SyntheticLibrary.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <map>
#include <stdexcept>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

void writeRow(CsvWriter& csv, const IO& record) {
    csv.addField(record.date().toString(Qt::ISODate));
    csv.addField(record.amount() ? record.amount()->toString() : QString());
    csv.addField(record.comment());
    csv.endRow();
}

} // namespace

const QString& SyntheticStatement::path(const DataRoot& library, std::size_t rows) {
    static std::map<std::size_t, QString> written;
    QString& path = written[rows];
    if (!path.isEmpty()) {
        return path;
    }
    const DataRootPtr other = SyntheticLibrary::build(rows, 7);
    const IOList& known = library.mainLibrary()->records();
    path = folder().filePath(QStringLiteral("statement-%1.csv").arg(rows));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw std::runtime_error("cannot write the statement");
    }
    CsvWriter csv(&file);
    csv.writeRow({CsvRecordWriter::dateColumnName(), CsvRecordWriter::amountColumnName(), u"description"});
    const IOList& records = other->mainLibrary()->records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        writeRow(csv, i % 10 == 0 && !known.empty() ? *known[i * 7 % known.size()] : *records[i]);
    }
    if (!csv.flush() || !file.commit()) {
        throw std::runtime_error("cannot write the statement");
    }
    return path;
}
