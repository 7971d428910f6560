// Cutting an upload's text into the records of a hex file.
#include <gtest/gtest.h>

#include "hextools/hex_records.h"
#include "hextools/upload_cutter.h"

namespace parvix {
namespace {

using Records = std::vector<std::string>;

const std::string kRecord = ":03800000C300803A";
const std::string kNext = ":02800300760005";

TEST(UploadCutterTest, RecordsAreCutOutAndABadRecordMakesTheWholeUploadCorrupt) {
  const std::tuple<std::string, bool, Records> cases[] = {
      // The request's echo and noise before the first ":" go, and what follows the end record.
      {"ATV1Q0\r\n\x7f" + kRecord + "\r\n" + kNext + "\r\n" + kEndRecord + "\r\n:0380", false,
       {kRecord, kNext, kEndRecord}},
      // Line feeds alone, or none at all; lower-case digits kept as sent.
      {":03800000c300803a\n" + kNext + kEndRecord, false, {":03800000c300803a", kNext, kEndRecord}},
      {kEndRecord, false, {kEndRecord}},                                    // an empty memory range
      {kRecord + "\r\n:02800300760006\r\n" + kEndRecord, true, {kRecord}},  // checksum
      {":0380000\r\n" + kEndRecord, true, {}},                              // short record
      {kRecord + "\r\n:00000001ff\r\n" + kNext + kEndRecord, true, {kRecord}},  // an early end
      {kRecord + "\r\nxx" + kEndRecord, true, {}},  // noise after a record
  };
  for (const auto& [text, corrupt, records] : cases) {
    const UploadCut cut = CutUpload(text);
    EXPECT_EQ(cut.corrupt, corrupt) << text;
    EXPECT_EQ(cut.records, records) << text;
  }
  const Records& saved = std::get<2>(cases[0]);  // saved, they read back as they came
  EXPECT_EQ(ReadHexFileText(HexFileText(saved)).records, saved);
}

}  // namespace
}  // namespace parvix
