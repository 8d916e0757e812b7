#include "CsvPlanner.h"

CsvPlanner::CsvPlanner(std::shared_ptr<const CsvKnownRecords> library, QObject* parent)
    : QObject(parent)
    , m_library(std::move(library)) {}

CsvPlanner::~CsvPlanner() {
    cancel();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CsvPlanner::start(std::shared_ptr<const QByteArray> bytes, CsvEncoding::Encoding encoding, QChar separator,
                       const CsvRecordMapping& mapping) {
    run({std::move(bytes), encoding, separator, nullptr, mapping});
}

void CsvPlanner::start(std::shared_ptr<const CsvTable> table, const CsvRecordMapping& mapping) {
    run({nullptr, CsvEncoding::Utf8, QChar(), std::move(table), mapping});
}

void CsvPlanner::cancel() {
    if (m_progress) {
        m_progress->cancel();
    }
    m_running = false;
}

void CsvPlanner::run(Job job) {
    cancel();
    // The job before stops at its next look at the progress: a block or some
    // thousand rows later.
    if (m_thread.joinable()) {
        m_thread.join();
    }
    const unsigned number = ++m_jobNumber;
    m_progress = std::make_shared<CsvProgress>();
    m_running = true;
    m_thread = std::jthread([this, number, job = std::move(job), library = m_library, progress = m_progress] {
        auto result = std::make_shared<Result>(work(job, *library, *progress));
        if (!progress->isCancelled()) {
            QMetaObject::invokeMethod(
                this, [this, number, result] { deliver(number, result); }, Qt::QueuedConnection);
        }
    });
}

CsvPlanner::Result CsvPlanner::work(const Job& job, const CsvKnownRecords& library, CsvProgress& progress) {
    Result result;
    result.table = job.table;
    if (!result.table) {
        progress.beginPart(0, CsvProgress::whole * 2 / 5);
        CsvReader reader;
        reader.setEncoding(job.encoding);
        reader.setSeparator(job.separator);
        reader.setProgress(&progress);
        if (!reader.read(QByteArrayView(*job.bytes))) {
            result.readError = reader.errorString();
            return result;
        }
        result.table = std::make_shared<const CsvTable>(reader.takeTable());
    }
    result.plan = std::make_shared<CsvImportPlan>(result.table, job.mapping, library, &progress);
    return result;
}

void CsvPlanner::deliver(unsigned jobNumber, const std::shared_ptr<Result>& result) {
    // A job cancelled or followed by another after it posted its result.
    if (jobNumber != m_jobNumber || !m_running) {
        return;
    }
    m_running = false;
    m_result = std::move(*result);
    emit finished();
}
