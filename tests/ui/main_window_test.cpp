// The main window's wiring through the real widgets, headless: start-up,
// menus, keys and Esc reach the core, and the views show the core's state.
#include <QAction>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "support/shell_fixture.h"
#include "ui/base/column_widths.h"

namespace parvix::ui {

class MainWindowTest : public QObject, public ShellFixture {
  Q_OBJECT

 private:
  // Appends one line per item of `actions` in the form of menu_bar.txt: the
  // caption (with " >" for a submenu below the menu bar; a menu's items
  // follow one level deeper), then, tab-separated, the shortcut, the check
  // mark, "greyed" and "hidden"; "---" for a separator.
  static void DescribeMenu(const QList<QAction*>& actions, int depth, QStringList& lines) {
    const QString indent(2 * depth, ' ');
    for (QAction* action : actions) {
      if (action->isSeparator()) {
        lines << indent + "---";
        continue;
      }
      const bool submenu = action->menu() != nullptr && depth > 0;
      QStringList fields{indent + action->text() + (submenu ? " >" : "")};
      if (!action->shortcuts().isEmpty()) {
        fields << QKeySequence::listToString(action->shortcuts(), QKeySequence::PortableText);
      }
      if (action->isCheckable()) fields << (action->isChecked() ? "checked" : "unchecked");
      if (!action->isEnabled()) fields << "greyed";
      if (!action->isVisible()) fields << "hidden";
      lines << fields.join('\t');
      if (action->menu() != nullptr) DescribeMenu(action->menu()->actions(), depth + 1, lines);
    }
  }

 private slots:
  void init() {
    QVERIFY(StartShell());
  }
  void cleanup() { StopShell(); }

  void startupShowsTheNewProgram() {
    QCOMPARE(shell->startupWindow.findChild<QLabel*>("VersionLabel(1)")->text(),
             QString("Version 6.0"));
    QVERIFY(!shell->startupWindow.isVisible());
    QCOMPARE(window().windowTitle(), QString("Quenmar Parvix - Pgm1.zvt"));
    QTableView* table = window().table();
    QCOMPARE(table->model()->rowCount(), 32);
    QCOMPARE(table->model()->columnCount(), 5);
    QCOMPARE(table->model()->index(0, 0).data().toString(), QString("Origin"));
    QCOMPARE(table->model()->index(0, 1).data().toString(), QString("8000"));
    QCOMPARE(table->model()->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
             QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("New File."));
    QCOMPARE(find<QLabel>("WriteModeLabel")->text(), QString("Overwrite"));
    QVERIFY(find<QWidget>("InstructionBox")->isVisible());
    QVERIFY(!find<QWidget>("NumberBox")->isVisible());
    QCOMPARE(find<QPushButton>("INST(0)")->text(), QString("MOV"));
    QCOMPARE(find<QPushButton>("INST(79)")->text(), QString("HLT"));
    QCOMPARE(find<QLabel>("HeadLabel(2)")->text(), QString("Mnemonic"));
  }

  void columnWidthsFollowTheScreen() {
    // The twip widths for the screen, all widened by one factor for the font.
    const int dpi = window().logicalDpiX();
    const int label = window().table()->columnWidth(0);
    const int mnemonic = window().table()->columnWidth(2);
    QVERIFY(label >= TwipsToPixels(1080, dpi));
    QVERIFY(mnemonic >= TwipsToPixels(1680, dpi));
    QVERIFY(std::abs(mnemonic * 1080 - label * 1680) <= 2 * 1680);
    QCOMPARE(find<QLabel>("HeadLabel(2)")->width(), mnemonic);
    QCOMPARE(TwipsToPixels(1440, 96), 96);
    QCOMPARE(TwipsToPixels(600, 96), 40);
  }

  void menusCarryCaptionsShortcutsAndTheBusyRule() {
    QAction* entryMode = window().action("EntryMode");
    QVERIFY(entryMode != nullptr);
    QCOMPARE(entryMode->text(), QString("Data &Mode"));
    QCOMPARE(entryMode->shortcut(), QKeySequence("Ctrl+M"));
    QCOMPARE(window().action("NewFile")->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(window().action("PlaceLabelTool")->shortcut(), QKeySequence("Shift+Ins"));
    QCOMPARE(window().action("SimulationView")->shortcut(), QKeySequence("Ctrl+F5"));
    QCOMPARE(window().action("PortOption(3)")->shortcut(), QKeySequence("Ctrl+F4"));
    QVERIFY(window().action("PortOption(0)")->isChecked());
    QVERIFY(!window().action("PasteEdit")->isEnabled());

    // File > New > Origin: a busy state greys the File items, not Options.
    window().action("NewOrigin")->trigger();
    QCOMPARE(m().EntryState, NewOriginState);
    QVERIFY(!window().action("OpenFile")->isEnabled());
    QVERIFY(!window().action("NewFileMenu")->isEnabled());
    QVERIFY(window().action("WriteMode")->isEnabled());
    QVERIFY(find<QWidget>("NumberBox")->isVisible());
    QCOMPARE(
        find<QLabel>("TipsLabel")->text(),
        QString(
            "Enter starting address of the Origin and Click 'Accept', or press 'Esc' to quit."));

    // Esc cancels through the real key.
    QTest::keyClick(&window(), Qt::Key_Escape);
    QCOMPARE(m().EntryState, ProgramState);
    QVERIFY(window().action("OpenFile")->isEnabled());
    QVERIFY(!find<QWidget>("NumberBox")->isVisible());
  }

  // The menu bar the user meets, walked item by item, against the hand-written
  // menu_bar.txt: a caption, access key, shortcut, check mark or greyed item
  // that changes, or an item or separator that moves, comes or goes, fails
  // here with the first line that differs.
  void menuBarMatchesItsReference() {
    QFile file(QFINDTESTDATA("menu_bar.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), "menu_bar.txt not found");
    QStringList expected;
    QList<int> fileLines;  // where each expected line stands in the file
    const QStringList read = QString::fromUtf8(file.readAll()).split('\n');
    for (int i = 0; i < read.size(); ++i) {
      if (read[i].isEmpty() || read[i].startsWith('#')) continue;
      expected << read[i];
      fileLines << i + 1;
    }
    QStringList built;
    DescribeMenu(window().menuBar()->actions(), 0, built);

    const auto shown = [](const QStringList& lines, int i) {
      return i < lines.size() ? QString(lines[i]).replace('\t', " | ") : QString("(nothing)");
    };
    for (int i = 0; i < std::max(expected.size(), built.size()); ++i) {
      if (i < expected.size() && i < built.size() && expected[i] == built[i]) continue;
      const int fileLine = i < fileLines.size() ? fileLines[i] : read.size();
      QFAIL(qPrintable(QString("menu_bar.txt line %1 reads\n    %2\nbut the menu bar has\n    "
                               "%3\nThe menu bar as built:\n%4")
                           .arg(fileLine)
                           .arg(shown(expected, i), shown(built, i), built.join('\n'))));
    }
  }

  void entryModeShortcutSwitchesKeypads() {
    QTest::keyClick(&window(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(m().EntryState, DataState);
    QCOMPARE(window().action("EntryMode")->text(), QString("Program &Mode"));
    QVERIFY(find<QWidget>("DataBox")->isVisible());
    QVERIFY(!find<QWidget>("InstructionBox")->isVisible());
    QCOMPARE(find<QLabel>("DataLabel")->text(), QString("00"));
  }

  void writeModeFromMenuAndLabel() {
    QTest::keyClick(&window(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(find<QLabel>("WriteModeLabel")->text(), QString("Insert"));
    QCOMPARE(window().table()->model()->rowCount(), 33);
    QTest::mouseClick(find<QLabel>("WriteModeLabel"), Qt::LeftButton);
    QCOMPARE(find<QLabel>("WriteModeLabel")->text(), QString("Overwrite"));
  }

  void tipsToggle() {
    QVERIFY(find<QWidget>("TipsBox")->isVisible());
    QTest::keyClick(&window(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(!find<QWidget>("TipsBox")->isVisible());
    QTest::keyClick(&window(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(find<QWidget>("TipsBox")->isVisible());
  }

  void originKeyedFromTheKeyboard() {
    window().action("NewOrigin")->trigger();
    // The focus timer hands the Accept button the focus; typed digits shift in.
    QTRY_COMPARE(QApplication::focusWidget(), find<QWidget>("NumberAcceptButton"));
    QTest::keyClicks(QApplication::focusWidget(), "9a00");
    QCOMPARE(find<QLabel>("NumberLabel")->text(), QString("9A00"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m().OriginList, (std::vector<std::string>{"8000", "9A00"}));
    QCOMPARE(window().table()->model()->index(1, 1).data().toString(), QString("9A00"));
  }

  void simulationPanelHandsTheProgramOver() {
    m().Table1.SetText(1, kMnemonicColumn, "HLT");
    m().Table1.SetText(1, kOpcodeColumn, "76");
    QTest::keyClick(&window(), Qt::Key_F5, Qt::ControlModifier);
    QWidget* watch = &shell->watchWindow;
    QTRY_VERIFY_WITH_TIMEOUT(watch->isVisible(), 3000);
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Preparing for simulation..."));
    QCOMPARE(m().WatchWindowDialogInstance.memoryText(0x8000), std::string("76"));
    QCOMPARE(m().Table1.Text(1, kAddressColumn), std::string("8000"));
    // The start address is keyed at once: typed digits reach the keypad.
    QTRY_VERIFY(watch->isActiveWindow());
    QTest::keyClicks(nullptr, "8a");  // to the focused widget, as a keyboard types
    QCOMPARE(shell->watchWindow.findChild<QLabel*>("AddrLbl")->text(), QString("008A"));
    // A window of its own that the main window owns: printing, which greys
    // the main window, leaves the watch window usable.
    QVERIFY(watch->isWindow());
    QCOMPARE(watch->windowHandle()->type(), Qt::Dialog);
    QCOMPARE(watch->windowHandle()->transientParent(), window().windowHandle());
    shell->host.SetWindowEnabled(WindowId::Main, false);
    QVERIFY(!window().isEnabled());
    QVERIFY(watch->isEnabled());
    QVERIFY(shell->watchWindow.findChild<QPushButton*>("ExecuteButton")->isEnabled());
    shell->host.SetWindowEnabled(WindowId::Main, true);
  }

  void assignAddressesFromTheToolsMenu() {
    m().Table1.SetText(1, kMnemonicColumn, "NOP");
    m().Table1.SetText(1, kOpcodeColumn, "00");
    QTest::keyClick(&window(), Qt::Key_F5);
    QCOMPARE(find<QLabel>("TipsLabel")->text(), QString("Assigning Addresses . . ."));
    QTRY_COMPARE(find<QLabel>("TipsLabel")->text(), QString("Program Mode."));
    QCOMPARE(window().table()->model()->index(1, 1).data().toString(), QString("8000"));
  }

  // Names from a file are shown as they are, never as rich text: a tag
  // would draw bold, and an image tag would load the file it names.
  void namesShowAsPlainText() {
    const QString name = "<b>x</b><img src=/nonexistent/parvix.png>";
    window().Run([&] {
      m().Symbols.AddLabel(S(name));
      m().Symbols.AddVariable(S(name));
      m().Table1.SetText(1, kLabelColumn, S(name));
      m().Caption = "Quenmar Parvix - " + S(name) + "[*].zvt";
    });
    QString boxText;
    Qt::TextFormat boxFormat = Qt::AutoText;
    OnNextModal<QMessageBox>([&](QMessageBox* box) {
      boxText = box->text();
      boxFormat = box->textFormat();
      box->button(QMessageBox::Ok)->click();
    });
    QTest::keyClick(&window(), Qt::Key_F5);
    QTRY_VERIFY(!boxText.isEmpty());
    QCOMPARE(boxText, "The string '" + name + "' is used as both label and variable.");
    QCOMPARE(boxFormat, Qt::PlainText);
    QCOMPARE(window().windowHandle()->title(), "Quenmar Parvix - " + name + "[*].zvt");

    // The program table's Label cell is too narrow: its tooltip shows the name.
    QTableView* table = window().table();
    const QPoint pos = table->visualRect(table->model()->index(1, kLabelColumn)).center();
    QHelpEvent help(QEvent::ToolTip, pos, table->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(table->viewport(), &help);
    QVERIFY(QToolTip::isVisible());
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    QCOMPARE(shown.toPlainText(), name);

    // No label of any window reads its text as rich text (the tooltip's own
    // label is a window of its own).
    const QList<QWidget*> windows = {&window(), &shell->startupWindow, &shell->watchWindow,
                                     &shell->disassemblyDialog, &shell->printInfoWindow,
                                     &shell->equivalentsWindow};
    for (QWidget* w : windows) {
      for (QLabel* label : w->findChildren<QLabel*>()) {
        if (label->isWindow()) continue;
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
      }
    }
  }

  void screenshot() {
    // Writes a picture of the window when asked to, for a look at the layout.
    const QByteArray dir = qgetenv("PARVIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("PARVIX_SCREENSHOT_DIR not set");
    window().resize(1280, 800);
    QTest::qWait(50);
    QVERIFY(window().grab().save(QString::fromUtf8(dir) + "/main_window.png"));
  }
};

}  // namespace parvix::ui

QTEST_MAIN(parvix::ui::MainWindowTest)
#include "main_window_test.moc"
