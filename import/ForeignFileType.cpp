#include "ForeignFileType.h"

#include "DataFileFormat.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <string_view>

namespace {
struct Signature {
    std::string_view bytes;
    ForeignFileType::Kind kind;
};

using namespace std::string_view_literals;
using Kind = ForeignFileType::Kind;

// Byte-order marks count as signatures: a legacy library is never text.
constexpr std::array signatures{
    Signature{"\x89PNG\r\n\x1a\n"sv, Kind::Png},
    Signature{"\xFF\xD8\xFF"sv, Kind::Jpeg},
    Signature{"GIF87a"sv, Kind::Gif},
    Signature{"GIF89a"sv, Kind::Gif},
    Signature{"%PDF-"sv, Kind::Pdf},
    Signature{"PK\x03\x04"sv, Kind::Zip},
    Signature{"PK\x05\x06"sv, Kind::Zip},
    Signature{"PK\x07\x08"sv, Kind::Zip},
    Signature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv, Kind::OfficeDocument},
    Signature{"\x1F\x8B"sv, Kind::Gzip},
    Signature{"BZh"sv, Kind::Bzip2},
    Signature{"\xFD\x37zXZ\x00"sv, Kind::Xz},
    Signature{"7z\xBC\xAF\x27\x1C"sv, Kind::SevenZip},
    Signature{"Rar!\x1A\x07"sv, Kind::Rar},
    Signature{"\x7F\x45LF"sv, Kind::Executable},
    Signature{"SQLite format 3\x00"sv, Kind::Sqlite},
    Signature{std::string_view(DataFileFormat::magic.data(), DataFileFormat::magic.size()), Kind::KeshLibrary},
    Signature{"\xEF\xBB\xBF"sv, Kind::Text},
    Signature{"\xFF\xFE"sv, Kind::Text},
    Signature{"\xFE\xFF"sv, Kind::Text},
};
} // namespace

std::optional<ForeignFileType::Kind> ForeignFileType::recognise(QByteArrayView head) {
    if (const std::optional<Kind> kind = bySignature(head)) {
        return kind;
    }
    return isText(head) ? std::optional(Kind::Text) : std::nullopt;
}

std::optional<ForeignFileType::Kind> ForeignFileType::bySignature(QByteArrayView head) {
    const auto match = std::find_if(signatures.begin(), signatures.end(), [head](const Signature& signature) {
        return head.startsWith(QByteArrayView(signature.bytes.data(), qsizetype(signature.bytes.size())));
    });
    return match == signatures.end() ? std::nullopt : std::optional(match->kind);
}

// Text without a byte-order mark: UTF-8 (ASCII included) with no control
// character but tab, line ends and form feed. A slot's amount, day and flag
// bytes are binary: zeros and bytes that are no UTF-8 at all.
bool ForeignFileType::isText(QByteArrayView head) {
    if (head.isEmpty()) {
        return false;
    }
    // Stateful, so a character cut off at the end of the head is no error.
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(head);
    if (decoder.hasError()) {
        return false;
    }
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f';
    });
}

QString ForeignFileType::refusal(Kind kind, const QString& fileName) {
    switch (kind) {
    case Kind::Png:
        return tr("“%1” is a PNG image, not a legacy library.").arg(fileName);
    case Kind::Jpeg:
        return tr("“%1” is a JPEG image, not a legacy library.").arg(fileName);
    case Kind::Gif:
        return tr("“%1” is a GIF image, not a legacy library.").arg(fileName);
    case Kind::Pdf:
        return tr("“%1” is a PDF document, not a legacy library.").arg(fileName);
    case Kind::Zip:
        return tr("“%1” is a ZIP archive or an office document, not a legacy library.").arg(fileName);
    case Kind::OfficeDocument:
        return tr("“%1” is an office document, not a legacy library.").arg(fileName);
    case Kind::Gzip:
    case Kind::Bzip2:
    case Kind::Xz:
        return tr("“%1” is a compressed file, not a legacy library.").arg(fileName);
    case Kind::SevenZip:
    case Kind::Rar:
        return tr("“%1” is an archive, not a legacy library.").arg(fileName);
    case Kind::Executable:
        return tr("“%1” is a program, not a legacy library.").arg(fileName);
    case Kind::Sqlite:
        return tr("“%1” is a database, not a legacy library.").arg(fileName);
    case Kind::KeshLibrary:
        return tr("“%1” is a kesh library, not a legacy library: kesh opens it itself.").arg(fileName);
    case Kind::Text:
        return tr("“%1” is a text file, not a legacy library.").arg(fileName);
    }
    return QString();
}
