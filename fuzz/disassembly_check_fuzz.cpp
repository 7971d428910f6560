// Fuzzes the disassembly dialog over a hex file, as File > Disassemble hands
// it one: the bytes of the records it reads become the dialog's rows, the
// marking is checked, and Done builds the new program through the dialog's
// own steps. Any file and any marking must give either a refusal that leaves
// the program as it was, or a new program whose rows agree with the marking
// (origins where the addresses jump, every instruction row as long as its
// opcode says, every kept byte once), whose every distinct 16-bit operand
// value has exactly one label, and whose labels stand on the first row that
// has their address, or on none when no row has it. Never a crash.
//
// The input is a hex file's text, then optionally a NUL byte and the
// marking: one byte a data byte of the file, in order, its value modulo 3
// giving Data Byte, Mnemonic or Unwanted, repeated as often as the file has
// bytes; without a marking every byte is marked Mnemonic. Before reading,
// each record's checksum is set right, so that changed counts, addresses and
// data reach the dialog instead of stopping at the checksum test (the
// hex-reader target covers that test).
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "base/hex_text.h"
#include "bench/bench_support.h"
#include "hextools/disassembler.h"
#include "hextools/hex_records.h"
#include "tables/opcode_tables.h"

namespace {

using namespace parvix;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsHexPair(const std::string& text, size_t at) {
  return at + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[at])) &&
         std::isxdigit(static_cast<unsigned char>(text[at + 1]));
}

// Sets the checksum of every record in `text` (":" and pairs of hex digits)
// that holds as many pairs as its byte count asks for.
void SetChecksums(std::string& text) {
  for (size_t colon = text.find(':'); colon != std::string::npos;
       colon = text.find(':', colon + 1)) {
    const size_t first = colon + 1;
    if (!IsHexPair(text, first)) continue;
    const int pairs = ParseHex(text.substr(first, 2)).value_or(0) + 5;
    int sum = 0;
    bool whole = true;
    for (int i = 0; i < pairs && whole; ++i) {
      const size_t at = first + 2 * static_cast<size_t>(i);
      whole = IsHexPair(text, at);
      if (whole && i + 1 < pairs) sum += ParseHex(text.substr(at, 2)).value_or(0);
    }
    if (whole) text.replace(first + 2 * static_cast<size_t>(pairs - 1), 2, Hex2(-sum & 0xFF));
  }
}

// The dialog's rows are the records' bytes, each from its record's address on.
void CheckRecordBytes(const std::vector<std::string>& records, const Grid& table) {
  int row = 1;
  for (size_t i = 0; i + 1 < records.size(); ++i) {
    const std::string& record = records[i];
    const int count = ParseHex(record.substr(1, 2)).value_or(-1);
    const int address = ParseHex(record.substr(3, 4)).value_or(-1);
    for (int j = 0; j < count; ++j, ++row) {
      Require(table.Text(row, kByteAddressColumn) == HexAtLeast4(address + j));
      Require(table.Text(row, kByteDataColumn) == record.substr(9 + 2 * static_cast<size_t>(j), 2));
    }
  }
  Require(row == table.Rows());
}

// The layout of the new program that the check gives for a marking.
void CheckLayout(const NewProgram& p, int kept) {
  Require(!p.OriginList.empty() && p.OriginList.front().row == 0);
  Require(FitsProgramTable(p.NewRowCount + kRowsBeyond));
  int bytes = 0;
  size_t next = 0;
  for (int r = 0; r < p.NewRowCount; ++r) {
    const std::string code = p.CodeText(r);
    if (next < p.OriginList.size() && p.OriginList[next].row == r) {
      // An origin row: after the first, two empty rows stand before it.
      Require(code.empty());
      Require(r == 0 || (p.CodeText(r - 1).empty() && p.CodeText(r - 2).empty()));
      ++next;
      continue;
    }
    if (code.empty()) {
      // One of the two empty rows before the next origin.
      Require(next < p.OriginList.size() && p.OriginList[next].row - r <= 2);
      continue;
    }
    const int op = ParseHex(code.substr(0, 2)).value_or(-1);
    const int length = static_cast<int>(code.size() + 3) / 5;
    if (p.IsMnemonic(r)) {
      Require(!IsUndefinedOpcode(op) && length == InstructionLength(op));
    } else {
      Require(length == 1);
    }
    bytes += length;
  }
  Require(next == p.OriginList.size());
  Require(bytes == kept);
}

// The program the dialog built: its code as the check laid it out, one label
// a distinct value, each label on the first row with its address.
void CheckBuiltProgram(const ProgrammingPanel& w, const NewProgram& p) {
  Require(w.UsedRowCount == p.NewRowCount);
  int instructions = 0;  // every row with code gets its instruction text
  for (int r = 0; r < p.NewRowCount; ++r) {
    Require(w.Table1.Text(r, kOpcodeColumn) == p.CodeText(r));
    if (!w.IsOriginRow(r) && !w.Table1.Text(r, kMnemonicColumn).empty()) ++instructions;
  }
  Require(instructions == p.NewRowCount - 3 * static_cast<int>(p.OriginList.size()) + 2);
  const auto& names = w.Symbols.LabelCombo;
  const auto& values = w.Symbols.LabelEqtList;
  Require(std::set<std::string>(values.begin(), values.end()).size() == values.size());
  std::map<std::string, int> firstRowOf;  // address -> the first row that has it
  std::map<std::string, int> placedOn;    // label -> its row
  for (int r = 1; r < w.Table1.Rows(); ++r) {
    if (w.IsOriginRow(r)) continue;
    const std::string& address = w.Table1.Text(r, kAddressColumn);
    if (!address.empty()) firstRowOf.try_emplace(address, r);
    const std::string& label = w.Table1.Text(r, kLabelColumn);
    if (!label.empty()) Require(placedOn.emplace(label, r).second);
  }
  for (size_t i = 0; i < names.size(); ++i) {
    const auto first = firstRowOf.find(values[i]);
    const auto placed = placedOn.find(names[i]);
    Require((first == firstRowOf.end()) == (placed == placedOn.end()));
    if (placed != placedOn.end()) Require(placed->second == first->second);
  }
  for (const auto& [label, row] : placedOn) Require(w.Symbols.LabelIndex(label) >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  std::string text(input.substr(0, nul));
  const std::string_view marks = nul == std::string_view::npos ? "" : input.substr(nul + 1);
  SetChecksums(text);
  HexReadResult read = ReadHexFileText(text);
  if (read.status != HexReadResult::Status::Ok) return 0;

  bench::StartedSession started;
  ProgrammingPanel& w = started.w;
  DataDialog& d = w.Disassembly;
  w.Hex.HexList = read.records;
  d.Form_Load();
  CheckRecordBytes(read.records, d.DataTable);

  int kept = 0;
  for (int r = 1; r < d.DataTable.Rows(); ++r) {
    const auto markByte = [&] { return static_cast<std::uint8_t>(marks[(r - 1) % marks.size()]); };
    const int mark = marks.empty() ? 1 : markByte() % 3;
    d.DataType_Click(mark);
    d.AssignDataType(r, r);
    if (mark != 2) ++kept;
  }
  const MarkingCheck check = CheckMarking(d.DataTable);
  if (check.fault == MarkingFault::None) CheckLayout(check.program, kept);
  Require(check.fault != MarkingFault::NothingMarked || kept == 0);

  const int rowsBefore = w.UsedRowCount;
  d.DoneButton_Click();
  started.session.TimerFired(TimerId::CheckTimer);
  if (check.fault != MarkingFault::None) {
    // Refused: the dialog stays open over the old program.
    Require(d.loaded && !d.running && w.UsedRowCount == rowsBefore);
    return 0;
  }
  for (TimerId step : {TimerId::CopyTimer, TimerId::DisassembleTimer, TimerId::CommentTimer}) {
    started.session.TimerFired(step);
  }
  Require(!d.loaded);
  CheckBuiltProgram(w, check.program);
  return 0;
}
