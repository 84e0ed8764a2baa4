#include "exchange/core/TextDecoding.h"

#include <QStringDecoder>

#include <array>

namespace tesorin::exchange {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned
// codes keep their Latin-1 meaning.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool hasUtf8Bom(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF");
}

// The text when the bytes are valid UTF-8.
std::optional<QString> utf8Text(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(hasUtf8Bom(bytes) ? QByteArrayView(bytes).sliced(3) : bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString encodingName(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case Encoding::Latin1:
        return QStringLiteral("ISO-8859-1");
    }
    return {};
}

const QStringList& encodingNames() {
    static const QStringList names = {encodingName(Encoding::Utf8),
                                      encodingName(Encoding::Windows1252),
                                      encodingName(Encoding::Latin1)};
    return names;
}

std::optional<Encoding> encodingFromName(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == u"utf-8" || n == u"utf8")
        return Encoding::Utf8;
    if (n == u"windows-1252" || n == u"cp1252" || n == u"ansi")
        return Encoding::Windows1252;
    if (n == u"iso-8859-1" || n == u"latin-1" || n == u"latin1")
        return Encoding::Latin1;
    return std::nullopt;
}

Encoding detectEncoding(const QByteArray& bytes) {
    return decodeText(bytes).encoding;
}

DecodedText decodeText(const QByteArray& bytes, std::optional<Encoding> encoding) {
    if (encoding)
        return {*encoding, decode(bytes, *encoding)};
    if (std::optional<QString> text = utf8Text(bytes))
        return {Encoding::Utf8, std::move(*text)};
    if (hasUtf8Bom(bytes))
        return {Encoding::Utf8, decode(bytes, Encoding::Utf8)};
    return {Encoding::Windows1252, decode(bytes, Encoding::Windows1252)};
}

QString decode(const QByteArray& bytes, Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return QString::fromUtf8(hasUtf8Bom(bytes) ? bytes.mid(3) : bytes);
    case Encoding::Latin1:
        return QString::fromLatin1(bytes);
    case Encoding::Windows1252: {
        QString text(bytes.size(), Qt::Uninitialized);
        QChar* out = text.data();
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
        }
        return text;
    }
    }
    return {};
}

} // namespace tesorin::exchange
