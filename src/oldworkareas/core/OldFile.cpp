#include "oldworkareas/core/OldFile.h"

#include "store/StoreError.h"

#include <QFile>
#include <QtEndian>

#include <mdbtools.h>

namespace tesorin::oldworkareas {

namespace {

// Wide enough for the longest memo the old program could hold (65.535
// characters, up to three bytes each in UTF-8) and the terminating zero.
constexpr std::size_t kBindSize = 256 * 1024;
// Jet's currency: a little-endian count of ten-thousandths.
constexpr int kMoneyBytes = 8;

MdbHandle* handleOf(void* handle) {
    return static_cast<MdbHandle*>(handle);
}

OldType oldType(int columnType) {
    switch (columnType) {
    case MDB_TEXT:
    case MDB_MEMO:
        return OldType::Text;
    case MDB_DATETIME:
        return OldType::Date;
    case MDB_MONEY:
        return OldType::Money;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return OldType::Number;
    case MDB_BOOL:
        return OldType::YesNo;
    default:
        return OldType::Other;
    }
}

} // namespace

OldFile::OldFile(const QString& path, const QString& displayName) : m_displayName(displayName) {
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        throw store::StoreError(
            QStringLiteral("No se pudo leer el archivo «%1» del programa anterior.")
                .arg(displayName));
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(mdb);
    mdb_set_bind_size(mdb, kBindSize);
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        mdb_close(mdb);
        throw store::StoreError(
            QStringLiteral("No se pudo leer la lista de tablas del archivo «%1».")
                .arg(displayName));
    }
    m_handle = mdb;
}

OldFile::~OldFile() {
    mdb_close(handleOf(m_handle));
}

QStringList OldFile::tableNames() const {
    MdbHandle* mdb = handleOf(m_handle);
    QStringList names;
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            names.append(QString::fromUtf8(entry->object_name));
    }
    return names;
}

std::unique_ptr<OldTable> OldFile::openTable(const QString& table) {
    MdbHandle* mdb = handleOf(m_handle);
    QByteArray name = table.toUtf8();
    MdbTableDef* def = mdb_read_table_by_name(mdb, name.data(), MDB_TABLE);
    if (!def || !mdb_read_columns(def) || mdb_rewind_table(def) != 0) {
        if (def)
            mdb_free_tabledef(def);
        throw store::StoreError(QStringLiteral("No se pudo leer la tabla «%1» del archivo «%2».")
                                    .arg(table, m_displayName));
    }
    return std::unique_ptr<OldTable>(new OldTable(mdb, def, table));
}

OldTable::OldTable(void* handle, void* table, QString name)
    : m_handle(handle), m_table(table), m_name(std::move(name)) {
    auto* def = static_cast<MdbTableDef*>(table);
    const std::size_t count = def->num_cols;
    m_buffers.resize(count);
    m_lengths.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(def->columns, i));
        m_columns.append(QString::fromUtf8(column->name));
        m_types.push_back(oldType(column->col_type));
        m_columnHandles.push_back(column);
        // Money is read from the row itself, never as the library's text.
        if (m_types.back() == OldType::Money)
            continue;
        m_buffers[i].assign(handleOf(handle)->bind_size, '\0');
        mdb_bind_column(def, int(i) + 1, m_buffers[i].data(), &m_lengths[i]);
    }
}

OldTable::~OldTable() {
    mdb_free_tabledef(static_cast<MdbTableDef*>(m_table));
}

qint64 OldTable::rowCount() const {
    return static_cast<MdbTableDef*>(m_table)->num_rows;
}

bool OldTable::next() {
    return mdb_fetch_row(static_cast<MdbTableDef*>(m_table)) != 0;
}

bool OldTable::hasValue(int column) const {
    const std::size_t i = std::size_t(column);
    if (m_types[i] == OldType::Money)
        return static_cast<MdbColumn*>(m_columnHandles[i])->cur_value_len == kMoneyBytes;
    return m_lengths[i] > 0;
}

qint64 OldTable::moneyUnits(int column) const {
    const auto* located = static_cast<MdbColumn*>(m_columnHandles[std::size_t(column)]);
    return qFromLittleEndian<qint64>(handleOf(m_handle)->pg_buf + located->cur_value_start);
}

QByteArray OldTable::moneyText(int column) const {
    const qint64 units = moneyUnits(column);
    const quint64 magnitude = units < 0 ? 0 - quint64(units) : quint64(units);
    return (units < 0 ? "-" : "") + QByteArray::number(magnitude / 10000) + '.' +
           QByteArray::number(magnitude % 10000).rightJustified(4, '0');
}

QByteArray OldTable::value(int column) const {
    const std::size_t i = std::size_t(column);
    if (m_types[i] == OldType::Money)
        return moneyText(column);
    const auto length = std::size_t(m_lengths[i]);
    if (length + 1 >= m_buffers[i].size())
        throw store::StoreError(
            QStringLiteral(
                "Un texto del campo «%1» de la tabla «%2» es demasiado largo para leerlo "
                "entero.")
                .arg(m_columns[column], m_name));
    // Read in place: the bytes stay valid until the next row is fetched.
    return QByteArray::fromRawData(m_buffers[i].data(), qsizetype(length));
}

} // namespace tesorin::oldworkareas
