#include "exchange/core/StatementFile.h"

#include "exchange/core/ExchangeError.h"
#include "exchange/core/Norma43Reader.h"

#include <QFile>
#include <QFileInfo>

namespace tesorin::exchange {

namespace {

// The share of bytes that are control characters other than tab, line
// breaks and form feed; NUL marks a binary file at once.
bool looksBinary(const QByteArray& bytes) {
    const QByteArray head = bytes.left(64 * 1024);
    int controls = 0;
    for (const char c : head) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0)
            return true;
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f')
            ++controls;
    }
    return controls * 20 > head.size();
}

} // namespace

StatementFormat detectStatementFormat(const QByteArray& bytes) {
    QByteArray trimmed = bytes.trimmed();
    if (trimmed.startsWith("\xEF\xBB\xBF"))
        trimmed = trimmed.mid(3).trimmed();
    if (trimmed.isEmpty())
        throw ExchangeError(
            QStringLiteral("El archivo está vacío: no hay movimientos para importar."));
    if (bytes.startsWith("%PDF"))
        throw ExchangeError(
            QStringLiteral("El archivo es un PDF; importe el extracto en formato CSV, OFX o QIF."));
    if (bytes.startsWith("PK\x03\x04"))
        throw ExchangeError(
            QStringLiteral("El archivo es una planilla o un archivo comprimido; guárdelo como CSV "
                           "para importarlo."));
    if (looksBinary(bytes))
        throw ExchangeError(
            QStringLiteral("El archivo no es de texto (parece un archivo binario); se esperaba un "
                           "extracto CSV, OFX o QIF."));
    const QByteArray head = trimmed.left(4096).toUpper();
    if (head.contains("OFXHEADER") || head.contains("<OFX>"))
        return StatementFormat::Ofx;
    if (trimmed.startsWith("!"))
        return StatementFormat::Qif;
    if (looksLikeNorma43(bytes))
        return StatementFormat::Norma43;
    if (head.startsWith("<?XML") || head.startsWith("<!DOCTYPE") || head.startsWith("<HTML") ||
        head.startsWith("{"))
        throw ExchangeError(
            QStringLiteral("Línea 1: el archivo no es un extracto CSV, OFX ni QIF (parece un "
                           "documento XML, HTML o JSON)."));
    return StatementFormat::Csv;
}

QByteArray readStatementBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeError(QStringLiteral("No se pudo abrir «%1»: %2")
                                .arg(QFileInfo(path).fileName(), file.errorString()));
    return file.readAll();
}

} // namespace tesorin::exchange
