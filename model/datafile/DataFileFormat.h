#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <string_view>

// The bytes of "Kesh Data", shared by the reader and the writer.
//
// A file is a 32-byte header and a payload. The header keeps this layout in
// every format version, so that any kesh can tell a foreign file, a damaged
// one and one from a newer kesh apart:
//
//   0  8  magic "\x89KDF\r\n\x1a\n" (the high byte and line ends catch text-mode copies)
//   8  4  format version, little-endian
//  12  4  flags, 0
//  16  8  payload length in bytes
//  24  4  CRC-32 of the payload
//  28  4  CRC-32 of header bytes 0 to 27
//
// The payload: the class table (count, then name and class version of each),
// the root object item, and last the number of objects and of distinct
// strings (4 bytes each), which the writer knows only at the end.
// Every item starts with a tag byte naming its kind; varints are LEB128 and
// signed numbers are zigzag-encoded. Objects are numbered in the order they
// first appear, and a later appearance is a reference to that number. Strings
// and time zones are numbered the same way, so each is stored once.
//
// From format 3 on, an object may end with a block of numbered fields after
// its fixed items (Tag::Fields). What most objects lack (a record's bank id)
// or what came later (the library's keyword rules) is stored there, and an
// object without such fields costs no byte. A later format adds fields under
// new numbers; a file without them reads as before.
class DataFileFormat {
public:
    DataFileFormat() = delete;

    static constexpr std::array<char, 8> magic = {'\x89', 'K', 'D', 'F', '\r', '\n', '\x1a', '\n'};
    // Format 2 keeps condition bounds and period counts as exact decimals where
    // format 1 had single-precision floats. Format 3 adds the blocks of fields:
    // records' bank ids, the keyword rules and the budgets. All are read, only 3 is written.
    static constexpr quint32 version = 3;
    static constexpr quint32 firstVersionWithFields = 3;
    static constexpr int headerSize = 32;
    static constexpr int versionOffset = 8;
    static constexpr int flagsOffset = 12;
    static constexpr int lengthOffset = 16;
    static constexpr int payloadCrcOffset = 24;
    static constexpr int headerCrcOffset = 28;

    enum class Tag : quint8 {
        Nil = 0,             // an absent object
        ObjectRef = 1,       // varint object number
        Object = 2,          // varint class index, then the class's items
        String = 3,          // varint byte count, UTF-8
        StringUtf16 = 4,     // varint unit count, UTF-16LE: text UTF-8 cannot carry (lone surrogates)
        StringRef = 5,       // varint string number
        Decimal = 6,         // zigzag mantissa, zigzag exponent
        Float = 7,           // 4 bytes, IEEE single precision, little-endian; format 1 only
        Date = 8,            // zone, zigzag milliseconds since the epoch
        Day = 9,             // zone, zigzag days since 2000-01-01: midnight of that day in that zone
        List = 10,           // varint count, then the items
        SortDescriptor = 11, // key item, ascending byte, selector item
        Byte = 12,           // one signed byte, the only scalar item
        Fields = 13,         // varint count, then each field: varint number (ascending), its item; format 3 on
    };
    static constexpr quint8 lastTag = quint8(Tag::Fields);

    // The numbered fields, by the object that ends with them.
    enum class RecordField : quint8 {
        BankId = 1, // string: the id the record's bank gave it
    };
    enum class RootField : quint8 {
        KeywordRules = 1,     // list of KeywordRule
        RecurringRecords = 2, // list of RecurringRecord
        Budgets = 3,          // list of Budget
    };

    // A zone is a varint: 0 introduces a new zone (varint length, ASCII id),
    // n > 0 is the (n-1)th zone introduced.
    static constexpr int maxZoneIdLength = 128;

    // Julian day of 2000-01-01, the origin of stored days.
    static constexpr qint64 dayOrigin = 2451545;

    enum class ClassId : quint8 {
        DataRoot,
        Book,
        SmartBook,
        IO,
        Keyword,
        Condition,
        OrConditions,
        AndConditions,
        AmountCondition,
        DateCondition,
        BookCondition,
        KeywordCondition,
        CommentCondition,
        KeywordRule,
        RecurringRecord,
        Budget,
    };
    static constexpr int classCount = 16;
    static constexpr std::array<std::string_view, classCount> classNames = {
        "DataRoot",         "Book",          "SmartBook",       "IO",
        "Keyword",          "Condition",     "OrConditions",    "AndConditions",
        "AmountCondition",  "DateCondition", "BookCondition",   "KeywordCondition",
        "CommentCondition", "KeywordRule",   "RecurringRecord", "Budget"};
    static constexpr quint32 classVersion = 0;

    static constexpr bool isCondition(ClassId id) {
        return id >= ClassId::Condition && id <= ClassId::CommentCondition;
    }
    static constexpr bool isBook(ClassId id) { return id == ClassId::Book || id == ClassId::SmartBook; }

    // Condition trees and the smart books they name nest; deeper files are
    // refused rather than read on a stack that could run out.
    static constexpr int maxNesting = 1000;
    // A condition shared by several groups is evaluated once per place it
    // stands in; these bound the work a tree can ask for.
    static constexpr quint32 maxTreeNodes = 100000;
    static constexpr quint64 maxTotalTreeNodes = 10000000;

    // The zone ids Qt gives out: IANA names ("Europe/Berlin", "Etc/GMT+5") and
    // offsets ("UTC+05:30"). Nothing that could name a file outside the zone
    // database, which is where Qt looks ids up.
    static bool isZoneId(QByteArrayView id) {
        if (id.isEmpty() || id.size() > maxZoneIdLength || id.front() == '/' || id.front() == '.' ||
            id.contains("..")) {
            return false;
        }
        for (const char c : id) {
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (!plain && c != '/' && c != '_' && c != '-' && c != '+' && c != ':' && c != '.') {
                return false;
            }
        }
        return true;
    }

    static void putLittleEndian32(char* at, quint32 value) {
        for (int i = 0; i < 4; ++i) {
            at[i] = char(value >> (8 * i));
        }
    }
    static void putLittleEndian64(char* at, quint64 value) {
        for (int i = 0; i < 8; ++i) {
            at[i] = char(value >> (8 * i));
        }
    }
    static quint32 littleEndian32(const char* at) {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= quint32(quint8(at[i])) << (8 * i);
        }
        return value;
    }
    static quint64 littleEndian64(const char* at) {
        quint64 value = 0;
        for (int i = 0; i < 8; ++i) {
            value |= quint64(quint8(at[i])) << (8 * i);
        }
        return value;
    }
};
