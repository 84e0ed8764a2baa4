// Writes the program's logo as the PNG icons of the hicolor theme:
//   tesorin_icon FOLDER NAME SIZE...
// makes FOLDER/<SIZE>x<SIZE>/apps/NAME.png for each size.
#include "ui/common/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    if (arguments.size() < 3) {
        std::fputs("uso: tesorin_icon CARPETA NOMBRE TAMAÑO...\n", stderr);
        return 2;
    }
    for (const QString& sizeText : arguments.mid(2)) {
        bool isNumber = false;
        const int size = sizeText.toInt(&isNumber);
        const QString folder =
            QStringLiteral("%1/%2x%2/apps").arg(arguments.at(0), QString::number(size));
        const QString file = QStringLiteral("%1/%2.png").arg(folder, arguments.at(1));
        if (!isNumber || size <= 0 || !QDir().mkpath(folder) ||
            !tesorin::ui::pictures::logo(size).toImage().save(file, "PNG")) {
            std::fprintf(stderr, "tesorin_icon: no se pudo escribir %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
