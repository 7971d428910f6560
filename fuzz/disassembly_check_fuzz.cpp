// Fuzzes the disassembly dialog's check and build: any marking of any bytes
// must give either a refusal or a new program whose rows agree with the
// marking (origins where the addresses jump, every instruction row as long as
// its opcode says, every kept byte once), and whose disassembly gives each
// distinct 16-bit operand value exactly one label. Never a crash.
//
// The input is read in triples: the byte, its category (Data Byte, Mnemonic,
// Unwanted by the value modulo 3) and its address step (0: the next address,
// anything else a jump to that value times 257).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "base/hex_text.h"
#include "editor/programming_panel.h"
#include "hextools/disassembler.h"
#include "tables/opcode_tables.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace parvix;
  const std::string* kCategories[] = {&kDataByteCategory, &kMnemonicCategory, &kUnwantedCategory};
  Grid table(3, 1);
  int address = 0x8000;
  int kept = 0;
  for (std::size_t i = 0; i + 2 < size; i += 3) {
    address = data[i + 2] == 0 ? address + 1 : data[i + 2] * 257;
    const int row = table.Rows();
    table.SetRows(row + 1);
    const std::string& category = *kCategories[data[i + 1] % 3];
    table.SetText(row, kByteAddressColumn, HexAtLeast4(address));
    table.SetText(row, kByteDataColumn, Hex2(data[i]));
    table.SetText(row, kCategoryColumn, category);
    if (category != kUnwantedCategory) ++kept;
  }

  const MarkingCheck check = CheckMarking(table);
  if (check.fault != MarkingFault::None) {
    Require(check.fault != MarkingFault::NothingMarked || kept == 0);
    return 0;
  }
  const NewProgram& p = check.program;
  Require(!p.OriginList.empty() && p.OriginList.front().row == 0);
  Require(p.NewRowCount <= kLastNewRow + 1);
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

  // The copy and the disassembly over the rows.
  Grid program(5, p.NewRowCount + 10);
  for (int r = 0; r < p.NewRowCount; ++r) program.SetText(r, kOpcodeColumn, p.CodeText(r));
  for (const NewOrigin& origin : p.OriginList) program.SetText(origin.row, kLabelColumn, "Origin");
  const Disassembly result = DisassembleRows(program, p.MnemonicFlags);
  std::set<std::string> values;
  for (const auto& [name, value] : result.labels) Require(values.insert(value).second);
  Require(result.rows.size() == static_cast<size_t>(p.NewRowCount) - 3 * p.OriginList.size() + 2);
  return 0;
}
