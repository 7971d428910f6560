#include "hextools/hex_records.h"

#include "base/hex_text.h"

namespace parvix {

namespace {

// The byte of the two characters at `at`, or -1 when they are not hex digits.
int PairValue(std::string_view text, size_t at) { return HexByteValue(text.substr(at, 2)); }

// Blanks, tabs and the Ctrl-Z that old editors put at the end of a text.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\x1A'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// One line of a hex file as a record: blanks and enclosing double quotes
// removed, hex digits upper-cased.
std::string RecordOfLine(std::string_view line) {
  line = TrimBlanks(line);
  if (!line.empty() && line.front() == '"') line.remove_prefix(1);
  if (!line.empty() && line.back() == '"') line.remove_suffix(1);
  line = TrimBlanks(line);
  std::string record(line);
  for (char& c : record) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return record;
}

}  // namespace

std::uint8_t RecordChecksum(std::span<const std::uint8_t> bytes) {
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  return static_cast<std::uint8_t>((256 - (sum & 0xFF)) & 0xFF);
}

std::string DataRecordText(int address, std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(data.size() + 4);
  bytes.push_back(static_cast<std::uint8_t>(data.size()));
  bytes.push_back(static_cast<std::uint8_t>((address >> 8) & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(address & 0xFF));
  bytes.push_back(0);
  bytes.insert(bytes.end(), data.begin(), data.end());
  std::string text = ":";
  text.reserve(1 + 2 * (bytes.size() + 1));
  for (std::uint8_t b : bytes) text += Hex2(b);
  text += Hex2(RecordChecksum(bytes));
  return text;
}

std::optional<HexRecord> ParseRecord(std::string_view text) {
  // ":" count(2) address(4) type(2) checksum(2) at the least.
  if (text.size() < 11 || text[0] != ':' || (text.size() - 1) % 2 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve((text.size() - 1) / 2);
  for (size_t at = 1; at < text.size(); at += 2) {
    const int value = PairValue(text, at);
    if (value < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  const size_t count = bytes[0];
  if (bytes.size() != count + 5) return std::nullopt;
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  if ((sum & 0xFF) != 0) return std::nullopt;
  HexRecord record;
  record.address = bytes[1] * 256 + bytes[2];
  record.type = bytes[3];
  record.data.assign(bytes.begin() + 4, bytes.end() - 1);
  return record;
}

bool IsEndRecord(std::string_view text) {
  if (text == kEndRecord) return true;
  // A record without data is eleven characters long.
  if (text.size() != kEndRecord.size()) return false;
  const std::optional<HexRecord> record = ParseRecord(text);
  return record && record->type == 1 && record->data.empty();
}

RecordCheck CheckRecord(std::string_view record) {
  // The byte count stands in characters 2 and 3 (from 1).
  if (record.size() < 3) return RecordCheck::BadChecksum;
  const int count = PairValue(record, 1);
  if (count < 0) return RecordCheck::NotHex;
  const size_t pairs = static_cast<size_t>(count) + 5;
  unsigned sum = 0;
  for (size_t k = 0; k < pairs; ++k) {
    const size_t at = 1 + 2 * k;
    if (at + 2 > record.size()) return RecordCheck::BadChecksum;
    const int value = PairValue(record, at);
    if (value < 0) return RecordCheck::NotHex;
    sum += static_cast<unsigned>(value);
  }
  return (sum & 0xFF) == 0 ? RecordCheck::Passed : RecordCheck::BadChecksum;
}

std::string HexFileText(const std::vector<std::string>& records) {
  std::string text;
  size_t size = 0;
  for (const std::string& r : records) size += r.size() + 4;
  text.reserve(size);
  for (const std::string& r : records) {
    text += '"';
    text += r;
    text += "\"\r\n";
  }
  return text;
}

HexReadResult ReadHexFileText(std::string_view text) {
  HexReadResult result;
  bool ended = false;
  size_t start = 0;
  while (start < text.size()) {
    // A line ends at CR LF, LF or CR; the empty lines between are skipped.
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string record = RecordOfLine(text.substr(start, end - start));
    start = end + 1;
    if (record.empty()) continue;
    const bool last = IsEndRecord(record);
    result.records.push_back(std::move(record));
    if (last) {
      ended = true;
      break;
    }
  }
  if (!ended) {
    result.status = HexReadResult::Status::Unreadable;
    return result;
  }
  for (size_t i = 0; i + 1 < result.records.size(); ++i) {
    switch (CheckRecord(result.records[i])) {
      case RecordCheck::Passed:
        break;
      case RecordCheck::NotHex:
        result.status = HexReadResult::Status::Unreadable;
        return result;
      case RecordCheck::BadChecksum:
        result.status = HexReadResult::Status::ChecksumError;
        return result;
    }
  }
  result.status = HexReadResult::Status::Ok;
  return result;
}

}  // namespace parvix
