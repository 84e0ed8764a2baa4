#include "app/principal.h"
#include "base/Regional.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {

const QString kBaseName = QStringLiteral("BASE.MDB");

// A first run finds no BASE.MDB: it gets a fresh one. An existing file is
// never replaced, even one that cannot be opened.
bool ensureBaseWorkArea() {
    if (tesorin::store::workAreaExists(kBaseName))
        return true;
    try {
        tesorin::store::createWorkAreaFile(tesorin::store::resolveWorkArea(kBaseName));
        return true;
    } catch (const tesorin::store::StoreError& failure) {
        QMessageBox::critical(nullptr, QStringLiteral("Error"), failure.message());
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesorin"));
    tesorin::regional::applySystemLocale();
    // Every text of the program is Spanish, so the toolkit's own buttons and
    // dialogs ("Sí", "No", "Guardar") are too, whatever the machine's language.
    QTranslator toolkitSpanish;
    if (toolkitSpanish.load(QStringLiteral("qtbase_es"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitSpanish);

    tesorin::store::setWorkAreaFolder(tesorin::store::defaultWorkAreaFolder());
    // Bare file names resolve in the work-area folder, whatever the folder
    // the program was started from.
    QDir::setCurrent(tesorin::store::workAreaFolder());
    if (!ensureBaseWorkArea())
        return 1;

    tesorin::app::principal window;
    if (!window.Form_Load())
        return 1;
    window.show();
    return QApplication::exec();
}
