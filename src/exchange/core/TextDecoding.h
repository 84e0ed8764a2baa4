#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tesorin::exchange {

enum class Encoding { Utf8, Windows1252, Latin1 };

// "UTF-8", "Windows-1252", "ISO-8859-1".
QString encodingName(Encoding encoding);
const QStringList& encodingNames();
std::optional<Encoding> encodingFromName(const QString& name);

// A byte-order mark or valid UTF-8 gives UTF-8; anything else is read as
// Windows-1252, which reads Latin-1 text the same way.
Encoding detectEncoding(const QByteArray& bytes);
// The text without its byte-order mark.
QString decode(const QByteArray& bytes, Encoding encoding);

// A file's text, decoded once with the encoding detected on it (or given).
struct DecodedText {
    Encoding encoding = Encoding::Utf8;
    QString text;
};
DecodedText decodeText(const QByteArray& bytes, std::optional<Encoding> encoding = std::nullopt);

} // namespace tesorin::exchange
