// The program table's mouse through the real widgets, headless; and the equivalents window.
#include <QLabel>
#include <algorithm>

#include "support/shell_fixture.h"
#include "ui/symbols/equivalents_window.h"

namespace parvix::ui {

class TableMouseUiTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QTableView* table() { return window().table(); }
  QPoint centre(int row, int col) {
    return table()->visualRect(table()->model()->index(row, col)).center();
  }
  QList<int> chosen() {  // the rows shown as chosen, in the Mnemonic column only
    QList<int> rows;
    for (const QModelIndex& i : table()->selectionModel()->selectedIndexes())
      rows << (i.column() == kMnemonicColumn ? i.row() : -1);
    std::sort(rows.begin(), rows.end());
    return rows;
  }

 private slots:
  void init() {
    QVERIFY(StartShell());
    window().Run([&] {
      for (int r = 1; r <= 9; ++r)
        m().Table1.SetText(r, kMnemonicColumn, "INR  B"),
            m().Table1.SetText(r, kOpcodeColumn, "04");
      m().UsedRowCount = 10;
    });
  }
  void cleanup() { StopShell(); }

  // A click moves the cursor and its mark; a drag chooses rows (not over a tool's marks) till a
  // click.
  void clickAndDragOverTheRows() {
    QWidget* viewport = table()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre(6, kMnemonicColumn));
    QCOMPARE(m().CursorRow, 6);
    auto back = [this](int row) {
      return table()
          ->model()
          ->index(row, kMnemonicColumn)
          .data(Qt::BackgroundRole)
          .value<QBrush>()
          .color();
    };
    QCOMPARE(back(6), ToQColor(kGridFixedBackColor));
    QCOMPARE(back(1), ToQColor(kGridBackColor));
    QTest::mousePress(viewport, Qt::LeftButton, {}, centre(7, kMnemonicColumn));
    QTest::mouseMove(viewport, centre(5, kMnemonicColumn));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centre(3, kMnemonicColumn));
    QCOMPARE(chosen(), (QList<int>{3, 4, 5, 6, 7}));
    window().action("CommentsTool")->trigger();
    QCOMPARE(chosen(), QList<int>{});
    QTest::keyClick(&window(), Qt::Key_Escape);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre(8, kMnemonicColumn));
    QCOMPARE(chosen(), QList<int>{});
  }

  void variableValueGivenInTheEquivalentsWindow() {
    window().Run([&] {
      m().Symbols.AddVariable("count"), m().StringTable.SetText(1, 0, "count");
      m().Table1.SetText(1, kMnemonicColumn, "MVI  A,   count"),
          m().Table1.SetText(1, kOpcodeColumn, "3E   XX");
    });
    QTest::keyClick(&window(), Qt::Key_F6);
    EquivalentsWindow& dialog = shell->equivalentsWindow;
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Labels there are none: the variables show.
    QVERIFY(dialog.findChild<QWidget*>("VariableFrame")->isVisible() &&
            !dialog.findChild<QWidget*>("LabelsOption")->isEnabled());
    QTableView* variables = dialog.variableTable();
    QTest::mouseClick(variables->viewport(), Qt::LeftButton, {},
                      variables->visualRect(variables->model()->index(0, 0)).center());
    auto* accept = dialog.findChild<QPushButton*>("XXAcceptButton");
    QTRY_VERIFY(accept->hasFocus());  // after the focus timer
    QTest::keyClicks(accept, "2f");   // typed, then a keypad digit
    QTest::mouseClick(dialog.findChild<QPushButton*>("NUM(17)"), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLabel*>("XXLabel")->text(), QString("F1"));
    QTest::mouseClick(accept, Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("DoneButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(cell(1, kOpcodeColumn), QString("3E   F1"));
  }

  void pointerFollowsTheColumns() {
    QWidget* viewport = table()->viewport();
    QTest::mouseMove(viewport, centre(3, kMnemonicColumn));
    QCOMPARE(viewport->cursor().shape(), Qt::IBeamCursor);
    // The Comment column is drawn wider than its width: all of it counts.
    const QRect comment = table()->visualRect(table()->model()->index(3, kCommentColumn));
    window().Run([&] { m().Comments.CommentsTool_Click(); });
    QTest::mouseMove(viewport,
                     QPoint(comment.right() - comment.width() / 20, comment.center().y()));
    QCOMPARE(viewport->cursor().shape(), Qt::IBeamCursor);
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::TableMouseUiTest)
#include "table_mouse_test.moc"
