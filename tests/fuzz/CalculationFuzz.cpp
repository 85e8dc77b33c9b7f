// The whole calculation on three texts (leak rate, reference pressure and
// equivalent pressure, separated by newlines): it writes both result boxes or
// neither, leaves the shared values alone, and fails only with the failure
// kinds a calculation may raise.
#include <cstdint>
#include <string>

#include "Equivalence.h"
#include "Failure.h"
#include "FakeWindow.h"
#include "FuzzCheck.h"
#include "Module1.h"
#include "NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::string parts[3];
  std::size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const std::size_t end = i < 2 ? input.find('\n', start) : std::string::npos;
    parts[i] = input.substr(std::min(start, input.size()), end == std::string::npos ? std::string::npos : end - start);
    start = end == std::string::npos ? input.size() : end + 1;
  }
  using varnock::Module1::strActual, varnock::Module1::strLR, varnock::Module1::strRef;
  strLR = parts[0];
  strRef = parts[1];
  strActual = parts[2];

  varnock::FakeWindow window;
  window.texts[varnock::Box::txtELRgal] = "old";
  window.texts[varnock::Box::txtELRml] = "old";
  try {
    varnock::equivalence::cmdCalculate_Click(window);
    FUZZ_CHECK(window.resultWrites == 2, "both result boxes written");
    for (auto box : {varnock::Box::txtELRgal, varnock::Box::txtELRml}) {
      varnock::TextToReal(window.Text(box));  // a result is a number
    }
  } catch (const varnock::Failure& failure) {
    FUZZ_CHECK(window.resultWrites == 0, "neither result box written");
    FUZZ_CHECK(failure.Entry().has_value(), "every report of the calculation leads back to an entry");
  }
  FUZZ_CHECK(strLR == parts[0] && strRef == parts[1] && strActual == parts[2], "shared values unchanged");
  return 0;
}
