// Program files: the format byte for byte, Open, Save, Save As, Quit, and
// damaged files, through the main window's procedures and real files in a
// temporary folder.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/text_file.h"
#include "editor/program_file.h"
#include "editor/program_table.h"
#include "support/session_fixture.h"
#include "support/temp_folder.h"

// Under AddressSanitizer or ThreadSanitizer, as gcc and clang each tell it.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define PARVIX_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define PARVIX_SANITIZED 1
#endif
#endif
#ifndef PARVIX_SANITIZED
#define PARVIX_SANITIZED 0
#endif

namespace parvix::testing {
namespace {

namespace fs = std::filesystem;

const std::string kWarningLine =
    "\"Warning: If the contents of this file are altered, the editor assembler might not read "
    "the file properly.\"\r\n";
const std::string kBlankRow = "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Six quoted lines: the five cells and the operand name.
std::string Row(const std::string& label, const std::string& addr, const std::string& mnemonic,
                const std::string& opcode, const std::string& comment,
                const std::string& operand = "") {
  std::string out;
  for (const std::string* item : {&label, &addr, &mnemonic, &opcode, &comment, &operand}) {
    out += "\"" + *item + "\"\r\n";
  }
  return out;
}

class ProgramFileTest : public SessionTest, public TempFolder {
 protected:
  ProgramFileTest() : TempFolder("parvix-file-") {}

  void SaveAs(const std::string& name) {
    host.fileChoices.push_back(FileChoice{PathOf(name), name});
    w.SaveAsFile_Click();
  }
  void Open(const std::string& name) {
    host.fileChoices.push_back(FileChoice{PathOf(name), name});
    w.OpenFile_Click();
  }

  void SetRow(int r, const std::array<std::string, 5>& cells, const std::string& operand = "") {
    for (int c = 0; c < 5; ++c) w.Table1.SetText(r, c, cells[c]);
    w.StringTable.SetText(r, 0, operand);
  }

  // Two origins, placed and used labels, variables, a data line and comments
  // (one with a character beyond ASCII), in a table of ten rows.
  void BuildSample() {
    w.Table1.SetRows(10);
    w.StringTable.SetRows(10);
    SetRow(0, {"Origin", "8000", "", "", ""});
    SetRow(1, {"start", "8000", "MVI  A, count", "3E   05", "Load 'count' into A."}, "count");
    SetRow(2, {"loop", "8002", "DCR  A", "3D", "Decrement A."});
    SetRow(3, {"", "8003", "JNZ  loop", "C2   02   80", "Jump to 'loop' if not zero."}, "loop");
    SetRow(4, {"", "8006", "DFB", "41", "Data byte."});
    SetRow(5, {"Origin", "9000", "", "", ""});
    SetRow(6, {"", "9000", "LXI  H, table", "21   XX   XX", "Temp. in \xC2\xB0" "C"}, "table");
    SetRow(7, {"", "9003", "HLT", "76", ""});
    w.Symbols.AddLabel("start", "8000");
    w.Symbols.AddLabel("loop", "8002");
    w.Symbols.AddLabel("table", "XXXX");
    w.Symbols.AddVariable("count", "05");
    w.Symbols.AddVariable("spare", "XX");
    w.UsedRowCount = 8;
    w.UpdateOrigins();
    w.ProgramChanged = true;
  }

  // The sample's file, written out from the format table.
  static std::string SampleFile() {
    return kWarningLine + "\"8085\"\r\n" + "10\r\n" +
           Row("Origin", "8000", "", "", "") +
           Row("start", "", "MVI  A, count", "3E   05", "Load 'count' into A.", "count") +
           Row("loop", "", "DCR  A", "3D", "Decrement A.") +
           Row("", "", "JNZ  loop", "C2   02   80", "Jump to 'loop' if not zero.", "loop") +
           Row("", "", "DFB", "41", "Data byte.") +
           Row("Origin", "9000", "", "", "") +
           Row("", "", "LXI  H, table", "21   XX   XX", "Temp. in \xC2\xB0" "C", "table") +
           Row("", "", "HLT", "76", "") + kBlankRow + kBlankRow +
           "\"EOT\"\r\n" "3\r\n" "\"start\",\"8000\"\r\n" "\"loop\",\"8002\"\r\n"
           "\"table\",\"XXXX\"\r\n" "2\r\n" "\"count\",\"05\"\r\n" "\"spare\",\"XX\"\r\n"
           "\"EOF\"\r\n";
  }

  // The window holds a new untitled program, as after New.
  void ExpectNewUntitledProgram() {
    EXPECT_EQ(w.FileTitle, "Pgm1.zvt");
    EXPECT_EQ(w.FileState, FileNew);
    EXPECT_FALSE(w.ProgramChanged);
    EXPECT_EQ(w.Caption, "Quenmar Parvix - Pgm1.zvt");
    EXPECT_EQ(w.Table1.Rows(), 32);
    EXPECT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
    EXPECT_EQ(w.Table1.Text(0, kAddressColumn), "8000");
    EXPECT_EQ(w.UsedRowCount, 1);
    EXPECT_TRUE(w.Symbols.LabelCombo.empty());
    EXPECT_TRUE(w.Symbols.XXCombo.empty());
    EXPECT_EQ(w.EntryState, ProgramState);
  }
};

// ---- The format ------------------------------------------------------------------------------

TEST_F(ProgramFileTest, NewProgramWithOneInstructionGivesTheDocumentedFile) {
  SetRow(1, {"", "8000", "NOP", "00", "No Operation."});
  SaveAs("one.zvt");
  const std::string expected = kWarningLine + "\"8085\"\r\n32\r\n" +
                               Row("Origin", "8000", "", "", "") +
                               Row("", "", "NOP", "00", "No Operation.") + Repeat(kBlankRow, 30) +
                               "\"EOT\"\r\n0\r\n0\r\n\"EOF\"\r\n";
  EXPECT_EQ(ReadBytes("one.zvt"), expected);
}

TEST_F(ProgramFileTest, SavedBytesMatchTheFileWrittenByHand) {
  BuildSample();
  SaveAs("sample.zvt");
  EXPECT_EQ(ReadBytes("sample.zvt"), SampleFile());
  // The table itself loses the addresses of all but the origin rows.
  EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "");
  EXPECT_EQ(w.Table1.Text(7, kAddressColumn), "");
  EXPECT_EQ(w.Table1.Text(5, kAddressColumn), "9000");
}

TEST_F(ProgramFileTest, SaveThenOpenGivesTheSameProgram) {
  BuildSample();
  SaveAs("sample.zvt");
  std::vector<std::vector<std::string>> saved;
  for (int r = 0; r < w.Table1.Rows(); ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < 5; ++c) row.push_back(w.Table1.Text(r, c));
    row.push_back(w.StringTable.Text(r, 0));
    saved.push_back(row);
  }
  const auto labels = w.Symbols.LabelCombo.Items();
  const auto labelEqts = w.Symbols.LabelEqtList;
  const auto variables = w.Symbols.XXCombo.Items();
  const auto variableEqts = w.Symbols.XXEqtList;

  w.NewFile_Click();
  ASSERT_EQ(w.Table1.Rows(), 32);
  Open("sample.zvt");

  ASSERT_EQ(w.Table1.Rows(), 10);
  ASSERT_EQ(w.StringTable.Rows(), 10);
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 5; ++c) EXPECT_EQ(w.Table1.Text(r, c), saved[r][c]) << r << "," << c;
    EXPECT_EQ(w.StringTable.Text(r, 0), saved[r][5]) << r;
  }
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), labels);
  EXPECT_EQ(w.Symbols.LabelEqtList, labelEqts);
  EXPECT_EQ(w.Symbols.XXCombo.Items(), variables);
  EXPECT_EQ(w.Symbols.XXEqtList, variableEqts);
  EXPECT_EQ(w.Symbols.LabelIndex("table"), 2);
  EXPECT_EQ(w.Symbols.XXIndex("spare"), 1);
  // The derived lists wait for the next UpdateLabels.
  EXPECT_TRUE(w.Symbols.LabelPlacedList.empty());

  EXPECT_EQ(w.UsedRowCount, 10);
  EXPECT_EQ(w.OriginList, (std::vector<std::string>{"8000", "9000"}));
  EXPECT_EQ(w.Table1.BackColor(5, kCommentColumn), kOriginGrey);
  EXPECT_EQ(w.Table1.BackColor(6, kCommentColumn), kGridBackColor);
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_EQ(w.Table1.BackColor(1, kMnemonicColumn), kGridFixedBackColor);
  EXPECT_EQ(w.WriteModeLabel.text, "Overwrite");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "File Opened.");
  EXPECT_EQ(w.Caption, "Quenmar Parvix - sample.zvt");
  EXPECT_EQ(w.FileState, FileOpened);
  EXPECT_EQ(w.FilePath, PathOf("sample.zvt"));
  EXPECT_FALSE(w.ProgramChanged);
  EXPECT_EQ(host.pointer, Pointer::Default);

  // Saving the opened program again writes the same bytes.
  w.SaveFile_Click();
  EXPECT_EQ(ReadBytes("sample.zvt"), SampleFile());
  EXPECT_EQ(w.FileState, FileSaved);
}

TEST_F(ProgramFileTest, OpensFilesOfTheOriginalSystemWrittenInWindows1252) {
  // The original writes 8-bit text: here a degree sign and a euro sign.
  WriteBytes("old.zvt", kWarningLine + "\"8085\"\r\n2\r\n" + Row("Origin", "8000", "", "", "") +
                            Row("", "", "MVI  A, v1", "3E   XX",
                                "Temp. in \xB0"
                                "C, \x80"
                                "5",
                                "v1") +
                            "\"EOT\"\r\n0\r\n1\r\n\"v1\",\"XX\"\r\n\"EOF\"\r\n");
  Open("old.zvt");
  EXPECT_EQ(w.TipsLabel.text, "File Opened.");
  EXPECT_EQ(w.Table1.Text(1, kCommentColumn), "Temp. in \xC2\xB0" "C, \xE2\x82\xAC" "5");
  EXPECT_EQ(w.StringTable.Text(1, 0), "v1");
  // An opened program has the row count stored in the file.
  EXPECT_EQ(w.Table1.Rows(), 2);
  EXPECT_EQ(w.CursorRow, 1);
}

TEST_F(ProgramFileTest, EncodingIsDecidedItemByItem) {
  // A UTF-8 comment beside one from an 8-bit editor: each reads as meant.
  WriteBytes("mixed.zvt", kWarningLine + "\"8085\"\r\n3\r\n" + Row("Origin", "8000", "", "", "") +
                              Row("", "", "NOP", "00", "Gr\xC3\xBC\xC3\x9F" "e") +
                              Row("", "", "NOP", "00", "30 \xB0" "C") +
                              "\"EOT\"\r\n0\r\n0\r\n\"EOF\"\r\n");
  Open("mixed.zvt");
  EXPECT_EQ(w.Table1.Text(1, kCommentColumn), "Grüße");
  EXPECT_EQ(w.Table1.Text(2, kCommentColumn), "30 °C");
}

TEST_F(ProgramFileTest, ReaderIsLenientAboutQuotesLineEndsAndWhatFollowsEof) {
  // LF line ends, unquoted texts, blanks around items, a byte-order mark,
  // and notes after "EOF".
  const std::string text =
      "\xEF\xBB\xBFWarning\n8085\n 1 \nOrigin,8000, , ,\"a, b\",\nEOT\n1\nloop , "
      "8002\n0\nEOF\nnotes";
  const ProgramFileReadResult read = ReadProgramFile(text);
  ASSERT_TRUE(read.ok()) << ProgramFileFaultText(read.fault);
  ASSERT_EQ(read.content.rows.size(), 1u);
  EXPECT_EQ(read.content.rows[0], (ProgramRowRecord{"Origin", "8000", "", "", "a, b", ""}));
  EXPECT_EQ(read.content.labels, (std::vector<StringEntry>{{"loop", "8002"}}));
}

TEST_F(ProgramFileTest, WriterLeavesOutWhatTheFormatCannotHold) {
  ProgramFileContent content;
  content.rows.push_back({"Origin", "8000", "", "", "say \"hi\"\r\nnow\ttab", ""});
  const std::string text = WriteProgramFile(content);
  EXPECT_NE(text.find("\"say hinow\ttab\"\r\n"), std::string::npos);
  const ProgramFileReadResult read = ReadProgramFile(text);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.content.rows[0][4], "say hinow\ttab");
}

TEST(TextEncoding, Utf8CheckAndWindows1252Conversion) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("\xC2\xB0 \xE2\x82\xAC \xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("\xB0"));              // a lone Windows-1252 byte
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_EQ(Windows1252ToUtf8("A\x80\x81\x9F\xA0\xFF"),
            "A\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\xBF");
}

// ---- Open -----------------------------------------------------------------------------------

TEST_F(ProgramFileTest, OpenDialogSettingsAndCancel) {
  BuildSample();
  w.OpenFile_Click();  // save changes? -> Cancel (unscripted) stops before the dialog
  EXPECT_EQ(host.LastBox(), "Save changes to Pgm1.zvt?");
  EXPECT_EQ(host.boxes.back().style, kMsgYesNoCancelQuestion);
  EXPECT_EQ(w.MsgBoxAnswer, "2");
  EXPECT_TRUE(host.dialogs.empty());

  host.answers.push_back(kAnswerNo);
  w.OpenFile_Click();  // No, then Cancel in the dialog
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_FALSE(host.dialogs[0].save);
  EXPECT_EQ(host.dialogs[0].request.filter, "Quenmar Assembler Files (*.zvt)|*.zvt");
  EXPECT_EQ(host.dialogs[0].request.title, "Open");
  EXPECT_EQ(host.dialogs[0].request.flags, 0x1804);
  // A cancelled dialog is silent and leaves the program as it was.
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(w.Table1.Rows(), 10);
  EXPECT_EQ(w.Symbols.LabelCombo.size(), 3u);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(ProgramFileTest, SaveChangesYesSavesBeforeOpening) {
  WriteBytes("other.zvt", SampleFile());
  SetRow(1, {"", "", "NOP", "00", ""});
  w.ProgramChanged = true;
  host.answers.push_back(kAnswerYes);
  host.fileChoices.push_back(FileChoice{PathOf("mine.zvt"), "mine.zvt"});  // Save As
  Open("other.zvt");
  ASSERT_EQ(host.dialogs.size(), 2u);
  EXPECT_TRUE(host.dialogs[0].save);
  EXPECT_NE(ReadBytes("mine.zvt").find("\"NOP\""), std::string::npos);
  EXPECT_EQ(w.FileTitle, "other.zvt");
  EXPECT_EQ(w.Symbols.LabelCombo.size(), 3u);

  // Yes, then Cancel in Save As: nothing is opened.
  w.NewFile_Click();
  w.ProgramChanged = true;
  host.answers.push_back(kAnswerYes);
  w.OpenFile_Click();
  EXPECT_EQ(host.dialogs.size(), 3u);
  EXPECT_TRUE(host.dialogs.back().save);
  EXPECT_EQ(w.Table1.Rows(), 32);
}

TEST_F(ProgramFileTest, FailedOpenLeavesANewUntitledProgram) {
  WriteBytes("notes.zvt", "\"Just some notes\"\r\n\"8086\"\r\n");
  BuildSample();
  w.ProgramChanged = false;
  Open("notes.zvt");
  EXPECT_EQ(host.LastBox(), "Unable to open file.");
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  ExpectNewUntitledProgram();
  EXPECT_EQ(host.pointer, Pointer::Default);
  // Save now asks for a name instead of writing over the file that failed.
  w.SaveFile_Click();
  ASSERT_FALSE(host.dialogs.empty());
  EXPECT_TRUE(host.dialogs.back().save);
  EXPECT_EQ(ReadBytes("notes.zvt"), "\"Just some notes\"\r\n\"8086\"\r\n");
}

TEST_F(ProgramFileTest, MissingFileIsUnreadable) {
  Open("gone.zvt");
  EXPECT_EQ(host.LastBox(), "Unable to open file.");
  ExpectNewUntitledProgram();
}

TEST_F(ProgramFileTest, DamagedFilesAreUnreadable) {
  const std::string head = kWarningLine + "\"8085\"\r\n";
  const std::string origin = Row("Origin", "8000", "", "", "");
  const std::string nop = Row("", "", "NOP", "00", "");
  const std::string tail = "\"EOT\"\r\n0\r\n0\r\n\"EOF\"\r\n";
  struct Case {
    const char* what;
    std::string bytes;
    ProgramFileFault fault;
  } cases[] = {
      {"empty", "", ProgramFileFault::Truncated},
      {"warning only", kWarningLine, ProgramFileFault::Truncated},
      {"other machine", kWarningLine + "\"8086\"\r\n1\r\n" + origin + tail,
       ProgramFileFault::NotProgramFile},
      {"negative count", head + "-1\r\n" + origin + tail, ProgramFileFault::BadCount},
      {"text count", head + "many\r\n" + origin + tail, ProgramFileFault::BadCount},
      {"count beyond 32 bits", head + "4294967297\r\n" + origin + tail, ProgramFileFault::BadCount},
      {"huge count", head + "999999999\r\n" + origin + tail, ProgramFileFault::TooManyRows},
      {"count too large", head + "3\r\n" + origin + nop + tail, ProgramFileFault::Truncated},
      {"count too small", head + "1\r\n" + origin + nop + tail, ProgramFileFault::MissingEot},
      {"no rows", head + "0\r\n" + tail, ProgramFileFault::NoOriginRow},
      {"first row no origin", head + "2\r\n" + nop + origin + tail, ProgramFileFault::NoOriginRow},
      {"label count too large", head + "1\r\n" + origin + "\"EOT\"\r\n5\r\n0\r\n\"EOF\"\r\n",
       ProgramFileFault::Truncated},
      {"variable count too small",
       head + "1\r\n" + origin + "\"EOT\"\r\n0\r\n0\r\n\"v1\",\"XX\"\r\n\"EOF\"\r\n",
       ProgramFileFault::MissingEof},
      {"missing EOF", head + "1\r\n" + origin + "\"EOT\"\r\n0\r\n0\r\n",
       ProgramFileFault::Truncated},
      {"cut in a row", head + "2\r\n" + origin + "\"\"\r\n\"\"\r\n\"NO",
       ProgramFileFault::UnterminatedQuote},
      {"unterminated quote",
       head + "1\r\n" + Row("Origin", "8000", "", "", "x") + "\"oops\r\n" + tail,
       ProgramFileFault::UnterminatedQuote},
      {"text after quote", head + "1\r\n\"Origin\"x\r\n", ProgramFileFault::TrailingText},
      {"stray quote", head + "1\r\nOri\"gin\r\n", ProgramFileFault::StrayQuote},
      {"NUL in a comment",
       head + "1\r\n" + Row("Origin", "8000", "", "", std::string("a\0b", 3)) + tail,
       ProgramFileFault::ControlCharacter},
      {"binary garbage",
       std::string("\x7F"
                   "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                   20),
       ProgramFileFault::ControlCharacter},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadProgramFile(c.bytes).fault, c.fault)
        << ProgramFileFaultText(ReadProgramFile(c.bytes).fault);
    WriteBytes("bad.zvt", c.bytes);
    host.boxes.clear();
    Open("bad.zvt");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.LastBox(), "Unable to open file.");
    ExpectNewUntitledProgram();
  }
  // The cases are damaged versions of a file that reads well.
  EXPECT_TRUE(ReadProgramFile(head + "2\r\n" + origin + nop + tail).ok());
}

TEST_F(ProgramFileTest, OversizedFileIsNotRead) {
  WriteBytes("big.zvt", std::string(2048, 'x'));
  EXPECT_FALSE(ReadFileBytes(PathOf("big.zvt"), 1024));
  EXPECT_EQ(ReadFileBytes(PathOf("big.zvt"), 2048)->size(), 2048u);
  EXPECT_FALSE(ReadFileBytes(dir.string()));  // a folder
}

// `rows` rows of bare items, seven bytes a row.
std::string CompactFile(int rows) {
  std::string text =
      kWarningLine + "\"8085\"\r\n" + std::to_string(rows) + "\r\nOrigin,8000,,,,\r\n";
  for (int r = 1; r < rows; ++r) text += ",,,,,\r\n";
  return text + "EOT\r\n0\r\n0\r\nEOF\r\n";
}

TEST_F(ProgramFileTest, CountsAskingForFarMoreMemoryThanTheFileAreRefused) {
  // Two million rows in 14 MB would take about a gigabyte as tables.
  WriteBytes("compact.zvt", CompactFile(2'000'000));
  Open("compact.zvt");
  EXPECT_EQ(host.LastBox(), "Unable to open file.");
  ExpectNewUntitledProgram();
  // So many names in so few bytes likewise.
  const std::string names = kWarningLine + "\"8085\"\r\n1\r\nOrigin,8000,,,,\r\nEOT\r\n9999999\r\n";
  EXPECT_EQ(ReadProgramFile(names).fault, ProgramFileFault::TooLarge);
  // Files of bare items, and large files the program writes, still read.
  EXPECT_TRUE(ReadProgramFile(CompactFile(kMaxProgramRows)).ok());
  ProgramFileContent content;
  content.rows.resize(kMaxProgramRows);
  content.rows[0] = {"Origin", "8000"};
  content.variables.assign(400'000, {"a", "XX"});  // the shortest names made here
  EXPECT_TRUE(ReadProgramFile(WriteProgramFile(content)).ok());
}

// A file that counts more rows than the program table holds is refused from
// its count, however few bytes a row takes in it; so is a count of names that
// the rest of the file cannot hold.
TEST_F(ProgramFileTest, MoreRowsThanTheTableHoldsAreRefusedFromTheCount) {
  ProgramFileContent content;
  content.rows.resize(kMaxProgramRows + 1);  // blank rows, as a save writes them
  content.rows[0][0] = "Origin";
  WriteBytes("long.zvt", WriteProgramFile(content));
  Open("long.zvt");
  EXPECT_EQ(host.LastBox(), "Unable to open file.");
  ExpectNewUntitledProgram();
  EXPECT_EQ(ReadProgramFile(ReadBytes("long.zvt")).fault, ProgramFileFault::TooManyRows);
  // The count alone decides, before any row is read.
  const std::string head = kWarningLine + "\"8085\"\r\n";
  EXPECT_EQ(ReadProgramFile(head + "10900000\r\n").fault, ProgramFileFault::TooManyRows);
  // Names: a count beyond what the bytes after it can hold.
  EXPECT_EQ(ReadProgramFile(head + "1\r\nOrigin,8000,,,,\r\nEOT\r\n200000\r\na,XX\r\n0\r\nEOF\r\n")
                .fault,
            ProgramFileFault::Truncated);
}

// Label and variable names follow the name rule (lower-case letters and
// digits, a letter first) in a file too: a file with any other name is
// refused like any damaged file.
TEST_F(ProgramFileTest, NamesThatBreakTheNameRuleAreRefused) {
  const std::string head = kWarningLine + "\"8085\"\r\n1\r\n" + Row("Origin", "8000", "", "", "") +
                           "\"EOT\"\r\n";
  auto labels = [&](const std::string& name) {
    return head + "1\r\n\"" + name + "\",\"XXXX\"\r\n0\r\n\"EOF\"\r\n";
  };
  auto variables = [&](const std::string& name) {
    return head + "1\r\n\"loop\",\"XXXX\"\r\n1\r\n\"" + name + "\",\"XX\"\r\n\"EOF\"\r\n";
  };
  for (const std::string name : {"<img src=/dev/zero>", "Loop", "9lives", "", "two words"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ReadProgramFile(labels(name)).fault, ProgramFileFault::BadName);
    EXPECT_EQ(ReadProgramFile(variables(name)).fault, ProgramFileFault::BadName);
  }
  EXPECT_TRUE(ReadProgramFile(variables("x9y")).ok());
  WriteBytes("names.zvt", variables("<img src=/dev/zero>"));
  Open("names.zvt");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.LastBox(), "Unable to open file.");
  ExpectNewUntitledProgram();
}

// Label and variable values and origin addresses have the forms the program
// writes; a file with any other is refused like any damaged file, and every
// form the program writes, or wrote in older files, opens again.
TEST_F(ProgramFileTest, ValuesOfFormsTheProgramNeverWritesAreRefused) {
  auto file = [](const std::string& origin, const std::string& label, const std::string& variable) {
    return kWarningLine + "\"8085\"\r\n2\r\n" + Row("Origin", "8000", "", "", "") +
           Row("Origin", origin, "", "", "") + "\"EOT\"\r\n1\r\n\"loop\",\"" + label +
           "\"\r\n1\r\n\"count\",\"" + variable + "\"\r\n\"EOF\"\r\n";
  };
  struct Case {
    const char* what;
    std::string origin, label, variable;
  } cases[] = {
      {"markup as a label value", "9000", "<b>1</b>", "05"},
      {"a label value that is not hex", "9000", "GGGG", "05"},
      {"a variable value of a label's width", "9000", "8000", "0005"},
      {"a variable value of one digit", "9000", "8000", "5"},
      {"an origin address that is not hex", "GGGG", "8000", "05"},
      {"an origin address of nine digits", "FFFFFFFFF", "8000", "05"},
      {"an origin without an address", "", "8000", "05"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadProgramFile(file(c.origin, c.label, c.variable)).fault,
              ProgramFileFault::BadValue);
  }
  WriteBytes("values.zvt", file("GGGG", "8000", "05"));
  Open("values.zvt");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.LastBox(), "Unable to open file.");
  ExpectNewUntitledProgram();

  // Names without values yet, values in upper case as the program writes
  // them and in lower case as older versions took them from a hex file, and
  // the five-digit address of a record that runs past FFFF.
  const std::vector<std::string> labelValues = {"XXXX", "8000", "80ab"};
  const std::vector<std::string> variableValues = {"XX", "3E", "0f"};
  for (int i = 0; i < 3; ++i) {
    w.Symbols.AddLabel(GeneratedLabelName(i), labelValues[i]);
    w.Symbols.AddVariable(GeneratedXXName(i), variableValues[i]);
  }
  SetRow(4, {"Origin", "10000", "", "", ""});
  SaveAs("kinds.zvt");
  w.NewFile_Click();
  Open("kinds.zvt");
  EXPECT_EQ(w.TipsLabel.text, "File Opened.");
  EXPECT_EQ(w.Table1.Text(4, kAddressColumn), "10000");
  EXPECT_EQ(w.Symbols.LabelEqtList, labelValues);
  EXPECT_EQ(w.Symbols.XXEqtList, variableValues);
}

TEST_F(ProgramFileTest, RunningOutOfMemoryWhileOpeningIsRefusedNotFatal) {
#if PARVIX_SANITIZED
  GTEST_SKIP() << "a sanitizer needs more address space than the limit leaves";
#endif
  // A well-formed file of a million and a half labels, opened in a child
  // with 64 MB of address space to spare.
  ProgramFileContent program;
  program.rows.resize(32);
  program.rows[0] = {"Origin", "8000"};
  for (int i = 1; i <= 1'500'000; ++i) program.labels.emplace_back(GeneratedLabelName(i), "XXXX");
  const std::string bytes = WriteProgramFile(program);
  program = {};
  ASSERT_TRUE(ReadProgramFile(bytes).ok());
  WriteBytes("commented.zvt", bytes);
  EXPECT_EXIT(
      {
        std::ifstream statm("/proc/self/statm");
        unsigned long pages = 0;
        statm >> pages;
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = pages * static_cast<unsigned long>(sysconf(_SC_PAGESIZE)) + (64ul << 20);
        setrlimit(RLIMIT_AS, &limit);
        Open("commented.zvt");
        const bool refused = host.LastBox() == "Unable to open file." && w.Table1.Rows() == 32 &&
                             w.EntryState == ProgramState;
        std::_Exit(refused ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ProgramFileTest, LoadWithTheOpenedStateOpensFilePath) {
  WriteBytes("sample.zvt", SampleFile());
  w.FilePath = PathOf("sample.zvt");
  w.FileTitle = "sample.zvt";
  w.FileState = FileOpened;
  w.Form_Load();
  EXPECT_EQ(w.Table1.Rows(), 10);
  EXPECT_EQ(w.Caption, "Quenmar Parvix - sample.zvt");
}

// ---- Save and Save As ------------------------------------------------------------------------

TEST_F(ProgramFileTest, SaveOfAnUntitledProgramAsksForAName) {
  for (int state : {FileNew, FileDisassembled}) {
    SCOPED_TRACE(state);
    host.dialogs.clear();
    w.FileState = state;
    w.ProgramChanged = true;
    w.SaveFile_Click();  // the dialog is cancelled
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_TRUE(host.dialogs[0].save);
    EXPECT_EQ(host.dialogs[0].request.title, "Save As");
    EXPECT_EQ(host.dialogs[0].request.filter, "Quenmar Assembler Files (*.zvt)|*.zvt");
    EXPECT_EQ(host.dialogs[0].request.flags, 0x1806);
    EXPECT_EQ(host.dialogs[0].request.fileName, "Pgm1.zvt");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(w.FileState, state);
    EXPECT_TRUE(w.ProgramChanged);
  }
}

TEST_F(ProgramFileTest, SaveAsNamesTheFile) {
  struct Case {
    std::string chosen, written, title;
  } cases[] = {
      {"prog.zvt", "prog.zvt", "prog.zvt"},
      {"prog.txt", "prog.zvt", "prog.txt"},  // the caption keeps the chosen name
      {"prog", "prog.zvt", "prog.zvt"},      // no extension: ".zvt" is added
      {"ab", "ab.zvt", "ab.zvt"},
      {"v1.2", "v1.2.zvt", "v1.2.zvt"},
      {"PROG.ZVT", "PROG.ZVT", "PROG.ZVT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    fs::remove_all(dir);
    fs::create_directories(dir);
    w.ProgramChanged = true;
    SaveAs(c.chosen);
    EXPECT_EQ(Files(), std::vector<std::string>{c.written});
    EXPECT_EQ(w.FilePath, PathOf(c.written));
    EXPECT_EQ(w.FileTitle, c.title);
    EXPECT_EQ(w.Caption, "Quenmar Parvix - " + c.title);
    EXPECT_EQ(w.TipsLabel.text, "File Saved.");
    EXPECT_EQ(w.FileState, FileSaved);
    EXPECT_FALSE(w.ProgramChanged);
    EXPECT_EQ(host.pointer, Pointer::Default);
  }
  // The next Save As proposes the program's own file.
  w.SaveAsFile_Click();
  EXPECT_EQ(host.dialogs.back().request.fileName, PathOf("PROG.ZVT"));
}

TEST_F(ProgramFileTest, ProgramDialogsOpenInTheLastFolderAndAddTheExtension) {
  // After New the program has no file: the last folder used.
  SaveAs("prog.zvt");
  w.NewFile_Click();
  w.OpenFile_Click();
  EXPECT_EQ(host.dialogs.back().request.folder, dir.string());
  w.SaveAsFile_Click();
  EXPECT_EQ(host.dialogs.back().request.folder, dir.string());
  // ".zvt" goes on a bare name, so the overwrite question sees the name written.
  EXPECT_EQ(host.dialogs.back().request.defaultSuffix, "zvt");
  EXPECT_EQ(host.dialogs.back().request.fileName, "Pgm1.zvt");
}

TEST_F(ProgramFileTest, SaveAsCancelChangesNothing) {
  BuildSample();
  w.SaveAsFile_Click();
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w.FileTitle, "Pgm1.zvt");
  EXPECT_EQ(w.FileState, FileNew);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "8000");
  EXPECT_TRUE(Files().empty());
}

TEST_F(ProgramFileTest, SaveReplacesTheOpenedFile) {
  WriteBytes("sample.zvt", SampleFile());
  Open("sample.zvt");
  w.Table1.SetText(2, kCommentColumn, "Count down.");
  w.ProgramChanged = true;
  w.SaveFile_Click();
  EXPECT_TRUE(host.dialogs.size() == 1u);  // the open dialog only
  EXPECT_NE(ReadBytes("sample.zvt").find("\"Count down.\""), std::string::npos);
  EXPECT_EQ(Files(), std::vector<std::string>{"sample.zvt"});  // no temporary file left
  EXPECT_EQ(w.TipsLabel.text, "File Saved.");
  EXPECT_EQ(w.FileState, FileSaved);
  EXPECT_FALSE(w.ProgramChanged);
}

TEST_F(ProgramFileTest, FailedSaveKeepsTheOldFileAndTheState) {
  WriteBytes("sample.zvt", SampleFile());
  Open("sample.zvt");
  w.Table1.SetText(1, kAddressColumn, "8000");  // addresses assigned since
  w.ProgramChanged = true;

  // Into a folder that does not exist.
  w.FilePath = PathOf("nowhere/sample.zvt");
  w.SaveFile_Click();
  EXPECT_EQ(host.LastBox(), "Unable to save file.");
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(w.FileState, FileOpened);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.Table1.Text(1, kAddressColumn), "8000");  // the table is untouched

  // Over a read-only file.
  w.FilePath = PathOf("sample.zvt");
  fs::permissions(dir / "sample.zvt", fs::perms::owner_read | fs::perms::group_read);
  host.boxes.clear();
  w.SaveFile_Click();
  EXPECT_EQ(host.LastBox(), "Unable to save file.");
  EXPECT_EQ(ReadBytes("sample.zvt"), SampleFile());
  fs::permissions(dir / "sample.zvt", fs::perms::owner_all);

  // Over a folder of the same name.
  fs::create_directories(dir / "folder.zvt" / "inside");
  w.FilePath = PathOf("folder.zvt");
  host.boxes.clear();
  w.SaveFile_Click();
  EXPECT_EQ(host.LastBox(), "Unable to save file.");
  EXPECT_TRUE(fs::is_directory(dir / "folder.zvt" / "inside"));
  EXPECT_EQ(Files(), (std::vector<std::string>{"folder.zvt", "sample.zvt"}));
}

// A file-size limit makes every write beyond 200 bytes fail, as a full disk
// does. The program, set up as at start, survives such a save (by default the
// system ends a process at its first write past the limit): the save is
// refused with its message, the old file stays and no temporary file is left.
TEST_F(ProgramFileTest, DiskFullDuringSaveKeepsTheOldFile) {
  const std::string old = "\"an older file\"\r\n";
  WriteBytes("sample.zvt", old);
  w.FilePath = PathOf("sample.zvt");
  w.FileTitle = "sample.zvt";
  w.FileState = FileSaved;
  BuildSample();
  EXPECT_EXIT(
      {
        IgnoreFileSizeLimitSignal();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 200;
        setrlimit(RLIMIT_FSIZE, &limit);
        w.SaveFile_Click();
        const bool refused = host.LastBox() == "Unable to save file." && w.ProgramChanged &&
                             w.FileState == FileSaved;
        std::_Exit(refused ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadBytes("sample.zvt"), old);
  EXPECT_EQ(Files(), std::vector<std::string>{"sample.zvt"});
}

TEST_F(ProgramFileTest, FailedSaveAsKeepsTheChosenNameButNotTheState) {
  BuildSample();
  host.fileChoices.push_back(FileChoice{PathOf("nowhere/prog.zvt"), "prog.zvt"});
  w.SaveAsFile_Click();
  EXPECT_EQ(host.LastBox(), "Unable to save file.");
  EXPECT_EQ(w.FileTitle, "prog.zvt");
  EXPECT_EQ(w.FilePath, PathOf("nowhere/prog.zvt"));
  EXPECT_EQ(w.Caption, "Quenmar Parvix - Pgm1.zvt");
  EXPECT_EQ(w.FileState, FileNew);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(host.pointer, Pointer::Default);
}

TEST_F(ProgramFileTest, NonAsciiCommentsAreSavedAsUtf8) {
  SetRow(1, {"", "", "NOP", "00", "Grüße, 25 °C"});
  SaveAs("utf8.zvt");
  EXPECT_NE(ReadBytes("utf8.zvt")
                .find("\"Gr\xC3\xBC\xC3\x9F"
                      "e, 25 \xC2\xB0"
                      "C\""),
            std::string::npos);
  w.NewFile_Click();
  Open("utf8.zvt");
  EXPECT_EQ(w.Table1.Text(1, kCommentColumn), "Grüße, 25 °C");
}

TEST_F(ProgramFileTest, SaveChangesBeforeNewUsesSave) {
  BuildSample();
  host.answers.push_back(kAnswerYes);
  host.fileChoices.push_back(FileChoice{PathOf("keep.zvt"), "keep.zvt"});
  w.NewFile_Click();
  EXPECT_EQ(ReadBytes("keep.zvt"), SampleFile());
  EXPECT_EQ(w.Table1.Rows(), 32);
  EXPECT_EQ(w.FileTitle, "Pgm1.zvt");
}

// ---- Quit ---------------------------------------------------------------------------------------

TEST_F(ProgramFileTest, QuitAsksAndCancelKeepsEverything) {
  BuildSample();
  w.PortOpenFlag = true;
  host.answers.push_back(kAnswerCancel);
  w.QuitFile_Click();
  EXPECT_EQ(host.LastBox(), "Are you sure you want to quit? You will lose unsaved information.");
  EXPECT_EQ(host.boxes.back().style, kMsgOkCancelQuestion);
  EXPECT_EQ(w.MsgBoxAnswer, "2");
  EXPECT_FALSE(host.ended);
  EXPECT_TRUE(w.PortOpenFlag);
  EXPECT_TRUE(w.ProgramChanged);

  bool cancel = false;
  host.answers.push_back(kAnswerCancel);
  w.Form_QueryUnload(cancel, 0);
  EXPECT_TRUE(cancel);
  EXPECT_FALSE(host.ended);
}

TEST_F(ProgramFileTest, QuitWithOkClosesThePortAndEndsWithoutSaving) {
  w.PortOpenFlag = true;
  w.ProgramChanged = true;
  bool cancel = false;
  w.Form_QueryUnload(cancel, 0);  // unscripted: OK
  EXPECT_FALSE(cancel);
  EXPECT_EQ(w.MsgBoxAnswer, "1");
  EXPECT_FALSE(w.PortOpenFlag);
  EXPECT_TRUE(host.ended);
  EXPECT_EQ(host.boxes.size(), 1u);  // no save question, whatever changed
  EXPECT_TRUE(host.dialogs.empty());
}

}  // namespace
}  // namespace parvix::testing
