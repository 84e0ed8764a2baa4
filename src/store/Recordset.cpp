#include "store/Recordset.h"

#include "base/Regional.h"
#include "store/Database.h"
#include "store/Dialect.h"
#include "store/Quote.h"
#include "store/StoreError.h"

#include <algorithm>
#include <unordered_map>

namespace tesorin::store {

namespace {

constexpr long kPageSize = 64;
// Rows of the current direction checked one statement at a time before a
// search asks the store for every match: a criteria that most rows meet is
// answered at once, a rare one by a single pass over the table.
constexpr long kFindProbe = 64;

QString noCurrentRow() {
    return QStringLiteral("No hay registro actual.");
}

QString inList(long count) {
    QString text;
    text.reserve(int(count) * 3);
    for (long i = 0; i < count; ++i)
        text += i ? QStringLiteral(",?") : QStringLiteral("?");
    return text;
}

std::optional<bool> readYesNo(const QString& text) {
    const QString word = text.trimmed().toLower();
    static const QStringList yes{QStringLiteral("true"), QStringLiteral("verdadero"),
                                 QStringLiteral("sí"),   QStringLiteral("si"),
                                 QStringLiteral("-1"),   QStringLiteral("1")};
    static const QStringList no{QStringLiteral("false"), QStringLiteral("falso"),
                                QStringLiteral("no"), QStringLiteral("0")};
    if (yes.contains(word))
        return true;
    if (no.contains(word))
        return false;
    return std::nullopt;
}

} // namespace

Recordset::Recordset(Database& db, const QString& source) : m_db(db), m_source(source) {
    QString table;
    if (const auto parts = dialect::splitSelect(source)) {
        table = parts->table;
        m_where = parts->where;
        m_orderBy = parts->orderBy;
    } else {
        table = source.trimmed();
        if (table.startsWith(QLatin1Char('[')) && table.endsWith(QLatin1Char(']')))
            table = table.mid(1, table.size() - 2);
    }
    Statement name = m_db.prepare(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE"));
    name.bindText(1, table);
    if (!name.step())
        throw StoreError(
            QStringLiteral("No existe la tabla «%1» en la caja «%2».").arg(table, m_db.name()));
    m_table = name.text(0);

    Statement columns =
        m_db.prepare(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(m_table)));
    while (columns.step()) {
        const QString field = columns.text(1);
        m_fieldIndex.insert(field.toLower(), int(m_fields.size()));
        m_fields << field;
        m_kinds << fieldKind(m_table, field);
    }
    QString idSql = QStringLiteral("SELECT rowid FROM %1").arg(quotedIdentifier(m_table));
    if (!m_where.isEmpty())
        idSql += QStringLiteral(" WHERE (%1)").arg(m_where);
    idSql += m_orderBy.isEmpty() ? QStringLiteral(" ORDER BY rowid")
                                 : QStringLiteral(" ORDER BY %1, rowid").arg(m_orderBy);
    restartIds(idSql, {});
    moveTo(0);
}

Recordset::~Recordset() = default;

int Recordset::fieldIndex(const QString& name) const {
    return m_fieldIndex.value(name.toLower(), -1);
}

void Recordset::restartIds(const QString& idSql, const QVariantList& binds) {
    m_ids.clear();
    m_idStream = std::make_unique<Statement>(m_db.prepare(idSql));
    for (int i = 0; i < binds.size(); ++i)
        m_idStream->bind(i + 1, binds[i]);
    m_pageStart = -1;
}

bool Recordset::fetchMoreIds(long wanted) {
    while (long(m_ids.size()) < wanted && m_idStream) {
        if (m_idStream->step()) {
            m_ids.push_back(m_idStream->int64(0));
        } else {
            // Done: the statement lets go of the file at once.
            m_idStream.reset();
        }
    }
    return long(m_ids.size()) >= wanted;
}

void Recordset::fetchAllIds() {
    while (m_idStream)
        fetchMoreIds(long(m_ids.size()) + 4096);
}

void Recordset::moveTo(long position) {
    m_afterDelete = false;
    if (position < 0) {
        m_position = -1;
    } else {
        fetchMoreIds(position + 1);
        m_position = std::min<long>(position, long(m_ids.size()));
    }
    if (m_onMove)
        m_onMove();
}

bool Recordset::atEOF() const {
    return m_position >= long(m_ids.size());
}

bool Recordset::atBOF() const {
    return m_position < 0;
}

bool Recordset::hasCurrentRow() const {
    return !atEOF() && !atBOF() && !m_afterDelete;
}

void Recordset::MoveFirst() {
    if (!fetchMoreIds(1))
        throw StoreError(noCurrentRow());
    moveTo(0);
}

void Recordset::MoveLast() {
    fetchAllIds();
    if (m_ids.empty())
        throw StoreError(noCurrentRow());
    moveTo(long(m_ids.size()) - 1);
}

void Recordset::MoveNext() {
    if (atEOF())
        throw StoreError(noCurrentRow());
    // After a Delete the next row already stands at the deleted one's place.
    moveTo(m_afterDelete ? m_position : m_position + 1);
}

void Recordset::MovePrevious() {
    if (atBOF())
        throw StoreError(noCurrentRow());
    moveTo(m_position - 1);
}

long Recordset::AbsolutePosition() const {
    return hasCurrentRow() ? m_position : -1;
}

void Recordset::setAbsolutePosition(long position) {
    if (position < 0 || !fetchMoreIds(position + 1))
        throw StoreError(noCurrentRow());
    moveTo(position);
}

long Recordset::RecordCount() {
    fetchAllIds();
    return long(m_ids.size());
}

void Recordset::setIndex(const QString& indexName) {
    QStringList columns;
    if (indexName.compare(QLatin1String("primarykey"), Qt::CaseInsensitive) == 0) {
        Statement info =
            m_db.prepare(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(m_table)));
        QList<QPair<int, QString>> keyed;
        while (info.step()) {
            if (info.int64(5) > 0)
                keyed.append({int(info.int64(5)), info.text(1)});
        }
        std::sort(keyed.begin(), keyed.end());
        for (const auto& key : keyed)
            columns << key.second;
    } else {
        Statement owner = m_db.prepare(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type = 'index' AND name = ?1 COLLATE NOCASE "
            "AND tbl_name = ?2 COLLATE NOCASE"));
        owner.bindText(1, indexName).bindText(2, m_table);
        if (owner.step()) {
            Statement info = m_db.prepare(
                QStringLiteral("PRAGMA index_info(%1)").arg(quotedIdentifier(owner.text(0))));
            while (info.step())
                columns << info.text(2);
        }
    }
    if (columns.size() != 1)
        throw StoreError(
            QStringLiteral("La tabla «%1» no tiene el índice «%2».").arg(m_table, indexName));
    m_index = indexName;
    m_indexColumns = columns;
    restartIds(QStringLiteral("SELECT rowid FROM %1 ORDER BY %2, rowid")
                   .arg(quotedIdentifier(m_table), quotedIdentifier(columns.first())),
               {});
    moveTo(0);
}

void Recordset::Seek(const QString& comparison, const QVariant& key) {
    if (m_indexColumns.isEmpty())
        throw StoreError(
            QStringLiteral("Falta elegir el índice antes de buscar en «%1».").arg(m_table));
    const QString column = quotedIdentifier(m_indexColumns.first());
    const QString op = comparison.trimmed();
    if (op != QLatin1String("=") && op != QLatin1String(">=") && op != QLatin1String(">"))
        throw StoreError(QStringLiteral("La comparación «%1» no se admite al buscar.").arg(op));
    const int keyColumn = fieldIndex(m_indexColumns.first());
    // A counter key is looked up, never written, so it takes no conversion.
    const bool counter = keyColumn >= 0 && m_kinds[keyColumn] == FieldKind::Counter;
    const QVariant stored = keyColumn >= 0 && !counter ? converted(keyColumn, key) : key;
    // First row of the index at or after the key, and whether it equals it.
    Statement first = m_db.prepare(QStringLiteral("SELECT rowid, %1 = ?1 FROM %2 WHERE %1 %3 ?1 "
                                                  "ORDER BY %1, rowid LIMIT 1")
                                       .arg(column, quotedIdentifier(m_table),
                                            op == QLatin1String(">") ? op : QStringLiteral(">=")));
    first.bind(1, stored);
    const bool found = first.step() && (op != QLatin1String("=") || first.int64(1) != 0);
    m_noMatch = !found;
    if (!found)
        return;
    const QString cmp = op == QLatin1String(">") ? op : QStringLiteral(">=");
    restartIds(QStringLiteral("SELECT rowid FROM %1 WHERE %2 %3 ?1 ORDER BY %2, rowid")
                   .arg(quotedIdentifier(m_table), column, cmp),
               {stored});
    moveTo(0);
}

std::optional<long> Recordset::find(const QString& criteria, long from, int step) {
    const QString condition = dialect::toSqlite(criteria);
    if (step < 0)
        fetchAllIds();
    const QString table = quotedIdentifier(m_table);
    // Probe the next rows in the search direction.
    std::vector<std::int64_t> probe;
    for (long p = from; probe.size() < size_t(kFindProbe) && p >= 0 && fetchMoreIds(p + 1);
         p += step)
        probe.push_back(m_ids[size_t(p)]);
    if (probe.empty())
        return std::nullopt;
    {
        Statement matches =
            m_db.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE rowid IN (%2) AND (%3)")
                             .arg(table, inList(long(probe.size())), condition));
        for (size_t i = 0; i < probe.size(); ++i)
            matches.bindInt64(int(i) + 1, probe[i]);
        std::vector<std::int64_t> hit;
        while (matches.step())
            hit.push_back(matches.int64(0));
        for (size_t i = 0; i < probe.size(); ++i) {
            if (std::find(hit.begin(), hit.end(), probe[i]) != hit.end())
                return from + long(i) * step;
        }
    }
    // Every row meeting the criteria, then the first of them in our order.
    std::vector<std::int64_t> all;
    Statement matches = m_db.prepare(
        QStringLiteral("SELECT rowid FROM %1 WHERE (%2) ORDER BY rowid").arg(table, condition));
    while (matches.step())
        all.push_back(matches.int64(0));
    if (all.empty())
        return std::nullopt;
    for (long p = from + long(probe.size()) * step; p >= 0 && fetchMoreIds(p + 1); p += step) {
        if (std::binary_search(all.begin(), all.end(), m_ids[size_t(p)]))
            return p;
    }
    return std::nullopt;
}

void Recordset::FindFirst(const QString& criteria) {
    const auto found = find(criteria, 0, 1);
    m_noMatch = !found;
    if (found)
        moveTo(*found);
}

void Recordset::FindLast(const QString& criteria) {
    fetchAllIds();
    const auto found = find(criteria, long(m_ids.size()) - 1, -1);
    m_noMatch = !found;
    if (found)
        moveTo(*found);
}

void Recordset::FindNext(const QString& criteria) {
    const long from = m_afterDelete ? m_position : m_position + 1;
    const auto found = find(criteria, std::max<long>(from, 0), 1);
    m_noMatch = !found;
    if (found)
        moveTo(*found);
}

void Recordset::FindPrevious(const QString& criteria) {
    if (atEOF())
        fetchAllIds();
    const long from = std::min<long>(m_position, long(m_ids.size())) - 1;
    const auto found = from >= 0 ? find(criteria, from, -1) : std::nullopt;
    m_noMatch = !found;
    if (found)
        moveTo(*found);
}

void Recordset::loadPage(long position) const {
    const long start = (position / kPageSize) * kPageSize;
    const long count = std::min<long>(kPageSize, long(m_ids.size()) - start);
    Statement rows = m_db.prepare(QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid IN (%2)")
                                      .arg(quotedIdentifier(m_table), inList(count)));
    for (long i = 0; i < count; ++i)
        rows.bindInt64(int(i) + 1, m_ids[size_t(start + i)]);
    std::unordered_map<std::int64_t, QVariantList> byId;
    while (rows.step()) {
        QVariantList values;
        values.reserve(m_fields.size());
        for (int c = 0; c < m_fields.size(); ++c)
            values << rows.value(c + 1);
        byId.emplace(rows.int64(0), std::move(values));
    }
    m_page.assign(size_t(count), QVariantList());
    for (long i = 0; i < count; ++i) {
        auto it = byId.find(m_ids[size_t(start + i)]);
        if (it != byId.end())
            m_page[size_t(i)] = std::move(it->second);
    }
    m_pageStart = start;
}

QVariantList Recordset::rowAt(long position) {
    if (position < 0 || !fetchMoreIds(position + 1))
        return {};
    if (m_pageStart < 0 || position < m_pageStart || position >= m_pageStart + long(m_page.size()))
        loadPage(position);
    return m_page[size_t(position - m_pageStart)];
}

const QVariantList& Recordset::currentValues() const {
    if (!hasCurrentRow())
        throw StoreError(noCurrentRow());
    if (m_pageStart < 0 || m_position < m_pageStart ||
        m_position >= m_pageStart + long(m_page.size()))
        loadPage(m_position);
    const QVariantList& values = m_page[size_t(m_position - m_pageStart)];
    if (values.isEmpty())
        throw StoreError(QStringLiteral("El registro ya no existe: otra operación lo eliminó."));
    return values;
}

QVariant Recordset::fieldValue(const QString& field) const {
    const int column = fieldIndex(field);
    if (column < 0)
        throw StoreError(
            QStringLiteral("La tabla «%1» no tiene el campo «%2».").arg(m_table, field));
    if (m_editMode != EditMode::None && m_pendingSet[column])
        return m_pending[column];
    if (m_editMode == EditMode::Adding)
        return QVariant();
    return currentValues()[column];
}

QVariant Recordset::value(const QString& field) const {
    return fieldValue(field);
}

QString Recordset::text(const QString& field) const {
    const QVariant v = fieldValue(field);
    return v.isNull() ? QString() : v.toString();
}

Money Recordset::money(const QString& field) const {
    const QVariant v = fieldValue(field);
    if (v.isNull())
        return Money();
    std::optional<Money> amount = v.typeId() == QMetaType::QString
                                      ? Money::fromPlainText(v.toString())
                                      : Money::fromStored(v.toDouble());
    if (!amount)
        throw StoreError(QStringLiteral("El importe guardado en «%1» no es válido.").arg(field));
    return *amount;
}

QDate Recordset::date(const QString& field) const {
    const QVariant v = fieldValue(field);
    return v.isNull() ? QDate() : QDate::fromString(v.toString(), Qt::ISODate);
}

std::int64_t Recordset::integer(const QString& field) const {
    const QVariant v = fieldValue(field);
    return v.isNull() ? 0 : v.toLongLong();
}

bool Recordset::yesNo(const QString& field) const {
    return integer(field) != 0;
}

bool Recordset::isNull(const QString& field) const {
    return fieldValue(field).isNull();
}

std::int64_t Recordset::currentId() const {
    if (!hasCurrentRow())
        throw StoreError(noCurrentRow());
    return m_ids[size_t(m_position)];
}

void Recordset::AddNew() {
    m_editMode = EditMode::Adding;
    m_pending = QVariantList(m_fields.size());
    m_pendingSet = QVector<bool>(m_fields.size(), false);
}

void Recordset::Edit() {
    currentValues();
    m_editMode = EditMode::Editing;
    m_pending = QVariantList(m_fields.size());
    m_pendingSet = QVector<bool>(m_fields.size(), false);
}

QVariant Recordset::converted(int column, const QVariant& value) const {
    const QString& field = m_fields[column];
    if (!value.isValid() || value.isNull())
        return QVariant();
    const bool isText = value.typeId() == QMetaType::QString;
    const auto refuse = [&](const QString& what) -> QVariant {
        throw StoreError(QStringLiteral("«%1» no es %2 válido para el campo %3.")
                             .arg(value.toString(), what, field));
    };
    switch (m_kinds[column]) {
    case FieldKind::Counter:
        throw StoreError(
            QStringLiteral("El campo %1 lo numera la caja y no se puede escribir.").arg(field));
    case FieldKind::Text:
        return value.typeId() == QMetaType::QDate ? value.toDate().toString(Qt::ISODate)
                                                  : value.toString();
    case FieldKind::Date: {
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().isValid() ? value.toDate().toString(Qt::ISODate) : QVariant();
        if (isText && value.toString().trimmed().isEmpty())
            return QVariant();
        std::optional<QDate> date = regional::readShortDate(value.toString());
        if (!date) {
            const QDate iso = QDate::fromString(value.toString().trimmed(), Qt::ISODate);
            if (!iso.isValid())
                return refuse(QStringLiteral("una fecha"));
            date = iso;
        }
        return date->toString(Qt::ISODate);
    }
    case FieldKind::Money: {
        std::optional<Money> amount =
            isText ? regional::readNumber(value.toString()) : Money::fromStored(value.toDouble());
        if (!amount || !amount->isStorable())
            return refuse(QStringLiteral("un importe"));
        return amount->toStored();
    }
    case FieldKind::Integer: {
        if (!isText)
            return value.toLongLong();
        if (value.toString().trimmed().isEmpty())
            return QVariant();
        const std::optional<Money> number = regional::readNumber(value.toString());
        if (!number || number->units() % Money::kScale != 0)
            return refuse(QStringLiteral("un número entero"));
        return QVariant::fromValue<qlonglong>(number->units() / Money::kScale);
    }
    case FieldKind::YesNo: {
        if (!isText)
            return value.toBool() ? 1 : 0;
        const std::optional<bool> flag = readYesNo(value.toString());
        if (!flag)
            return refuse(QStringLiteral("un valor Sí/No"));
        return *flag ? 1 : 0;
    }
    case FieldKind::Any:
        return value.typeId() == QMetaType::QDate ? value.toDate().toString(Qt::ISODate) : value;
    }
    return value;
}

void Recordset::setValue(const QString& field, const QVariant& value) {
    if (m_editMode == EditMode::None)
        throw StoreError(QStringLiteral("Falta Edit o AddNew antes de escribir «%1».").arg(field));
    const int column = fieldIndex(field);
    if (column < 0)
        throw StoreError(
            QStringLiteral("La tabla «%1» no tiene el campo «%2».").arg(m_table, field));
    m_pending[column] = converted(column, value);
    m_pendingSet[column] = true;
}

void Recordset::setMoney(const QString& field, Money value) {
    if (!value.isStorable())
        throw StoreError(
            QStringLiteral(
                "El importe %1 es demasiado grande para guardarlo exacto en el campo %2.")
                .arg(value.toPlainText(), field));
    setValue(field, value.toStored());
}

void Recordset::setDate(const QString& field, const QDate& value) {
    setValue(field, value);
}

void Recordset::Update() {
    if (m_editMode == EditMode::None)
        throw StoreError(QStringLiteral("Falta Edit o AddNew antes de guardar."));
    QStringList columns;
    QVariantList values;
    for (int c = 0; c < m_fields.size(); ++c) {
        if (m_pendingSet[c]) {
            columns << quotedIdentifier(m_fields[c]);
            values << m_pending[c];
        }
    }
    const QString table = quotedIdentifier(m_table);
    if (m_editMode == EditMode::Adding) {
        Statement insert = m_db.prepare(
            columns.isEmpty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table, columns.join(QLatin1Char(',')), inList(columns.size())));
        for (int i = 0; i < values.size(); ++i)
            insert.bind(i + 1, values[i]);
        insert.run();
        Statement lastId = m_db.prepare(QStringLiteral("SELECT last_insert_rowid()"));
        lastId.step();
        m_lastAddedId = lastId.int64(0);
        if (!m_idStream)
            m_ids.push_back(m_lastAddedId);
    } else if (!columns.isEmpty()) {
        for (QString& column : columns)
            column += QStringLiteral(" = ?");
        Statement update = m_db.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                            .arg(table, columns.join(QLatin1Char(','))));
        int i = 0;
        for (; i < values.size(); ++i)
            update.bind(i + 1, values[i]);
        update.bindInt64(i + 1, currentId());
        update.run();
    }
    m_editMode = EditMode::None;
    m_pageStart = -1;
}

void Recordset::CancelUpdate() {
    m_editMode = EditMode::None;
}

void Recordset::Delete() {
    const std::int64_t id = currentId();
    Statement remove = m_db.prepare(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedIdentifier(m_table)));
    remove.bindInt64(1, id);
    remove.run();
    m_ids.erase(m_ids.begin() + m_position);
    fetchMoreIds(m_position + 1); // the row that now stands in its place
    m_pageStart = -1;
    m_afterDelete = true;
}

void Recordset::Close() {
    m_idStream.reset();
    m_ids.clear();
    m_page.clear();
    m_pageStart = -1;
    m_position = -1;
    m_editMode = EditMode::None;
}

std::vector<MoneySum> Recordset::sums(const QStringList& moneyFields) {
    QStringList parts;
    for (const QString& field : moneyFields)
        parts << QStringLiteral("mtotal(%1)").arg(quotedIdentifier(field));
    QString sql = QStringLiteral("SELECT %1 FROM %2")
                      .arg(parts.join(QLatin1Char(',')), quotedIdentifier(m_table));
    if (!m_where.isEmpty())
        sql += QStringLiteral(" WHERE (%1)").arg(m_where);
    Statement totals = m_db.prepare(sql);
    totals.step();
    std::vector<MoneySum> result;
    for (int i = 0; i < moneyFields.size(); ++i)
        result.push_back(MoneySum::fromUnits(totals.int64(i)));
    return result;
}

} // namespace tesorin::store
