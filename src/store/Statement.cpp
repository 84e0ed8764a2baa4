#include "store/Statement.h"

#include "store/SqliteError.h"

#include <QDate>

#include <sqlite3.h>

namespace tesorin::store {

Statement::Statement(sqlite3* db, const QString& sql, const QString& displayName)
    : m_db(db), m_displayName(displayName) {
    if (!db)
        throw StoreError(QStringLiteral("No hay ninguna caja abierta."));
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        if ((rc & 0xff) == SQLITE_ERROR)
            throw StoreError(QStringLiteral("La consulta no es válida: %1")
                                 .arg(QString::fromUtf8(sqlite3_errmsg(db))));
        // Preparing reads the work area's layout.
        throwSqlite(db, rc, displayName, StoreStep::Read);
    }
    // One statement only: text after it would otherwise be dropped unseen.
    for (const char* c = tail; c && c < utf8.constData() + utf8.size(); ++c) {
        if (!QChar::isSpace(uchar(*c)) && *c != ';') {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            throw StoreError(
                QStringLiteral("La consulta no es válida: tiene texto de más después de «%1».")
                    .arg(QString::fromUtf8(utf8.constData(), int(tail - utf8.constData()))));
        }
    }
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_displayName(std::move(other.m_displayName)) {
    other.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        m_displayName = std::move(other.m_displayName);
        other.m_stmt = nullptr;
    }
    return *this;
}

Statement& Statement::bind(int position, const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(m_stmt, position);
        return *this;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
        return bindInt64(position, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return bindDouble(position, value.toDouble());
    case QMetaType::QDate:
        return bindText(position, value.toDate().toString(Qt::ISODate));
    default:
        return bindText(position, value.toString());
    }
}

Statement& Statement::bindInt64(int position, std::int64_t value) {
    sqlite3_bind_int64(m_stmt, position, value);
    return *this;
}

Statement& Statement::bindDouble(int position, double value) {
    sqlite3_bind_double(m_stmt, position, value);
    return *this;
}

Statement& Statement::bindText(int position, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const StoreStep what = sqlite3_stmt_readonly(m_stmt) ? StoreStep::Read : StoreStep::Save;
    sqlite3_reset(m_stmt);
    throwSqlite(m_db, rc, m_displayName, what);
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QVariant Statement::value(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qlonglong>(sqlite3_column_int64(m_stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    case SQLITE_TEXT:
        return text(column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, column)),
                          sqlite3_column_bytes(m_stmt, column));
    default:
        return QVariant();
    }
}

QString Statement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column)) : QString();
}

std::int64_t Statement::int64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

} // namespace tesorin::store
