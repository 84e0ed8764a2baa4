#include "workareas/ui/StrandedWorkAreasQuestion.h"

#include "store/StoreError.h"
#include "ui/common/MessageBoxes.h"
#include "workareas/core/StrandedWorkAreas.h"

namespace tesorin::workareas {

store::FolderChoice chooseStartUpFolder(QWidget* parent, const store::ProgramFolder& program,
                                        const QString& dataFolder) {
    const QStringList stranded = store::strandedWorkAreas(program);
    if (stranded.isEmpty())
        return store::folderWithoutAsking(program, dataFolder);
    const store::FolderChoice readOnly{program.path, true};
    if (ui::MessageBoxes::ask(
            parent, strandedQuestionTitle(), strandedQuestion(program.path, dataFolder, stranded),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return readOnly;
    try {
        const QString report = strandedCopyReport(
            copyStrandedWorkAreas(program.path, stranded, dataFolder), dataFolder);
        if (!report.isEmpty())
            ui::MessageBoxes::warning(parent, QStringLiteral("Tesorin"), report);
        return {dataFolder, false};
    } catch (const store::StoreError& failure) {
        ui::MessageBoxes::critical(parent, QStringLiteral("Error"),
                                   failure.message() +
                                       QStringLiteral("\n\nLas cajas se abren desde la carpeta del "
                                                      "programa en solo lectura."));
        return readOnly;
    }
}

} // namespace tesorin::workareas
