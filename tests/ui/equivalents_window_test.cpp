// The equivalents window on screen, headless: F6 opens it over the main
// window's strings, and long names show whole in its tables, or in a
// tooltip when even the widened column cannot hold them.
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include "support/cell_fit.h"
#include "support/shell_fixture.h"
#include "ui/base/cell_tips.h"

namespace parvix::ui {

class EquivalentsWindowTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  EquivalentsWindow& eqt() { return shell->equivalentsWindow; }

 private slots:
  void init() { QVERIFY(StartShell()); }
  void cleanup() { StopShell(); }

  void longNamesShowWholeBesideTheirValues() {
    window().Run([this] {
      m().Symbols.AddLabel("keyboardbuffer01", "9000");
      m().Symbols.AddLabel("mmmmmmmmmmmmmmmm");
      m().Symbols.AddVariable("displaycounter01", "0F");
    });
    QTest::keyClick(&window(), Qt::Key_F6);
    QVERIFY(QTest::qWaitForWindowExposed(&eqt()));
    QTableView* labels = eqt().labelTable();
    for (int row = 0; row < 2; ++row) {
      for (int col = 0; col < 3; ++col) {
        QVERIFY2(ShowsWhole(labels, labels->model()->index(row, col)),
                 qPrintable(labels->model()->index(row, col).data().toString()));
      }
    }
    QTableView* variables = eqt().variableTable();
    QVERIFY(ShowsWhole(variables, variables->model()->index(0, 0)));
    // The headings show whole too.
    const QFontMetrics metrics = labels->horizontalHeader()->fontMetrics();
    QVERIFY(labels->columnWidth(1) > metrics.horizontalAdvance("Current"));
  }

  void aNameStillCutOffShowsInATooltip() {
    const QString huge(60, 'w');
    window().Run([this, huge] { m().Symbols.AddLabel(S(huge)); });
    QTest::keyClick(&window(), Qt::Key_F6);
    QVERIFY(QTest::qWaitForWindowExposed(&eqt()));
    QTableView* labels = eqt().labelTable();
    const QModelIndex cell = labels->model()->index(0, 0);
    QVERIFY(!ShowsWhole(labels, cell));
    const QPoint pos = labels->visualRect(cell).center();
    QHelpEvent help(QEvent::ToolTip, pos, labels->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(labels->viewport(), &help);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), CutCellTips::TipText(huge));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::EquivalentsWindowTest)
#include "equivalents_window_test.moc"
