#include "workareas/core/Workspace.h"

#include "store/Database.h"

#include <sqlite3.h>

namespace tesorin::workareas {

void Workspace::Rollback() noexcept {
    sqlite3* handle = m_database ? m_database->handle() : nullptr;
    if (handle && !sqlite3_get_autocommit(handle))
        sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace tesorin::workareas
