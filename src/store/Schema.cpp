#include "store/Schema.h"

#include "store/Durability.h"
#include "store/OwnerOnlyFiles.h"
#include "store/SchemaVersion.h"
#include "store/SqliteError.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

namespace tesorin::store {

namespace {

// Types as the store keeps them: dates as 'YYYY-MM-DD' text, money as REAL
// rounded to four decimals, yes/no as 0/1. Names compare without regard to
// letter case everywhere, as the program's SQL expects.
const char* const kCreateTables = R"sql(
CREATE TABLE Cuentas (
    Nombre     TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Tipo       TEXT,
    TotEntrada REAL,
    TotSalida  REAL,
    Saldo      REAL
);
CREATE TABLE Movimientos (
    idMovimiento INTEGER PRIMARY KEY,
    Fecha        TEXT,
    Cuenta       TEXT COLLATE NOCASE,
    Detalle      TEXT,
    Tipo         TEXT,
    Ingreso      REAL NOT NULL DEFAULT 0,
    Egreso       REAL NOT NULL DEFAULT 0
);
CREATE INDEX Cuenta ON Movimientos (Cuenta);
CREATE INDEX Fecha ON Movimientos (Fecha);
CREATE TABLE Programa (
    idPrograma         INTEGER PRIMARY KEY,
    Cuenta             TEXT COLLATE NOCASE,
    Programa           TEXT,
    FinDeSemana        INTEGER NOT NULL DEFAULT 0,
    PrimerDiaQuincena  INTEGER,
    SegundoDiaQuincena INTEGER,
    DiaDeLaSemana      INTEGER,
    DiaDelMes          INTEGER,
    HoraDelDia         TEXT,
    Detalle            TEXT,
    Importe            REAL,
    Tipo               TEXT,
    UltimaFecha        TEXT
);
CREATE TABLE "Registro Usuario" (
    "Lugar de Ejercicio" TEXT,
    "Sufijo"             TEXT,
    "Apellido y Nombres" TEXT,
    "Matricula"          TEXT,
    "Profesion"          TEXT,
    "Domicilio"          TEXT,
    "Telefonos"          TEXT,
    "Cpost"              TEXT,
    "Localidad"          TEXT
);
INSERT INTO "Registro Usuario" DEFAULT VALUES;
INSERT INTO Cuentas (Nombre, Tipo) VALUES
    ('Sueldo', 'IN'), ('Honorarios', 'IN'),
    ('Alquiler', 'OU'), ('Supermercado', 'OU'), ('Servicios', 'OU'),
    ('Banco', 'VS'), ('Efectivo', 'VS');
)sql";

QString key(const QString& table, const QString& field) {
    return table.toLower() + QLatin1Char('.') + field.toLower();
}

const QHash<QString, FieldKind>& fieldKinds() {
    static const QHash<QString, FieldKind> kinds = [] {
        QHash<QString, FieldKind> k;
        const auto set = [&k](const char* table, std::initializer_list<const char*> fields,
                              FieldKind kind) {
            for (const char* field : fields)
                k.insert(key(QString::fromUtf8(table), QString::fromUtf8(field)), kind);
        };
        set("Movimientos", {"idMovimiento"}, FieldKind::Counter);
        set("Movimientos", {"Fecha"}, FieldKind::Date);
        set("Movimientos", {"Cuenta", "Detalle", "Tipo"}, FieldKind::Text);
        set("Movimientos", {"Ingreso", "Egreso"}, FieldKind::Money);
        set("Cuentas", {"Nombre", "Tipo"}, FieldKind::Text);
        set("Cuentas", {"TotEntrada", "TotSalida", "Saldo"}, FieldKind::Money);
        set("Programa", {"idPrograma"}, FieldKind::Counter);
        set("Programa", {"Cuenta", "Programa", "HoraDelDia", "Detalle", "Tipo", "UltimaFecha"},
            FieldKind::Text);
        set("Programa", {"FinDeSemana"}, FieldKind::YesNo);
        set("Programa", {"PrimerDiaQuincena", "SegundoDiaQuincena", "DiaDeLaSemana", "DiaDelMes"},
            FieldKind::Integer);
        set("Programa", {"Importe"}, FieldKind::Money);
        return k;
    }();
    return kinds;
}

} // namespace

FieldKind fieldKind(const QString& table, const QString& field) {
    return fieldKinds().value(key(table, field), FieldKind::Any);
}

const QStringList& requiredTables() {
    static const QStringList tables{QStringLiteral("Cuentas"), QStringLiteral("Movimientos"),
                                    QStringLiteral("Programa"), QStringLiteral("Registro Usuario")};
    return tables;
}

void createWorkAreaFile(const QString& path) {
    const QString displayName = QFileInfo(path).fileName();
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("El archivo «%1» ya existe.").arg(displayName));
    const QString partial = path + QStringLiteral(".nueva");
    QFile::remove(partial);
    if (!createOwnerOnlyFile(partial))
        throw StoreError(QStringLiteral("No se pudo crear el archivo «%1».").arg(displayName));
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(partial.toUtf8().constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        char* error = nullptr;
        rc = sqlite3_exec(db, "PRAGMA synchronous = EXTRA", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db, kCreateTables, nullptr, nullptr, &error);
        const QByteArray version = "PRAGMA user_version = " + QByteArray::number(kSchemaVersion);
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db, version.constData(), nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_free(error);
    }
    const QString message =
        rc == SQLITE_OK ? QString() : sqliteMessage(db, rc, displayName, StoreStep::Create);
    sqlite3_close(db);
    if (rc == SQLITE_OK && !QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw StoreError(QStringLiteral("No se pudo crear el archivo «%1».").arg(displayName));
    }
    // A new file is only made once its name is on the disk too.
    if (rc == SQLITE_OK && !syncFolderOf(path)) {
        QFile::remove(path);
        throw StoreError(QStringLiteral("No se pudo crear el archivo «%1».").arg(displayName));
    }
    if (rc != SQLITE_OK) {
        QFile::remove(partial);
        QFile::remove(partial + QStringLiteral("-journal"));
        throw StoreError(message, rc & 0xff);
    }
}

void checkWorkAreaTables(sqlite3* db, const QString& displayName) {
    for (const QString& table : requiredTables()) {
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(
            db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", -1,
            &stmt, nullptr);
        bool found = false;
        if (rc == SQLITE_OK) {
            const QByteArray name = table.toUtf8();
            sqlite3_bind_text(stmt, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
            rc = sqlite3_step(stmt);
            found = rc == SQLITE_ROW;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            throwSqlite(db, rc, displayName, StoreStep::Open);
        if (!found)
            throw StoreError(
                QStringLiteral("El archivo «%1» no es una caja de Tesorin: le falta la tabla «%2».")
                    .arg(displayName, table));
    }
}

} // namespace tesorin::store
