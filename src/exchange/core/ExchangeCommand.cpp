#include "exchange/core/ExchangeCommand.h"

#include "backups/core/WorkAreaBackup.h"
#include "base/Regional.h"
#include "exchange/core/ExchangeError.h"
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

namespace tesorin::exchange {

namespace {

// A bad argument: the message, and exit code 2.
struct UsageError {
    QString message;
};

const QStringList kValueOptions = {"importar",    "exportar",     "cuenta",    "caja",
                                   "medio",       "fecha",        "detalle",   "importe",
                                   "ingreso",     "egreso",       "separador", "decimal",
                                   "orden-fecha", "codificacion", "desde",     "hasta"};

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

int importFile(const QCommandLineParser& args, QTextStream& out, QTextStream& err) {
    if (!args.isSet(QStringLiteral("cuenta")))
        throw UsageError{QStringLiteral("--importar necesita --cuenta NOMBRE.")};
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
    const QByteArray bytes = readStatementBytes(args.value(QStringLiteral("importar")));
    LoadedStatement loaded = loadStatement(bytes, options);
    const bool rolesGiven =
        args.isSet(QStringLiteral("fecha")) || args.isSet(QStringLiteral("detalle")) ||
        args.isSet(QStringLiteral("importe")) || args.isSet(QStringLiteral("ingreso"));
    if (rolesGiven && loaded.format == StatementFormat::Csv) {
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
        options.mapping = m;
        loaded = loadStatement(bytes, options);
    }
    out << describeSettings(loaded) << '\n';
    if (!loaded.mappingProblem.isEmpty())
        throw UsageError{loaded.mappingProblem};
    for (const QString& note : loaded.result.notes)
        out << note << '\n';

    int unreadable = 0;
    for (const ImportRow& r : loaded.result.rows)
        if (!r.readable()) {
            err << QStringLiteral("Línea %1: %2").arg(r.line).arg(r.reason) << '\n';
            ++unreadable;
        }
    if (unreadable > 0) {
        err << QStringLiteral("%1 filas no se pueden leer; no se guardó nada.").arg(unreadable)
            << '\n';
        return 2;
    }

    const auto lock = workareas::lockWorkArea(workAreaName(args));
    auto db = store::Database::OpenDatabase(workAreaName(args));
    const QVector<PlannedRow> plan = planImport(*db, loaded.result.rows);
    ImportTarget target;
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
    // A file of several bank accounts goes to the accounts chosen for each.
    if (target.statements.size() < 2 && !fitting.contains(target.account, Qt::CaseInsensitive)) {
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
    out << QStringLiteral(
               "Se guardaron %1 movimientos en «%2»; se omitieron %3 posibles duplicados.")
               .arg(outcome.stored)
               .arg(db->name())
               .arg(outcome.skipped)
        << '\n';
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
    if (args.isSet(QStringLiteral("cuenta"))) {
        choice.currentEntry = args.value(QStringLiteral("cuenta"));
        choice.selectedEntries = {choice.currentEntry};
    }
    const bool from = args.isSet(QStringLiteral("desde"));
    const bool to = args.isSet(QStringLiteral("hasta"));
    choice.allDates = !from && !to;
    choice.from = from ? dateArgument(args, QStringLiteral("desde")) : QDate(1900, 1, 1);
    choice.to = to ? dateArgument(args, QStringLiteral("hasta")) : QDate(9999, 12, 31);
    const auto lock = workareas::lockWorkArea(workAreaName(args));
    store::DataControl data;
    data.setDatabaseName(workAreaName(args));
    data.setRecordSource(movements::viewRowSource(choice));
    data.Refresh();
    const QVector<ExportRow> rows = viewRows(data);
    writeExport(path, rows, *format, QFileInfo(data.DatabaseName()).completeBaseName());
    out << QStringLiteral("Se exportaron %1 movimientos a «%2».").arg(rows.size()).arg(path)
        << '\n';
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

int runExchangeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser args;
    args.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& name : kValueOptions)
        args.addOption(QCommandLineOption(name, QString(), QStringLiteral("valor")));
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
