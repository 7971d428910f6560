#include "hextools/disassembler.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "base/hex_text.h"
#include "editor/programming_panel.h"
#include "tables/opcode_tables.h"

namespace parvix {

namespace {

// Characters of a record text by 0-based position; "" beyond its end.
std::string Chars(const std::string& text, size_t pos, size_t count) {
  return pos < text.size() ? text.substr(pos, count) : std::string();
}

int HexValue(const std::string& text) { return ParseHex(text).value_or(-1); }

}  // namespace

std::vector<RecordByte> RecordBytes(const std::vector<std::string>& hexList) {
  std::vector<RecordByte> bytes;
  if (hexList.empty()) return bytes;
  size_t total = 0;
  for (size_t i = 0; i + 1 < hexList.size(); ++i) {
    total += static_cast<size_t>(std::max(HexValue(Chars(hexList[i], 1, 2)), 0));
  }
  bytes.reserve(total);
  for (size_t i = 0; i + 1 < hexList.size(); ++i) {
    const std::string& record = hexList[i];
    const int count = std::max(HexValue(Chars(record, 1, 2)), 0);
    const int address = std::max(HexValue(Chars(record, 3, 4)), 0);
    for (int j = 0; j < count; ++j) {
      bytes.push_back({HexAtLeast4(address + j), Chars(record, 9 + 2 * static_cast<size_t>(j), 2)});
    }
  }
  return bytes;
}

std::string NewProgram::CodeText(int r) const {
  if (r < 0 || r >= static_cast<int>(CodeBuffer.size())) return {};
  const auto& bytes = CodeBuffer[static_cast<size_t>(r)];
  std::string text = bytes[0];
  for (size_t i = 1; i < bytes.size() && !bytes[i].empty(); ++i) text += "   " + bytes[i];
  return text;
}

MarkingCheck CheckMarking(const Grid& dataTable) {
  MarkingCheck check;
  NewProgram& p = check.program;
  const int last = dataTable.Rows() - 1;
  auto address = [&](int k) { return HexValue(dataTable.Text(k, kByteAddressColumn)); };
  auto category = [&](int k) -> const std::string& { return dataTable.Text(k, kCategoryColumn); };
  auto fail = [&](MarkingFault fault, int k) {
    check.fault = fault;
    check.row = k;
    return check;
  };

  int row = -2;  // the new program's running row index
  int expected = 0;
  int lastLength = 0;
  bool first = true;
  for (int k = 1; k <= last; ++k) {
    const bool mnemonic = category(k) == kMnemonicCategory;
    if (!mnemonic && category(k) != kDataByteCategory) continue;
    const int at = address(k);
    if (first || at != expected + lastLength) {
      first = false;
      row += 2;
      p.OriginList.push_back({dataTable.Text(k, kByteAddressColumn), row});
      row += 1;
    }
    // The row and the empty rows the table keeps below the last one.
    if (!FitsProgramTable(row + 1 + kRowsBeyond)) return fail(MarkingFault::TooManyRows, k);
    p.CodeBuffer.resize(static_cast<size_t>(row) + 1);
    p.MnemonicFlags.resize(static_cast<size_t>(row) + 1, false);
    auto& bytes = p.CodeBuffer[static_cast<size_t>(row)];
    bytes[0] = dataTable.Text(k, kByteDataColumn);
    expected = at;
    lastLength = 1;
    if (mnemonic) {
      p.MnemonicFlags[static_cast<size_t>(row)] = true;
      const int op = HexValue(bytes[0]);
      if (IsUndefinedOpcode(op)) return fail(MarkingFault::InvalidOpcode, k);
      const int length = InstructionLength(op);
      for (int i = 1; i < length; ++i) {
        const int operand = k + i;
        if (operand > last || category(operand) != kMnemonicCategory || address(operand) != at + i) {
          return fail(MarkingFault::MissingData, k);
        }
        bytes[static_cast<size_t>(i)] = dataTable.Text(operand, kByteDataColumn);
      }
      lastLength = length;
      k += length - 1;
    }
    ++row;
  }
  if (p.OriginList.empty()) return fail(MarkingFault::NothingMarked, 0);
  p.NewRowCount = row;
  return check;
}

Disassembly DisassembleRows(const Grid& table, const std::vector<bool>& mnemonicFlags) {
  Disassembly result;
  // Label value -> index of its label, so each operand finds its label at once.
  std::unordered_map<std::string, int> labelByValue;
  const auto& mnemonics = MnemonicsLUTList();
  for (int r = 0; r < table.Rows(); ++r) {
    const std::string& code = table.Text(r, kOpcodeColumn);
    if (code.empty() || table.Text(r, kLabelColumn) == kOriginText) continue;
    const bool instruction = r < static_cast<int>(mnemonicFlags.size()) && mnemonicFlags[r];
    if (!instruction) {
      result.rows.push_back({r, "DFB", {}});
      continue;
    }
    const int op = HexValue(code.substr(0, 2));
    if (op < 0 || op > 0xFF) continue;
    const std::string& m = mnemonics[static_cast<size_t>(op)];
    switch (CodeLength(code)) {
      case 1:
        result.rows.push_back({r, m, {}});
        break;
      case 2: {
        std::string name = GeneratedXXName(static_cast<int>(result.variables.size()));
        result.variables.emplace_back(name, OperandValue(code));
        result.rows.push_back({r, m + "  " + name, std::move(name)});
        break;
      }
      case 3: {
        std::string value = OperandValue(code);
        const auto [it, added] =
            labelByValue.try_emplace(value, static_cast<int>(result.labels.size()));
        if (added) {
          result.labels.emplace_back(GeneratedLabelName(it->second), std::move(value));
        }
        const std::string& name = result.labels[static_cast<size_t>(it->second)].first;
        result.rows.push_back({r, m + "  " + name, name});
        break;
      }
      default:
        break;
    }
  }
  return result;
}

std::vector<std::pair<int, int>> LabelPlaces(const Grid& table,
                                             const std::vector<std::string>& labelValues) {
  // Address -> the first row that has it.
  std::unordered_map<std::string_view, int> rowByAddress;
  rowByAddress.reserve(static_cast<size_t>(table.Rows()));
  for (int r = 1; r < table.Rows(); ++r) {
    if (table.Text(r, kLabelColumn) == kOriginText) continue;
    const std::string& address = table.Text(r, kAddressColumn);
    if (!address.empty()) rowByAddress.try_emplace(address, r);
  }
  std::vector<std::pair<int, int>> places;
  for (size_t j = 0; j < labelValues.size(); ++j) {
    if (auto it = rowByAddress.find(labelValues[j]); it != rowByAddress.end()) {
      places.emplace_back(it->second, static_cast<int>(j));
    }
  }
  return places;
}

}  // namespace parvix
