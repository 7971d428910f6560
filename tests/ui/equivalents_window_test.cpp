// The equivalents window, headless: F6 opens it, long names show whole, and
// a name too long even for the widened column shows in a tooltip.
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

 private slots:
  void longNamesShowWholeOrInATooltip() {
    QVERIFY(StartShell());
    const QString huge(60, 'w');
    window().Run([this, huge] {
      m().Symbols.AddLabel("keyboardbuffer01", "9000");
      m().Symbols.AddLabel("mmmmmmmmmmmmmmmm");
      m().Symbols.AddLabel(S(huge));
      m().Symbols.AddVariable("displaycounter01", "0F");
    });
    QTest::keyClick(&window(), Qt::Key_F6);
    QVERIFY(QTest::qWaitForWindowExposed(&shell->equivalentsWindow));
    QTableView* labels = shell->equivalentsWindow.labelTable();
    QModelIndex cut;
    for (int i = 0; i < 9; ++i) {
      const QModelIndex at = labels->model()->index(i / 3, i % 3);
      if (at.data().toString() == huge) cut = at;
      else QVERIFY2(ShowsWhole(labels, at), qPrintable(at.data().toString()));
    }
    QTableView* variables = shell->equivalentsWindow.variableTable();
    QVERIFY(ShowsWhole(variables, variables->model()->index(0, 0)));
    QVERIFY(labels->columnWidth(1) >
            labels->horizontalHeader()->fontMetrics().horizontalAdvance("Current"));

    QVERIFY(cut.isValid() && !ShowsWhole(labels, cut));
    const QPoint pos = labels->visualRect(cut).center();
    QHelpEvent help(QEvent::ToolTip, pos, labels->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(labels->viewport(), &help);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), CutCellTips::TipText(huge));
    StopShell();
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::EquivalentsWindowTest)
#include "equivalents_window_test.moc"
