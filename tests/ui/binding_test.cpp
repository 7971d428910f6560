// Every name a window binds, checked against the real widgets: each control
// of the main window's model and of every dialog's model has its widget in
// that window, and the menu bar holds the menu table's items exactly, each
// command with its action. A slip in a name anywhere (a control visited by a
// core panel, a widget's object name in a view) fails here with every such
// name listed, rather than leaving a control silently unrendered.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
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

  // Walks a menu's actions in order, as (parent, name) pairs and separators.
  static void WalkMenu(const QString& parent, const QList<QAction*>& actions, QStringList& walked) {
    for (QAction* action : actions) {
      if (action->isSeparator()) {
        walked << QString("%1: separator").arg(parent);
      } else if (QMenu* menu = action->menu()) {
        walked << QString("%1: submenu %2").arg(parent, menu->objectName());
        WalkMenu(menu->objectName(), menu->actions(), walked);
      } else {
        walked << QString("%1: command %2").arg(parent, action->objectName());
      }
    }
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

    // The menu bar, walked in order, is the menu table row for row: every
    // item stands where its row puts it, and nothing else stands there.
    QStringList rows;
    for (const MenuRow& row : MainMenuRows()) {
      const QString parent = row.parent.empty() ? QString("menu bar") : Q(row.parent);
      switch (row.kind) {
        case MenuRow::Separator:
          rows << QString("%1: separator").arg(parent);
          break;
        case MenuRow::Submenu:
          rows << QString("%1: submenu %2").arg(parent, Q(row.name));
          break;
        case MenuRow::Command:
          rows << QString("%1: command %2").arg(parent, Q(row.name));
          // Its action, found by the name the rest of the program uses.
          QVERIFY2(window().action(Q(row.name)) != nullptr, qPrintable(Q(row.name)));
          break;
      }
    }
    QStringList walked;
    WalkMenu("menu bar", window().menuBar()->actions(), walked);
    QCOMPARE(walked, rows);
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::BindingTest)
#include "binding_test.moc"
