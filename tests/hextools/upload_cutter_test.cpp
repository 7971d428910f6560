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
  struct Case {
    std::string text;
    bool corrupt;
    Records records;  // all of them, or the good ones before a fault
  };
  const Case cases[] = {
      {kRecord + "\r\n" + kEndRecord + "\r\n", false, {kRecord, kEndRecord}},
      // The request's echo and noise before the first ":" go, and what follows the end record.
      {"ATV1Q0\r\n\x7f" + kRecord + "\r\n" + kNext + "\r\n" + kEndRecord + "\r\n:0380",
       false,
       {kRecord, kNext, kEndRecord}},
      // Line feeds alone, or none at all; lower-case digits kept as sent.
      {":03800000c300803a\n" + kNext + kEndRecord, false, {":03800000c300803a", kNext, kEndRecord}},
      {kEndRecord, false, {kEndRecord}},                                    // an empty memory range
      {kRecord + "\r\n:02800300760006\r\n" + kEndRecord, true, {kRecord}},  // checksum
      {kRecord + "\r\n::00000001FF", true, {kRecord}},                      // two ":" in a row
      {":0380000\r\n" + kEndRecord, true, {}},                              // short record
      {":03800000C300803A00\r\n" + kEndRecord, true, {}},                   // a byte too many
      {":03800000C3G0803A\r\n" + kEndRecord, true, {}},                     // not hex
      {kRecord + "\r\n:00000001ff\r\n" + kNext + kEndRecord, true, {kRecord}},  // an early end
      {kRecord + "\r\nxx" + kEndRecord, true, {}},  // noise after a record
      {kRecord + "\r\n:00000001ff\r\n", true, {}},  // no end record
  };
  for (const Case& c : cases) {
    const UploadCut cut = CutUpload(c.text);
    EXPECT_EQ(cut.corrupt, c.corrupt) << c.text;
    EXPECT_EQ(cut.records, c.records) << c.text;
  }
  // The records saved read back as they came.
  EXPECT_EQ(ReadHexFileText(HexFileText(cases[1].records)).records, cases[1].records);
}

}  // namespace
}  // namespace parvix
