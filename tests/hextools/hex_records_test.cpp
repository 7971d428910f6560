// Reading hex files' text into records, and taking one record apart.
#include <gtest/gtest.h>

#include "hextools/hex_records.h"

namespace parvix::testing {
namespace {

using Status = HexReadResult::Status;
using Records = std::vector<std::string>;

const std::string kData = ":038000003E0576C4";

TEST(HexReadTest, GoodFilesReadUpToTheirEndRecord) {
  // Quoted or not, any line end; a Ctrl-Z and stale text after the end record
  // are never looked at; an end record with a start address ends the file too.
  const std::pair<std::string, Records> cases[] = {
      {"\":038000003E0576C4\"\r\n\":00000001FF\"\r\n", {kData, kEndRecord}},
      {":038000003E0576C4\n:00000001FF\n", {kData, kEndRecord}},
      {":038000003E0576C4\r:00000001FF", {kData, kEndRecord}},
      {"  \":038000003e0576c4\" \r\n\r\n\t:00000001FF\r\n", {kData, kEndRecord}},
      {":00000001FF\r\n\x1A:0100000000GARBAGE\r\n", {kEndRecord}},
      {kData + "\r\n:00000001ff\r\njunk", {kData, kEndRecord}},
      {kData + "\n:00800001" "7F\n", {kData, ":008000017F"}},
  };
  for (const auto& [text, records] : cases) {
    const HexReadResult read = ReadHexFileText(text);
    EXPECT_EQ(read.status, Status::Ok) << text;
    EXPECT_EQ(read.records, records) << text;
  }
}

TEST(HexReadTest, DamagedFilesAndBadChecksumsAreRefused) {
  // No end record, a bad one, or no hex: unreadable; every data record must sum to zero.
  const std::pair<std::string, Status> cases[] = {
      {"", Status::Unreadable},
      {kData + "\r\n", Status::Unreadable},
      {":00000001FE\r\n", Status::Unreadable},
      {":03800000XX0576C4\r\n:00000001FF\r\n", Status::Unreadable},
      {":0100000000FF\n:00000001FF", Status::Ok},
      {":0000000000\n:00000001FF", Status::Ok},
      {kData + "EXTRA\n:00000001FF", Status::Ok},  // text after the checksum
      {":038000003E0576C5\n:00000001FF", Status::ChecksumError},
      {":038000003E05C4\n:00000001FF", Status::ChecksumError},  // one pair short
      {":0\n:00000001FF", Status::ChecksumError},
      {":0100000000FE\n:01000000ZZFF\n:00000001FF",
       Status::ChecksumError},  // the first fault decides
  };
  for (const auto& [text, status] : cases) EXPECT_EQ(ReadHexFileText(text).status, status) << text;
  // What was read before the fault stays.
  EXPECT_EQ(ReadHexFileText(kData).records, Records{kData});
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
