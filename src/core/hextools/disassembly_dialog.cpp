#include "hextools/disassembly_dialog.h"

#include <algorithm>

#include "editor/programming_panel.h"

namespace parvix {

namespace {

constexpr int kStepDelayMs = 10;
constexpr Color kCategoryRed = 255;

const std::string kCaptionStart = "Disassemble Dialog - ";
const std::string kCheckTail = ". Please check data table.";

}  // namespace

DataDialog::DataDialog(ProgrammingPanel& w) : w_(w) {
  DataType[0].text = "&Data Byte.";
  DataType[1].text = "&Mnemonic.";
  DataType[2].text = "&Unwanted.";
  DataTypeCaption.text = "Data Type:";
  DataTypeLabel.fore = kCategoryRed;
  DoneButton.text = "Done";
  CancelButton.text = "Cancel";
}

void DataDialog::Form_Load() {
  loaded = true;
  running = false;
  dueStep_ = TimerId::Count;
  Caption = kCaptionStart + w_.Hex.HexFileTitle;
  for (int i = 0; i < 3; ++i) DataType[i].checked = i == 2;
  DataTypeLabel.text = kUnwantedCategory;
  DoneButton.enabled = false;
  CancelButton.enabled = true;
  AnchorRow = 0;
  OriginList.clear();
  program_ = {};

  const std::vector<RecordByte> bytes = RecordBytes(w_.Hex.HexList);
  std::vector<std::vector<Cell>> rows;
  rows.reserve(bytes.size() + 1);
  rows.push_back({{HeadList[0]}, {HeadList[1]}, {HeadList[2]}});
  for (const RecordByte& byte : bytes) {
    rows.push_back({{byte.address}, {byte.data}, {kUnwantedCategory}});
  }
  DataTable.Reset(std::move(rows));
  DataTable.row = DataTable.Rows() > 1 ? 1 : 0;
  changes_ = {true, 0, -1};
  w_.TipsLabel.text = "Select the mnemonics & data bytes and click 'Done', or click 'Cancel'.";
}

void DataDialog::DataType_Click(int Index) {
  for (int i = 0; i < 3; ++i) DataType[i].checked = i == Index;
  switch (Index) {
    case 0: DataTypeLabel.text = kDataByteCategory; break;
    case 1: DataTypeLabel.text = kMnemonicCategory; break;
    default: DataTypeLabel.text = kUnwantedCategory; break;
  }
}

void DataDialog::DataTable_MouseDown(int row, bool extend) {
  if (!loaded || running || row < 1 || row >= DataTable.Rows()) return;
  if (!extend || DataTable.row < 1) DataTable.row = row;
  AnchorRow = DataTable.row;
}

void DataDialog::DataTable_RowColChange(int row) {
  if (!loaded || running || row < 1 || row >= DataTable.Rows()) return;
  DataTable.row = row;
}

void DataDialog::DataTable_MouseUp(int selectionEndRow) {
  if (!loaded || running || AnchorRow < 1) return;
  const int end = std::clamp(selectionEndRow, 1, DataTable.Rows() - 1);
  AssignDataType(std::min(AnchorRow, end), std::max(AnchorRow, end));
}

void DataDialog::AssignDataType(int StartRow, int EndRow) {
  const int first = std::max(StartRow, 1);
  const int last = std::min(EndRow, DataTable.Rows() - 1);
  for (int r = first; r <= last; ++r) DataTable.SetText(r, kCategoryColumn, DataTypeLabel.text);
  RowsChanged(first, last);
  if (DataTypeLabel.text != kUnwantedCategory) DoneButton.enabled = true;
}

void DataDialog::DoneButton_Click() {
  if (!loaded || running || !DoneButton.enabled) return;
  running = true;
  DoneButton.enabled = false;
  CancelButton.enabled = false;
  w_.TipsLabel.text = "Checking Data . . .";
  w_.host.SetPointer(Pointer::Hourglass);
  StartStep(TimerId::CheckTimer);
}

void DataDialog::CancelButton_Click() {
  if (!loaded || running) return;
  w_.TipsLabel.text = w_.InProgramMode() ? "Program Mode." : "Data Mode.";
  Unload();
}

void DataDialog::CheckFailed(const std::string& message) {
  w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(message, kMsgCritical));
  w_.host.SetPointer(Pointer::Default);
  running = false;
  DoneButton.enabled = true;
  CancelButton.enabled = true;
}

void DataDialog::CheckTimer_Timer() {
  if (!StepDue(TimerId::CheckTimer)) return;
  MarkingCheck check = CheckMarking(DataTable);
  OriginList = check.program.OriginList;
  const std::string& address = DataTable.Text(check.row, kByteAddressColumn);
  switch (check.fault) {
    case MarkingFault::None:
      break;
    case MarkingFault::InvalidOpcode:
      CheckFailed("Invalid Hex Value in address " + address + kCheckTail);
      return;
    case MarkingFault::MissingData:
      CheckFailed("Data missing for instruction in Address " + address + kCheckTail);
      return;
    case MarkingFault::NothingMarked:
      CheckFailed("No byte is marked as Mnemonic or Data Byte" + kCheckTail);
      return;
    case MarkingFault::TooManyRows:
      CheckFailed(kProgramFullText + " The marked bytes from address " + address +
                  " on do not fit" + kCheckTail);
      return;
  }
  program_ = std::move(check.program);
  w_.TipsLabel.text = "Copying Opcodes . . .";
  StartStep(TimerId::CopyTimer);
}

void DataDialog::CopyTimer_Timer() {
  if (!StepDue(TimerId::CopyTimer)) return;
  w_.FileTitle = kDefaultFileTitle;
  w_.Caption = kCaptionPrefix + w_.FileTitle;
  w_.Symbols.Clear();
  w_.UsedRowCount = program_.NewRowCount;
  w_.StringTable.Reset(std::vector<std::vector<Cell>>(
      static_cast<size_t>(program_.NewRowCount + kRowsBeyond)));
  CopyOpcodes();
  w_.TipsLabel.text = " Disassembling Opcodes . . .";
  StartStep(TimerId::DisassembleTimer);
}

void DataDialog::CopyOpcodes() {
  std::vector<std::vector<Cell>> rows(static_cast<size_t>(w_.UsedRowCount + kRowsBeyond),
                                      std::vector<Cell>(w_.Table1.Cols()));
  for (int r = 0; r <= program_.NewRowCount && r < static_cast<int>(rows.size()); ++r) {
    rows[static_cast<size_t>(r)][kOpcodeColumn].text = program_.CodeText(r);
  }
  w_.Table1.Reset(std::move(rows));
  for (const NewOrigin& origin : OriginList) {
    w_.Table1.SetText(origin.row, kAddressColumn, origin.address);
    w_.Table1.SetText(origin.row, kLabelColumn, kOriginText);
    w_.ColorOrigin(origin.row);
  }
  // The old program's cursor row may lie past the end of the new table:
  // the cursor goes to the first program row, as with an opened file.
  w_.NextLine(1);
  w_.ShowProgramTop();
  w_.host.SetPointer(Pointer::Default);
}

void DataDialog::DisassembleTimer_Timer() {
  if (!StepDue(TimerId::DisassembleTimer)) return;
  Disassembly result = DisassembleRows(w_.Table1, program_.MnemonicFlags);
  for (DisassembledRow& row : result.rows) {
    w_.Table1.SetText(row.row, kMnemonicColumn, std::move(row.mnemonic));
    if (!row.operand.empty()) w_.StringTable.SetText(row.row, 0, std::move(row.operand));
  }
  for (auto& [name, value] : result.variables) w_.Symbols.AddVariable(name, value);
  for (auto& [name, value] : result.labels) w_.Symbols.AddLabel(name, value);
  // The generated names go on from the ones just made.
  w_.NextXXNumber = static_cast<int>(result.variables.size());
  w_.NextLabelNumber = static_cast<int>(result.labels.size());

  // Its messages do not stop the disassembly.
  w_.Assign_Address(true);

  for (const auto& [row, label] : LabelPlaces(w_.Table1, w_.Symbols.LabelEqtList)) {
    w_.Table1.SetText(row, kLabelColumn, w_.Symbols.LabelCombo[static_cast<size_t>(label)]);
  }
  // The used, placed and line entries of the new labels.
  w_.UpdateLabels();
  w_.TipsLabel.text = "Adding Comments . . .";
  StartStep(TimerId::CommentTimer);
}

void DataDialog::CommentTimer_Timer() {
  if (!StepDue(TimerId::CommentTimer)) return;
  for (int r = 0; r < w_.Table1.Rows(); ++r) w_.ApplyDefaultComment(r);
  w_.TipsLabel.text = "Disassembling completed successfully.";
  w_.ProgramChanged = true;
  w_.FileState = FileDisassembled;
  Unload();
}

void DataDialog::StartStep(TimerId step) {
  dueStep_ = step;
  w_.host.StartTimer(step, kStepDelayMs);
}

bool DataDialog::StepDue(TimerId step) {
  w_.host.StopTimer(step);
  if (!loaded || !running || dueStep_ != step) return false;
  dueStep_ = TimerId::Count;
  return true;
}

void DataDialog::Unload() {
  loaded = false;
  running = false;
  dueStep_ = TimerId::Count;
  program_ = {};
  w_.host.CloseWindow(WindowId::Disassembly);
}

void DataDialog::RowsChanged(int first, int last) {
  if (first > last) return;
  if (changes_.first > changes_.last) {
    changes_.first = first;
    changes_.last = last;
  } else {
    changes_.first = std::min(changes_.first, first);
    changes_.last = std::max(changes_.last, last);
  }
}

DataTableChanges DataDialog::takeChanges() {
  DataTableChanges taken = changes_;
  changes_ = {};
  return taken;
}

}  // namespace parvix
