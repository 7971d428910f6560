// Makes every binding fault (a control or menu-item name that nothing
// answers to) fail the running widget test, whatever the build type: each
// widget test program that includes this header installs the handler before
// its tests start. QtTest reports the fatal message as a failure of the test
// function that met it.
#pragma once

#include <QtGlobal>

#include "ui/base/binding.h"

namespace parvix::testing {

inline void FailOnBindingFault(const QString& message) { qFatal("%s", qPrintable(message)); }

inline const bool kBindingGuardInstalled =
    (parvix::ui::SetBindingFaultHandler(FailOnBindingFault), true);

}  // namespace parvix::testing
