#pragma once

#include "base/Money.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tesorin::exchange {

// One movement as a statement file gives it, before it is stored.
struct ImportRow {
    int line = 0;       // line of the file where the row begins, from 1
    QStringList source; // the row as the file has it
    QDate date;
    QString detail;
    Money amount;    // positive: an income; negative: a payment
    QString account; // the account named by the file, when it names one
    QString medium;  // the medium named by the file, when it names one
    QString fitid;   // the bank's transaction id (OFX), with its account
    QString reason;  // why the row does not read; empty when it reads

    // Why the reader advises leaving a readable row out; it is then listed unticked.
    QString leaveOut;
    bool readable() const { return reason.isEmpty(); }
};

// What a reader found: the rows, and records it left out on purpose.
struct ReadResult {
    QVector<ImportRow> rows;
    QStringList notes;
};

} // namespace tesorin::exchange
