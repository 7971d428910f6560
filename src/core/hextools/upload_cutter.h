// Cutting the text a trainer sent on an upload request into hex records.
//
// The trainer answers with Intel HEX records, each followed by a line end,
// and the end record ":00000001FF" last. The text as received may also hold
// an echo of the request or line noise before the first record, and whatever
// came after the end record. The cutter takes the text up to the first
// ":00000001FF" and gives the records that a hex file of the upload holds:
//   - characters before the first ":" are dropped;
//   - each record runs from its ":" to the next ":"; the line end after it
//     (carriage returns, line feeds, blanks) is dropped;
//   - every record before the end record must be a whole record with a
//     matching checksum, and not an end record of its own;
//   - the end record is saved exactly as ":00000001FF"; what follows it is
//     dropped, so the saved file reads back through the hex file reader.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parvix {

struct UploadCut {
  // A record that failed its checks, or no end record: nothing may be saved.
  bool corrupt = false;
  // The records, the end record last; when corrupt, the good records that
  // came before the bad one.
  std::vector<std::string> records;
};

UploadCut CutUpload(std::string_view uploadText);

}  // namespace parvix
