#include "app/CommandLine.h"
#include "app/principal.h"
#include "base/ProgramInfo.h"
#include "base/Regional.h"
#include "exchange/core/ExchangeCommand.h"
#include "oldworkareas/core/ConvertCommand.h"
#include "store/OwnerOnlyFiles.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "ui/common/MessageBoxes.h"
#include "workareas/core/WorkAreaLeftovers.h"
#include "workareas/ui/StrandedWorkAreasQuestion.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTextStream>
#include <QTranslator>

namespace {

const QString kBaseName = QStringLiteral("BASE.MDB");

// A first run finds no BASE.MDB: it gets a fresh one. An existing file is
// never replaced, even one that cannot be opened; nothing is made where the
// work areas open read-only.
bool ensureBaseWorkArea() {
    if (tesorin::store::workAreaExists(kBaseName) || tesorin::store::workAreasReadOnly())
        return true;
    try {
        tesorin::store::createWorkAreaFile(tesorin::store::resolveWorkArea(kBaseName));
        return true;
    } catch (const tesorin::store::StoreError& failure) {
        tesorin::ui::MessageBoxes::critical(nullptr, QStringLiteral("Error"), failure.message());
        return false;
    }
}

// --importar and --exportar run without a window (and without a display).
int runCommand(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    tesorin::regional::applySystemLocale();
    // The statement's path is read from the folder the command runs in; work
    // areas are named in the work-area folder.
    const tesorin::store::FolderChoice folder = tesorin::store::defaultFolderWithoutAsking();
    tesorin::store::setWorkAreaFolder(folder.folder);
    tesorin::store::setWorkAreasReadOnly(folder.readOnly);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return tesorin::exchange::runExchangeCommand(QCoreApplication::arguments(), out, err);
}

// "tesorin --convertir ARCHIVO.MDB": converts an old work area without a
// window and prints the report.
int convertFromCommandLine(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    tesorin::regional::applySystemLocale();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (argc != 3) {
        err << QStringLiteral("Uso: tesorin --convertir ARCHIVO.MDB") << Qt::endl;
        return 2;
    }
    return tesorin::oldworkareas::runConvertCommand(QString::fromLocal8Bit(argv[2]), out, err);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Tesorin"));
    if (argc >= 2 && qstrcmp(argv[1], "--convertir") == 0)
        return convertFromCommandLine(argc, argv);
    // --help and --version answer without a window, so also without a display.
    const auto request = tesorin::app::readCommandLine(argc, argv);
    if (request != tesorin::app::CommandLineRequest::Run) {
        QCoreApplication core(argc, argv);
        return tesorin::app::answerCommandLine(request);
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (tesorin::exchange::isExchangeCommand(arguments))
        return runCommand(argc, argv);
    QApplication app(argc, argv);
    // The window belongs to the desktop entry of that name; on X11 its class
    // is the application name, the entry's StartupWMClass.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tesorin::program::kAppId));
    tesorin::regional::applySystemLocale();
    // Every text of the program is Spanish, so the toolkit's own buttons and
    // dialogs ("Sí", "No", "Guardar") are too, whatever the machine's language.
    QTranslator toolkitSpanish;
    if (toolkitSpanish.load(QStringLiteral("qtbase_es"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitSpanish);

    const tesorin::store::FolderChoice choice = tesorin::workareas::chooseStartUpFolder(
        nullptr, tesorin::store::inspectProgramFolder(QCoreApplication::applicationDirPath()),
        tesorin::store::userDataFolder());
    const QString folder = choice.folder;
    if (!choice.readOnly && !tesorin::store::makeOwnerOnlyFolder(folder)) {
        tesorin::ui::MessageBoxes::critical(
            nullptr, QStringLiteral("Error"),
            QStringLiteral("No se pudo crear la carpeta de las cajas %1.")
                .arg(QDir::toNativeSeparators(folder)));
        return 1;
    }
    tesorin::store::setWorkAreaFolder(folder);
    tesorin::store::setWorkAreasReadOnly(choice.readOnly);
    // Bare file names resolve in the work-area folder, whatever the folder
    // the program was started from.
    QDir::setCurrent(tesorin::store::workAreaFolder());
    // What a copy killed while it made or converted a work area left behind.
    tesorin::workareas::removeAbandonedLeftovers(tesorin::store::workAreaFolder());
    if (!ensureBaseWorkArea())
        return 1;

    tesorin::app::principal window;
    if (!window.Form_Load())
        return 1;
    window.show();
    return QApplication::exec();
}
