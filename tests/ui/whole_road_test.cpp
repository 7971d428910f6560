// The road a user takes, end to end, through the real windows and the real
// Qt host, headless; only file dialogs and message boxes are answered by
// script. The legs run in order on one program: enter, assign, save and
// reopen, assemble, disassemble and reassemble, step, print, download, upload.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <deque>

#include "support/pdf_text.h"
#include "support/pty_trainer.h"
#include "support/shell_fixture.h"
#include "support/table_drivers.h"
#include "tables/instruction_keys.h"

namespace parvix::ui {

using parvix::testing::Ready;

namespace {

// The program once addresses are assigned: Label, Addr., Mnemonic, Opcode.
// It adds 3 + 2 + 1 into A by calling `addc` once per turn of `loop`.
const char* const kProgram[][4] = {
    {"Origin", "8200", "", ""},
    {"", "8200", "MVI  C,   count", "0E   03"},
    {"", "8202", "XRA  A", "AF"},
    {"loop", "8203", "CALL  addc", "CD   0B   82"},
    {"", "8206", "DCR  C", "0D"},
    {"", "8207", "JNZ  loop", "C2   03   82"},
    {"", "820A", "HLT", "76"},
    {"addc", "820B", "ADD  C", "81"},
    {"", "820C", "RET", "C9"},
    {"", "820D", "DFB", "5A"},
};
constexpr int kLastRow = 9;

// The 14 bytes and the end record, joined as the hex file, the download and
// the trainer's upload reply have them.
const char* const kRecords[] = {":0E8200000E03AFCD0B820DC203827681C95AE8", ":00000001FF"};
std::string Joined(const char* before, const char* after) {
  std::string text;
  for (const char* record : kRecords) text += before + std::string(record) + after;
  return text;
}
const QByteArray kHexFile = QByteArray::fromStdString(Joined("\"", "\"\r\n"));
const std::string kDownloadStream = Joined("", "");

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
  // A message box whose text starts with `text` gets `button` pressed; a
  // file dialog (empty `text`) gets `path` chosen.
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
  std::unique_ptr<testing::PtyTrainer> trainer;

  void expectBox(const QString& text, QMessageBox::StandardButton button) {
    script.push_back({text, button, {}});
  }
  void expectFile(const QString& name) {
    script.push_back({{}, QMessageBox::NoButton, path(name)});
  }
  QString path(const QString& name) { return dir.filePath(name); }

  // Answers the open message box or file dialog; an unexpected one is
  // recorded and closed, so the leg fails with what it saw.
  void answerOpenModal() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    auto* files = qobject_cast<QFileDialog*>(modal);
    if (box == nullptr && files == nullptr) return;
    const bool fits = !script.empty() && (box == nullptr) == script.front().text.isEmpty() &&
                      (box == nullptr || box->text().startsWith(script.front().text));
    QAbstractButton* button = fits && box != nullptr ? box->button(script.front().button) : nullptr;
    if (!fits || (box != nullptr && button == nullptr)) {
      surprises << (box != nullptr ? "message box: " + box->text() : "file dialog: " + files->windowTitle());
      return static_cast<QDialog*>(modal)->done(QDialog::Rejected);
    }
    const QString chosen = script.front().path;
    script.pop_front();
    if (box != nullptr) return button->click();
    files->selectFile(chosen);
    if (auto* edit = files->findChild<QLineEdit*>("fileNameEdit")) edit->setText(chosen);
    QMetaObject::invokeMethod(files, "accept");
  }
  // Every answer was used and nothing else opened.
  bool answeredAsScripted() {
    if (!script.empty()) surprises << "not opened: " + script.front().text + script.front().path;
    script.clear();
    const bool clean = surprises.isEmpty();
    if (!clean) qWarning() << surprises;
    surprises.clear();
    return clean;
  }

  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QApplication::setActiveWindow(&window());
    QTest::keyClick(&window(), k, modifiers);
  }
  void click(QWidget* button) {
    QVERIFY(button != nullptr);
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void click(const QString& name) { click(find<QWidget>(name)); }

  void instruction(std::string_view caption, std::initializer_list<int> registers = {}) {
    click(InstructionKey(caption));
    for (int r : registers) click(Q(IndexedName("REG", r)));
  }
  // A new name typed as the operand into the label or variable (XX) panel.
  void namedOperand(const QString& panel, const QString& name) {
    QTest::keyClicks(find<QLineEdit>(panel + "Text"), name);
    click(panel + "AcceptButton");
  }
  // With the place tool open: the row's Label cell, then the label from the
  // Existing list, typed and placed.
  void placeExisting(int row, const QString& label) {
    ClickCell(window().table(), row, kLabelColumn);
    click("ExistingPlaceOption");
    QTest::keyClicks(find<QComboBox>("PlaceCombo"), label.left(1));
    click("PlaceAcceptButton");
    QCOMPARE(cell(row, kLabelColumn), label);
  }

  // The table shows the program, with or without the addresses of its lines
  // (the Origin row always has its own).
  bool showsTheProgram(bool addresses) {
    for (int r = 0; r <= kLastRow; ++r) {
      const char* const* line = kProgram[r];
      if (cell(r, kLabelColumn) != line[0] ||
          cell(r, kAddressColumn) != (addresses || r == 0 ? line[1] : "") ||
          cell(r, kMnemonicColumn) != line[2] || cell(r, kOpcodeColumn) != line[3]) {
        return (qWarning() << "row" << r << "differs", false);
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
  void clickWatch(const QString& name) { click(watch().findChild<QPushButton*>(name)); }

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

  void enterTheProgramAndGiveTheVariableItsValue() {
    // The origin: a click on the Origin row's Label cell, then its keypad.
    ClickCell(window().table(), 0, kLabelColumn);
    for (const char* k : {"NUM(8)", "NUM(2)", "NUM(0)", "NUM(0)"}) click(k);
    click("NumberAcceptButton");
    ClickCell(window().table(), 1, kMnemonicColumn);

    instruction("MVI", {1});
    namedOperand("XX", "count");
    instruction("XRA", {7});
    instruction("CALL");
    namedOperand("Label", "addc");
    instruction("DCR", {1});
    instruction("JNZ");
    namedOperand("Label", "loop");
    instruction("HLT");
    instruction("ADD", {1});
    instruction("RET");

    // A data byte in data mode, then back to program mode.
    key(Qt::Key_M, Qt::ControlModifier);
    click("DataNum(5)");
    click("DataNum(10)");
    click("DataAcceptButton");
    key(Qt::Key_M, Qt::ControlModifier);

    key(Qt::Key_Insert, Qt::ShiftModifier);  // the place tool
    placeExisting(3, "loop");
    placeExisting(7, "addc");
    click("PlaceDoneButton");
    QCOMPARE(cell(0, kAddressColumn), QString("8200"));
    QCOMPARE(cell(9, kOpcodeColumn), QString("5A"));

    // The variable's value, given in the equivalents window.
    key(Qt::Key_F6);
    EquivalentsWindow& eqt = shell->equivalentsWindow;
    QVERIFY(QTest::qWaitForWindowExposed(&eqt));
    click(eqt.findChild<QRadioButton*>("VariablesOption"));
    ClickCell(eqt.variableTable(), 0, 0);
    auto* accept = eqt.findChild<QPushButton*>("XXAcceptButton");
    QTRY_VERIFY(accept->hasFocus());
    QTest::keyClicks(accept, "03");
    click(accept);
    click(eqt.findChild<QPushButton*>("DoneButton"));
    QCOMPARE(cell(1, kOpcodeColumn), QString("0E   03"));
    QVERIFY(answeredAsScripted());
  }

  void assignAddressesSaveCloseAndOpen() {
    key(Qt::Key_F5);
    QTRY_COMPARE(cell(kLastRow, kAddressColumn), QString("820D"));
    QVERIFY(showsTheProgram(true));

    expectFile("road.zvt");
    key(Qt::Key_S, Qt::ControlModifier);
    window().action("NewFile")->trigger();
    QCOMPARE(cell(1, kMnemonicColumn), QString());
    expectFile("road.zvt");
    key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - road.zvt"));
    // The file keeps the jump targets but not the addresses of the lines.
    QVERIFY(showsTheProgram(false));
    QVERIFY(answeredAsScripted());
  }

  void assembleDisassembleAndAssembleAgain() {
    expectBox("Unused strings have been deleted.", QMessageBox::Ok);
    expectFile("road.hex");
    key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(contents("road.hex"), kHexFile);
    QVERIFY(answeredAsScripted());

    expectBox("Save changes to road.zvt?", QMessageBox::No);
    expectFile("road.hex");
    key(Qt::Key_D, Qt::ControlModifier);
    DisassemblyDialog& dialog = shell->disassemblyDialog;
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Every byte but the last is code; the last is the data byte.
    click(dialog.findChild<QRadioButton*>("DataType(1)"));
    DragOverRows(dialog.table(), 0, 12, kCategoryColumn);
    click(dialog.findChild<QRadioButton*>("DataType(0)"));
    DragOverRows(dialog.table(), 13, 13, kCategoryColumn);
    click(dialog.findChild<QPushButton*>("DoneButton"));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    // The same code under made-up names; reassembled, the same file.
    QCOMPARE(cell(9, kAddressColumn), QString("820D"));
    QCOMPARE(cell(3, kLabelColumn), QString("a1"));
    QCOMPARE(cell(5, kMnemonicColumn), QString("JNZ  a1"));
    QVERIFY(answeredAsScripted());

    expectBox("Unused strings have been deleted.", QMessageBox::Ok);
    expectFile("again.hex");
    key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(contents("again.hex"), kHexFile);
    QVERIFY(answeredAsScripted());
  }

  void stepToHaltInTheWatchWindow() {
    // Back to the program with its own names.
    expectBox("Save changes to Pgm1.zvt?", QMessageBox::No);
    expectFile("road.zvt");
    key(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(answeredAsScripted());

    key(Qt::Key_F5, Qt::ControlModifier);
    QTRY_VERIFY(watch().isVisible());
    for (const char* k : {"NUM(8)", "NUM(2)", "NUM(0)", "NUM(0)"}) clickWatch(k);
    clickWatch("AcceptButton");
    // The data byte came over with the code.
    QCOMPARE(watch().table(WatchTable::Memory)->model()->index(0x820D, 1).data().toString(),
             QString("5A"));
    // MVI, XRA, three turns of CALL, ADD, RET, DCR, JNZ: 17 steps to the HLT.
    for (int step = 0; step < 17; ++step) clickWatch("ExecuteButton");
    QCOMPARE(reg(kRowPC), QString("820A"));
    QCOMPARE(reg(kRowA), QString("06"));
    QCOMPARE(reg(kRowC), QString("00"));
    QCOMPARE(reg(kRowSP), QString("FF00"));
    expectBox("Program execution halted.", QMessageBox::Ok);
    clickWatch("ExecuteButton");
    QVERIFY(answeredAsScripted());
    watch().close();
  }

  void printToPdf() {
    expectBox("Check the default settings of the printer", QMessageBox::Ok);
    key(Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!m().Print.Running(), 15000);
    QVERIFY(answeredAsScripted());
    const QString pages = PdfPageText(path("listing.pdf"), 1) + PdfPageText(path("listing.pdf"), 2);
    for (const char* text : {"road.zvt", "loop 8203 CALL addc CD 0B 82", "820D DFB 5A",
                             "EQUIVALENTS", "addc 820B", "count 03"}) {
      QVERIFY2(pages.contains(text), qPrintable(QString("no \"%1\" in: %2").arg(text, pages)));
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
    QTRY_COMPARE_WITH_TIMEOUT(find<QLabel>("TipsLabel")->text(), QString("Download completed."), 5000);
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
      if (got == "ATV1Q0\r") trainer->Send("ATV1Q0\r\n" + Joined("", "\r\n"), 7, 3);
      return got;
    });
    expectBox("Click 'OK' and upload from Microprocessor Trainer", QMessageBox::Ok);
    expectFile("upload.hex");
    window().action("UploadFile")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(Ready(request), 6000);
    QCOMPARE(request.get(), std::string("ATV1Q0\r"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path("upload.hex")), 10000);
    QCOMPARE(contents("upload.hex"), kHexFile);
    QVERIFY(answeredAsScripted());
    QTRY_VERIFY(!shell->host.serialPort().IsOpen());
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::WholeRoadTest)
#include "whole_road_test.moc"
