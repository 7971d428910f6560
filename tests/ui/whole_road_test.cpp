// The road a user takes, end to end, through the real windows and Qt host, headless; only file
// dialogs and message boxes are answered by script. The legs run in order on one program: enter,
// assign, save and reopen, assemble, disassemble and reassemble, step, print, download, upload.
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

namespace {

// Label, Addr., Mnemonic, Opcode once assigned: 3 + 2 + 1 into A, `addc` once per turn of `loop`.
const char* const kProgram[][4] = {
    {"Origin", "8200", "", ""},         {"", "8200", "MVI  C,   count", "0E   03"},
    {"", "8202", "XRA  A", "AF"},       {"loop", "8203", "CALL  addc", "CD   0B   82"},
    {"", "8206", "DCR  C", "0D"},       {"", "8207", "JNZ  loop", "C2   03   82"},
    {"", "820A", "HLT", "76"},          {"addc", "820B", "ADD  C", "81"},
    {"", "820C", "RET", "C9"},          {"", "820D", "DFB", "5A"},
};
constexpr int kLastRow = 9;

// The 14 bytes and the end record, joined as the hex file, download and upload reply have them.
const char* const kRecords[] = {":0E8200000E03AFCD0B820DC203827681C95AE8", ":00000001FF"};
std::string Joined(const char* before, const char* after) {
  std::string text;
  for (const char* record : kRecords) text += before + std::string(record) + after;
  return text;
}
const QByteArray kHexFile = QByteArray::fromStdString(Joined("\"", "\"\r\n"));

QString InstructionKey(std::string_view caption) {
  int i = 0;
  while (i < kInstructionKeyCount && InstructionKeys()[i].caption != caption) ++i;
  return Q(IndexedName("INST", i));
}

}  // namespace

class WholeRoadTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  // A message box whose text starts with `text` gets `button` pressed, a file dialog (empty
  // `text`) gets `path` chosen; anything else that opens is closed and noted for the leg.
  struct Answer { QString text; QMessageBox::StandardButton button; QString path; };
  std::deque<Answer> script;
  QStringList surprises;
  QTimer answering;
  QTemporaryDir dir;
  std::unique_ptr<testing::PtyTrainer> trainer;

  void box(const QString& text, QMessageBox::StandardButton b = QMessageBox::Ok) {
    script.push_back({text, b, {}});
  }
  void file(const QString& name) { script.push_back({{}, QMessageBox::NoButton, path(name)}); }
  QString path(const QString& name) { return dir.filePath(name); }

  void answerOpenModal() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* mbox = qobject_cast<QMessageBox*>(modal);
    auto* files = qobject_cast<QFileDialog*>(modal);
    if (mbox == nullptr && files == nullptr) return;
    const Answer next = script.empty() ? Answer{"-", QMessageBox::NoButton, {}} : script.front();
    QAbstractButton* button = mbox != nullptr ? mbox->button(next.button) : nullptr;
    if (mbox != nullptr ? button == nullptr || !mbox->text().startsWith(next.text)
                        : !next.text.isEmpty()) {
      surprises << (mbox != nullptr ? "message box: " + mbox->text()
                                    : "file dialog: " + files->windowTitle());
      return static_cast<QDialog*>(modal)->done(QDialog::Rejected);
    }
    script.pop_front();
    if (mbox != nullptr) return button->click();
    files->selectFile(next.path);
    if (auto* edit = files->findChild<QLineEdit*>("fileNameEdit")) edit->setText(next.path);
    QMetaObject::invokeMethod(files, "accept");
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

  // The table shows the program, with or without the addresses of its lines
  // (the Origin row always has its own).
  bool showsTheProgram(bool addresses) {
    for (int r = 0; r <= kLastRow; ++r) {
      const char* const* line = kProgram[r];
      const QStringList seen{cell(r, kLabelColumn), cell(r, kAddressColumn),
                             cell(r, kMnemonicColumn), cell(r, kOpcodeColumn)};
      if (seen != QStringList{line[0], addresses || r == 0 ? line[1] : "", line[2], line[3]}) {
        return (qWarning() << "row" << r << "shows" << seen, false);
      }
    }
    return cell(kLastRow + 1, kMnemonicColumn).isEmpty();
  }
  QByteArray contents(const QString& name) {
    QFile f(path(name));  // what a program would read from it
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
  }
  WatchWindow& watch() { return shell->watchWindow; }
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
  }
  // Every answer of the leg was used, nothing else opened; none is left to the next leg.
  void cleanup() {
    for (const Answer& a : script) surprises << "not opened: " + a.text + a.path;
    script.clear();
    const QStringList seen = std::exchange(surprises, {});
    QVERIFY2(seen.isEmpty(), qPrintable(seen.join("; ")));
  }

  void enterTheProgramAndGiveTheVariableItsValue() {
    // The origin: a click on the Origin row's Label cell, then its keypad.
    ClickCell(window().table(), 0, kLabelColumn);
    for (const char* k : {"NUM(8)", "NUM(2)", "NUM(0)", "NUM(0)", "NumberAcceptButton"}) click(k);
    ClickCell(window().table(), 1, kMnemonicColumn);
    // Each key, its register, and a new name typed into the label or variable (XX) panel.
    struct Entry {
      const char* caption;
      int reg = -1;
      QString panel{}, name{};
    };
    for (const Entry& e : {Entry{"MVI", 1, "XX", "count"},
                           {"XRA", 7},
                           {"CALL", -1, "Label", "addc"},
                           {"DCR", 1},
                           {"JNZ", -1, "Label", "loop"},
                           {"HLT"},
                           {"ADD", 1},
                           {"RET"}}) {
      click(InstructionKey(e.caption));
      if (e.reg >= 0) click(Q(IndexedName("REG", e.reg)));
      if (e.name.isEmpty()) continue;
      QTest::keyClicks(find<QLineEdit>(e.panel + "Text"), e.name);
      click(e.panel + "AcceptButton");
    }
    // A data byte in data mode, then back to program mode.
    key(Qt::Key_M, Qt::ControlModifier);
    for (const char* k : {"DataNum(5)", "DataNum(10)", "DataAcceptButton"}) click(k);
    key(Qt::Key_M, Qt::ControlModifier);
    // The place tool: the row's Label cell, then the label from the Existing list.
    key(Qt::Key_Insert, Qt::ShiftModifier);
    const std::pair<int, QString> places[] = {{3, "loop"}, {7, "addc"}};
    for (const auto& [row, label] : places) {
      ClickCell(window().table(), row, kLabelColumn);
      click("ExistingPlaceOption");
      QTest::keyClicks(find<QComboBox>("PlaceCombo"), label.left(1));
      click("PlaceAcceptButton");
    }
    click("PlaceDoneButton");
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
  }

  void assignAddressesSaveCloseAndOpen() {
    key(Qt::Key_F5);
    QTRY_COMPARE(cell(kLastRow, kAddressColumn), QString("820D"));
    QVERIFY(showsTheProgram(true));
    file("road.zvt");
    key(Qt::Key_S, Qt::ControlModifier);
    window().action("NewFile")->trigger();
    file("road.zvt");
    key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - road.zvt"));
    // The file keeps the jump targets but not the addresses of the lines.
    QVERIFY(showsTheProgram(false));
  }

  void assembleDisassembleAndAssembleAgain() {
    box("Unused strings have been deleted.");
    file("road.hex");
    key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(contents("road.hex"), kHexFile);
    box("Save changes to road.zvt?", QMessageBox::No);
    file("road.hex");
    key(Qt::Key_D, Qt::ControlModifier);
    DisassemblyDialog& dialog = shell->disassemblyDialog;
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Every byte but the last is code; the last is the data byte.
    for (auto [type, from, to] : {std::tuple{1, 0, 12}, std::tuple{0, 13, 13}}) {
      click(dialog.findChild<QRadioButton*>(QString("DataType(%1)").arg(type)));
      DragOverRows(dialog.table(), from, to, kCategoryColumn);
    }
    click(dialog.findChild<QPushButton*>("DoneButton"));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    // The same code under made-up names; reassembled, the same file.
    QCOMPARE(cell(5, kMnemonicColumn), QString("JNZ  a1"));
    box("Unused strings have been deleted.");
    file("again.hex");
    key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(contents("again.hex"), kHexFile);
  }

  void stepToHaltInTheWatchWindow() {
    box("Save changes to Pgm1.zvt?", QMessageBox::No);  // back to its own names
    file("road.zvt");
    key(Qt::Key_O, Qt::ControlModifier);
    key(Qt::Key_F5, Qt::ControlModifier);
    QTRY_VERIFY(watch().isVisible());
    for (const char* k : {"NUM(8)", "NUM(2)", "NUM(0)", "NUM(0)", "AcceptButton"}) clickWatch(k);
    // The data byte came over with the code.
    QCOMPARE(watch().table(WatchTable::Memory)->model()->index(0x820D, 1).data().toString(),
             QString("5A"));
    // MVI, XRA, three turns of CALL, ADD, RET, DCR, JNZ: 17 steps to the HLT.
    for (int step = 0; step < 17; ++step) clickWatch("ExecuteButton");
    const std::pair<int, const char*> registers[] = {
        {kRowPC, "820A"}, {kRowA, "06"}, {kRowC, "00"}, {kRowSP, "FF00"}};
    for (auto [row, value] : registers) {
      QCOMPARE(watch().table(WatchTable::Register)->model()->index(row - 1, 1).data().toString(),
               QString(value));
    }
    box("Program execution halted.");
    clickWatch("ExecuteButton");
    watch().close();
  }

  void printToPdf() {
    box("Check the default settings of the printer");
    key(Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!m().Print.Running(), 15000);
    const QString pages = PdfPageText(path("listing.pdf"), 1) + PdfPageText(path("listing.pdf"), 2);
    for (const char* text : {"road.zvt", "loop 8203 CALL addc CD 0B 82", "820D DFB 5A",
                             "EQUIVALENTS", "addc 820B", "count 03"}) {
      QVERIFY2(pages.contains(text), qPrintable(QString("no \"%1\" in: %2").arg(text, pages)));
    }
  }

  void downloadToTheTrainerAndUploadBack() {
    auto received = std::async(std::launch::async, [this] {
      const std::string got = trainer->ReadBytes(Joined("", "").size(), 10000);
      return got + trainer->ReadFor(200);  // and nothing after the end record
    });
    file("road.hex");
    box("Prepare Microprocessor Trainer for download");
    window().action("DownloadFile")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(find<QLabel>("TipsLabel")->text(), QString("Download completed."),
                              5000);
    QTRY_VERIFY_WITH_TIMEOUT(testing::Ready(received), 10000);
    QCOMPARE(received.get(), Joined("", ""));
    QtSerialPort& port = shell->host.serialPort();
    QTRY_VERIFY_WITH_TIMEOUT(!port.IsOpen(), 5000);

    // Upload: the trainer echoes the request, then sends its lines a few bytes at a time.
    auto request = std::async(std::launch::async, [this] {
      const std::string got = trainer->ReadUntil("\r", 5000);
      if (got == "ATV1Q0\r") trainer->Send("ATV1Q0\r\n" + Joined("", "\r\n"), 7, 3);
      return got;
    });
    box("Click 'OK' and upload from Microprocessor Trainer");
    file("upload.hex");
    window().action("UploadFile")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(testing::Ready(request), 6000);
    QCOMPARE(request.get(), std::string("ATV1Q0\r"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path("upload.hex")), 10000);
    QCOMPARE(contents("upload.hex"), kHexFile);
    QTRY_VERIFY(!port.IsOpen());
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::WholeRoadTest)
#include "whole_road_test.moc"
