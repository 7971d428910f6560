// Cutting an upload's text into the records of a hex file.
#include <gtest/gtest.h>

#include "hextools/hex_records.h"
#include "hextools/upload_cutter.h"

namespace parvix {
namespace {

using Records = std::vector<std::string>;

const std::string kRecord = ":03800000C300803A";
const std::string kNext = ":02800300760005";

TEST(UploadCutterTest, RecordsLoseTheirLineEndsAndTheEndRecordIsSavedExactly) {
  // One data record, the end record, and their line ends.
  UploadCut cut = CutUpload(kRecord + "\r\n" + kEndRecord + "\r\n");
  EXPECT_FALSE(cut.corrupt);
  EXPECT_EQ(cut.records, (Records{kRecord, kEndRecord}));

  // The echo of the request and noise before the first ":" are dropped, and
  // so is what came after the end record in the same piece.
  cut = CutUpload("ATV1Q0\r\n\x7f" + kRecord + "\r\n" + kNext + "\r\n" + kEndRecord +
                  "\r\n:0380");
  EXPECT_FALSE(cut.corrupt);
  EXPECT_EQ(cut.records, (Records{kRecord, kNext, kEndRecord}));
  EXPECT_EQ(ReadHexFileText(HexFileText(cut.records)).records, cut.records);

  // Line feeds alone, or none at all, are line ends too; lower-case digits
  // of a data record are kept as sent.
  cut = CutUpload(":03800000c300803a\n" + kNext + kEndRecord);
  EXPECT_FALSE(cut.corrupt);
  EXPECT_EQ(cut.records, (Records{":03800000c300803a", kNext, kEndRecord}));

  // Only the end record: an empty memory range.
  EXPECT_EQ(CutUpload(kEndRecord).records, Records{kEndRecord});
}

TEST(UploadCutterTest, ABadRecordMakesTheWholeUploadCorrupt) {
  struct Case {
    std::string text;
    Records goodBefore;
  };
  const Case cases[] = {
      {kRecord + "\r\n:02800300760006\r\n" + kEndRecord, {kRecord}},  // checksum
      {kRecord + "\r\n::00000001FF", {kRecord}},                       // two ":" in a row
      {":0380000\r\n" + kEndRecord, {}},                                // short record
      {":03800000C300803A00\r\n" + kEndRecord, {}},                     // a byte too many
      {":03800000C3G0803A\r\n" + kEndRecord, {}},                       // not hex
      {kRecord + "\r\n:00000001ff\r\n" + kNext + kEndRecord, {kRecord}},  // an early end
      {kRecord + "\r\nxx" + kEndRecord, {}},                              // noise after a record
      {kRecord + "\r\n:00000001ff\r\n", {}},                              // no end record
  };
  for (const Case& c : cases) {
    const UploadCut cut = CutUpload(c.text);
    EXPECT_TRUE(cut.corrupt) << c.text;
    EXPECT_EQ(cut.records, c.goodBefore) << c.text;
  }
}

}  // namespace
}  // namespace parvix
