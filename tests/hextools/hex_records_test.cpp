// Reading hex files' text into records, and taking one record apart.
#include <gtest/gtest.h>

#include "hextools/hex_records.h"

namespace parvix::testing {
namespace {

using Status = HexReadResult::Status;
using Records = std::vector<std::string>;

const std::string kData = ":038000003E0576C4";

TEST(HexReadTest, GoodFilesReadUpToTheirEndRecord) {
  // Quoted or not, spaces, any line end; what follows the end record is never looked at.
  const std::pair<std::string, Records> cases[] = {
      {"\":038000003E0576C4\"\r\n\":00000001FF\"\r\n", {kData, kEndRecord}},
      {"  \":038000003e0576c4\" \r\r\n\t:00000001FF\r:00000001ff\r\njunk", {kData, kEndRecord}},
      {":00800001" "7F\r\n\x1A:0100000000GARBAGE\r\n", {":008000017F"}},  // with a start address
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
      {kData + "\r\n", Status::Unreadable},
      {":03800000XX0576C4\r\n:00000001FF\r\n", Status::Unreadable},
      {kData + "EXTRA\n:00000001FF", Status::Ok},  // text after the checksum
      {":038000003E0576C5\n:00000001FF", Status::ChecksumError},
      {":0\n:00000001FF", Status::ChecksumError},
      {":0100000000FE\n:01000000ZZFF\n:00000001FF", Status::ChecksumError},  // first fault
  };
  for (const auto& [text, status] : cases) EXPECT_EQ(ReadHexFileText(text).status, status) << text;
}

TEST(HexRecordTest, ParseTakesAStrictRecordApart) {
  const HexRecord record = ParseRecord(":038000003e0576c4").value();
  EXPECT_EQ(record.address, 0x8000);
  EXPECT_EQ(record.data, (std::vector<std::uint8_t>{0x3E, 0x05, 0x76}));
  for (const char* bad : {"038000003E0576C4", ":048000003E0576C3", ":038000003E0576C4 "})
    EXPECT_FALSE(ParseRecord(bad)) << bad;
}

}  // namespace
}  // namespace parvix::testing
