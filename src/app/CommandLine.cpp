#include "app/CommandLine.h"

#include "base/ProgramInfo.h"
#include "base/Regional.h"
#include "exchange/core/TextDecoding.h"
#include "store/WorkAreaFolder.h"

#include <QDate>

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
               "     tesorin --importar ARCHIVO (--cuenta NOMBRE | --cuenta-columna N)\n"
               "             [--caja CAJA.MDB] [--medio TEXTO | --medio-columna N]\n"
               "             [--encabezado | --sin-encabezado] [--fecha N] [--detalle N[,N...]]\n"
               "             [--importe N [--debito-credito N] | --ingreso N --egreso N]\n"
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
               "  --convertir ARCHIVO.MDB\n"
               "                convierte una caja del programa anterior para usarla en\n"
               "                Tesorin (el original queda en la carpeta «anteriores»),\n"
               "                muestra el informe y termina\n"
               "  --importar ARCHIVO\n"
               "                guarda los movimientos de un extracto CSV, OFX o QIF sin abrir\n"
               "                la ventana; omite los posibles duplicados. Lo que no se indica\n"
               "                se toma de la última importación de un archivo de la misma\n"
               "                forma o se detecta, y se informa\n"
               "  --exportar ARCHIVO\n"
               "                escribe los movimientos que mostraría el filtro de la vista\n"
               "\n"
               "Para --importar y --exportar:\n"
               "  --caja CAJA.MDB     la caja (por omisión, BASE.MDB)\n"
               "  --cuenta NOMBRE     importar: la cuenta de todas las filas;\n"
               "                      exportar: solo los movimientos de esa cuenta\n"
               "Para --importar (las columnas se cuentan desde 1):\n"
               "  --cuenta-columna N  la cuenta de cada fila está en la columna N\n"
               "  --medio TEXTO       el medio de pago (por omisión, «Importado»)\n"
               "  --medio-columna N   el medio de cada fila está en la columna N\n"
               "  --encabezado        la primera fila de la tabla es el encabezado\n"
               "  --sin-encabezado    la tabla no tiene encabezado\n"
               "  --fecha N           la columna de la fecha\n"
               "  --detalle N[,N...]  la columna o las columnas del detalle\n"
               "  --importe N         la columna del importe (negativo para los pagos)\n"
               "  --debito-credito N  la columna que dice si el importe es débito o crédito\n"
               "  --ingreso N, --egreso N\n"
               "                      las columnas de los ingresos y de los egresos\n"
               "  --separador C       el separador de campos («tab» para la tabulación)\n"
               "  --decimal C         el separador decimal, «,» o «.»\n"
               "  --orden-fecha dma|mda|amd\n"
               "                      día/mes/año, mes/día/año o año-mes-día\n"
               "  --codificacion NOMBRE\n"
               "                      %3\n"
               "Para --exportar:\n"
               "  --desde FECHA, --hasta FECHA\n"
               "                      el período (%4 o AAAA-MM-DD)\n"
               "\n"
               "Estado de salida:\n"
               "  0  terminó bien\n"
               "  1  no se pudo abrir, crear o convertir la caja, leer o escribir un\n"
               "     archivo o hacer la copia de seguridad, o la cuenta de --exportar no\n"
               "     existe; no se cambió nada\n"
               "  2  opciones mal dadas, o una importación rechazada: una fila no se\n"
               "     puede leer, la cuenta no sirve para las filas o falta elegir una\n"
               "     columna (el mensaje dice qué opción indicar); no se guardó nada\n"
               "\n"
               "%2\n")
        .arg(versionText(), store::workAreaFolderDescription(workAreaFolder, readOnly),
             exchange::encodingNames().join(QStringLiteral(", ")),
             regional::shortDate(QDate(2024, 12, 31)));
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
