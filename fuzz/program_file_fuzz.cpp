// Fuzzes the program-file reader: any bytes must give a program or a fault,
// never a crash, an overflow or a runaway allocation. A text that reads well
// must also survive the writer: written and read again, it gives the same
// program.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "editor/program_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const parvix::ProgramFileReadResult read = parvix::ReadProgramFile(bytes);
  if (!read.ok()) return 0;
  const std::string written = parvix::WriteProgramFile(read.content);
  const parvix::ProgramFileReadResult again = parvix::ReadProgramFile(written);
  if (!again.ok() || !(again.content == read.content)) std::abort();
  return 0;
}
