#pragma once

#include <QString>
#include <QStringList>

namespace tesorin::store {
class Database;
}

namespace tesorin::exchange {

// The account an import offers first: the one last used for this file shape
// when it still fits the rows, else the first account of both directions
// (type VS) that fits; none (empty) rather than an arbitrary income or
// payment account. Throws store::StoreError.
QString proposedImportAccount(store::Database& db, const QString& shape,
                              const QStringList& fitting);

} // namespace tesorin::exchange
