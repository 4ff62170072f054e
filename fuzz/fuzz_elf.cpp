// Fuzz target: the ELF section reader, on a file holding the input bytes,
// and the resource parser on the section it finds.
//
// Promises checked beyond "no crash": reading the file and searching the
// same bytes in memory agree; error offsets are file offsets; a section that
// is found lies inside the file.
#include "fuzz_support.h"

#include "host/resources/elf_section.h"
#include "host/resources/plugin_resources.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// One scratch file per process, rewritten for every input and removed when
// the run ends.
class ScratchFile {
 public:
  ScratchFile() {
    char name[] = "/tmp/corvane_fuzz_elf_XXXXXX";
    int fd = mkstemp(name);
    corvane::fuzz::Require(fd >= 0, "a scratch file can be made");
    close(fd);
    path_ = name;
  }
  ~ScratchFile() { unlink(path_.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const std::string& ScratchPath() {
  static const ScratchFile file;
  return file.path();
}

void WriteScratch(const uint8_t* data, size_t size) {
  FILE* file = std::fopen(ScratchPath().c_str(), "wb");
  corvane::fuzz::Require(file != nullptr, "the scratch file opens");
  bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  corvane::fuzz::Require(std::fclose(file) == 0 && written, "the scratch file is written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvane::host;
  using corvane::fuzz::Require;
  const Bytes bytes(data, data + size);
  WriteScratch(data, size);

  Parsed<Bytes> fromFile = ReadElfSection(ScratchPath(), kResourceSectionName);
  Parsed<Bytes> inMemory = FindElfSection(bytes, kResourceSectionName);
  Require(fromFile.ok() == inMemory.ok(), "file and memory readers agree on success");
  if (!inMemory) {
    Require(inMemory.error().offset <= size, "error offsets are file offsets", inMemory.error().message());
    Require(fromFile.error().offset == inMemory.error().offset, "file and memory readers fail at one place");
    return 0;
  }
  Require(fromFile.value() == inMemory.value(), "file and memory readers find the same bytes");
  const Bytes& section = inMemory.value();
  Require(section.empty() || std::search(bytes.begin(), bytes.end(), section.begin(), section.end()) != bytes.end(),
          "the section's bytes are in the file");

  PluginResources::Result resources = PluginResources::FromRes(section);
  if (resources) resources->checkPipl();
  return 0;
}
