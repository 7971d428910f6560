// The program file's reader and writer: text in, text out, no file I/O.
#include <algorithm>

#include "editor/program_file.h"
#include "editor/program_table.h"
#include "symbols/symbol_lists.h"

namespace parvix {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kEot = "EOT";
constexpr std::string_view kEof = "EOF";
constexpr size_t kMaxCountDigits = 9;  // keeps every count within a 32-bit int
constexpr size_t kItemsPerRow = 6;
// The fewest bytes an item takes: its delimiter alone (an empty item). A label
// or variable line takes at least three: a one-letter name, the comma and the
// empty equivalent's line end.
constexpr size_t kMinRowBytes = kItemsPerRow;
constexpr size_t kMinStringEntryBytes = 3;

// What a program takes in memory while it is read and put into the tables:
// a row's record plus its cells in the program table and the operand table,
// and a name's entry plus its place in the name list, its index and its
// equivalent. A file is refused when its counts ask for more than a small
// multiple of its own size (with room for any small file), so a few bytes
// per row cannot make the reader ask for gigabytes. Every file the program
// writes fits: a written row takes at least 24 bytes, a name made here with
// its equivalent at least 10 ("a","XX" and the line end).
constexpr size_t kRowMemory = 512;
constexpr size_t kNameMemory = 256;
constexpr size_t kMemoryPerFileByte = 32;
constexpr size_t kMemoryForAnyFile = size_t{64} << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
// Control characters have no place in any text of a program; finding one
// means the file holds binary data. The tab is the one allowed.
bool IsControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u < 0x20 && c != '\t') || u == 0x7F;
}

// Splits a program file into its items the way the system reads them:
// quotes are optional, a comma or a line end (CR LF, LF or CR) ends an item,
// blanks around an item are skipped.
class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : text_(text) {}

  size_t Remaining() const { return text_.size() - pos_; }

  // The next item, or a fault. The view points into the text.
  ProgramFileFault Next(std::string_view& item) {
    SkipBlanks();
    if (pos_ >= text_.size()) return ProgramFileFault::Truncated;
    if (text_[pos_] == '"') {
      const size_t start = ++pos_;
      while (pos_ < text_.size() && text_[pos_] != '"' && !IsLineEnd(text_[pos_])) ++pos_;
      if (pos_ >= text_.size() || text_[pos_] != '"') return ProgramFileFault::UnterminatedQuote;
      item = text_.substr(start, pos_ - start);
      ++pos_;
      SkipBlanks();
      if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
        return ProgramFileFault::TrailingText;
      }
    } else {
      const size_t start = pos_;
      while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
        if (text_[pos_] == '"') return ProgramFileFault::StrayQuote;
        ++pos_;
      }
      size_t end = pos_;
      while (end > start && IsBlank(text_[end - 1])) --end;
      item = text_.substr(start, end - start);
    }
    if (std::any_of(item.begin(), item.end(), IsControl)) return ProgramFileFault::ControlCharacter;
    SkipDelimiter();
    return ProgramFileFault::None;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  void SkipDelimiter() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',' || text_[pos_] == '\n') {
      ++pos_;
    } else if (text_[pos_] == '\r') {
      ++pos_;
      if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
};

// A count: one to nine decimal digits, nothing else (no sign).
bool ParseCount(std::string_view item, int& count) {
  if (item.empty() || item.size() > kMaxCountDigits) return false;
  int value = 0;
  for (char c : item) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  count = value;
  return true;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Windows-1252 bytes 80 to 9F; the rest of the upper half is Latin-1.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Reads the items of a whole file into `content`.
class ProgramFileParser {
 public:
  explicit ProgramFileParser(std::string_view text)
      : items_(text),
        memoryLeft_(std::max(kMemoryForAnyFile, text.size() * kMemoryPerFileByte)) {}

  ProgramFileFault Parse(ProgramFileContent& content) {
    std::string_view item;
    if (auto f = items_.Next(item); f != ProgramFileFault::None) return f;  // the warning
    if (auto f = items_.Next(item); f != ProgramFileFault::None) return f;
    if (item != kProgramFileMachine) return ProgramFileFault::NotProgramFile;

    int rows = 0;
    if (auto f = Count(rows); f != ProgramFileFault::None) return f;
    // The counts are checked before anything is reserved for them.
    if (!FitsProgramTable(rows)) return ProgramFileFault::TooManyRows;
    if (!Take(static_cast<size_t>(rows), kRowMemory)) return ProgramFileFault::TooLarge;
    if (static_cast<size_t>(rows) > items_.Remaining() / kMinRowBytes) {
      return ProgramFileFault::Truncated;
    }
    content.rows.reserve(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
      ProgramRowRecord& record = content.rows.emplace_back();
      for (std::string& cell : record) {
        if (auto f = Text(cell); f != ProgramFileFault::None) return f;
      }
      if (record[kLabelColumn] == kOriginText && !IsOriginAddress(record[kAddressColumn])) {
        return ProgramFileFault::BadValue;
      }
    }
    if (content.rows.empty() || content.rows[0][0] != kOriginText) {
      return ProgramFileFault::NoOriginRow;
    }

    if (auto f = items_.Next(item); f != ProgramFileFault::None) return f;
    if (item != kEot) return ProgramFileFault::MissingEot;
    if (auto f = Strings(content.labels, IsLabelEquivalent); f != ProgramFileFault::None) return f;
    if (auto f = Strings(content.variables, IsVariableEquivalent); f != ProgramFileFault::None) {
      return f;
    }
    if (auto f = items_.Next(item); f != ProgramFileFault::None) return f;
    if (item != kEof) return ProgramFileFault::MissingEof;
    // Whatever follows "EOF" is not read.
    return ProgramFileFault::None;
  }

 private:
  ProgramFileFault Count(int& count) {
    std::string_view item;
    if (auto f = items_.Next(item); f != ProgramFileFault::None) return f;
    return ParseCount(item, count) ? ProgramFileFault::None : ProgramFileFault::BadCount;
  }

  // Takes the memory of `count` things of `each` bytes from what the file
  // may use; false when it is not there.
  bool Take(size_t count, size_t each) {
    if (count > memoryLeft_ / each) return false;
    memoryLeft_ -= count * each;
    return true;
  }

  // One text item. The encoding is decided item by item: a file may mix
  // texts written here (UTF-8) with texts from an 8-bit editor, and one
  // stray byte must not turn every other accented text into mojibake.
  ProgramFileFault Text(std::string& text) {
    std::string_view item;
    if (auto f = items_.Next(item); f != ProgramFileFault::None) return f;
    if (IsValidUtf8(item)) {
      text.assign(item);
    } else {
      text = Windows1252ToUtf8(item);
    }
    return ProgramFileFault::None;
  }

  // A count, then that many name and equivalent pairs. A name that breaks
  // the name rule (no panel lets one in), or an equivalent of a form the
  // program never writes, marks a damaged file.
  ProgramFileFault Strings(std::vector<StringEntry>& list, bool (*isEquivalent)(std::string_view)) {
    int count = 0;
    if (auto f = Count(count); f != ProgramFileFault::None) return f;
    if (!Take(static_cast<size_t>(count), kNameMemory)) return ProgramFileFault::TooLarge;
    if (static_cast<size_t>(count) > items_.Remaining() / kMinStringEntryBytes) {
      return ProgramFileFault::Truncated;
    }
    list.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
      StringEntry& entry = list.emplace_back();
      if (auto f = Text(entry.first); f != ProgramFileFault::None) return f;
      if (!IsValidName(entry.first)) return ProgramFileFault::BadName;
      if (auto f = Text(entry.second); f != ProgramFileFault::None) return f;
      if (!isEquivalent(entry.second)) return ProgramFileFault::BadValue;
    }
    return ProgramFileFault::None;
  }

  ItemReader items_;
  size_t memoryLeft_;
};

// Appends a text as one quoted item, leaving out what the format cannot hold:
// a double quote would end the text early and a control character (a line
// break above all) would split it.
void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  if (std::none_of(text.begin(), text.end(), [](char c) { return c == '"' || IsControl(c); })) {
    out += text;
  } else {
    for (char c : text) {
      if (c != '"' && !IsControl(c)) out += c;
    }
  }
  out += '"';
}

void AppendQuotedLine(std::string& out, std::string_view text) {
  AppendQuoted(out, text);
  out += kCrLf;
}

void AppendCountLine(std::string& out, size_t count) {
  out += std::to_string(count);
  out += kCrLf;
}

void AppendStrings(std::string& out, const std::vector<StringEntry>& list) {
  AppendCountLine(out, list.size());
  for (const StringEntry& entry : list) {
    AppendQuoted(out, entry.first);
    out += ',';
    AppendQuotedLine(out, entry.second);
  }
}

}  // namespace

const char* ProgramFileFaultText(ProgramFileFault fault) {
  switch (fault) {
    case ProgramFileFault::None: return "no fault";
    case ProgramFileFault::Truncated: return "the file ends too early";
    case ProgramFileFault::NotProgramFile: return "the second item is not 8085";
    case ProgramFileFault::BadCount: return "a count is not a plain number";
    case ProgramFileFault::NoOriginRow: return "row 0 is not an origin row";
    case ProgramFileFault::MissingEot: return "EOT is missing after the rows";
    case ProgramFileFault::MissingEof: return "EOF is missing after the variables";
    case ProgramFileFault::UnterminatedQuote: return "a quoted text is not closed";
    case ProgramFileFault::TrailingText: return "text follows a closing quote";
    case ProgramFileFault::StrayQuote: return "a quote inside an unquoted item";
    case ProgramFileFault::ControlCharacter: return "a control character inside an item";
    case ProgramFileFault::TooLarge: return "the counts ask for more memory than the file may use";
    case ProgramFileFault::TooManyRows: return "more rows than the program table holds";
    case ProgramFileFault::BadName: return "a name breaks the name rule";
    case ProgramFileFault::BadValue:
      return "a value or address the program never writes";
  }
  return "unknown fault";
}

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
      ++i;
      continue;
    }
    size_t length;
    char32_t code;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
      length = 2;
      code = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
      length = 3;
      code = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
      length = 4;
      code = b0 & 0x07;
    } else {
      return false;
    }
    if (n - i < length) return false;
    for (size_t k = 1; k < length; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      code = (code << 6) | (b & 0x3F);
    }
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else if (b < 0xA0) {
      AppendUtf8(out, kWindows1252High[b - 0x80]);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

ProgramFileReadResult ReadProgramFile(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
  ProgramFileReadResult result;
  ProgramFileParser parser(bytes);
  result.fault = parser.Parse(result.content);
  if (!result.ok()) result.content = {};
  return result;
}

std::string WriteProgramFile(const ProgramFileContent& content) {
  // Most rows are short: reserve for a typical row so that the text grows
  // in a few steps only.
  std::string out;
  out.reserve(256 + content.rows.size() * 64 +
              (content.labels.size() + content.variables.size()) * 16);
  AppendQuotedLine(out, kProgramFileWarning);
  AppendQuotedLine(out, kProgramFileMachine);
  AppendCountLine(out, content.rows.size());
  for (const ProgramRowRecord& record : content.rows) {
    for (const std::string& cell : record) AppendQuotedLine(out, cell);
  }
  AppendQuotedLine(out, kEot);
  AppendStrings(out, content.labels);
  AppendStrings(out, content.variables);
  AppendQuotedLine(out, kEof);
  return out;
}

}  // namespace parvix
