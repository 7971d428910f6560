// Fuzzes the cutting of an upload: any text a trainer (or line noise) sends
// must give records or a corrupt verdict, never a crash. Records that are
// accepted must be whole, checked records with the end record last, and the
// hex file written from them must read back to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "hextools/hex_records.h"
#include "hextools/upload_cutter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const parvix::UploadCut cut = parvix::CutUpload(text);
  const bool complete = text.find(parvix::kEndRecord) != std::string_view::npos;
  if (!complete && (!cut.corrupt || !cut.records.empty())) std::abort();
  for (size_t i = 0; i + 1 < cut.records.size(); ++i) {
    const auto record = parvix::ParseRecord(cut.records[i]);
    if (!record || record->type == 1) std::abort();
  }
  if (cut.corrupt) return 0;
  if (cut.records.empty() || cut.records.back() != parvix::kEndRecord) std::abort();
  const parvix::HexReadResult read = parvix::ReadHexFileText(parvix::HexFileText(cut.records));
  if (read.status != parvix::HexReadResult::Status::Ok) std::abort();
  if (read.records.size() != cut.records.size()) std::abort();
  for (size_t i = 0; i < cut.records.size(); ++i) {
    const std::string& mine = cut.records[i];
    const std::string& back = read.records[i];
    if (mine.size() != back.size()) std::abort();
    for (size_t c = 0; c < mine.size(); ++c) {
      const char up = mine[c] >= 'a' && mine[c] <= 'f' ? static_cast<char>(mine[c] - 32) : mine[c];
      if (up != back[c]) std::abort();
    }
  }
  return 0;
}
