#include "store/FileKind.h"

#include <QByteArray>
#include <QFile>

#include <array>

namespace tesorin::store {

namespace {

struct Signature {
    int offset;
    const char* bytes;
    const char* kind;
};

const std::array<Signature, 11> kSignatures{{
    {4, "Standard Jet DB",
     "una caja del formato antiguo (base de datos Jet), que debe convertirse"},
    {4, "Standard ACE DB", "una base de datos de Access, no una caja de Tesorin"},
    {0, "%PDF", "un documento PDF"},
    {0, "PK\x03\x04", "un archivo comprimido (ZIP o documento de oficina)"},
    {0, "\x89PNG", "una imagen PNG"},
    {0, "\xFF\xD8\xFF", "una imagen JPEG"},
    {0, "GIF8", "una imagen GIF"},
    {0, "\xD0\xCF\x11\xE0", "un documento de oficina del formato antiguo"},
    {0, "{\\rtf", "un documento RTF"},
    {0, "\x1F\x8B", "un archivo comprimido (gzip)"},
    {0, "7z\xBC\xAF", "un archivo comprimido (7-Zip)"},
}};

bool looksLikeText(const QByteArray& head) {
    for (const char c : head) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x09 || (byte > 0x0D && byte < 0x20))
            return false;
    }
    return !head.isEmpty();
}

} // namespace

QString fileKindGuess(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray head = file.read(64);
    for (const Signature& signature : kSignatures) {
        const QByteArray bytes(signature.bytes);
        if (head.mid(signature.offset, bytes.size()) == bytes)
            return QString::fromUtf8(signature.kind);
    }
    return looksLikeText(head) ? QStringLiteral("un archivo de texto") : QString();
}

QString notAWorkAreaMessage(const QString& path, const QString& displayName) {
    const QString kind = path.isEmpty() ? QString() : fileKindGuess(path);
    if (kind.isEmpty())
        return QStringLiteral(
                   "El archivo «%1» no es una caja de Tesorin (no es una base de datos).")
            .arg(displayName);
    return QStringLiteral("El archivo «%1» no es una caja de Tesorin: parece ser %2.")
        .arg(displayName, kind);
}

QString emptyFileMessage(const QString& displayName) {
    return QStringLiteral("El archivo «%1» está vacío (0 bytes): no es una caja de Tesorin.")
        .arg(displayName);
}

} // namespace tesorin::store
