#pragma once

#include <memory>

namespace tesorin::store {
class Database;
}

namespace tesorin::workareas {

// The store's default workspace: the session in which the program's open
// database lives. It follows whatever database the program state holds, so
// switching work areas needs no bookkeeping here.
class Workspace {
public:
    explicit Workspace(const std::unique_ptr<store::Database>& database) : m_database(database) {}
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // Rolls back the transaction pending on the open database, if any; a
    // failure is ignored, as "Deshacer" expects. The program never leaves a
    // transaction open between operations, so normally nothing changes.
    void Rollback() noexcept;

private:
    const std::unique_ptr<store::Database>& m_database;
};

} // namespace tesorin::workareas
