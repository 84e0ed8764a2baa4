// A second copy of the program, for the tests that need two processes on one
// work-area folder:
//   workarea_holder hold FOLDER NAME
//     takes the lock of the work area NAME and opens it, prints "abierta",
//     and keeps both until its input ends; a lock held by another process
//     makes it print that copy's message on its error output and end with 3.
//   workarea_holder make FOLDER NAME
//     the same with the lock alone, as a copy that is making NAME holds it.
//   workarea_holder post FOLDER NAME YYYY-MM-DD
//     opens NAME without its lock, reads what falls due on that day, prints
//     "leida", and records it once a line comes on its input.
#include "schedule/core/SchedulePosting.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/WorkAreaFolder.h"
#include "workareas/core/WorkAreaLock.h"

#include <QCoreApplication>
#include <QDate>

#include <iostream>
#include <string>

using namespace tesorin;

namespace {

void say(const char* line) {
    std::cout << line << std::endl;
}

void waitForInput() {
    std::string line;
    std::getline(std::cin, line);
}

int hold(const QString& name, bool open) {
    const auto lock = workareas::lockWorkArea(name);
    const auto db = open ? store::Database::OpenDatabase(name) : nullptr;
    say("abierta");
    waitForInput();
    return 0;
}

int post(const QString& name, const QDate& today) {
    const auto db = store::Database::OpenDatabase(name);
    const schedule::DuePosting due = schedule::duePosting(*db, today);
    say("leida");
    waitForInput();
    schedule::recordDuePosting(*db, due, today);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    store::setWorkAreaFolder(args[2]);
    try {
        if (args[1] == QLatin1String("hold") || args[1] == QLatin1String("make"))
            return hold(args[3], args[1] == QLatin1String("hold"));
        if (args[1] == QLatin1String("post") && args.size() == 5)
            return post(args[3], QDate::fromString(args[4], Qt::ISODate));
    } catch (const store::StoreError& failure) {
        std::cerr << failure.message().toStdString() << std::endl;
        return 3;
    }
    return 2;
}
