#pragma once

#include "IO.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QIODevice;

// Writes records as the transactions of one QIF bank account, in UTF-8: the
// day as month/day/four-digit year, the amount as the exact decimal, the
// comment as the payee and each keyword as a category line of its own.
// Line breaks in a comment become spaces, as QIF has one line per field.
class QifWriter {
    Q_DECLARE_TR_FUNCTIONS(QifWriter)

public:
    static QByteArray toBytes(const IOList& records);
    // False, with errorString(), when the device takes not every byte.
    bool write(const IOList& records, QIODevice* device);
    const QString& errorString() const { return m_error; }

    // "-12.50": at least two decimals, as statements show money.
    static QString amountText(const Amount& amount);

private:
    QString m_error;
};
