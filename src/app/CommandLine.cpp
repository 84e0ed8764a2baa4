#include "app/CommandLine.h"

#include "base/ProgramInfo.h"
#include "store/WorkAreaFolder.h"

#include <cstdio>

namespace tesorin::app {

CommandLineRequest readCommandLine(int argc, const char* const* argv) {
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--help" || argument == "-h")
            return CommandLineRequest::Help;
        version = version || argument == "--version";
    }
    return version ? CommandLineRequest::Version : CommandLineRequest::Run;
}

QString versionText() {
    return QStringLiteral("Tesorin %1").arg(QLatin1String(program::kVersion));
}

QString helpText(const QString& workAreaFolder, bool readOnly) {
    return QStringLiteral(
               "Uso: tesorin [-h | --help | --version]\n"
               "     tesorin --convertir ARCHIVO.MDB\n"
               "     tesorin --importar ARCHIVO --cuenta NOMBRE [--caja CAJA.MDB] [--medio TEXTO]\n"
               "             [--fecha N] [--detalle N[,N...]]\n"
               "             [--importe N | --ingreso N --egreso N]\n"
               "             [--separador C] [--decimal C] [--orden-fecha dma|mda|amd]\n"
               "             [--codificacion NOMBRE]\n"
               "     tesorin --exportar ARCHIVO.csv|.xlsx|.qif|.ofx [--caja CAJA.MDB]\n"
               "             [--cuenta NOMBRE] [--desde FECHA] [--hasta FECHA]\n"
               "\n"
               "%1: control personal de ingresos y gastos.\n"
               "Lleva el registro de los ingresos y los gastos de una persona en cajas,\n"
               "un archivo *.MDB cada una, con su plan de cuentas, sus movimientos y sus\n"
               "movimientos programados. Sin opciones, abre la caja BASE.MDB.\n"
               "\n"
               "Opciones:\n"
               "  -h, --help    muestra esta ayuda y termina\n"
               "  --version     muestra la versión y termina\n"
               "  --importar    guarda los movimientos de un extracto CSV, OFX o QIF sin abrir\n"
               "                la ventana; omite los posibles duplicados\n"
               "  --exportar    escribe los movimientos que mostraría el filtro de la vista\n"
               "  --convertir ARCHIVO.MDB\n"
               "                convierte una caja del programa anterior para usarla en\n"
               "                Tesorin (el original queda en la carpeta «anteriores»),\n"
               "                muestra el informe y termina\n"
               "\n"
               "%2\n")
        .arg(versionText(), store::workAreaFolderDescription(workAreaFolder, readOnly));
}

int answerCommandLine(CommandLineRequest request) {
    const store::FolderChoice folder = store::defaultFolderWithoutAsking();
    const QString text = request == CommandLineRequest::Help
                             ? helpText(folder.folder, folder.readOnly)
                             : versionText() + QLatin1Char('\n');
    std::fputs(text.toUtf8().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace tesorin::app
