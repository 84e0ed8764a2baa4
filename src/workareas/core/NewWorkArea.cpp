#include "workareas/core/NewWorkArea.h"

#include "oldworkareas/core/JetFile.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "workareas/core/WorkAreaCopy.h"

#include <QDir>

namespace tesorin::workareas {

bool copiesTemplate(const QString& templateName) {
    return !oldworkareas::isOldWorkArea(store::resolveWorkArea(templateName));
}

void createNewWorkArea(const QString& templateName, const QString& newName) {
    if (copiesTemplate(templateName)) {
        createWorkAreaCopy(templateName, newName);
        return;
    }
    if (store::workAreaExists(newName))
        throw store::StoreError(QStringLiteral("El archivo «%1» ya existe.").arg(newName));
    store::createWorkAreaFile(QDir(store::workAreaFolder()).filePath(newName));
}

} // namespace tesorin::workareas
