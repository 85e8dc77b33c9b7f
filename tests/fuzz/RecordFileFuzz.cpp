// Any bytes as a record file: opened or refused with the file's own kind of
// failure, never anything else; what opens writes back to a file that opens
// as the same record, and each line has a verdict.
#include <cstdint>
#include <string_view>

#include "Failure.h"
#include "FuzzCheck.h"
#include "Record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace record = varnock::record;
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  try {
    const record::Record opened = record::FromCsv(file);
    const record::Record again = record::FromCsv(record::ToCsv(opened));
    FUZZ_CHECK(again.details == opened.details && again.lines == opened.lines, "a written record reads back");
    for (const record::Line& line : opened.lines) {
      FUZZ_CHECK(record::Verdict(line).empty() == !line.measured, "a verdict for every measured line");
    }
  } catch (const varnock::Failure& failure) {
    FUZZ_CHECK(failure.kind() == varnock::FailureKind::Opening, "refused as a file that does not open");
  }
  return 0;
}
