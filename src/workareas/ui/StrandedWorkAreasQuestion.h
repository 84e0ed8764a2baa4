#pragma once

#include "store/WorkAreaFolder.h"

class QWidget;

namespace tesorin::workareas {

// The work-area folder start-up uses. When the program's folder holds work
// areas it cannot write, the user is asked whether to copy them into the data
// folder and work there, or to open them read-only where they are; a copy
// that fails is reported and leaves them read-only.
store::FolderChoice chooseStartUpFolder(QWidget* parent, const store::ProgramFolder& program,
                                        const QString& dataFolder);

} // namespace tesorin::workareas
