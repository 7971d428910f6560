// The watch window's wiring through the real widgets, headless: the keypad,
// OK, Execute, Force and the interrupt buttons reach the model, and the
// tables show the machine's state after each click.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>
#include <utility>

#include "support/binding_guard.h"
#include "support/cell_fit.h"
#include "support/fake_host.h"
#include "ui/simulator/watch_table_model.h"
#include "ui/simulator/watch_window.h"

namespace parvix::ui {

class WatchWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::FakeHost> host;
  std::unique_ptr<WatchWindowDialog> model;
  std::unique_ptr<WatchWindow> window;

  template <class T>
  T* find(const QString& name) {
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  QString cell(WatchTable table, int row, int col) {
    return window->table(table)->model()->index(row, col).data().toString();
  }
  // The register table's value of a register row (Qt row = row - 1).
  QString reg(int row) { return cell(WatchTable::Register, row - 1, 1); }
  // A cell as the view's delegate paints it in the given state.
  static QImage PaintCell(QTableView* view, const QModelIndex& index, QStyle::State state) {
    QImage image(100, 30, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = image.rect();
    option.state = QStyle::State_Enabled | state;
    view->itemDelegate()->paint(&painter, option, index);
    return image;
  }
  void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

 private slots:
  void init() {
    host = std::make_unique<testing::FakeHost>();
    model = std::make_unique<WatchWindowDialog>(*host);
    // The hand-over: MVI A,05; INR A; HLT at 8000.
    model->load();
    model->writeCodeText(0x8000, "3E   05");
    model->writeCodeText(0x8002, "3C");
    model->writeCodeText(0x8003, "76");
    window = std::make_unique<WatchWindow>(*model);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  void cleanup() {
    window.reset();
    model.reset();
    host.reset();
  }

  void tablesShowTheMachine() {
    QCOMPARE(window->windowTitle(), QString("Watch Window"));
    QAbstractItemModel* registers = window->table(WatchTable::Register)->model();
    QCOMPARE(registers->rowCount(), 19);
    QCOMPARE(registers->headerData(0, Qt::Horizontal).toString(), QString("Registers"));
    QCOMPARE(cell(WatchTable::Register, kRowM - 1, 0), QString("M(0000)"));
    QCOMPARE(reg(kRowSP), QString("FF00"));
    QCOMPARE(window->table(WatchTable::Memory)->model()->rowCount(), 65536);
    QCOMPARE(cell(WatchTable::Memory, 0x8000, 1), QString("3E"));
    QCOMPARE(window->table(WatchTable::Port)->model()->rowCount(), 256);
    QCOMPARE(cell(WatchTable::Interrupt, 0, 0), QString("TRAP"));
    QCOMPARE(window->table(WatchTable::Interrupt)
                 ->model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(),
             QColor(255, 0, 0));
    QVERIFY(window->table(WatchTable::Instruction)->isColumnHidden(kInstLabelColumn));
    QCOMPARE(find<QLabel>("AddrLbl")->text(), QString("0000"));
    QCOMPARE(find<QPushButton>("NUM(15)")->text(), QString("F"));
    QCOMPARE(find<QComboBox>("ValueList")->count(), 256);
  }

  void keyedStartAddressAndExecuteReachTheModel() {
    for (const char* key : {"NUM(8)", "NUM(0)", "NUM(0)", "NUM(0)"}) click(key);
    QCOMPARE(find<QLabel>("AddrLbl")->text(), QString("8000"));
    QCOMPARE(QApplication::focusWidget(), find<QPushButton>("AcceptButton"));
    click("AcceptButton");
    QCOMPARE(cell(WatchTable::Instruction, 0, kInstMnemonicsColumn), QString("MVI  A,  05h"));
    QCOMPARE(reg(kRowPC), QString("8000"));
    // Memory is scrolled to the instruction, unmarked: a highlight would stay
    // where the program counter has left.
    QTableView* memory = window->table(WatchTable::Memory);
    QVERIFY(memory->viewport()->rect().contains(
        memory->visualRect(memory->model()->index(0x8000, 1)).center()));
    QVERIFY(!memory->selectionModel()->hasSelection());

    click("ExecuteButton");
    QCOMPARE(reg(kRowA), QString("05"));
    QCOMPARE(reg(kRowPC), QString("8002"));
    click("ExecuteButton");
    QCOMPARE(reg(kRowA), QString("06"));
    QCOMPARE(reg(kRowParity), QString("1"));
    click("ExecuteButton");
    QCOMPARE(host->boxes.size(), size_t{1});
    QCOMPARE(QString::fromStdString(host->LastBox()), QString("Program execution halted."));
    click("ExecuteButton");
    QCOMPARE(host->boxes.size(), size_t{1});
  }

  void instructionRowShowsAThreeByteInstructionWhole() {
    model->writeCodeText(0x9000, "CD   B9   35");
    for (const char* key : {"NUM(9)", "NUM(0)", "NUM(0)", "NUM(0)"}) click(key);
    click("AcceptButton");
    QTableView* instruction = window->table(WatchTable::Instruction);
    QCOMPARE(cell(WatchTable::Instruction, 0, kInstOpcodeColumn), QString("CD   B9   35"));
    for (int col : {kInstAddrColumn, kInstMnemonicsColumn, kInstOpcodeColumn})
      QVERIFY2(ShowsWhole(instruction, instruction->model()->index(0, col)),
               qPrintable(cell(WatchTable::Instruction, 0, col)));
  }

  void typedDigitsAndEnterGoToTheFocusedOk() {
    QPushButton* accept = find<QPushButton>("AcceptButton");
    accept->setFocus();
    QTest::keyClicks(accept, "8x0z0g2");
    QCOMPARE(find<QLabel>("AddrLbl")->text(), QString("8002"));
    QTest::keyClick(accept, Qt::Key_Return);
    QCOMPARE(cell(WatchTable::Instruction, 0, kInstMnemonicsColumn), QString("INR  A"));
  }

  void forceAndInterruptButtonsReachTheModel() {
    find<QComboBox>("PortAddrList")->setCurrentIndex(0xFF);
    find<QComboBox>("ValueList")->setCurrentIndex(0xA5);
    click("ForceButton");
    QCOMPARE(cell(WatchTable::Port, 0xFF, 1), QString("A5"));

    QPushButton* rst75 = find<QPushButton>("IButton(2)");
    QTest::mousePress(rst75, Qt::LeftButton);
    QCOMPARE(rst75->text(), QString("1"));
    QTest::mouseRelease(rst75, Qt::LeftButton);
    QCOMPARE(rst75->text(), QString("0"));
    click("IButton(5)");
    QCOMPARE(find<QPushButton>("IButton(5)")->text(), QString("1"));
  }

  // A press is one toggle however the pointer wanders before the release;
  // RST 7.5 shows "1" until the release, wherever it happens.
  void interruptButtonsToggleOncePerPress() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // TRAP toggles to "1" and stays; RST 7.5 goes back to "0" on release.
    const std::pair<const char*, const char*> kReleased[] = {{"IButton(1)", "1"},
                                                            {"IButton(2)", "0"}};
    for (const auto& [name, released] : kReleased) {
      QPushButton* button = find<QPushButton>(name);
      const QPoint inside = button->rect().center();
      const QPoint outside(button->width() + 20, inside.y());
      QTest::mousePress(button, Qt::LeftButton, {}, inside);
      QTest::mouseMove(button, outside);
      QCOMPARE(button->text(), QString("1"));
      QTest::mouseMove(button, inside);
      QTest::mouseMove(button, outside);
      QTest::mouseMove(button, inside);
      QCOMPARE(button->text(), QString("1"));
      QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
      QCOMPARE(button->text(), QString(released));
    }
  }

  // Clicks or keys leave no highlight that could read as a program-counter marker.
  void tablesMarkNoCellOrRow() {
    for (const char* key : {"NUM(8)", "NUM(0)", "NUM(0)", "NUM(0)"}) click(key);
    click("AcceptButton");
    click("ExecuteButton");
    for (WatchTable t : {WatchTable::Register, WatchTable::Memory, WatchTable::Port}) {
      QTableView* view = window->table(t);
      const QModelIndex first = view->model()->index(0, 1);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(first).center());
      view->setFocus();
      QTest::keyClick(view, Qt::Key_Down);
      QVERIFY(!view->selectionModel()->hasSelection());
      // The cell under the keyboard cursor is drawn as every other cell.
      const QModelIndex current = view->currentIndex().isValid() ? view->currentIndex() : first;
      QCOMPARE(PaintCell(view, current, QStyle::State_HasFocus | QStyle::State_Selected),
               PaintCell(view, current, {}));
    }
  }

  void tableModelsStayConsistent() {
    for (WatchTable t : {WatchTable::Register, WatchTable::Memory, WatchTable::Port,
                         WatchTable::Instruction, WatchTable::Interrupt}) {
      new QAbstractItemModelTester(window->tableModel(t),
                                   QAbstractItemModelTester::FailureReportingMode::QtTest,
                                   window.get());
    }
    for (const char* key : {"NUM(8)", "NUM(0)", "NUM(0)", "NUM(0)"}) click(key);
    click("AcceptButton");
    click("ExecuteButton");
    model->Form_Load();  // a fresh set-up resets every table
    window->Render();
    QCOMPARE(reg(kRowPC), QString("0000"));
  }

  void closingUnloadsTheWindow() {
    QVERIFY(model->loaded);
    window->close();
    QVERIFY(!model->loaded);
  }

  void screenshot() {
    // A picture after a few steps, for tools/screenshots.sh.
    const QByteArray dir = qgetenv("PARVIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("PARVIX_SCREENSHOT_DIR not set");
    for (const char* key : {"NUM(8)", "NUM(0)", "NUM(0)", "NUM(0)"}) click(key);
    click("AcceptButton");
    click("ExecuteButton");
    click("ExecuteButton");
    QTest::qWait(50);
    QVERIFY(window->grab().save(QString::fromUtf8(dir) + "/watch-window.png"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::WatchWindowTest)
#include "watch_window_test.moc"
