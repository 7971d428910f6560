// The program table's mouse through the real widgets, headless: a click, a
// drag, the pointer, and the equivalents window.
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
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
  QColor back(int row) {
    return table()
        ->model()
        ->index(row, kMnemonicColumn)
        .data(Qt::BackgroundRole)
        .value<QBrush>()
        .color();
  }
  void fill(int rows) {
    window().Run([&] {
      for (int r = 1; r <= rows; ++r) {
        m().Table1.SetText(r, kMnemonicColumn, "INR  B");
        m().Table1.SetText(r, kOpcodeColumn, "04");
      }
      m().UsedRowCount = rows + 1;
    });
  }

 private slots:
  void init() { QVERIFY(StartShell()); }
  void cleanup() { StopShell(); }

  void clickMovesTheCursor() {
    fill(8);
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, centre(6, kMnemonicColumn));
    QCOMPARE(m().CursorRow, 6);
    // The cursor mark moves with it.
    QCOMPARE(back(6), ToQColor(kGridFixedBackColor));
    QCOMPARE(back(1), ToQColor(kGridBackColor));
  }

  void dragSelectsRows() {
    fill(9);
    QWidget* viewport = table()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, centre(7, kMnemonicColumn));
    QTest::mouseMove(viewport, centre(5, kMnemonicColumn));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centre(3, kMnemonicColumn));
    QCOMPARE(m().SelectionStartRow, 3);
    QCOMPARE(m().SelectionEndRow, 7);
    QCOMPARE(m().CursorRow, 1);
    // The chosen rows show as chosen, in the column dragged over.
    auto chosen = [this] {
      QList<int> rows;
      for (const QModelIndex& index : table()->selectionModel()->selectedIndexes()) {
        if (index.column() == kMnemonicColumn) rows << index.row();
      }
      std::sort(rows.begin(), rows.end());
      return rows.size() == table()->selectionModel()->selectedIndexes().size() ? rows
                                                                                : QList<int>{-1};
    };
    QCOMPARE(chosen(), (QList<int>{3, 4, 5, 6, 7}));
    // A tool's marks are not hidden under it.
    window().action("CommentsTool")->trigger();
    QCOMPARE(chosen(), QList<int>{});
    QTest::keyClick(&window(), Qt::Key_Escape);
    // A click moves the cursor and chooses no rows any more.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre(8, kMnemonicColumn));
    QCOMPARE(chosen(), QList<int>{});
  }

  void variableValueGivenInTheEquivalentsWindow() {
    window().Run([&] {
      m().Symbols.AddVariable("count");
      m().Table1.SetText(1, kMnemonicColumn, "MVI  A,   count");
      m().Table1.SetText(1, kOpcodeColumn, "3E   XX");
      m().StringTable.SetText(1, 0, "count");
    });
    QTest::keyClick(&window(), Qt::Key_F6);
    EquivalentsWindow& dialog = shell->equivalentsWindow;
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.isModal());
    // Labels there are none: the variables show.
    QVERIFY(dialog.findChild<QWidget*>("VariableFrame")->isVisible());
    QVERIFY(!dialog.findChild<QWidget*>("LabelsOption")->isEnabled());
    QTableView* table = dialog.variableTable();
    QCOMPARE(table->model()->index(0, 1).data().toString(), QString("XX"));

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(0, 0)).center());
    auto* accept = dialog.findChild<QPushButton*>("XXAcceptButton");
    QVERIFY(accept->isEnabled());
    QTRY_VERIFY(accept->hasFocus());  // after the focus timer
    QTest::keyClicks(accept, "2f");
    QCOMPARE(dialog.findChild<QLabel*>("XXLabel")->text(), QString("2F"));
    QTest::mouseClick(dialog.findChild<QPushButton*>("NUM(17)"), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLabel*>("XXLabel")->text(), QString("F1"));
    QTest::mouseClick(accept, Qt::LeftButton);
    QCOMPARE(table->model()->index(0, 2).data().toString(), QString("F1"));
    QTest::mouseClick(dialog.findChild<QPushButton*>("DoneButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(cell(1, kOpcodeColumn), QString("3E   F1"));
    QCOMPARE(cell(1, kMnemonicColumn), QString("MVI  A,   count"));
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
