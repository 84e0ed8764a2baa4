#include "oldworkareas/core/ConvertCommand.h"

#include "oldworkareas/core/OldWorkAreaConversion.h"
#include "store/StoreError.h"
#include "workareas/core/WorkAreaLock.h"

#include <QFileInfo>
#include <QTextStream>

namespace tesorin::oldworkareas {

int runConvertCommand(const QString& path, QTextStream& out, QTextStream& err) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        err << QStringLiteral("No existe el archivo %1.").arg(path) << Qt::endl;
        return 1;
    }
    const auto lock = workareas::WorkAreaLock::take(file.absoluteFilePath());
    if (!lock) {
        err << workareas::lockedWorkAreaMessage(file.fileName()) << Qt::endl;
        return 1;
    }
    try {
        out << reportText(convertOldWorkArea(file.absoluteFilePath())) << Qt::endl;
        return 0;
    } catch (const store::StoreError& refusal) {
        err << refusal.message() << Qt::endl;
        return 1;
    }
}

} // namespace tesorin::oldworkareas
