#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <memory>

class QFile;

// The one way kesh and kesh-import open a file to read: the data file, its
// backups, CSV files and legacy libraries. It must be a regular file, or a
// link to one. Folders, devices, FIFOs and sockets are refused before they
// are opened: opening a FIFO waits for a writer, opening some devices acts on
// them, and reading others (/dev/zero) never ends. read() takes no more than
// the size the file had when it was opened, so a file that grows meanwhile
// cannot make the read endless.
class RegularFile {
    Q_DECLARE_TR_FUNCTIONS(RegularFile)

public:
    enum class Status {
        Read,
        NoFile,           // nothing at the path
        PermissionDenied, // it, or a folder on the way to it, may not be read
        NotAFile,         // a folder, device, FIFO or socket, or a link to one or to nothing
        ReadFailed,       // the system reported an error, or memory ran out
    };

    // Whether `path` is a regular file that may be opened, without opening it.
    bool check(const QString& path);
    // Opens `path` read-only into `file`, which is closed first; the checks
    // hold for what was opened, not only for what the path named before. The
    // file is opened on the checked descriptor, so it has no name of its own.
    bool open(const QString& path, QFile* file);
    RegularFile() = default;
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // Reads the whole file.
    bool read(const QString& path);
    // Reads the whole file as read() does, but maps it rather than copying
    // it: its bytes come straight from the system's cache of the file, with
    // no second copy in fresh memory. Only for a file that no program cuts
    // short while it is mapped, such as the locked data file, which kesh
    // never changes in place: the system ends a program that reads past the
    // end of a file cut short under it. Falls back to reading.
    bool map(const QString& path);

    // The bytes read; valid until the next read or map.
    QByteArrayView bytes() const {
        return QByteArrayView(m_mapped ? static_cast<const char*>(m_mapped) : m_bytes.get(), m_size);
    }
    Status status() const { return m_status; }
    // Why the check, open or read failed, ready to show, e.g. "It is a pipe,
    // not a file."; it does not repeat the path.
    QString errorString() const { return m_error; }

private:
    void start();
    // A descriptor open for reading on a regular file, or -1.
    int openDescriptor(const QString& path);
    bool checkPath(const QByteArray& name);
    bool readOpened(int descriptor);
    bool fail(Status status, const QString& message);
    bool failWithErrno(int error);
    static QString kindOf(unsigned mode);

    bool mapOpened(int descriptor);
    void unmap();

    std::unique_ptr<char[]> m_bytes;
    void* m_mapped = nullptr;
    qsizetype m_size = 0;
    Status m_status = Status::NoFile;
    QString m_error;
};
