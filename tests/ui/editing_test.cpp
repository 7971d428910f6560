// Editing and the comment and replace tools through the real widgets,
// headless. The table's model is checked after every change it reports.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QBrush>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include "support/cell_fit.h"
#include "support/shell_fixture.h"
#include "support/table_drivers.h"

namespace parvix::ui {

class EditingWidgetTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  // loop: NOP / JMP loop / CALL loop, the cursor below.
  void smallProgram() {
    window().Run([&] {
      m().Symbols.AddLabel("loop");
      const char* rows[][4] = {{"loop", "NOP", "00", ""},
                               {"", "JMP  loop", "C3   XX   XX", "loop"},
                               {"", "CALL  loop", "CD   XX   XX", "loop"}};
      for (int r = 1; r <= 3; ++r) {
        const char* const* row = rows[r - 1];
        m().Table1.SetText(r, kLabelColumn, row[0]);
        m().Table1.SetText(r, kMnemonicColumn, row[1]);
        m().Table1.SetText(r, kOpcodeColumn, row[2]);
        m().StringTable.SetText(r, 0, row[3]);
        m().ApplyDefaultComment(r);
      }
      m().UsedRowCount = 4;
      m().NextLine(4);
    });
  }
  void clickCell(int row, int col) { ClickCell(window().table(), row, col); }
  QColor background(int row, int col) {
    const QModelIndex index = window().table()->model()->index(row, col);
    return index.data(Qt::BackgroundRole).value<QBrush>().color();
  }

 private slots:
  void init() {
    QVERIFY(StartShell());
    new QAbstractItemModelTester(window().table()->model(),
                                 QAbstractItemModelTester::FailureReportingMode::QtTest, this);
  }
  void cleanup() { StopShell(); }

  void copyPasteAndDeleteShortcuts() {
    smallProgram();
    QAbstractItemModel* model = window().table()->model();
    const int rows = model->rowCount();
    QVERIFY(!window().action("PasteEdit")->isEnabled());
    window().Run([&] {  // rows 2 and 3 selected, as a drag leaves them
      m().SelectionStartRow = 2;
      m().SelectionEndRow = 3;
    });
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(window().action("PasteEdit")->isEnabled());
    QTest::keyClick(&window(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(model->rowCount(), rows + 2);
    QCOMPARE(cell(4, kMnemonicColumn), QString("JMP  loop"));
    QCOMPARE(cell(5, kMnemonicColumn), QString("CALL  loop"));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Completed pasting."));
    // Del takes the selected cursor row away.
    window().Run([&] { m().NextLine(4); });
    QTest::keyClick(&window(), Qt::Key_Delete);
    QCOMPARE(model->rowCount(), rows + 1);
    QCOMPARE(cell(4, kMnemonicColumn), QString("CALL  loop"));
  }

  void commentTypedIntoAPickedRow() {
    smallProgram();
    QTest::keyClick(&window(), Qt::Key_F4);
    auto* box = find<QGroupBox>("CommentsBox");
    auto* text = find<QLineEdit>("CommentsTxt");
    QVERIFY(box->isVisible());
    QVERIFY(!text->isEnabled());  // no row picked yet
    clickCell(2, kCommentColumn);
    QVERIFY(text->isEnabled());
    QCOMPARE(text->text(), QString("Jump to address pointed by 'loop'."));
    QCOMPARE(background(2, kCommentColumn), QColor(0xC0, 0xFF, 0xC0));
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "back \"up\" & go");
    QCOMPARE(text->text(), QString("back up  go"));
    QTest::mouseClick(find<QPushButton>("CommentDoneButton"), Qt::LeftButton);
    QVERIFY(!box->isVisible());
    QVERIFY(find<QWidget>("InstructionBox")->isVisible());
    QCOMPARE(cell(2, kCommentColumn), QString("back up  go"));
    QCOMPARE(background(2, kCommentColumn), QColor(Qt::white));
  }

  void aCommentTheTableShowsWholeFitsTheCommentBox() {
    smallProgram();
    const QString comment =
        "Load Accumulator with content from address pointed by 'keyboardbuffer01', the "
        "count of keys.";
    window().Run([&] { m().Table1.SetText(2, kCommentColumn, S(comment)); });
    QVERIFY(ShowsWhole(window().table(), window().table()->model()->index(2, kCommentColumn)));
    QTest::keyClick(&window(), Qt::Key_F4);
    clickCell(2, kCommentColumn);
    auto* text = find<QLineEdit>("CommentsTxt");
    QCOMPARE(text->text(), comment);
    // The box's room for text: less its frame and text margins on each side.
    const int room = text->width() - 2 * (text->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2);
    const int advance = text->fontMetrics().horizontalAdvance(comment);
    QVERIFY2(advance <= room, qPrintable(QString("%1 > %2").arg(advance).arg(room)));
  }

  void labelReplacedInPickedCells() {
    smallProgram();
    window().action("ReplaceLabel")->trigger();
    auto* replace = find<QPushButton>("ReplaceAcceptButton");
    QCOMPARE(background(2, kMnemonicColumn), QColor(Qt::red));
    clickCell(2, kMnemonicColumn);
    QCOMPARE(background(2, kMnemonicColumn), QColor(Qt::green));
    QVERIFY(!replace->isEnabled());
    QTest::keyClicks(find<QLineEdit>("ReplaceText"), "next");
    QVERIFY(replace->isEnabled());
    QTest::mouseClick(replace, Qt::LeftButton);
    QCOMPARE(cell(2, kMnemonicColumn), QString("JMP  next"));
    QCOMPARE(cell(2, kCommentColumn), QString("Jump to address pointed by 'next'."));
    QCOMPARE(cell(3, kMnemonicColumn), QString("CALL  loop"));
    QTest::mouseClick(find<QPushButton>("ReplaceDoneButton"), Qt::LeftButton);
    QVERIFY(!find<QGroupBox>("ReplaceBox")->isVisible());
    QCOMPARE(background(3, kMnemonicColumn), QColor(Qt::white));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::EditingWidgetTest)
#include "editing_test.moc"
