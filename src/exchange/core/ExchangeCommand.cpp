#include "exchange/core/ExchangeCommand.h"

#include "backups/core/WorkAreaBackup.h"
#include "base/Regional.h"
#include "exchange/core/ExchangeError.h"
#include "exchange/core/ExchangeMessages.h"
#include "exchange/core/ExportRows.h"
#include "exchange/core/ExportWriters.h"
#include "exchange/core/ImportPlan.h"
#include "exchange/core/MappingMemory.h"
#include "exchange/core/StatementAccounts.h"
#include "exchange/core/StatementImport.h"
#include "movements/core/ViewFilter.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "workareas/core/WorkAreaLock.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace tesorin::exchange {

namespace {

// A bad argument: the message, and exit code 2.
struct UsageError {
    QString message;
};

const QStringList kValueOptions = {"importar",      "exportar",  "cuenta",         "caja",
                                   "medio",         "fecha",     "detalle",        "importe",
                                   "ingreso",       "egreso",    "debito-credito", "cuenta-columna",
                                   "medio-columna", "separador", "decimal",        "orden-fecha",
                                   "codificacion",  "desde",     "hasta"};
// The options that name a column's role.
const QStringList kRoleOptions = {"fecha",          "detalle",        "importe",      "ingreso",
                                  "debito-credito", "cuenta-columna", "medio-columna"};
const QStringList kFlagOptions = {"encabezado", "sin-encabezado"};

int column(const QCommandLineParser& args, const QString& name) {
    bool ok = false;
    const int n = args.value(name).trimmed().toInt(&ok);
    if (!ok || n < 1)
        throw UsageError{QStringLiteral("--%1 espera un número de columna desde 1, no «%2».")
                             .arg(name, args.value(name))};
    return n - 1;
}

QDate dateArgument(const QCommandLineParser& args, const QString& name) {
    const QString text = args.value(name).trimmed();
    if (const auto date = regional::readShortDate(text))
        return *date;
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (!iso.isValid())
        throw UsageError{QStringLiteral("--%1: «%2» no es una fecha (%3 o AAAA-MM-DD).")
                             .arg(name, text, regional::shortDate(QDate(2024, 12, 31)))};
    return iso;
}

// Makes the folder of a --caja given with a path the work-area folder and
// returns its bare name.
QString workAreaName(const QCommandLineParser& args) {
    if (!args.isSet(QStringLiteral("caja")))
        return QStringLiteral("BASE.MDB");
    const QFileInfo file(args.value(QStringLiteral("caja")));
    if (args.value(QStringLiteral("caja")).contains(u'/'))
        store::setWorkAreaFolder(file.absolutePath());
    return file.fileName();
}

QString describeSettings(const LoadedStatement& loaded) {
    if (loaded.format == StatementFormat::Ofx)
        return QStringLiteral("Formato: OFX.");
    if (loaded.format == StatementFormat::Qif)
        return QStringLiteral("Formato: QIF.");
    if (loaded.format == StatementFormat::Norma43)
        return QStringLiteral("Formato: Norma 43 (%1 cuentas).").arg(loaded.statements.size());
    const ColumnMapping& m = loaded.mapping;
    QStringList detail;
    for (int c : m.detail)
        detail.append(QString::number(c + 1));
    QString amount;
    switch (m.mode) {
    case AmountMode::Signed:
        amount = QStringLiteral("--importe %1").arg(m.amount + 1);
        break;
    case AmountMode::IncomeExpense:
        amount = QStringLiteral("--ingreso %1 --egreso %2").arg(m.income + 1).arg(m.expense + 1);
        break;
    case AmountMode::AmountDebitCredit:
        amount = QStringLiteral("--importe %1 (débito/crédito en la columna %2)")
                     .arg(m.amount + 1)
                     .arg(m.debitCredit + 1);
        break;
    }
    const QChar sep = loaded.table.separator;
    return QStringLiteral(
               "Formato: CSV --separador %1 --codificacion %2 --orden-fecha %3 --decimal %4 "
               "--fecha %5 --detalle %6 %7%8")
        .arg(sep == u'\t' ? QStringLiteral("tab") : QString(sep),
             encodingName(loaded.table.encoding), dateOrderCode(m.dateOrder),
             m.decimal == DecimalMark::Comma ? QStringLiteral(",") : QStringLiteral("."))
        .arg(m.date + 1)
        .arg(detail.join(u','), amount,
             loaded.table.hasHeader ? QStringLiteral(" (con encabezado)")
                                    : QStringLiteral(" (sin encabezado)"));
}

// The option that settles what the roles lack, for a message that asks for
// a choice.
QString optionForProblem(const ColumnMapping& m, int fieldCount) {
    auto valid = [fieldCount](int c) { return c >= 0 && c < fieldCount; };
    if (!valid(m.date))
        return QStringLiteral("--fecha N");
    if (m.detail.isEmpty() || !std::all_of(m.detail.begin(), m.detail.end(), valid))
        return QStringLiteral("--detalle N");
    switch (m.mode) {
    case AmountMode::Signed:
        if (!valid(m.amount))
            return QStringLiteral("--importe N (o bien --ingreso N --egreso N)");
        break;
    case AmountMode::IncomeExpense:
        if (!valid(m.income) || !valid(m.expense) || m.income == m.expense)
            return QStringLiteral("--ingreso N --egreso N");
        break;
    case AmountMode::AmountDebitCredit:
        if (!valid(m.amount) || m.amount == m.debitCredit)
            return QStringLiteral("--importe N");
        if (!valid(m.debitCredit))
            return QStringLiteral("--debito-credito N");
        break;
    }
    if (m.account >= fieldCount)
        return QStringLiteral("--cuenta-columna N");
    if (m.medium >= fieldCount)
        return QStringLiteral("--medio-columna N");
    return {};
}

QString askForChoice(const LoadedStatement& loaded) {
    QString text = loaded.mappingProblem;
    const QString option = optionForProblem(loaded.mapping, loaded.table.fieldCount);
    if (option.isEmpty())
        return text;
    if (text.endsWith(u'.'))
        text.chop(1);
    return QStringLiteral("%1: indique %2.").arg(text, option);
}

int importFile(const QCommandLineParser& args, QTextStream& out, QTextStream& err) {
    const bool accountFromFile = args.isSet(QStringLiteral("cuenta-columna"));
    if (!args.isSet(QStringLiteral("cuenta")) && !accountFromFile)
        throw UsageError{
            QStringLiteral("--importar necesita --cuenta NOMBRE (o --cuenta-columna N).")};
    if (args.isSet(QStringLiteral("cuenta")) && accountFromFile)
        throw UsageError{QStringLiteral("Use --cuenta o bien --cuenta-columna, no ambos.")};
    if (args.isSet(QStringLiteral("encabezado")) && args.isSet(QStringLiteral("sin-encabezado")))
        throw UsageError{QStringLiteral("Use --encabezado o bien --sin-encabezado, no ambos.")};
    if (args.isSet(QStringLiteral("debito-credito")) &&
        (args.isSet(QStringLiteral("ingreso")) || args.isSet(QStringLiteral("egreso"))))
        throw UsageError{
            QStringLiteral("--debito-credito va con --importe, no con --ingreso y --egreso.")};
    if (args.isSet(QStringLiteral("importe")) &&
        (args.isSet(QStringLiteral("ingreso")) || args.isSet(QStringLiteral("egreso"))))
        throw UsageError{QStringLiteral("Use --importe o bien --ingreso y --egreso, no ambos.")};
    if (args.isSet(QStringLiteral("ingreso")) != args.isSet(QStringLiteral("egreso")))
        throw UsageError{QStringLiteral("--ingreso y --egreso van juntos.")};

    StatementOptions options;
    if (args.isSet(QStringLiteral("separador"))) {
        const QString s = args.value(QStringLiteral("separador"));
        if (s == u"tab" || s == u"\\t")
            options.separator = u'\t';
        else if (s.size() == 1)
            options.separator = s.front();
        else
            throw UsageError{
                QStringLiteral("--separador espera un carácter (o «tab»), no «%1».").arg(s)};
    }
    if (args.isSet(QStringLiteral("codificacion"))) {
        options.encoding = encodingFromName(args.value(QStringLiteral("codificacion")));
        if (!options.encoding)
            throw UsageError{QStringLiteral("--codificacion: use %1.")
                                 .arg(encodingNames().join(QStringLiteral(", ")))};
    }
    if (args.isSet(QStringLiteral("decimal"))) {
        const QString d = args.value(QStringLiteral("decimal"));
        if (d != u"," && d != u".")
            throw UsageError{QStringLiteral("--decimal espera «,» o «.», no «%1».").arg(d)};
        options.decimal = d == u"," ? DecimalMark::Comma : DecimalMark::Point;
    }
    if (args.isSet(QStringLiteral("orden-fecha"))) {
        options.dateOrder = dateOrderFromCode(args.value(QStringLiteral("orden-fecha")));
        if (!options.dateOrder)
            throw UsageError{QStringLiteral("--orden-fecha espera dma, mda o amd.")};
    }
    if (args.isSet(QStringLiteral("encabezado")) || args.isSet(QStringLiteral("sin-encabezado")))
        options.hasHeader = args.isSet(QStringLiteral("encabezado"));
    const QByteArray bytes = readStatementBytes(args.value(QStringLiteral("importar")));
    LoadedStatement loaded = loadStatement(bytes, options);
    const bool rolesGiven = std::any_of(kRoleOptions.begin(), kRoleOptions.end(),
                                        [&args](const QString& name) { return args.isSet(name); });
    if (rolesGiven && loaded.format != StatementFormat::Csv)
        throw UsageError{QStringLiteral("Las opciones de columnas (--fecha, --detalle, "
                                        "--importe...) son para archivos CSV; este no lo es.")};
    if (rolesGiven) {
        ColumnMapping m = loaded.mapping;
        if (args.isSet(QStringLiteral("fecha")))
            m.date = column(args, QStringLiteral("fecha"));
        if (args.isSet(QStringLiteral("detalle"))) {
            m.detail.clear();
            for (const QString& part :
                 args.value(QStringLiteral("detalle")).split(u',', Qt::SkipEmptyParts)) {
                bool ok = false;
                const int n = part.trimmed().toInt(&ok);
                if (!ok || n < 1)
                    throw UsageError{
                        QStringLiteral("--detalle espera números de columna separados por comas.")};
                m.detail.append(n - 1);
            }
        }
        if (args.isSet(QStringLiteral("importe"))) {
            m.amount = column(args, QStringLiteral("importe"));
            if (m.mode == AmountMode::IncomeExpense)
                m.mode = AmountMode::Signed;
        }
        if (args.isSet(QStringLiteral("ingreso"))) {
            m.income = column(args, QStringLiteral("ingreso"));
            m.expense = column(args, QStringLiteral("egreso"));
            m.mode = AmountMode::IncomeExpense;
        }
        if (args.isSet(QStringLiteral("debito-credito"))) {
            m.debitCredit = column(args, QStringLiteral("debito-credito"));
            m.mode = AmountMode::AmountDebitCredit;
        }
        if (accountFromFile)
            m.account = column(args, QStringLiteral("cuenta-columna"));
        if (args.isSet(QStringLiteral("medio-columna")))
            m.medium = column(args, QStringLiteral("medio-columna"));
        remapStatement(loaded, m);
    }
    out << describeSettings(loaded) << '\n';
    if (!loaded.mappingProblem.isEmpty())
        throw UsageError{askForChoice(loaded)};
    for (const QString& note : loaded.result.notes)
        out << note << '\n';

    int unreadable = 0;
    for (const ImportRow& r : loaded.result.rows)
        if (!r.readable()) {
            err << QStringLiteral("Línea %1: %2").arg(r.line).arg(r.reason) << '\n';
            ++unreadable;
        }
    if (unreadable > 0) {
        err << unreadableRowsText(unreadable) << QStringLiteral("; no se guardó nada.") << '\n';
        return 2;
    }

    const auto lock = workareas::lockWorkArea(workAreaName(args));
    auto db = store::Database::OpenDatabase(workAreaName(args));
    const QVector<PlannedRow> plan = planImport(*db, loaded.result.rows);
    ImportTarget target;
    target.accountFromFile = accountFromFile;
    target.account = args.value(QStringLiteral("cuenta")).trimmed();
    if (args.isSet(QStringLiteral("medio")))
        target.medium = args.value(QStringLiteral("medio"));
    target.statements = loaded.statements;
    target.fileName = QFileInfo(args.value(QStringLiteral("importar"))).fileName();
    if (const QString refusal = chooseStatementAccounts(*db, target); !refusal.isEmpty()) {
        err << refusal << '\n';
        return 2;
    }
    const QStringList fitting = accountsFittingRows(*db, plan);
    if (accountFromFile) {
        // Without a window there is no one to ask which type a new account has.
        const QStringList unknown = unknownAccounts(*db, plan);
        if (!unknown.isEmpty()) {
            err << QStringLiteral("El archivo nombra cuentas que la caja «%1» no tiene: %2. "
                                  "Créelas antes de importar.")
                       .arg(db->name(), unknown.join(QStringLiteral(", ")))
                << '\n';
            return 2;
        }
    } else if (target.statements.size() < 2 &&
               !fitting.contains(target.account, Qt::CaseInsensitive)) {
        // A file of several bank accounts goes to the accounts chosen for each.
        err << QStringLiteral("La cuenta «%1» no sirve para estas filas: los ingresos necesitan "
                              "una cuenta de tipo "
                              "IN o VS y los egresos OU o VS. Cuentas posibles: %2.")
                   .arg(target.account, fitting.isEmpty() ? QStringLiteral("ninguna")
                                                          : fitting.join(QStringLiteral(", ")))
            << '\n';
        return 2;
    }
    try {
        backups::backupWorkArea(db->name());
    } catch (const store::StoreError& e) {
        err << e.message() << QStringLiteral(" No se importó ningún movimiento.") << '\n';
        return 1;
    }
    const ImportOutcome outcome = writeImport(*db, plan, target);
    for (const PlannedRow& p : plan)
        if (p.duplicate)
            out << QStringLiteral("Línea %1 omitida: %2").arg(p.row.line).arg(p.duplicateReason)
                << '\n';
    out << importDoneText(outcome, db->name()) << '\n';
    RememberedImport remembered;
    remembered.mapping = loaded.mapping;
    remembered.encoding =
        loaded.format == StatementFormat::Csv ? encodingName(loaded.table.encoding) : QString();
    remembered.account = target.account;
    remembered.medium = target.medium;
    rememberImport(loaded.shape, remembered);
    return 0;
}

int exportFile(const QCommandLineParser& args, QTextStream& out) {
    const QString path = args.value(QStringLiteral("exportar"));
    const auto format = exportFormatForPath(path);
    if (!format)
        throw UsageError{
            QStringLiteral("--exportar: el nombre debe terminar en .csv, .xlsx, .qif u .ofx.")};
    movements::ViewChoice choice;
    choice.currentEntry = movements::allAccountsEntry();
    const bool from = args.isSet(QStringLiteral("desde"));
    const bool to = args.isSet(QStringLiteral("hasta"));
    choice.allDates = !from && !to;
    choice.from = from ? dateArgument(args, QStringLiteral("desde")) : QDate(1900, 1, 1);
    choice.to = to ? dateArgument(args, QStringLiteral("hasta")) : QDate(9999, 12, 31);
    const auto lock = workareas::lockWorkArea(workAreaName(args));
    if (args.isSet(QStringLiteral("cuenta"))) {
        // An account that does not exist would give an empty file that looks
        // like a successful export.
        const QString asked = args.value(QStringLiteral("cuenta")).trimmed();
        auto db = store::Database::OpenDatabase(workAreaName(args));
        const QStringList entries = movements::viewAccountEntries(*db);
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
            return e.compare(asked, Qt::CaseInsensitive) == 0;
        });
        if (found == entries.end())
            throw ExchangeError(QStringLiteral("La cuenta «%1» no existe en la caja «%2»; no se "
                                               "exportó nada.")
                                    .arg(asked, db->name()));
        choice.currentEntry = *found;
        choice.selectedEntries = {choice.currentEntry};
    }
    store::DataControl data;
    data.setDatabaseName(workAreaName(args));
    data.setRecordSource(movements::viewRowSource(choice));
    data.Refresh();
    const QVector<ExportRow> rows = viewRows(data);
    writeExport(path, rows, *format, QFileInfo(data.DatabaseName()).completeBaseName());
    out << exportDoneText(rows.size(), path) << '\n';
    return 0;
}

} // namespace

bool isExchangeCommand(const QStringList& arguments) {
    for (const QString& a : arguments)
        if (a == u"--importar" || a == u"--exportar" ||
            a.startsWith(QLatin1String("--importar=")) ||
            a.startsWith(QLatin1String("--exportar=")))
            return true;
    return false;
}

QStringList exchangeOptionNames() {
    return kValueOptions + kFlagOptions;
}

int runExchangeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser args;
    args.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& name : kValueOptions)
        args.addOption(QCommandLineOption(name, QString(), QStringLiteral("valor")));
    for (const QString& name : kFlagOptions)
        args.addOption(QCommandLineOption(name));
    try {
        if (!args.parse(arguments))
            throw UsageError{args.errorText()};
        if (!args.positionalArguments().isEmpty())
            throw UsageError{
                QStringLiteral("Argumento de más: «%1».").arg(args.positionalArguments().front())};
        if (args.isSet(QStringLiteral("importar")) == args.isSet(QStringLiteral("exportar")))
            throw UsageError{QStringLiteral("Use --importar o bien --exportar.")};
        return args.isSet(QStringLiteral("importar")) ? importFile(args, out, err)
                                                      : exportFile(args, out);
    } catch (const UsageError& e) {
        err << e.message << '\n';
        return 2;
    } catch (const ExchangeError& e) {
        err << e.message() << '\n';
        return 1;
    } catch (const store::StoreError& e) {
        err << e.message() << '\n';
        return 1;
    }
}

} // namespace tesorin::exchange
