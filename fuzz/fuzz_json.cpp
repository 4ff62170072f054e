// Fuzz target: the JSON reader.
//
// Promises checked beyond "no crash": a failed read says why; a document
// that reads writes JSON that reads again and writes the very same text; the
// SVG writer takes any such document.
#include "fuzz_support.h"

#include "host/io/document_io.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvane;
  using fuzz::Require;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  host::ReadResult read = host::ReadJson(text);
  if (!read) {
    Require(!read.error.message.empty(), "a failed read says why");
    return 0;
  }
  std::string written = host::WriteJson(*read.document);
  host::ReadResult again = host::ReadJson(written);
  Require(static_cast<bool>(again), "written JSON reads back", again.error.message + "\n" + written);
  std::string rewritten = host::WriteJson(*again.document);
  Require(rewritten == written, "JSON round-trips to the same text",
          "first:\n" + written + "\nsecond:\n" + rewritten);
  host::WriteSvg(*read.document);  // must neither crash nor throw
  return 0;
}
