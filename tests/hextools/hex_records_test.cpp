// Reading hex files' text into records, and taking one record apart.
#include <gtest/gtest.h>

#include "hextools/hex_records.h"

namespace parvix::testing {
namespace {

using Status = HexReadResult::Status;
using Records = std::vector<std::string>;

const std::string kData = ":038000003E0576C4";

TEST(HexReadTest, QuotedUnquotedAndAnyLineEndReadAlike) {
  const Records expected{kData, kEndRecord};
  for (const char* text : {"\":038000003E0576C4\"\r\n\":00000001FF\"\r\n",
                           ":038000003E0576C4\n:00000001FF\n",
                           ":038000003E0576C4\r:00000001FF",
                           "  \":038000003e0576c4\" \r\n\r\n\t:00000001FF\r\n"}) {
    const HexReadResult read = ReadHexFileText(text);
    EXPECT_EQ(read.status, Status::Ok) << text;
    EXPECT_EQ(read.records, expected) << text;
  }
}

TEST(HexReadTest, ReadingStopsAtTheEndRecordInEitherCase) {
  // A Ctrl-Z and stale text after the end record are never looked at.
  HexReadResult read = ReadHexFileText(":00000001FF\r\n\x1A:0100000000GARBAGE\r\n");
  EXPECT_EQ(read.status, Status::Ok);
  EXPECT_EQ(read.records, Records{kEndRecord});
  read = ReadHexFileText(kData + "\r\n:00000001ff\r\njunk");
  EXPECT_EQ(read.status, Status::Ok);
  EXPECT_EQ(read.records, (Records{kData, kEndRecord}));
  // An end record carrying a start address ends the file too.
  read = ReadHexFileText(kData + "\n:00800001" "7F\n");
  EXPECT_EQ(read.status, Status::Ok);
  EXPECT_EQ(read.records.back(), ":008000017F");
}

TEST(HexReadTest, DamagedFilesAreUnreadable) {
  // No end record at all, one with a wrong checksum, and a pair that is not hex.
  for (const char* text : {"", ":038000003E0576C4\r\n", ":00000001FE\r\n",
                           ":03800000XX0576C4\r\n:00000001FF\r\n"}) {
    EXPECT_EQ(ReadHexFileText(text).status, Status::Unreadable) << text;
  }
  // What was read before the fault stays.
  EXPECT_EQ(ReadHexFileText(kData).records, Records{kData});
}

TEST(HexReadTest, EveryDataRecordMustSumToZero) {
  auto status = [](const std::string& record) {
    return ReadHexFileText(record + "\r\n" + kEndRecord).status;
  };
  EXPECT_EQ(status(":0100000000FF"), Status::Ok);
  EXPECT_EQ(status(":0000000000"), Status::Ok);         // all bytes 00
  EXPECT_EQ(status(kData + "EXTRA"), Status::Ok);       // text after the checksum
  EXPECT_EQ(status(":038000003E0576C5"), Status::ChecksumError);  // off by one
  EXPECT_EQ(status(":038000003E0576C3"), Status::ChecksumError);
  EXPECT_EQ(status(":038000003E05C4"), Status::ChecksumError);    // one pair short
  EXPECT_EQ(status(":0"), Status::ChecksumError);
  // The first failing record decides.
  EXPECT_EQ(ReadHexFileText(":0100000000FE\n:01000000ZZFF\n:00000001FF").status,
            Status::ChecksumError);
}

TEST(HexRecordTest, ParseTakesAStrictRecordApart) {
  const std::optional<HexRecord> record = ParseRecord(":038000003e0576c4");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->address, 0x8000);
  EXPECT_EQ(record->type, 0);
  EXPECT_EQ(record->data, (std::vector<std::uint8_t>{0x3E, 0x05, 0x76}));
  for (const char* bad : {"038000003E0576C4", ":038000003E0576C5", ":048000003E0576C3",
                          ":038000003E0576C4 ", ":0380"}) {
    EXPECT_FALSE(ParseRecord(bad)) << bad;
  }
}

}  // namespace
}  // namespace parvix::testing
