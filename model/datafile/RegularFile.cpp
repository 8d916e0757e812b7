#include "RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <new>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One read() moves at most about 2 GB.
constexpr qsizetype maxChunk = qsizetype(1) << 30;

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int descriptor)
        : m_descriptor(descriptor) {}
    ~Descriptor() { ::close(m_descriptor); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

private:
    int m_descriptor;
};

} // namespace

RegularFile::~RegularFile() {
    unmap();
}

void RegularFile::unmap() {
    if (m_mapped) {
        ::munmap(m_mapped, std::size_t(m_size));
        m_mapped = nullptr;
    }
}

void RegularFile::start() {
    unmap();
    m_bytes.reset();
    m_size = 0;
    m_status = Status::Read;
    m_error.clear();
}

bool RegularFile::checkPath(const QByteArray& name) {
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        struct stat link {};
        // A link to nowhere is a file that went missing, not a fresh start.
        if ((error == ENOENT || error == ENOTDIR) && ::lstat(name.constData(), &link) == 0) {
            return fail(Status::NotAFile, tr("It is a link to something that does not exist."));
        }
        return failWithErrno(error);
    }
    // Before opening: opening a FIFO or a device may wait or act.
    if (!S_ISREG(info.st_mode)) {
        return fail(Status::NotAFile, kindOf(info.st_mode));
    }
    return true;
}

bool RegularFile::check(const QString& path) {
    start();
    return checkPath(QFile::encodeName(path));
}

int RegularFile::openDescriptor(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (!checkPath(name)) {
        return -1;
    }
    int descriptor = -1;
    // Non-blocking, so that a FIFO put in its place since the check does not wait for a writer.
    do {
        descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        failWithErrno(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        const int error = errno;
        ::close(descriptor);
        failWithErrno(error);
        return -1;
    }
    // The path may have been given to something else since it was checked.
    if (!S_ISREG(info.st_mode)) {
        ::close(descriptor);
        fail(Status::NotAFile, kindOf(info.st_mode));
        return -1;
    }
    return descriptor;
}

bool RegularFile::open(const QString& path, QFile* file) {
    file->close();
    start();
    const int descriptor = openDescriptor(path);
    if (descriptor < 0) {
        return false;
    }
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fail(Status::ReadFailed, file->errorString());
    }
    return true;
}

bool RegularFile::read(const QString& path) {
    start();
    const int descriptor = openDescriptor(path);
    if (descriptor < 0) {
        return false;
    }
    const Descriptor closer(descriptor);
    return readOpened(descriptor);
}

bool RegularFile::map(const QString& path) {
    start();
    const int descriptor = openDescriptor(path);
    if (descriptor < 0) {
        return false;
    }
    const Descriptor closer(descriptor);
    return mapOpened(descriptor) || readOpened(descriptor);
}

bool RegularFile::mapOpened(int descriptor) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || info.st_size <= 0) {
        return false;
    }
    // Populated at once: one call instead of a fault for every few pages.
    void* mapped = ::mmap(nullptr, std::size_t(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
    if (mapped == MAP_FAILED) {
        return false;
    }
    m_mapped = mapped;
    m_size = qsizetype(info.st_size);
    return true;
}

bool RegularFile::readOpened(int descriptor) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        return failWithErrno(errno);
    }
    const auto size = qsizetype(info.st_size);
    m_bytes.reset(new (std::nothrow) char[std::size_t(std::max<qsizetype>(size, 1))]);
    if (!m_bytes) {
        return fail(Status::ReadFailed, tr("There is not enough memory to read its %L1 bytes.").arg(size));
    }
    qsizetype done = 0;
    while (done < size) {
        const ssize_t got = ::read(descriptor, m_bytes.get() + done, std::size_t(std::min(size - done, maxChunk)));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failWithErrno(errno);
        }
        if (got == 0) {
            // It shrank since it was opened: what is there is all there is.
            break;
        }
        done += got;
    }
    m_size = done;
    return true;
}

bool RegularFile::fail(Status status, const QString& message) {
    unmap();
    m_bytes.reset();
    m_size = 0;
    m_status = status;
    m_error = message;
    return false;
}

bool RegularFile::failWithErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return fail(Status::NoFile, tr("There is no such file."));
    case EACCES:
    case EPERM:
        return fail(Status::PermissionDenied, tr("kesh has no permission to read it."));
    case ELOOP:
        return fail(Status::NotAFile, tr("It is a link that leads round in a circle."));
    default:
        return fail(Status::ReadFailed,
                    tr("The system reported an error while reading it: %1").arg(qt_error_string(error)));
    }
}

QString RegularFile::kindOf(unsigned mode) {
    if (S_ISDIR(mode)) {
        return tr("It is a folder, not a file.");
    }
    if (S_ISFIFO(mode)) {
        return tr("It is a pipe, not a file.");
    }
    if (S_ISSOCK(mode)) {
        return tr("It is a socket, not a file.");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return tr("It is a device, not a file.");
    }
    return tr("It is not a regular file.");
}
