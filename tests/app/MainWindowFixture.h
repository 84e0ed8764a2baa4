#pragma once

#include "app/principal.h"
#include "support/ModalDriver.h"

#include <QTest>

#include <memory>

namespace tesorin::test {

// The main window started on the current test work area, without the
// splash, shown; null when start-up failed.
inline std::unique_ptr<app::principal> openMainWindow() {
    auto window = std::make_unique<app::principal>(0);
    if (!window->Form_Load())
        return nullptr;
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

// Tables write a no-break space as '~'.
inline QString blanks(QString text) {
    return text.replace(u'~', QChar(0x00A0));
}

} // namespace tesorin::test
