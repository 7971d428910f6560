#include "hextools/upload_cutter.h"

#include "hextools/hex_records.h"

namespace parvix {

namespace {

bool IsLineEndChar(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }

}  // namespace

UploadCut CutUpload(std::string_view uploadText) {
  UploadCut cut;
  const size_t end = uploadText.find(kEndRecord);
  if (end == std::string_view::npos) {
    cut.corrupt = true;
    return cut;
  }
  std::string_view body = uploadText.substr(0, end);
  // An echo of the request or noise before the first record belongs to none.
  const size_t first = body.find(':');
  body = first == std::string_view::npos ? std::string_view() : body.substr(first);
  while (!body.empty()) {
    const size_t next = body.find(':', 1);
    std::string_view record = body.substr(0, next);
    body = next == std::string_view::npos ? std::string_view() : body.substr(next);
    while (!record.empty() && IsLineEndChar(record.back())) record.remove_suffix(1);
    const auto parsed = ParseRecord(record);
    if (!parsed || parsed->type == 1) {
      cut.corrupt = true;
      return cut;
    }
    cut.records.emplace_back(record);
  }
  cut.records.push_back(kEndRecord);
  return cut;
}

}  // namespace parvix
