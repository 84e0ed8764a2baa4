// The program as a user starts it, on its own in this process: the main
// window on BASE.MDB of the folder given (the splash shortened through the
// window's splash time), the grid scrolled to its last row and back, the
// totals shown. Prints the peak resident memory of the process (VmHWM) in
// kB, or nothing when the program did not come up as it should.
//   tesorin_bench_program <folder>
#include "app/principal.h"
#include "base/Regional.h"
#include "store/WorkAreaFolder.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>

#include <cstdio>

namespace {

// "VmHWM:   58212 kB" of /proc/self/status, in kB; 0 when unreadable.
long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesorin"));
    if (app.arguments().size() < 2)
        return 2;
    tesorin::regional::applySystemLocale();
    tesorin::store::setWorkAreaFolder(QDir(app.arguments()[1]).absolutePath());
    QDir::setCurrent(tesorin::store::workAreaFolder());

    tesorin::app::principal window(10);
    if (!window.Form_Load())
        return 1;
    window.show();
    QApplication::processEvents();
    QTableView* grid = window.MSFlexGrid1();
    const int rows = grid->model()->rowCount();
    for (const int row : {rows - 1, 0}) {
        grid->setCurrentIndex(grid->model()->index(row, 0));
        grid->scrollTo(grid->currentIndex());
        window.grab();
        QApplication::processEvents();
    }
    const auto* saldo = window.findChild<QLabel*>(QStringLiteral("labSaldo"));
    if (rows == 0 || !saldo || saldo->text().isEmpty())
        return 1;
    std::printf("%ld\n", peakResidentKb());
    return 0;
}
