#include "support/PermissionBits.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tesorin::test {

namespace {

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool effectiveOverrides(bool keep) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    if (keep)
        data[0].effective |= kOverrides & data[0].permitted;
    else
        data[0].effective &= ~kOverrides;
    return syscall(SYS_capset, &header, data) == 0;
}

bool holdsOverrides() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    return syscall(SYS_capget, &header, data) == 0 && (data[0].effective & kOverrides) != 0;
}

} // namespace

ObeyPermissionBits::ObeyPermissionBits() {
    if (!holdsOverrides()) {
        m_active = true;
        return;
    }
    m_changed = effectiveOverrides(false);
    m_active = m_changed;
}

ObeyPermissionBits::~ObeyPermissionBits() {
    if (m_changed)
        effectiveOverrides(true);
}

} // namespace tesorin::test
