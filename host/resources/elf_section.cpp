#include "host/resources/elf_section.h"

#include "host/resources/byte_reader.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace corvane::host {
namespace {

constexpr size_t kElfHeaderSize = 64;
constexpr size_t kSectionHeaderSize = 64;
constexpr uint32_t kNoBits = 8;          // SHT_NOBITS: occupies no file space
constexpr uint16_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX
// Plug-in libraries are small; refusing huge files keeps a stray path from
// exhausting memory.
constexpr uintmax_t kMaxFileSize = uintmax_t{1} << 30;

struct SectionHeader {
  uint32_t name = 0;
  uint32_t type = 0;
  uint64_t offset = 0;
  uint64_t size = 0;
  uint32_t link = 0;
};

// True when [offset, offset + size) lies inside a file of fileSize bytes.
bool Inside(uint64_t offset, uint64_t size, size_t fileSize) {
  return offset <= fileSize && size <= fileSize - offset;
}

SectionHeader ReadSectionHeader(const Bytes& file, uint64_t at) {
  ByteReader r(file.data() + at, kSectionHeaderSize, at);
  SectionHeader h;
  h.name = r.u32();
  h.type = r.u32();
  r.skip(8 + 8);  // flags, address
  h.offset = r.u64();
  h.size = r.u64();
  h.link = r.u32();
  return h;
}

// The NUL-terminated name at index within the string table section, or
// nothing when it does not end inside the table.
bool NameAt(const Bytes& file, const SectionHeader& strtab, uint32_t index, std::string& name) {
  if (index >= strtab.size) return false;
  const char* begin = reinterpret_cast<const char*>(file.data() + strtab.offset + index);
  size_t limit = strtab.size - index;
  size_t len = 0;
  while (len < limit && begin[len] != '\0') ++len;
  if (len == limit) return false;
  name.assign(begin, len);
  return true;
}

}  // namespace

Parsed<Bytes> FindElfSection(const Bytes& file, const std::string& name) {
  using R = Parsed<Bytes>;
  if (file.size() < 4 || file[0] != 0x7F || file[1] != 'E' || file[2] != 'L' || file[3] != 'F')
    return R::Fail(0, "not an ELF file (no \\x7fELF magic)");
  if (file.size() < kElfHeaderSize)
    return R::Fail(file.size(), "truncated ELF header: " + std::to_string(file.size()) +
                                    " bytes, needs " + std::to_string(kElfHeaderSize));
  if (file[4] != 2) return R::Fail(4, "not a 64-bit ELF file (class " + std::to_string(file[4]) + ")");
  if (file[5] != 1)
    return R::Fail(5, "not a little-endian ELF file (data encoding " + std::to_string(file[5]) + ")");

  ByteReader header(file.data(), kElfHeaderSize);
  header.skip(0x28);
  uint64_t shoff = header.u64();
  header.skip(0x3A - 0x30);
  uint16_t shentsize = header.u16();
  uint64_t shnum = header.u16();
  uint32_t shstrndx = header.u16();

  if (shoff == 0) return R::Fail(0x28, "the file has no section header table");
  if (shentsize < kSectionHeaderSize)
    return R::Fail(0x3A, "section header size " + std::to_string(shentsize) + " is below 64");
  if (!Inside(shoff, kSectionHeaderSize, file.size()))
    return R::Fail(0x28, "section header table at " + std::to_string(shoff) + " lies outside the file");
  // Counts too large for the ELF header live in the first section header.
  SectionHeader first = ReadSectionHeader(file, shoff);
  if (shnum == 0) shnum = first.size;
  if (shstrndx == kExtendedIndex) shstrndx = first.link;
  if (shnum > (file.size() - shoff) / shentsize)
    return R::Fail(0x3C, std::to_string(shnum) + " section headers of " + std::to_string(shentsize) +
                             " bytes at " + std::to_string(shoff) + " run past the end of the file");
  if (shstrndx >= shnum)
    return R::Fail(0x3E, "section name table index " + std::to_string(shstrndx) + " is not below " +
                             std::to_string(shnum));

  uint64_t strtabAt = shoff + uint64_t{shstrndx} * shentsize;
  SectionHeader strtab = ReadSectionHeader(file, strtabAt);
  if (strtab.type == kNoBits || !Inside(strtab.offset, strtab.size, file.size()))
    return R::Fail(strtabAt, "section name table lies outside the file");

  for (uint64_t i = 0; i < shnum; ++i) {
    uint64_t at = shoff + i * shentsize;
    SectionHeader section = ReadSectionHeader(file, at);
    std::string sectionName;
    if (!NameAt(file, strtab, section.name, sectionName) || sectionName != name) continue;
    if (section.type == kNoBits) return R::Fail(at, "section " + name + " has no contents in the file");
    if (!Inside(section.offset, section.size, file.size()))
      return R::Fail(at, "section " + name + " (" + std::to_string(section.size) + " bytes at " +
                             std::to_string(section.offset) + ") runs past the end of the file");
    auto begin = file.begin() + static_cast<std::ptrdiff_t>(section.offset);
    return Bytes(begin, begin + static_cast<std::ptrdiff_t>(section.size));
  }
  return R::Fail(0, "no section named " + name);
}

Parsed<Bytes> ReadElfSection(const std::string& path, const std::string& name) {
  using R = Parsed<Bytes>;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return R::Fail(0, path + " is not a regular file");
  uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return R::Fail(0, path + ": " + ec.message());
  if (size > kMaxFileSize) return R::Fail(0, path + " is too large to be a plug-in");
  std::ifstream in(path, std::ios::binary);
  if (!in) return R::Fail(0, path + " cannot be opened");
  Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return R::Fail(0, path + " cannot be read");
  Parsed<Bytes> section = FindElfSection(file, name);
  if (!section) return ParseError{section.error().offset, path + ": " + section.error().description};
  return section;
}

}  // namespace corvane::host
