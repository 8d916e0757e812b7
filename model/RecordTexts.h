#pragma once

#include <QString>
#include <QStringView>

#include <atomic>
#include <cstdint>

// What a record says in words: its comment, that comment in normalization
// form C (for searching and sorting) and the id its bank gave it. Immutable,
// so that records with the same comment and no bank id can hold one copy of
// all three; a change makes a new one. References are counted atomically: a
// record may be let go of on another thread than the one that made it.
class RecordTexts {
public:
    RecordTexts() noexcept = default;
    // A null comment and an empty id take no storage.
    RecordTexts(const QString& comment, const QString& bankId);
    RecordTexts(const RecordTexts& other) noexcept;
    RecordTexts(RecordTexts&& other) noexcept
        : m_node(other.m_node) {
        other.m_node = nullptr;
    }
    RecordTexts& operator=(const RecordTexts& other) noexcept;
    RecordTexts& operator=(RecordTexts&& other) noexcept;
    ~RecordTexts() { release(); }

    // Neither a comment, not even an empty one, nor a bank id.
    bool isNone() const { return m_node == nullptr; }
    const QString& comment() const { return m_node ? m_node->comment : none(); }
    QStringView normalizedComment() const {
        if (!m_node) {
            return {};
        }
        return m_node->normalized.isNull() ? QStringView(m_node->comment) : QStringView(m_node->normalized);
    }
    // Which pairs of adjacent characters the normalized comment holds (SearchKey::pairMaskOf).
    std::uint32_t commentPairMask() const { return m_node ? m_node->pairs : 0; }
    const QString& bankId() const { return m_node ? m_node->bankId : none(); }

    RecordTexts withComment(const QString& comment) const { return RecordTexts(comment, bankId()); }
    RecordTexts withBankId(const QString& id) const { return RecordTexts(comment(), id); }
    // For a reader handing one text to a great many records on one thread: a
    // copy left uncounted, and the count of such copies added at once. Every
    // uncounted copy must be counted before any holder of the texts lets go.
    RecordTexts uncountedCopy() const noexcept { return RecordTexts(m_node); }
    void countCopies(std::uint32_t copies) const noexcept;
    // Stands for the texts held: the same for every record sharing them.
    const void* identity() const { return m_node; }
    // Whether both hold the very same texts, not merely equal ones.
    bool sharesWith(const RecordTexts& other) const { return m_node == other.m_node; }

private:
    struct Node {
        std::atomic<std::uint32_t> references{1};
        std::uint32_t pairs = 0;
        QString comment;
        // Only for a comment that is not in form C already.
        QString normalized;
        QString bankId;
    };
    explicit RecordTexts(Node* node) noexcept
        : m_node(node) {}
    static const QString& none();
    void release() noexcept;

    Node* m_node = nullptr;
};
