#include "reports/core/StatementLayout.h"

#include "reports/core/ReportError.h"
#include "store/WorkAreaFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace tesorin::reports {

namespace {

const QString kDefaultText = QStringLiteral(
    R"(# Diseño del estado de cuenta de Tesorin.
#
# Tesorin lee este archivo cada vez que imprime un estado de cuenta: cambie
# los textos o las columnas, guárdelo y vuelva a imprimir. Si lo borra,
# Tesorin lo vuelve a crear con el diseño original.
#
# Cada línea es "clave = texto"; las líneas que empiezan con # no se leen.
# Una clave que falta conserva su texto original; un texto vacío no imprime nada.
#
# Los textos pueden llevar marcadores entre llaves, que se reemplazan al imprimir:
#   {caja}              nombre de la caja
#   {desde} {hasta}     primer y último día del período
#   {cuenta}            nombre de la cuenta (títulos y totales de cada cuenta)
#   {fecha}             fecha de impresión
#   {pagina} {paginas}  número de página y cantidad de páginas
#   los datos del titular (Registro Usuario): {Apellido y Nombres}, {Sufijo},
#   {Profesion}, {Matricula}, {Lugar de Ejercicio}, {Domicilio}, {Cpost},
#   {Localidad} y {Telefonos}.

# Tamaño del papel: A4 o Carta.
papel = A4

# Encabezado de la primera página.
titulo = Estado de cuenta
caja = Caja: {caja}

# Datos del titular, una línea cada "titular". Los tramos separados por |
# se imprimen sólo si todos sus marcadores tienen dato, y los separadores
# (· , ; -) que quedan al principio o al final de la línea se quitan; una
# línea sin datos no se imprime.
titular = {Apellido y Nombres}| {Sufijo}
titular = {Profesion}| · Matrícula {Matricula}
titular = {Lugar de Ejercicio}
titular = {Domicilio}| · |{Cpost} |{Localidad}
titular = Teléfonos: {Telefonos}

periodo = Período: del {desde} al {hasta}
periodo desde = Período: desde el {desde}
periodo hasta = Período: hasta el {hasta}
periodo completo = Período: todas las fechas registradas

# Cada cuenta.
cuenta = Cuenta: {cuenta}
cuenta sigue = Cuenta: {cuenta} (continuación)
transporte = Saldo de la página anterior
subtotal = Total de {cuenta}

# Final del informe y pie de cada página.
total = Total general
sin movimientos = No hay movimientos que cumplan la selección.
pie = Impreso el {fecha}
pagina = Página {pagina} de {paginas}

# Columnas de cada cuenta, en el orden en que se imprimen:
#   columna = campo, título, ancho
# El campo es Fecha, Detalle, Tipo, Ingreso, Egreso o Saldo (el saldo que
# se acumula en la cuenta). El ancho es relativo: las columnas se reparten
# el ancho de la hoja en proporción a sus anchos.
columna = Fecha, Fecha, 11
columna = Detalle, Detalle, 31
columna = Tipo, Tipo, 13
columna = Ingreso, Ingreso, 15
columna = Egreso, Egreso, 15
columna = Saldo, Saldo, 17
)");

const QStringList& knownMarkers() {
    static const QStringList markers = [] {
        QStringList keys;
        for (const char* name : {"caja", "desde", "hasta", "cuenta", "fecha", "pagina", "paginas",
                                 "Lugar de Ejercicio", "Sufijo", "Apellido y Nombres", "Matricula",
                                 "Profesion", "Domicilio", "Telefonos", "Cpost", "Localidad"})
            keys << markerKey(QString::fromUtf8(name));
        return keys;
    }();
    return markers;
}

const QRegularExpression& markerPattern() {
    static const QRegularExpression pattern(QStringLiteral("\\{([^{}]*)\\}"));
    return pattern;
}

class LayoutReader {
public:
    explicit LayoutReader(const QString& fileName) : m_fileName(fileName) {}

    [[noreturn]] void fail(int line, const QString& what) const {
        throw ReportError(
            QStringLiteral("El diseño del informe «%1» tiene un error en la línea %2: %3")
                .arg(m_fileName)
                .arg(line)
                .arg(what));
    }

    void checkMarkers(int line, const QString& value) const {
        auto matches = markerPattern().globalMatch(value);
        while (matches.hasNext()) {
            const QString name = matches.next().captured(1);
            if (!knownMarkers().contains(markerKey(name)))
                fail(line, QStringLiteral("el marcador {%1} no existe.").arg(name));
        }
    }

    StatementColumn column(int line, const QString& value) const {
        QStringList parts = value.split(QLatin1Char(','));
        if (parts.size() < 3)
            fail(line, QStringLiteral("una columna se escribe «columna = campo, título, ancho»."));
        const QString field = parts.takeFirst().trimmed();
        const QString widthText = parts.takeLast().trimmed();
        const QString title = parts.join(QLatin1Char(',')).trimmed();
        static const QList<std::pair<QString, StatementField>> fields = {
            {QStringLiteral("fecha"), StatementField::Fecha},
            {QStringLiteral("detalle"), StatementField::Detalle},
            {QStringLiteral("tipo"), StatementField::Tipo},
            {QStringLiteral("ingreso"), StatementField::Ingreso},
            {QStringLiteral("egreso"), StatementField::Egreso},
            {QStringLiteral("saldo"), StatementField::Saldo}};
        const QString key = markerKey(field);
        for (const auto& [name, kind] : fields) {
            if (key == name) {
                bool ok = false;
                const int width = widthText.toInt(&ok);
                if (!ok || width < 1 || width > 1000)
                    fail(line, QStringLiteral("el ancho «%1» no es un número entre 1 y 1000.")
                                   .arg(widthText));
                checkMarkers(line, title);
                return {kind, title, width};
            }
        }
        fail(line, QStringLiteral("el campo «%1» no existe; los campos son Fecha, Detalle, Tipo, "
                                  "Ingreso, Egreso y Saldo.")
                       .arg(field));
    }

    StatementLayout read(const QString& text, StatementLayout layout) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        bool ownerGiven = false;
        bool columnsGiven = false;
        QStringList seen;
        for (int i = 0; i < lines.size(); ++i) {
            const int lineNumber = i + 1;
            QString line = lines[i];
            if (i == 0 && line.startsWith(QChar(0xFEFF)))
                line.remove(0, 1);
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals < 0)
                fail(lineNumber, QStringLiteral("falta el signo «=» entre la clave y el texto."));
            const QString keyText = line.left(equals).trimmed();
            const QString key = markerKey(keyText);
            const QString value = line.mid(equals + 1).trimmed();
            if (key == QLatin1String("columna")) {
                if (!columnsGiven)
                    layout.columns.clear();
                columnsGiven = true;
                layout.columns.append(column(lineNumber, value));
                continue;
            }
            checkMarkers(lineNumber, value);
            if (key == QLatin1String("titular")) {
                if (!ownerGiven)
                    layout.owner.clear();
                ownerGiven = true;
                layout.owner.append(value);
                continue;
            }
            if (seen.contains(key))
                fail(lineNumber, QStringLiteral("la clave «%1» está repetida.").arg(keyText));
            seen << key;
            if (key == QLatin1String("papel")) {
                const QString paper = markerKey(value);
                if (paper == QLatin1String("a4"))
                    layout.paper = Paper::A4;
                else if (paper == QLatin1String("carta"))
                    layout.paper = Paper::Carta;
                else
                    fail(lineNumber, QStringLiteral("el papel «%1» no se conoce; puede ser A4 o "
                                                    "Carta.")
                                         .arg(value));
                continue;
            }
            QString* target = textFor(layout, key);
            if (!target)
                fail(lineNumber, QStringLiteral("la clave «%1» no se conoce.").arg(keyText));
            *target = value;
        }
        if (layout.columns.isEmpty())
            fail(int(lines.size()), QStringLiteral("el informe necesita al menos una columna."));
        return layout;
    }

private:
    static QString* textFor(StatementLayout& layout, const QString& key) {
        const std::pair<const char*, QString StatementLayout::*> texts[] = {
            {"titulo", &StatementLayout::title},
            {"caja", &StatementLayout::workArea},
            {"periodo", &StatementLayout::period},
            {"periodo desde", &StatementLayout::periodFrom},
            {"periodo hasta", &StatementLayout::periodTo},
            {"periodo completo", &StatementLayout::periodAll},
            {"cuenta", &StatementLayout::account},
            {"cuenta sigue", &StatementLayout::accountContinued},
            {"transporte", &StatementLayout::carried},
            {"subtotal", &StatementLayout::subtotal},
            {"total", &StatementLayout::total},
            {"sin movimientos", &StatementLayout::empty},
            {"pie", &StatementLayout::printed},
            {"pagina", &StatementLayout::page},
        };
        for (const auto& [name, member] : texts) {
            if (key == QLatin1String(name))
                return &(layout.*member);
        }
        return nullptr;
    }

    QString m_fileName;
};

} // namespace

QString markerKey(const QString& name) {
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            key += c.toLower();
    }
    return key.simplified();
}

const QString& StatementLayout::defaultText() {
    return kDefaultText;
}

StatementLayout StatementLayout::parse(const QString& text, const QString& fileName) {
    static const StatementLayout defaults =
        LayoutReader(kLayoutFileName).read(kDefaultText, StatementLayout());
    return LayoutReader(fileName).read(text, defaults);
}

StatementLayout readStatementLayout(const QString& fileName) {
    const QString path = store::resolveWorkArea(fileName);
    if (!QFileInfo::exists(path)) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(kDefaultText.toUtf8()) < 0 ||
            !file.commit())
            throw ReportError(QStringLiteral("No se pudo crear el diseño del informe «%1»: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("No se pudo leer el diseño del informe «%1»: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
    return StatementLayout::parse(QString::fromUtf8(file.readAll()), fileName);
}

QString fillMarkers(const QString& text, const QHash<QString, QString>& values) {
    QString out;
    qsizetype from = 0;
    auto matches = markerPattern().globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        out += text.mid(from, match.capturedStart() - from);
        out += values.value(markerKey(match.captured(1)));
        from = match.capturedEnd();
    }
    out += text.mid(from);
    return out;
}

QString fillOwnerLine(const QString& text, const QHash<QString, QString>& values) {
    QString out;
    for (const QString& piece : text.split(QLatin1Char('|'))) {
        bool filled = true;
        auto matches = markerPattern().globalMatch(piece);
        while (filled && matches.hasNext())
            filled = !values.value(markerKey(matches.next().captured(1))).trimmed().isEmpty();
        if (filled)
            out += fillMarkers(piece, values);
    }
    // A separator left at either end by a piece that was dropped goes too.
    static const QString separators = QStringLiteral("·,;-–— \t");
    qsizetype first = 0;
    qsizetype end = out.size();
    while (first < end && separators.contains(out[first]))
        ++first;
    while (end > first && separators.contains(out[end - 1]))
        --end;
    return out.mid(first, end - first);
}

} // namespace tesorin::reports
