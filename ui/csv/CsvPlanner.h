#pragma once

#include "CsvImportPlan.h"
#include "CsvKnownRecords.h"
#include "CsvProgress.h"
#include "CsvReader.h"

#include <QByteArray>
#include <QObject>

#include <memory>
#include <thread>

// Reads a whole CSV file and plans its import on a thread of its own, so the
// dialog shows the first rows at once and stays live. The worker has only
// what is its own: the file's bytes, the table, the mapping and a copy of
// what duplicate marking needs of the library. One job at a time: a new job
// cancels the one before, and only the newest job's result is told.
class CsvPlanner : public QObject {
    Q_OBJECT

public:
    struct Result {
        // The whole file as read; null when it cannot be read.
        std::shared_ptr<const CsvTable> table;
        std::shared_ptr<CsvImportPlan> plan;
        QString readError;
    };

    explicit CsvPlanner(std::shared_ptr<const CsvKnownRecords> library, QObject* parent = nullptr);
    // Cancels the job and waits for its thread.
    ~CsvPlanner() override;

    // Reads the bytes with this encoding and separator, then plans.
    void start(std::shared_ptr<const QByteArray> bytes, CsvEncoding::Encoding encoding, QChar separator,
               const CsvRecordMapping& mapping);
    // Plans a table read before.
    void start(std::shared_ptr<const CsvTable> table, const CsvRecordMapping& mapping);
    void cancel();

    bool isRunning() const { return m_running; }
    // How far the job has come, 0 to CsvProgress::whole.
    int progress() const { return m_progress ? m_progress->done() : 0; }
    // The newest job's result, once finished() was emitted.
    const Result& result() const { return m_result; }

signals:
    void finished();

private:
    struct Job {
        std::shared_ptr<const QByteArray> bytes;
        CsvEncoding::Encoding encoding = CsvEncoding::Utf8;
        QChar separator;
        std::shared_ptr<const CsvTable> table;
        CsvRecordMapping mapping;
    };
    void run(Job job);
    static Result work(const Job& job, const CsvKnownRecords& library, CsvProgress& progress);
    void deliver(unsigned jobNumber, const std::shared_ptr<Result>& result);

    std::shared_ptr<const CsvKnownRecords> m_library;
    std::shared_ptr<CsvProgress> m_progress;
    std::jthread m_thread;
    unsigned m_jobNumber = 0;
    bool m_running = false;
    Result m_result;
};
