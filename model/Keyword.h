#pragma once

#include <QString>

#include <memory>
#include <vector>

class Keyword;
using KeywordPtr = std::shared_ptr<Keyword>;
using KeywordList = std::vector<KeywordPtr>;

// A named tag. One object is shared by the library's keyword list and every
// record that carries it; keywords are told apart by identity, never by name.
class Keyword {
public:
    Keyword();
    Keyword(const Keyword&) = delete;
    Keyword& operator=(const Keyword&) = delete;

    static KeywordPtr create();
    static KeywordPtr create(const QString& name);
    // A new keyword with the other one's name.
    static KeywordPtr withKeyword(const Keyword& other);
    // A different keyword with the same name: records carrying this one do not carry the copy.
    KeywordPtr copy() const;

    const QString& name() const { return m_name; }
    void setName(const QString& name);

private:
    QString m_name;
};
