#include "workareas/core/StrandedWorkAreas.h"

#include "store/OwnerOnlyFiles.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>

namespace tesorin::workareas {

namespace {

QString native(const QString& folder) {
    return QDir::toNativeSeparators(folder);
}

// The file of the folder named name in any letter case; empty when none.
QString entryNamed(const QDir& folder, const QString& name) {
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

} // namespace

QString strandedQuestionTitle() {
    return QStringLiteral("Carpeta de solo lectura");
}

QString strandedQuestion(const QString& programFolder, const QString& dataFolder,
                         const QStringList& names) {
    return QStringLiteral(
               "Las cajas de la carpeta del programa (%1) no se pueden modificar: no se puede "
               "escribir en esa carpeta.\n\nCajas: %2.\n\n¿Desea copiarlas a su carpeta de datos "
               "(%3) y trabajar allí? Los originales quedan como están, y una caja que ya exista "
               "en la carpeta de datos no se reemplaza.\n\nSi responde No, las cajas se abren "
               "desde la carpeta del programa en solo lectura: no se podrá guardar ningún "
               "cambio.")
        .arg(native(programFolder), names.join(QStringLiteral(", ")), native(dataFolder));
}

StrandedCopy copyStrandedWorkAreas(const QString& from, const QStringList& names,
                                   const QString& to) {
    if (!store::makeOwnerOnlyFolder(to))
        throw store::StoreError(
            QStringLiteral("No se pudo crear la carpeta de datos %1.").arg(native(to)));
    const QDir source(from);
    const QDir target(to);
    StrandedCopy copy;
    for (const QString& name : names) {
        if (!entryNamed(target, name).isEmpty()) {
            copy.alreadyThere.append(name);
            continue;
        }
        const QString original = entryNamed(source, name);
        // A journal left beside the original belongs to it: without it the
        // copy could open half-written.
        for (const QString& suffix :
             {QStringLiteral("-journal"), QStringLiteral("-wal"), QString()}) {
            const QString file = original + suffix;
            if (!suffix.isEmpty() && !source.exists(file))
                continue;
            if (!QFile::copy(source.filePath(file), target.filePath(file))) {
                QFile::remove(target.filePath(original + QStringLiteral("-journal")));
                QFile::remove(target.filePath(original + QStringLiteral("-wal")));
                throw store::StoreError(
                    QStringLiteral("No se pudo copiar la caja %1 a %2.").arg(name, native(to)));
            }
            // A copy keeps the original's mode, which may let others read it.
            store::restrictToOwner(target.filePath(file));
        }
        copy.copied.append(name);
    }
    return copy;
}

QString strandedCopyReport(const StrandedCopy& copy, const QString& dataFolder) {
    if (copy.alreadyThere.isEmpty())
        return QString();
    return QStringLiteral("Estas cajas ya estaban en la carpeta de datos (%1) y no se "
                          "reemplazaron: %2. Se usan las que ya estaban allí.")
        .arg(native(dataFolder), copy.alreadyThere.join(QStringLiteral(", ")));
}

QString readOnlyFolderRefusal() {
    return QStringLiteral("Las cajas están abiertas en solo lectura: no se puede crear una caja "
                          "nueva.");
}

} // namespace tesorin::workareas
