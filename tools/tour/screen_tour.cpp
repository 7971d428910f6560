// A walk through every window and panel as a user meets it, keyed on the
// real widgets: a program with long names, several origins, labels,
// variables and data is built on the keypads, and each tool is opened on it.
// It saves a picture of each step into PARVIX_SCREENSHOT_DIR; tools/
// screenshots.sh runs it under Xvfb. It is a picture maker, not a test.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "support/shell_fixture.h"
#include "tables/instruction_keys.h"

namespace parvix::ui {

class ScreenTourTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  QString dir;

  void snap(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    QTest::qWait(30);
    QVERIFY2(widget->grab().save(dir + "/" + name + ".png"), qPrintable(name));
  }
  void snapWindow(const QString& name) { snap(&window(), name); }
  void click(const QString& name) {
    auto* button = find<QAbstractButton>(name);
    QVERIFY2(button != nullptr && button->isVisible() && button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void key(const char* caption) {
    for (int i = 0; i < kInstructionKeyCount; ++i) {
      if (InstructionKeys()[i].caption == caption) return click(Q(IndexedName("INST", i)));
    }
    QFAIL(caption);
  }
  // A real click on a cell of the program table, scrolled into view first.
  void clickCell(int row, int col) {
    QTableView* table = window().table();
    const QModelIndex index = table->model()->index(row, col);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
  }
  // Esc, the common cancel; the main window is active again after a box.
  void esc() {
    QApplication::setActiveWindow(&window());
    QTest::keyClick(&window(), Qt::Key_Escape);
  }
  void reg(int code) { click(Q(IndexedName("REG", code))); }
  // A name in an operand panel: a new one typed, or an existing one picked.
  void name(const char* box, const QString& text) {
    const QString pre = box;  // "Label" or "XX"
    auto* combo = find<QComboBox>(pre + "Combo");
    const int at = combo->findText(text);
    if (at >= 0) {
      click("Existing" + pre + "Option");
      emit combo->activated(at);
      window().Run([] {});
    } else {
      click("New" + pre + "Option");
      QTest::keyClicks(find<QLineEdit>(pre + "Text"), text);
    }
    click(pre + "AcceptButton");
  }
  void label(const QString& text) { name("Label", text); }
  void variable(const QString& text) { name("XX", text); }
  void hexDigits(const char* prefix, const QString& digits) {
    for (QChar c : digits) click(Q(IndexedName(prefix, QString(c).toInt(nullptr, 16))));
  }
  void origin(const QString& address) {
    window().action("NewOrigin")->trigger();
    hexDigits("NUM", address);
    click("NumberAcceptButton");
  }
  // Snaps the next message box, then presses `button` in it.
  // `then` runs once it is answered (to await the box that follows).
  void snapNextBox(const QString& shot, QMessageBox::StandardButton button,
                   std::function<void()> then = {}) {
    OnNextModal<QMessageBox>([this, shot, button, then](QMessageBox* box) {
      QTest::qWait(30);
      box->grab().save(dir + "/" + shot + ".png");
      if (then) then();
      box->button(button)->click();
    });
  }

  // Runs a command and snaps every message box it shows, answering each
  // with OK, else No; a file dialog is cancelled.
  void snapBoxesOf(const char* action, const QString& shot) {
    int count = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->grab().save(QString("%1/%2-%3.png").arg(dir, shot).arg(++count));
        QAbstractButton* answer = box->button(QMessageBox::Ok);
        if (answer == nullptr) answer = box->button(QMessageBox::No);
        answer->click();
      } else if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr &&
                 dialog->inherits("QFileDialog")) {
        dialog->reject();
      }
    });
    poll.start();
    window().action(action)->trigger();
    QTest::qWait(300);
    poll.stop();
    snapWindow(shot + "-after");
  }

  // The program: three blocks, long label and variable names, data bytes.
  void buildProgram() {
    key("LXI"); reg(8); label("stacktop");
    key("MVI"); reg(7); variable("maxcount");
    key("STA"); label("counter01");
    key("CALL"); label("printmsg");
    key("LDA"); label("counter01");
    key("DCR"); reg(7);
    key("JNZ"); label("waitloop");
    key("OUT"); variable("ledport01");
    key("SHLD"); label("keyboardbuffer");
    key("HLT");
    origin("8100");
    key("LXI"); reg(4); label("message01");
    key("MOV"); reg(7); reg(6);
    key("CPI"); variable("endmark");
    key("RZ");
    key("OUT"); variable("dispport");
    key("INX"); reg(4);
    key("JMP"); label("printmsg");
    origin("8200");
    window().action("EntryMode")->trigger();
    for (const char* byte : {"48", "45", "4C", "4C", "4F", "00"}) {
      hexDigits("DataNum", byte);
      click("DataAcceptButton");
    }
    window().action("EntryMode")->trigger();
  }

 private slots:
  void init() {
    dir = qEnvironmentVariable("PARVIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("PARVIX_SCREENSHOT_DIR not set");
    QVERIFY(StartShell());
  }
  void cleanup() { StopShell(); }

  void tour() {
    snap(&shell->startupWindow, "tour-00-startup");
    snapWindow("tour-01-new-program");
    key("LXI");
    snapWindow("tour-02-register-keypad");
    reg(8);
    QTest::keyClicks(find<QLineEdit>("LabelText"), "stacktop");
    snapWindow("tour-03-label-panel");
    esc();
    key("MVI");
    reg(7);
    QTest::keyClicks(find<QLineEdit>("XXText"), "maxcount");
    snapWindow("tour-04-variable-panel");
    esc();
    window().action("NewOrigin")->trigger();
    hexDigits("NUM", "8100");
    snapWindow("tour-05-number-keypad");
    esc();
    window().action("EntryMode")->trigger();
    hexDigits("DataNum", "4C");
    snapWindow("tour-06-data-keypad");
    esc();
    window().action("EntryMode")->trigger();

    buildProgram();
    snapWindow("tour-07-program");
    for (const char* menu : {"FileMenu", "EditMenu", "ToolsMenu", "OptionsMenu", "PrintOptions"}) {
      auto* popup = find<QMenu>(menu);
      popup->popup(window().mapToGlobal(QPoint(20, 20)));
      QVERIFY(QTest::qWaitForWindowExposed(popup));
      snap(popup, QString("tour-07-menu-") + menu);
      popup->hide();
    }

    // A drag over the Mnemonic cells of four rows chooses them for Copy.
    {
      QTableView* table = window().table();
      table->scrollToTop();
      QWidget* viewport = table->viewport();
      const auto at = [table](int row) {
        return table->visualRect(table->model()->index(row, kMnemonicColumn)).center();
      };
      QTest::mousePress(viewport, Qt::LeftButton, {}, at(2));
      for (int row = 2; row <= 5; ++row) {
        QMouseEvent move(QEvent::MouseMove, at(row), viewport->mapToGlobal(at(row)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
      }
      QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(5));
      snapWindow("tour-07b-rows-chosen");
      clickCell(1, kMnemonicColumn);
    }

    // Placing labels: waitloop goes on the LDA row.
    window().action("PlaceLabelTool")->trigger();
    snapWindow("tour-08-place-panel");
    click("ExistingPlaceOption");
    emit find<QComboBox>("PlaceCombo")
        ->activated(find<QComboBox>("PlaceCombo")->findText("waitloop"));
    window().Run([] {});
    clickCell(5, kLabelColumn);
    snapWindow("tour-08b-place-row-picked");
    click("PlaceAcceptButton");
    click("PlaceDoneButton");

    window().action("CommentsTool")->trigger();
    snapWindow("tour-09-comment-tool");
    clickCell(3, kCommentColumn);
    QTest::keyClicks(find<QLineEdit>("CommentsTxt"), " Counts down");
    snapWindow("tour-10-comment-picked");
    esc();

    window().action("FindLabel")->trigger();
    emit find<QComboBox>("FindCombo")
        ->activated(find<QComboBox>("FindCombo")->findText("counter01"));
    window().Run([] {});
    snapNextBox("tour-10b-find-count", QMessageBox::Ok);
    click("FindButton");
    snapWindow("tour-10c-found");
    click("FindDoneButton");
    window().action("FindLabel")->trigger();
    snapWindow("tour-11-find-label");
    esc();
    window().action("FindVariable")->trigger();
    snapWindow("tour-12-find-variable");
    esc();
    window().action("ReplaceLabel")->trigger();
    snapWindow("tour-13-replace-label");
    esc();
    window().action("ReplaceVariable")->trigger();
    snapWindow("tour-14-replace-variable");
    esc();
    window().action("DeleteLabels")->trigger();
    snapWindow("tour-15-delete-labels");
    clickCell(5, kLabelColumn);
    snapWindow("tour-15c-label-deleted");
    esc();
    snapNextBox("tour-15d-trash-unused", QMessageBox::Ok);
    window().action("DeleteUnusedLabels")->trigger();
    QApplication::processEvents();

    window().action("EqtOption")->trigger();
    auto* eqt = window().findChild<QDialog*>("RenumberDialog");
    QVERIFY(eqt != nullptr && eqt->isVisible());
    snap(eqt, "tour-16-equivalents");
    {
      auto* labels = eqt->findChild<QTableView*>("LabelTable");
      QTest::mouseClick(labels->viewport(), Qt::LeftButton, {},
                        labels->visualRect(labels->model()->index(0, 0)).center());
      for (int digit : {9, 0, 0, 0})
        QTest::mouseClick(eqt->findChild<QPushButton*>(Q(IndexedName("NUM", digit))),
                          Qt::LeftButton);
      snap(eqt, "tour-16a-equivalents-keyed");
    }
    QTest::mouseClick(eqt->findChild<QRadioButton*>("VariablesOption"), Qt::LeftButton);
    snap(eqt, "tour-16b-equivalents-variables");
    eqt->reject();
    QApplication::processEvents();

    window().action("PrintComments")->trigger();
    QTest::keyClicks(find<QLineEdit>("PrintCommentText"), "Counting loop for the trainer board");
    snapWindow("tour-17-print-comment");
    click("PrintCommentCancelButton");

    window().action("ViewPrintInfo")->trigger();
    auto* info = window().findChild<QDialog*>("PrintInfo");
    if (info != nullptr && info->isVisible()) {
      snap(info, "tour-18-print-info");
      info->accept();
    }
    QApplication::processEvents();

    // The trainer link with no trainer: the download's confirmation.
    const QString hex = dir + "/tour.hex";
    QFile file(hex);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(":108000003100903E20320091CD40803A00913DC237\n"
               ":108010000B80D3F0762150807EFE00C8D3F123C3BD\n"
               ":08802000158048454C4C4F004F\n:00000001FF\n");
    file.close();
    snapNextBox("tour-19-save-question", QMessageBox::No);
    ChooseNextFile(hex);
    window().action("DisassembleFile")->trigger();
    QTest::qWait(300);
    DisassemblyDialog* dis = &shell->disassemblyDialog;
    QVERIFY(dis->isVisible());
    snap(dis, "tour-20-disassembly");
    // The instructions marked as mnemonics, the message as data bytes.
    QTest::mouseClick(dis->findChild<QRadioButton*>("DataType(1)"), Qt::LeftButton);
    dis->Run([dis] {
      dis->model().DataTable_MouseDown(1);
      dis->model().DataTable_MouseUp(34);
    });
    QTest::mouseClick(dis->findChild<QRadioButton*>("DataType(0)"), Qt::LeftButton);
    dis->Run([dis] {
      dis->model().DataTable_MouseDown(35);
      dis->model().DataTable_MouseUp(40);
    });
    dis->table()->scrollToBottom();
    snap(dis, "tour-20b-disassembly-marked");
    QTest::keyClick(dis, Qt::Key_Escape);
    QApplication::processEvents();
    // The trainer link with no trainer on the port.
    qputenv("PARVIX_COMM1", QFile::encodeName(dir + "/no-such-port"));
    ChooseNextFile(hex);
    snapNextBox("tour-21-save-question", QMessageBox::No, [this] {
      snapNextBox("tour-21b-download-question", QMessageBox::Ok,
                  [this] { snapNextBox("tour-22-download-failed", QMessageBox::Ok); });
    });
    window().action("DownloadFile")->trigger();
    QTest::qWait(300);
    snapWindow("tour-22b-after-download");
    snapNextBox("tour-23-upload-question", QMessageBox::Ok,
                [this] { snapNextBox("tour-23b-upload-failed", QMessageBox::Ok); });
    window().action("UploadFile")->trigger();
    QTest::qWait(300);
    snapWindow("tour-23c-after-upload");

    snapBoxesOf("AssembleFile", "tour-23e-assemble");
    snapBoxesOf("PrintFile", "tour-23f-print");
    snapBoxesOf("AssignAddress", "tour-23g-assign");

    snapNextBox("tour-23d-simulation-box", QMessageBox::Ok);
    window().action("SimulationView")->trigger();
    QTest::qWait(500);
    // The watch window is a window of its own, owned by the main window.
    QWidget* watch = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == "WatchWindowDialog") watch = top;
    }
    QVERIFY(watch != nullptr && watch->isVisible());
    snap(watch, "tour-24-watch");
    // The program from 8000, three steps on.
    for (const char* name : {"NUM(8)", "NUM(0)", "NUM(0)", "NUM(0)", "AcceptButton",
                             "ExecuteButton", "ExecuteButton", "ExecuteButton"}) {
      auto* button = watch->findChild<QPushButton*>(name);
      QVERIFY2(button != nullptr, name);
      QTest::mouseClick(button, Qt::LeftButton);
    }
    snap(watch, "tour-24b-watch-stepped");
    snapWindow("tour-25-end");
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::ScreenTourTest)
#include "screen_tour.moc"
