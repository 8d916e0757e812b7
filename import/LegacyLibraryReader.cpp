#include "LegacyLibraryReader.h"

#include "ForeignFileType.h"
#include "GetFileFromFileType.h"
#include "LegacyFork.h"
#include "LegacySlot.h"
#include "LegacyTextDecoder.h"
#include "ShownPath.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace {
// Progress is told every this many slots (about half a megabyte).
constexpr qint64 slotsPerProgressStep = 1024;
} // namespace

LegacyLibraryReader::LegacyLibraryReader(const QString& filePath)
    : m_requestedPath(filePath) {}

QString LegacyLibraryReader::defaultFilePath() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).filePath(
        QString::fromLatin1(legacyLibraryName + 1, static_cast<unsigned char>(legacyLibraryName[0])));
}

bool LegacyLibraryReader::read() {
    m_failure = Failure::None;
    m_error.clear();
    m_status = LegacyStatus::noError;
    m_preview = LegacyPreview();
    m_records.clear();
    m_slotsNotLaidOut = 0;
    m_commentsNotText = 0;
    m_amountsNoMoney = 0;

    LegacyFork fork;
    return open(fork) && readSlots(fork);
}

bool LegacyLibraryReader::open(LegacyFork& fork) {
    LegacyStatus::Code status = LegacyStatus::noError;
    if (m_requestedPath.isEmpty()) {
        LegacyFileRef ref;
        status = GetFileFromFileType(QByteArrayView(legacyLibraryName), documentsFolderType, false, &ref);
        m_filePath = status == LegacyStatus::noError ? ref.path : defaultFilePath();
    } else {
        m_filePath = m_requestedPath;
        status = QFileInfo::exists(m_filePath) ? LegacyStatus::noError : LegacyStatus::fileNotFound;
    }
    QString detail;
    if (status == LegacyStatus::noError) {
        status = fork.open(LegacyFileRef{m_filePath});
        detail = fork.errorString();
    }
    if (status == LegacyStatus::fileNotFound || status == LegacyStatus::folderNotFound) {
        return fail(Failure::NotFound, tr("There is no legacy library at “%1”.").arg(ShownPath::of(m_filePath)),
                    status);
    }
    if (status == LegacyStatus::notAFile) {
        return fail(Failure::Unreadable, tr("“%1” cannot be read: %2").arg(ShownPath::of(m_filePath), detail), status);
    }
    if (status != LegacyStatus::noError) {
        return fail(Failure::Unreadable, unreadableText(status, detail), status);
    }
    return true;
}

bool LegacyLibraryReader::readSlots(LegacyFork& fork) {
    const qint64 total = fork.size();
    // Room for every slot the file claims, within reason: a file that lies
    // about its size must not reserve the machine's memory.
    m_records.reserve(std::size_t(std::clamp<qint64>(total / LegacySlot::size, 0, qint64(1) << 22)));

    LegacyTextDecoder decoder;
    const CalendarDate readingMoment = CalendarDate::now();
    std::array<char, LegacySlot::size> buffer{};
    LegacyStatus::Code status = LegacyStatus::noError;
    for (qint64 slotIndex = 0;; ++slotIndex) {
        if (slotIndex % slotsPerProgressStep == 0 && m_progress && !m_progress(fork.position(), total)) {
            m_records.clear();
            return fail(Failure::Cancelled, QString());
        }
        // A trailing piece shorter than a slot is no record: it ends the file.
        qint64 got = 0;
        status = fork.read(buffer.data(), LegacySlot::size, &got);
        if (slotIndex == 0 && !headIsLegacy(QByteArrayView(buffer.data(), got), decoder)) {
            return false;
        }
        if (status != LegacyStatus::noError) {
            break;
        }
        const LegacySlot slot(buffer.data());
        if (!slot.isInUse()) {
            continue;
        }
        IOPtr record;
        LegacySlot::Layout layout;
        const LegacySlot::Oddity oddity = slot.toRecord(decoder, readingMoment, &record, &layout);
        noteLayout(layout);
        if (!record) {
            m_preview.addLeftOut(oddity);
            continue;
        }
        m_preview.addRecord(record->date(), oddity, record->amount().value_or(Amount()));
        m_records.push_back(std::move(record));
    }
    if (status != LegacyStatus::endOfFile) {
        m_records.clear();
        return fail(Failure::Unreadable, unreadableText(status, fork.errorString()), status);
    }
    if (mostSlotsAreNotLaidOut()) {
        m_records.clear();
        return fail(Failure::NotALegacyLibrary, notLaidOutRefusal());
    }
    if (m_progress) {
        m_progress(total, total);
    }
    return true;
}

// A legacy library has no header: what its first bytes spell is unused bytes
// and the first slot's day and amount. So a file whose head is another
// format's signature, or text, is refused unless its first slot still holds
// a sound record, which those formats' heads never make.
bool LegacyLibraryReader::headIsLegacy(QByteArrayView head, LegacyTextDecoder& decoder) {
    const std::optional<ForeignFileType::Kind> kind = ForeignFileType::recognise(head);
    if (!kind) {
        return true;
    }
    if (head.size() == LegacySlot::size) {
        const LegacySlot slot(head.data());
        IOPtr record;
        if (slot.isInUse() && slot.toRecord(decoder, CalendarDate::now(), &record) == LegacySlot::Oddity::None) {
            return true;
        }
    }
    return fail(Failure::NotALegacyLibrary, ForeignFileType::refusal(*kind, QFileInfo(m_filePath).fileName()));
}

void LegacyLibraryReader::noteLayout(const LegacySlot::Layout& layout) {
    m_slotsNotLaidOut += layout.isSound() ? 0 : 1;
    m_commentsNotText += layout.commentIsText ? 0 : 1;
    m_amountsNoMoney += layout.amountIsMoneySized ? 0 : 1;
}

// A ledger that was damaged here and there still imports, its odd records as
// they are and reported, and so does one whose amounts are odd throughout
// (the user is asked). Past half of its slots not laid out as a ledger's,
// there is more noise than ledger: random bytes and text fail the layout
// almost every time, so a file of another kind lands far above this line and
// a real ledger far below it.
bool LegacyLibraryReader::mostSlotsAreNotLaidOut() const {
    return 2 * m_slotsNotLaidOut > m_preview.slotsInUse();
}

bool LegacyLibraryReader::fail(Failure failure, const QString& error, LegacyStatus::Code status) {
    m_failure = failure;
    m_error = error;
    m_status = status;
    return false;
}

QString LegacyLibraryReader::notLaidOutRefusal() const {
    const QString name = QFileInfo(m_filePath).fileName();
    const QString oddCount = QLocale().toString(m_slotsNotLaidOut);
    const int inUse = LegacyPreview::trCount(m_preview.slotsInUse());
    if (m_commentsNotText == 0) {
        return tr("“%1” does not look like a legacy library: %2 of %Ln records have amounts no ledger holds.", nullptr,
                  inUse)
            .arg(name, oddCount);
    }
    if (m_amountsNoMoney == 0) {
        return tr("“%1” does not look like a legacy library: %2 of %Ln records have comments that are not text.",
                  nullptr, inUse)
            .arg(name, oddCount);
    }
    return tr("“%1” does not look like a legacy library: %2 of %Ln records have amounts or comments no ledger holds.",
              nullptr, inUse)
        .arg(name, oddCount);
}

QString LegacyLibraryReader::unreadableText(LegacyStatus::Code status, const QString& detail) const {
    const QString file = ShownPath::of(m_filePath);
    if (detail.isEmpty()) {
        return tr("“%1” could not be read (status %2).").arg(file, QString::number(status));
    }
    return tr("“%1” could not be read (status %2): %3").arg(file, QString::number(status), detail);
}
