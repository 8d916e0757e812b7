#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <optional>

// Well-known kinds of file that are not legacy libraries, told by their first
// bytes. A legacy library has no header of its own, so a match is evidence,
// not proof: the reader weighs it against the first slot.
class ForeignFileType {
    Q_DECLARE_TR_FUNCTIONS(ForeignFileType)

public:
    enum class Kind {
        Png,
        Jpeg,
        Gif,
        Pdf,
        Zip,
        OfficeDocument,
        Gzip,
        Bzip2,
        Xz,
        SevenZip,
        Rar,
        Executable,
        Sqlite,
        KeshLibrary,
        Text,
    };

    ForeignFileType() = delete;

    // The kind the first bytes of a file (up to one slot of them) announce.
    static std::optional<Kind> recognise(QByteArrayView head);
    // "“photo.png” is a PNG image, not a legacy library."
    static QString refusal(Kind kind, const QString& fileName);

private:
    static std::optional<Kind> bySignature(QByteArrayView head);
    static bool isText(QByteArrayView head);
};
