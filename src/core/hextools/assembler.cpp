#include "hextools/assembler.h"

#include <array>
#include <cstdint>

#include "base/hex_text.h"
#include "editor/programming_panel.h"
#include "hextools/hex_records.h"

namespace parvix {

namespace {

constexpr int kTopAddress = 0xFFFF;

}  // namespace

bool HasCode(const Grid& Table1) {
  for (int r = 1; r < Table1.Rows(); ++r) {
    if (!Table1.Text(r, kOpcodeColumn).empty()) return true;
  }
  return false;
}

bool EquivalentsAssigned(const SymbolLists& Symbols) {
  auto flagged = [](const std::vector<std::string>& list, size_t i) {
    // A missing entry counts as set, so that such a label is checked too.
    return i >= list.size() || list[i] != "0";
  };
  for (size_t i = 0; i < Symbols.LabelCombo.size(); ++i) {
    if (!flagged(Symbols.LabelPlacedList, i) && !flagged(Symbols.LabelUsedList, i)) continue;
    if (i >= Symbols.LabelEqtList.size() || Symbols.LabelEqtList[i] == UnassignedLabelEqt) {
      return false;
    }
  }
  for (size_t i = 0; i < Symbols.XXCombo.size(); ++i) {
    if (i >= Symbols.XXEqtList.size() || Symbols.XXEqtList[i] == UnassignedXXEqt) return false;
  }
  return true;
}

Grid StageProgram(const Grid& Table1) {
  std::vector<std::vector<Cell>> rows(Table1.Rows());
  for (int r = 0; r < Table1.Rows(); ++r) {
    std::vector<Cell>& staged = rows[r];
    staged.resize(kTempTableColumns);
    if (Table1.Text(r, kLabelColumn) == kOriginText) {
      staged[0].text = Table1.Text(r, kAddressColumn);
      staged[kTempOriginColumn].text = kOriginText;
      continue;
    }
    const std::string& code = Table1.Text(r, kOpcodeColumn);
    for (int k = 0; k < CodeLength(code); ++k) staged[k].text = CodeByte(code, k);
  }
  Grid TempTable(kTempTableColumns);
  TempTable.Reset(std::move(rows));
  return TempTable;
}

AssemblyResult AssembleRecords(const Grid& TempTable) {
  AssemblyResult result;
  std::vector<std::string>& records = result.records;
  std::vector<std::uint8_t> data;
  data.reserve(kMaxRecordBytes);
  int recordAddress = 0;  // the load address of the record under construction
  int nextAddress = 0;    // the address the next byte goes to
  bool inBlock = false;

  auto closeRecord = [&] {
    if (!data.empty()) records.push_back(DataRecordText(recordAddress, data));
    data.clear();
  };

  for (int r = 0; r < TempTable.Rows(); ++r) {
    if (TempTable.Text(r, kTempOriginColumn) == kOriginText) {
      closeRecord();
      // An origin text that is not hex starts at 0, as address assignment takes it.
      recordAddress = nextAddress = ParseHex(TempTable.Text(r, 0)).value_or(0);
      inBlock = true;
      continue;
    }
    if (!inBlock || TempTable.Text(r, 0).empty()) continue;
    std::array<int, 3> bytes{};
    int count = 0;
    for (int c = 0; c < 3; ++c) {
      const std::string& text = TempTable.Text(r, c);
      if (text.empty()) continue;
      const int value = HexByteValue(text);
      if (value < 0) {
        result.records.clear();
        result.fault = {AssemblyFault::Kind::NotHexByte, r, nextAddress, text};
        return result;
      }
      bytes[count++] = value;
    }
    // No record address can hold a byte beyond FFFF.
    if (nextAddress + count - 1 > kTopAddress) {
      result.records.clear();
      result.fault = {AssemblyFault::Kind::PastTopAddress, r, nextAddress, {}};
      return result;
    }
    for (int k = 0; k < count; ++k) {
      data.push_back(static_cast<std::uint8_t>(bytes[k]));
      if (static_cast<int>(data.size()) == kMaxRecordBytes) {
        closeRecord();
        recordAddress += kMaxRecordBytes;
      }
    }
    nextAddress += count;
  }
  closeRecord();
  records.push_back(kEndRecord);
  return result;
}

std::string AssemblyFaultText(const AssemblyFault& fault) {
  const std::string where = "Compile error. The code at address " + HexAtLeast4(fault.address) + "h ";
  switch (fault.kind) {
    case AssemblyFault::Kind::NotHexByte:
      return where + "holds '" + fault.byteText + "', which is not a hex byte.";
    case AssemblyFault::Kind::PastTopAddress:
      return where + "runs past FFFFh.";
    case AssemblyFault::Kind::None:
      break;
  }
  return {};
}

}  // namespace parvix
