// Fuzzes the hex-file reader: any bytes must give records and a verdict,
// never a crash, an overflow or a runaway allocation. Whatever was read must
// survive the writer: written as a hex file and read again, it gives the same
// records and the same verdict. A record that parses strictly as data is the
// record the assembler would write for its address and bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "hextools/hex_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const parvix::HexReadResult read = parvix::ReadHexFileText(bytes);
  using Status = parvix::HexReadResult::Status;
  if (read.status != Status::Unreadable && !parvix::IsEndRecord(read.records.back())) std::abort();
  if (read.status == Status::Ok) {
    for (std::size_t i = 0; i + 1 < read.records.size(); ++i) {
      if (parvix::CheckRecord(read.records[i]) != parvix::RecordCheck::Passed) std::abort();
    }
  }
  const parvix::HexReadResult again = parvix::ReadHexFileText(parvix::HexFileText(read.records));
  if (again.status != read.status || again.records != read.records) std::abort();
  for (const std::string& text : read.records) {
    const auto record = parvix::ParseRecord(text);
    if (!record || record->type != 0 || record->data.empty()) continue;
    if (parvix::DataRecordText(record->address, record->data) != text) std::abort();
  }
  return 0;
}
