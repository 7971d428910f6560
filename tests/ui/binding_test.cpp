// Every name a window binds, checked against the real widgets: each control
// of the main window's model and of every dialog's model has its widget in
// that window, and every item of the menu table has its action. A slip in a
// name anywhere (a control visited by a core panel, a widget's object name in
// a view) fails here with every such name listed, rather than leaving a
// control silently unrendered.
#include <QAction>
#include <QStringList>
#include <QTest>
#include <string_view>

#include "support/shell_fixture.h"

namespace parvix::ui {

class BindingTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QStringList faults;  // binding faults met while the windows render
  BindingFaultHandler previousHandler = nullptr;
  static inline BindingTest* current = nullptr;

  // Adds to `missing` each control of `model` that has no widget in `window`
  // (the window itself, or a widget of it rather than of a dialog it owns).
  template <class Model>
  static void CheckControls(const char* windowName, QWidget& window, Model& model,
                            QStringList& missing) {
    model.VisitControls([&](const auto& name, const auto&) {
      const QString key = Q(std::string_view(name));
      bool found = window.objectName() == key;
      for (QWidget* widget : window.findChildren<QWidget*>(key)) {
        found = found || widget->window() == &window;
      }
      if (!found) missing << QString("%1: no widget %2").arg(windowName, key);
    });
  }

 private slots:
  void init() {
    faults.clear();
    current = this;
    previousHandler =
        SetBindingFaultHandler([](const QString& message) { current->faults << message; });
    QVERIFY(StartShell());
  }
  void cleanup() {
    StopShell();
    SetBindingFaultHandler(previousHandler);
    current = nullptr;
  }

  void everyNameHasItsWidgetAndEveryMenuItemItsAction() {
    QStringList missing;
    CheckControls("main window", window(), m(), missing);
    CheckControls("start-up window", shell->startupWindow, shell->session.Startup, missing);
    CheckControls("equivalents window", shell->equivalentsWindow, m().Equivalents, missing);
    CheckControls("disassembly dialog", shell->disassemblyDialog, m().Disassembly, missing);
    CheckControls("print information window", shell->printInfoWindow, m().Print.PrintInfo,
                  missing);
    CheckControls("watch window", shell->watchWindow, m().WatchWindowDialogInstance, missing);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    // Nor did any other name miss its widget as the windows rendered at start-up.
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

    // Every item of the menu table has its action, found by the name the
    // rest of the program uses (the table itself is checked as it compiles:
    // each command has its procedure).
    for (const MenuRow& row : MainMenuRows()) {
      if (row.kind == MenuRow::Separator) continue;
      QVERIFY2(window().action(Q(row.name)) != nullptr, qPrintable(Q(row.name)));
    }
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::BindingTest)
#include "binding_test.moc"
