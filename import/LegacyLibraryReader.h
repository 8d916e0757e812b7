#pragma once

#include "IO.h"
#include "LegacyPreview.h"
#include "LegacyStatus.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class LegacyFork;
class LegacyTextDecoder;

// Reads a legacy library file into records and judges it as a whole first:
// a file of another kind, or one whose slots are mostly not laid out as a
// ledger's, is refused with the reason. A file laid out as a ledger gives its
// records and a preview of them, odd amounts and all; nothing else is
// touched, so kesh and kesh-import both show the preview and add the records
// to a library their own way.
class LegacyLibraryReader {
    Q_DECLARE_TR_FUNCTIONS(LegacyLibraryReader)

public:
    enum class Failure {
        None,
        // No file there (or no documents folder).
        NotFound,
        // It could not be opened or read to its end.
        Unreadable,
        // Another kind of file, or slots not laid out as a ledger's.
        NotALegacyLibrary,
        // The progress handler said stop.
        Cancelled,
    };
    // Told the bytes read so far of `total`; false stops the reading.
    using ProgressHandler = std::function<bool(qint64 done, qint64 total)>;

    // An empty `filePath` means "Kesh Library" in the documents folder.
    explicit LegacyLibraryReader(const QString& filePath = QString());
    LegacyLibraryReader(const LegacyLibraryReader&) = delete;
    LegacyLibraryReader& operator=(const LegacyLibraryReader&) = delete;

    void setProgressHandler(ProgressHandler handler) { m_progress = std::move(handler); }

    // Reads the whole file; false with failure() and errorString() set.
    // Records are made only for the slots that will be imported.
    bool read();

    Failure failure() const { return m_failure; }
    // Why it failed, as a sentence for the user; empty when cancelled.
    const QString& errorString() const { return m_error; }
    // The legacy file layer's status when finding or reading the file failed.
    LegacyStatus::Code status() const { return m_status; }
    // The file read, or the one looked for when there was none.
    const QString& filePath() const { return m_filePath; }

    const LegacyPreview& preview() const { return m_preview; }
    // In file order, entered at the moment of reading, with no keywords.
    const IOList& records() const { return m_records; }
    IOList takeRecords() { return std::move(m_records); }

    // Where the default legacy library is, whether or not it is there.
    static QString defaultFilePath();

private:
    bool open(LegacyFork& fork);
    bool readSlots(LegacyFork& fork);
    bool headIsLegacy(QByteArrayView head, LegacyTextDecoder& decoder);
    void noteLayout(const LegacySlot::Layout& layout);
    bool mostSlotsAreNotLaidOut() const;
    bool fail(Failure failure, const QString& error, LegacyStatus::Code status = LegacyStatus::noError);
    QString notLaidOutRefusal() const;
    QString unreadableText(LegacyStatus::Code status, const QString& detail) const;

    QString m_requestedPath;
    QString m_filePath;
    ProgressHandler m_progress;
    Failure m_failure = Failure::None;
    QString m_error;
    LegacyStatus::Code m_status = LegacyStatus::noError;
    LegacyPreview m_preview;
    IOList m_records;
    // Slots in use not laid out as a ledger's, in all and by field.
    qint64 m_slotsNotLaidOut = 0;
    qint64 m_commentsNotText = 0;
    qint64 m_amountsNoMoney = 0;
};
