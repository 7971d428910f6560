// The road a user takes, end to end, through the real windows and the real
// Qt host, headless. Only the file dialogs and the message boxes are
// answered by script; everything else is clicked or typed: a program with an
// origin, a loop with a placed label, a variable given its value in the
// equivalents window, a data byte and a call; addresses assigned; saved,
// closed and opened; assembled to a hex file, disassembled back and
// assembled again to the identical file; stepped to HLT in the watch window;
// printed to PDF; downloaded over a pseudo-terminal to a scripted trainer and
// uploaded back from it.
//
// The legs run in order on one program; each leg checks what the user sees.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>

#include "support/pdf_text.h"
#include "support/pty_trainer.h"
#include "support/shell_fixture.h"
#include "support/table_drivers.h"
#include "tables/instruction_keys.h"

namespace parvix::ui {

using parvix::testing::Ready;

namespace {

// The program as the table shows it once addresses are assigned: Label,
// Addr., Mnemonic, Opcode, and the Opcode as keyed in, before the variable
// has a value and the labels have addresses. Its run adds 3 + 2 + 1 into A
// by calling `addc` once per turn of `loop`.
struct Line {
  const char* label;
  const char* address;
  const char* mnemonic;
  const char* code;
  const char* keyedCode;
};
const Line kProgram[] = {
    {"Origin", "8200", "", "", ""},
    {"", "8200", "MVI  C,   count", "0E   03", "0E   XX"},
    {"", "8202", "XRA  A", "AF", "AF"},
    {"loop", "8203", "CALL  addc", "CD   0B   82", "CD   XX   XX"},
    {"", "8206", "DCR  C", "0D", "0D"},
    {"", "8207", "JNZ  loop", "C2   03   82", "C2   XX   XX"},
    {"", "820A", "HLT", "76", "76"},
    {"addc", "820B", "ADD  C", "81", "81"},
    {"", "820C", "RET", "C9", "C9"},
    {"", "820D", "DFB", "5A", "5A"},
};
constexpr int kLastRow = 9;

// The program's hex records: its 14 bytes and the end record.
const char* const kRecords[] = {":0E8200000E03AFCD0B820DC203827681C95AE8", ":00000001FF"};

// The records joined as the hex file, the download and the trainer's
// upload reply have them.
std::string Joined(const char* before, const char* after) {
  std::string text;
  for (const char* record : kRecords) text += before + std::string(record) + after;
  return text;
}
const QByteArray kHexFile = QByteArray::fromStdString(Joined("\"", "\"\r\n"));
const std::string kDownloadStream = Joined("", "");

// The control name of the instruction key with this caption.
QString InstructionKey(std::string_view caption) {
  for (int i = 0; i < kInstructionKeyCount; ++i) {
    if (InstructionKeys()[i].caption == caption) return Q(IndexedName("INST", i));
  }
  return {};
}

}  // namespace

class WholeRoadTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  // One scripted answer: a message box whose text starts with `text` gets
  // `button` pressed; a file dialog (empty `text`) gets `path` chosen.
  struct Answer {
    QString text;
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    QString path;
  };
  std::deque<Answer> script;
  // What opened without being scripted or did not match its answer.
  QStringList surprises;
  QTimer answering;
  QTemporaryDir dir;
  // The far end of Comm1.
  std::unique_ptr<testing::PtyTrainer> trainer;

  void expectBox(const QString& text, QMessageBox::StandardButton button) {
    script.push_back({text, button, {}});
  }
  void expectFile(const QString& name) {
    script.push_back({{}, QMessageBox::NoButton, path(name)});
  }
  QString path(const QString& name) { return dir.filePath(name); }

  // Answers the message box or file dialog that is open, if any. One that
  // was not expected is recorded and closed, so that the road goes on and
  // the leg fails with what it saw.
  void answerOpenModal() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    auto* files = qobject_cast<QFileDialog*>(modal);
    if (box == nullptr && files == nullptr) return;
    if (script.empty() || (box != nullptr) == script.front().text.isEmpty() ||
        (box != nullptr && !box->text().startsWith(script.front().text))) {
      surprises << (box != nullptr ? "message box: " + box->text()
                                   : "file dialog: " + files->windowTitle());
      // Closed without a button: a box of Yes and No refuses to be closed.
      static_cast<QDialog*>(modal)->done(QDialog::Rejected);
      return;
    }
    const Answer answer = script.front();
    script.pop_front();
    if (box != nullptr) {
      QAbstractButton* button = box->button(answer.button);
      if (button == nullptr) {
        surprises << "no such button in: " + box->text();
        box->done(QDialog::Rejected);
      } else {
        button->click();
      }
      return;
    }
    files->selectFile(answer.path);
    if (auto* edit = files->findChild<QLineEdit*>("fileNameEdit")) edit->setText(answer.path);
    QMetaObject::invokeMethod(files, "accept");
  }
  // Every scripted answer was used and nothing else opened.
  bool answeredAsScripted() {
    if (!script.empty()) surprises << "not opened: " + script.front().text + script.front().path;
    script.clear();
    const bool clean = surprises.isEmpty();
    if (!clean) qWarning() << surprises;
    surprises.clear();
    return clean;
  }

  // Shortcuts reach the main window while it is the active one.
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QApplication::setActiveWindow(&window());
    QTest::keyClick(&window(), k, modifiers);
  }
  void click(QWidget* button) {
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void click(const QString& name) {
    auto* button = find<QWidget>(name);
    QVERIFY(button != nullptr);
    click(button);
  }
  void clickCell(int row, int col) { ClickCell(window().table(), row, col); }
  QString tips() { return find<QLabel>("TipsLabel")->text(); }

  // An instruction keyed in: its key, then register keys.
  void instruction(std::string_view caption, std::initializer_list<int> registers = {}) {
    click(InstructionKey(caption));
    for (int r : registers) click(Q(IndexedName("REG", r)));
  }
  // An instruction whose operand is a new name typed into the label or
  // variable panel and accepted.
  void namedOperand(const char* text, const char* accept, const QString& name) {
    auto* edit = find<QLineEdit>(text);
    QVERIFY(edit != nullptr && edit->isVisible());
    QTest::keyClicks(edit, name);
    click(accept);
  }
  // The Label cell of `row` picked with the place tool open, and the label
  // typed into the Existing list chosen and placed.
  void placeExisting(int row, const QString& label) {
    clickCell(row, kLabelColumn);
    QCOMPARE(m().EntryState, static_cast<int>(PlaceRowState));
    click("ExistingPlaceOption");
    auto* combo = find<QComboBox>("PlaceCombo");
    QVERIFY(combo->isEnabled());
    QTest::keyClicks(combo, label.left(1));
    QCOMPARE(combo->currentText(), label);
    click("PlaceAcceptButton");
    QCOMPARE(cell(row, kLabelColumn), label);
  }

  // The table shows the program: with or without the addresses of its lines
  // (the Origin row always has its own), with the codes as keyed in or
  // with every value in them.
  bool showsTheProgram(bool addresses, bool values) {
    for (int r = 0; r <= kLastRow; ++r) {
      const Line& line = kProgram[r];
      if (cell(r, kLabelColumn) != line.label ||
          cell(r, kAddressColumn) != (addresses || r == 0 ? line.address : "") ||
          cell(r, kMnemonicColumn) != line.mnemonic ||
          cell(r, kOpcodeColumn) != (values ? line.code : line.keyedCode)) {
        qWarning() << "row" << r << "shows" << cell(r, kLabelColumn) << cell(r, kAddressColumn)
                   << cell(r, kMnemonicColumn) << cell(r, kOpcodeColumn);
        return false;
      }
    }
    return cell(kLastRow + 1, kMnemonicColumn).isEmpty();
  }
  QByteArray contents(const QString& name) {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }

  WatchWindow& watch() { return shell->watchWindow; }
  QString reg(int row) {
    return watch().table(WatchTable::Register)->model()->index(row - 1, 1).data().toString();
  }
  void clickWatch(const QString& name) {
    auto* button = watch().findChild<QPushButton*>(name);
    QVERIFY2(button != nullptr, qPrintable(name));
    click(button);
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir.isValid());
    qputenv("PARVIX_PRINT_PDF", path("listing.pdf").toLocal8Bit());
    trainer = std::make_unique<testing::PtyTrainer>();
    QVERIFY2(trainer->ok(), trainer->error().c_str());
    qputenv("PARVIX_COMM1", trainer->programPath().toLocal8Bit());
    QVERIFY(StartShell());
    window().resize(1280, 800);
    connect(&answering, &QTimer::timeout, this, [this] { answerOpenModal(); });
    answering.start(20);
  }
  void cleanupTestCase() {
    answering.stop();
    StopShell();
    trainer.reset();
    qunsetenv("PARVIX_PRINT_PDF");
    qunsetenv("PARVIX_COMM1");
  }

  // A leg that failed early leaves its answers to no other leg.
  void cleanup() {
    script.clear();
    surprises.clear();
  }

  void enterTheProgram() {
    // The origin: a click on the Origin row's Label cell, then its keypad.
    clickCell(0, kLabelColumn);
    QCOMPARE(m().EntryState, static_cast<int>(EditOriginState));
    for (const char* k : {"NUM(8)", "NUM(2)", "NUM(0)", "NUM(0)"}) click(k);
    click("NumberAcceptButton");
    QCOMPARE(cell(0, kAddressColumn), QString("8200"));
    clickCell(1, kMnemonicColumn);
    QCOMPARE(m().CursorRow, 1);

    instruction("MVI", {1});
    namedOperand("XXText", "XXAcceptButton", "count");
    instruction("XRA", {7});
    instruction("CALL");
    namedOperand("LabelText", "LabelAcceptButton", "addc");
    instruction("DCR", {1});
    instruction("JNZ");
    namedOperand("LabelText", "LabelAcceptButton", "loop");
    instruction("HLT");
    instruction("ADD", {1});
    instruction("RET");

    // A data byte in data mode, then back to program mode.
    key(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(find("DataBox")->isVisible());
    click("DataNum(5)");
    click("DataNum(10)");
    click("DataAcceptButton");
    key(Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(tips(), QString("Program Mode."));

    // The two labels placed with the place tool.
    key(Qt::Key_Insert, Qt::ShiftModifier);
    QVERIFY(find("PlaceBox")->isVisible());
    placeExisting(3, "loop");
    placeExisting(7, "addc");
    click("PlaceDoneButton");
    QVERIFY(!find("PlaceBox")->isVisible());
    QVERIFY(showsTheProgram(false, false));
    QVERIFY(answeredAsScripted());
  }

  void giveTheVariableItsValue() {
    key(Qt::Key_F6);
    EquivalentsWindow& eqt = shell->equivalentsWindow;
    QVERIFY(QTest::qWaitForWindowExposed(&eqt));
    click(eqt.findChild<QRadioButton*>("VariablesOption"));
    QTableView* variables = eqt.variableTable();
    QVERIFY(variables->isVisible());
    QCOMPARE(variables->model()->index(0, 0).data().toString(), QString("count"));
    ClickCell(variables, 0, 0);
    auto* accept = eqt.findChild<QPushButton*>("XXAcceptButton");
    QTRY_VERIFY(accept->hasFocus());
    QTest::keyClicks(accept, "03");
    click(accept);
    click(eqt.findChild<QPushButton*>("DoneButton"));
    QVERIFY(!eqt.isVisible());
    QCOMPARE(cell(1, kOpcodeColumn), QString("0E   03"));
    QVERIFY(answeredAsScripted());
  }

  void assignAddresses() {
    key(Qt::Key_F5);
    QTRY_COMPARE(cell(kLastRow, kAddressColumn), QString("820D"));
    QVERIFY(showsTheProgram(true, true));
    QVERIFY(answeredAsScripted());
  }

  void saveCloseAndOpen() {
    expectFile("road.zvt");
    key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - road.zvt"));
    QVERIFY(QFile::exists(path("road.zvt")));

    window().action("NewFile")->trigger();
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - Pgm1.zvt"));
    QCOMPARE(cell(1, kMnemonicColumn), QString());

    expectFile("road.zvt");
    key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - road.zvt"));
    QCOMPARE(tips(), QString("File Opened."));
    // The file keeps the jump targets but not the addresses of the lines.
    QVERIFY(showsTheProgram(false, true));
    QVERIFY(answeredAsScripted());
  }

  void assembleToAHexFile() {
    expectBox("Unused strings have been deleted.", QMessageBox::Ok);
    expectFile("road.hex");
    key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(contents("road.hex"), kHexFile);
    QCOMPARE(tips(), QString("Program Mode."));
    QVERIFY(answeredAsScripted());
  }

  void disassembleAndAssembleAgain() {
    expectBox("Save changes to road.zvt?", QMessageBox::No);
    expectFile("road.hex");
    key(Qt::Key_D, Qt::ControlModifier);
    DisassemblyDialog& dialog = shell->disassemblyDialog;
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTableView* bytes = dialog.table();
    QCOMPARE(bytes->model()->rowCount(), kLastRow + 5);  // 14 bytes
    // Every byte but the last is code; the last is the data byte.
    click(dialog.findChild<QRadioButton*>("DataType(1)"));
    DragOverRows(bytes, 0, 12, kCategoryColumn);
    click(dialog.findChild<QRadioButton*>("DataType(0)"));
    DragOverRows(bytes, 13, 13, kCategoryColumn);
    click(dialog.findChild<QPushButton*>("DoneButton"));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    QCOMPARE(tips(), QString("Disassembling completed successfully."));
    // The same code under made-up names.
    for (int r = 0; r <= kLastRow; ++r) {
      QCOMPARE(cell(r, kAddressColumn), QString(kProgram[r].address));
      QCOMPARE(cell(r, kOpcodeColumn), QString(kProgram[r].code));
    }
    QCOMPARE(cell(1, kMnemonicColumn), QString("MVI  C,  v0"));
    QCOMPARE(cell(3, kMnemonicColumn), QString("CALL  a0"));
    QCOMPARE(cell(3, kLabelColumn), QString("a1"));
    QCOMPARE(cell(5, kMnemonicColumn), QString("JNZ  a1"));
    QCOMPARE(cell(7, kLabelColumn), QString("a0"));
    QCOMPARE(cell(9, kMnemonicColumn), QString("DFB"));
    QVERIFY(answeredAsScripted());

    expectBox("Unused strings have been deleted.", QMessageBox::Ok);
    expectFile("again.hex");
    key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(contents("again.hex"), kHexFile);
    QVERIFY(answeredAsScripted());
  }

  void stepToHaltInTheWatchWindow() {
    // Back to the program with its own names; the disassembled one is not kept.
    expectBox("Save changes to Pgm1.zvt?", QMessageBox::No);
    expectFile("road.zvt");
    key(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(showsTheProgram(false, true));
    QVERIFY(answeredAsScripted());

    key(Qt::Key_F5, Qt::ControlModifier);
    QTRY_VERIFY(watch().isVisible());
    for (const char* k : {"NUM(8)", "NUM(2)", "NUM(0)", "NUM(0)"}) clickWatch(k);
    clickWatch("AcceptButton");
    QCOMPARE(reg(kRowPC), QString("8200"));
    // The data byte came over with the code.
    QCOMPARE(watch().table(WatchTable::Memory)->model()->index(0x820D, 1).data().toString(),
             QString("5A"));
    // MVI, XRA, three turns of CALL, ADD, RET, DCR, JNZ: 17 steps to the HLT.
    for (int step = 0; step < 17; ++step) clickWatch("ExecuteButton");
    QCOMPARE(reg(kRowPC), QString("820A"));
    QCOMPARE(reg(kRowA), QString("06"));
    QCOMPARE(reg(kRowC), QString("00"));
    QCOMPARE(reg(kRowZero), QString("1"));
    QCOMPARE(reg(kRowSP), QString("FF00"));
    QVERIFY(answeredAsScripted());
    expectBox("Program execution halted.", QMessageBox::Ok);
    clickWatch("ExecuteButton");
    QVERIFY(answeredAsScripted());
    QCOMPARE(reg(kRowA), QString("06"));
    watch().close();
    QVERIFY(!watch().isVisible());
  }

  void printToPdf() {
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext is missing: install poppler-utils (tools/setup.sh test)");
    expectBox("Check the default settings of the printer", QMessageBox::Ok);
    key(Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!m().Print.Running(), 15000);
    QVERIFY(answeredAsScripted());
    QVERIFY(window().isEnabled());
    const QString program = PdfPageText(path("listing.pdf"), 1);
    for (const char* text : {"Page: 1 of 2", "road.zvt", "Origin 8200", "8200 MVI C, count 0E 03",
                             "loop 8203 CALL addc CD 0B 82", "8207 JNZ loop C2 03 82",
                             "addc 820B ADD C 81", "820D DFB 5A"}) {
      QVERIFY2(program.contains(text),
               qPrintable(QString("page 1 lacks \"%1\": %2").arg(text, program)));
    }
    const QString equivalents = PdfPageText(path("listing.pdf"), 2);
    for (const char* text : {"EQUIVALENTS", "Page: 2 of 2", "addc 820B", "loop 8203", "count 03"}) {
      QVERIFY2(equivalents.contains(text),
               qPrintable(QString("page 2 lacks \"%1\": %2").arg(text, equivalents)));
    }
  }

  void downloadToTheTrainer() {
    auto received = std::async(std::launch::async, [this] {
      std::string got = trainer->ReadBytes(kDownloadStream.size(), 10000);
      return got + trainer->ReadFor(200);  // and nothing after the end record
    });
    expectFile("road.hex");
    expectBox("Prepare Microprocessor Trainer for download", QMessageBox::Ok);
    window().action("DownloadFile")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(tips(), QString("Download completed."), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(Ready(received), 10000);
    QCOMPARE(received.get(), kDownloadStream);
    QVERIFY(answeredAsScripted());
    QtSerialPort& port = shell->host.serialPort();
    QTRY_VERIFY_WITH_TIMEOUT(!port.IsOpen() && !port.Draining(), 5000);
  }

  void uploadFromTheTrainer() {
    // The trainer echoes the request, then sends its records a few bytes at
    // a time, each on a line of its own.
    auto request = std::async(std::launch::async, [this] {
      const std::string got = trainer->ReadUntil("\r", 5000);
      if (got == "ATV1Q0\r") {
        trainer->Send("ATV1Q0\r\n" + Joined("", "\r\n"), 7, 3);
      }
      return got;
    });
    expectBox("Click 'OK' and upload from Microprocessor Trainer", QMessageBox::Ok);
    expectFile("upload.hex");
    window().action("UploadFile")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(Ready(request), 6000);
    QCOMPARE(request.get(), std::string("ATV1Q0\r"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path("upload.hex")), 10000);
    QCOMPARE(contents("upload.hex"), kHexFile);
    QTRY_COMPARE(tips(), QString("Program Mode."));
    QVERIFY(answeredAsScripted());
    QVERIFY(!shell->host.serialPort().IsOpen());
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::WholeRoadTest)
#include "whole_road_test.moc"
