#include "workareas/core/WorkAreaName.h"

#include "store/WorkAreaFolder.h"

namespace tesorin::workareas {

using store::workAreaExists;

namespace {
// File systems keep names of up to 255 bytes; the copy in the making adds
// ".nueva" and, while it is written, a journal adds "-journal".
constexpr qsizetype kLongestFileName = 255;
const QString kLongestSuffix = QStringLiteral(".nueva-journal");

bool allowedInName(char32_t c) {
    return QChar::isLetter(c) || QChar::isDigit(c) || c == U' ' || c == U'-' || c == U'_';
}
} // namespace

std::optional<NameRefusal> refuseNewWorkAreaName(const QString& typed) {
    if (typed.trimmed().isEmpty())
        return NameRefusal{QStringLiteral("Escriba el nombre de la nueva área de trabajo."), false};
    // A letter typed as a base letter plus an accent counts as one letter.
    const QList<uint> characters = typed.normalized(QString::NormalizationForm_C).toUcs4();
    for (const uint c : characters) {
        if (!allowedInName(char32_t(c)))
            return NameRefusal{
                QStringLiteral("El nombre solo puede tener letras, números, espacios, "
                               "guiones (-) y guiones bajos (_)."),
                false};
        // The lists show names in upper case, and a listed name must find
        // its file again: "ß" would be listed as "SS".
        const QString letter = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        if (letter.toUpper().compare(letter, Qt::CaseInsensitive) != 0)
            return NameRefusal{
                QStringLiteral("El nombre no puede tener la letra «%1».").arg(letter), false};
    }
    if ((newWorkAreaFileName(typed) + kLongestSuffix).toUtf8().size() > kLongestFileName)
        return NameRefusal{QStringLiteral("El nombre es demasiado largo."), false};
    if (workAreaExists(newWorkAreaFileName(typed)))
        return NameRefusal{QStringLiteral("Base de datos existente !!, intente con otro nombre."),
                           true};
    return std::nullopt;
}

QString newWorkAreaFileName(const QString& typed) {
    return typed + QStringLiteral(".MDB");
}

} // namespace tesorin::workareas
