// Makes every binding fault (a control or menu-item name that nothing
// answers to) fail the running widget test, whatever the build type: each
// widget test program that includes this header installs the handler before
// its tests start.
#pragma once

#include <QTest>
#include <QtGlobal>

#include "ui/base/binding.h"

namespace parvix::testing {

// Inside a test function the fault fails that test, which then goes on to
// its own clean-up (a private print server or trainer line is stopped);
// elsewhere the program stops with the name.
inline void FailOnBindingFault(const QString& message) {
  if (QTest::currentTestFunction() != nullptr) {
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    return;
  }
  qFatal("%s", qPrintable(message));
}

inline const bool kBindingGuardInstalled =
    (parvix::ui::SetBindingFaultHandler(FailOnBindingFault), true);

}  // namespace parvix::testing
