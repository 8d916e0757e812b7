#pragma once

#include "OfxStatement.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <vector>

// Reads OFX and QFX files: version 1 (SGML, fields without end tags, the
// header of KEY:VALUE lines naming the encoding and character set) and
// version 2 (XML), in any layout, all on one line too. Bank and credit card
// statements are read, several per file. A file is read whole or refused
// with the reason and, where there is one, the line: text not in the
// encoding its header names, a tag that never ends, a statement cut off, a
// transaction without its day or amount.
class OfxReader {
    Q_DECLARE_TR_FUNCTIONS(OfxReader)

public:
    bool read(QByteArrayView bytes);
    const QString& errorString() const { return m_error; }
    const OfxStatement& statement() const { return m_statement; }

    // The character set converter's name for a version 1 header's ENCODING
    // and CHARSET, or empty when kesh does not know it.
    static QString converterFor(const QString& encoding, const QString& charset);

private:
    struct Node {
        QString name;
        QString value;
        qint64 line = 0;
        std::vector<std::size_t> children;
    };

    bool fail(const QString& message);
    bool decode(QByteArrayView bytes, QString* text, qint64* firstLine);
    bool parse(const QString& body, qint64 firstLine);
    bool extract();
    bool readAccount(const Node& statement, bool creditCard);
    bool readTransaction(const Node& node, OfxStatement::Account& account);
    bool readDay(const Node* field, const char* name, qint64 line, QDate* day, bool required);
    const Node* child(const Node& node, QStringView name) const;
    void collect(const Node& node, QStringView name, std::vector<const Node*>& found, QStringView stopAt = {}) const;

    std::vector<Node> m_nodes;
    OfxStatement m_statement;
    QString m_error;
};
