// Intel HEX records and hex files as text. Nothing here touches a file or a
// port: the assembler, the two reading commands, the disassembly dialog and
// the upload all pass text in and take records out, and the tests and fuzz
// targets call the same functions.
//
// A record (`HexRecordText`) is ":" followed by pairs of hex digits: the byte
// count, the load address (high byte first), the record type ("00" data,
// "01" end of file), the data bytes and the checksum, which makes the sum of
// all the record's bytes 0 modulo 256. Records that the system makes are
// upper case with 1 to 16 data bytes; the end record is ":00000001FF".
// A hex file holds one record per line, written in double quotes with CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace parvix {

inline const std::string kEndRecord = ":00000001FF";
// The most data bytes a record that the system makes holds.
inline constexpr int kMaxRecordBytes = 16;

// The checksum of a record's bytes (count, address, type, data): the two's
// complement of the low byte of their sum.
std::uint8_t RecordChecksum(std::span<const std::uint8_t> bytes);

// A data record ready to write: ":", the count, the four-digit address, "00",
// the data and the checksum, upper case. `data` holds 1 to 255 bytes.
std::string DataRecordText(int address, std::span<const std::uint8_t> data);

// One record taken apart. Parsing is strict: a ":" first, hex digits of
// either case, exactly as many data bytes as the count says and a checksum
// that matches.
struct HexRecord {
  int address = 0;
  int type = 0;
  std::vector<std::uint8_t> data;
};
std::optional<HexRecord> ParseRecord(std::string_view text);

// True for an end-of-file record in any letter case, also one that carries a
// start address (":00010001FE"): a valid record of type 01 with no data.
bool IsEndRecord(std::string_view text);

// The checksum test that the reading commands apply to each loaded data
// record: the byte count plus five pairs from the second character on are
// added up and must give 0 modulo 256. Characters after those pairs are not
// looked at, and the first character is not looked at either.
enum class RecordCheck {
  Passed,
  BadChecksum,  // a pair missing (the record is short) or a sum that is not 0
  NotHex,       // a pair holds a character that is not a hex digit
};
RecordCheck CheckRecord(std::string_view record);

// A hex file's text: each record in double quotes followed by CR LF.
std::string HexFileText(const std::vector<std::string>& records);

// Reading a hex file's text into the record list (`HexList`): one record per
// line (CR LF, LF or CR), with or without enclosing double quotes and blanks
// around them, upper-cased; blank lines are skipped. Reading stops after the
// end record (in either case, also one with a start address) and ignores
// whatever follows it, such as a Ctrl-Z and stale text. Then every record but
// the end record passes the checksum test, the first failure deciding the
// outcome.
struct HexReadResult {
  enum class Status {
    Ok,
    Unreadable,     // no end record, or a pair that is not hex: "Unable to open"
    ChecksumError,  // "Check Sum error in"
  };
  Status status = Status::Unreadable;
  // What was read, the end record last when it was found.
  std::vector<std::string> records;
};
HexReadResult ReadHexFileText(std::string_view text);

}  // namespace parvix
