// The equivalents window, headless: F6 opens it, long names show whole, and
// a name too long even for the widened column shows in a tooltip.
#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QHelpEvent>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include "support/cell_fit.h"
#include "support/shell_fixture.h"
#include "support/table_drivers.h"
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
    QCOMPARE(QToolTip::text(), PlainTip(huge));
    StopShell();
  }

  // Switching between the lists after accepting values keeps the window's
  // size, and Done stays on the screen.
  void sizeStaysAsTheListsAreSwitched() {
    QVERIFY(StartShell());
    window().Run([this] {
      m().Symbols.AddLabel("start");
      m().Symbols.AddVariable("count");
    });
    QTest::keyClick(&window(), Qt::Key_F6);
    EquivalentsWindow& eqt = shell->equivalentsWindow;
    QVERIFY(QTest::qWaitForWindowExposed(&eqt));
    const QSize opened = eqt.size();
    auto acceptFirst = [&eqt](QTableView* table, const char* accept) {
      ClickCell(table, 0, 0);
      QTest::mouseClick(eqt.findChild<QPushButton*>("NUM(1)"), Qt::LeftButton);
      QTest::mouseClick(eqt.findChild<QPushButton*>("NUM(17)"), Qt::LeftButton);
      QTest::mouseClick(eqt.findChild<QPushButton*>(accept), Qt::LeftButton);
    };
    acceptFirst(eqt.labelTable(), "EqtAcceptButton");
    QTest::mouseClick(eqt.findChild<QRadioButton*>("VariablesOption"), Qt::LeftButton);
    acceptFirst(eqt.variableTable(), "XXAcceptButton");
    QTest::mouseClick(eqt.findChild<QRadioButton*>("LabelsOption"), Qt::LeftButton);
    QCOMPARE(eqt.labelTable()->model()->index(0, 2).data().toString(), QString("0001"));
    QCOMPARE(eqt.variableTable()->model()->index(0, 2).data().toString(), QString("01"));
    QApplication::processEvents();
    QCOMPARE(eqt.size(), opened);
    const QRect screen = eqt.screen()->availableGeometry();
    QVERIFY(eqt.frameGeometry().width() <= screen.width() &&
            eqt.frameGeometry().height() <= screen.height());
    auto* done = eqt.findChild<QPushButton*>("DoneButton");
    QVERIFY(screen.contains(QRect(done->mapToGlobal(QPoint(0, 0)), done->size())));
    StopShell();
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::EquivalentsWindowTest)
#include "equivalents_window_test.moc"
