#pragma once

namespace tesorin::test {

// While it lives, this process obeys the permission bits of files and folders
// even when it runs as root (as CI does): root's capability to override them
// is left out of the effective set and put back at the end, so a read-only
// folder stops a write for the tests of read-only folders.
class ObeyPermissionBits {
public:
    ObeyPermissionBits();
    ~ObeyPermissionBits();
    ObeyPermissionBits(const ObeyPermissionBits&) = delete;
    ObeyPermissionBits& operator=(const ObeyPermissionBits&) = delete;

    // False when the process could not give the override up.
    [[nodiscard]] bool active() const { return m_active; }

private:
    bool m_active = false;
    bool m_changed = false;
};

} // namespace tesorin::test
