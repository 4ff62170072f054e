// Reading resources from fixture libraries, and refusing junk files.
#include "dialog_fixture.h"

#include "host/resources/elf_section.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>

namespace corvane::host::testing {
namespace {

std::string Fixture(const std::string& name) { return std::string(CORVANE_FIXTURE_DIR "/") + name + ".so"; }

std::string WriteTemp(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::string path = ::testing::TempDir() + "corvane_elf_" + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  return path;
}

struct FixtureCase {
  const char* name;
  bool accepted;
  const char* reason;  // part of the refusal
  const char* title;   // string 16002
};

TEST(ElfSection, ReadsResourcesOfFixtureLibraries) {
  const FixtureCase cases[] = {
      {"fixture_good", true, "", "Good Fixture..."},
      {"fixture_bad_kind", false, "kind is 'SPEX', not 'SPEA'", "Bad Kind..."},
      {"fixture_no_pipl", false, "no PIPL resource", "No PIPL..."},
  };
  for (const FixtureCase& c : cases) {
    SCOPED_TRACE(c.name);
    PluginResources::Result res = PluginResources::Read(Fixture(c.name));
    ASSERT_TRUE(res) << res.error().message();
    PiplCheck check = res->checkPipl();
    EXPECT_EQ(static_cast<bool>(check), c.accepted) << check.reason;
    EXPECT_NE(check.reason.find(c.reason), std::string::npos) << check.reason;
    EXPECT_EQ(res->string(16002), c.title);
  }
  PluginResources::Result good = PluginResources::Read(Fixture("fixture_good"));
  ASSERT_TRUE(good);
  const DialogTemplate* dialog = good->dialog(16100);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->title, "Good Fixture");
  ASSERT_NE(dialog->control(11), nullptr);
  EXPECT_EQ(dialog->control(11)->cls, ControlClass::Edit);
}

TEST(ElfSection, SectionBytesAreTheCompiledResourceFile) {
  Parsed<Bytes> section = ReadElfSection(Fixture("fixture_good"), kResourceSectionName);
  ASSERT_TRUE(section) << section.error().message();
  // A .res file starts with the empty marker record: sizes 0 and 32, type 0, name 0.
  const std::vector<uint8_t> marker = {0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0};
  ASSERT_GE(section->size(), marker.size());
  EXPECT_TRUE(std::equal(marker.begin(), marker.end(), section->begin()));
  Parsed<Bytes> missing = ReadElfSection(Fixture("fixture_good"), ".no_such_section");
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.error().description.find("no section named .no_such_section"), std::string::npos);
}

struct JunkCase {
  std::string name;
  std::vector<uint8_t> bytes;
  const char* expected;
};

TEST(ElfSection, JunkFilesGiveReadableErrors) {
  std::vector<uint8_t> good = ReadBytes(Fixture("fixture_good"));
  ASSERT_GT(good.size(), 1000u);
  std::mt19937 random(1234);
  std::vector<uint8_t> noise(4096);
  for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
  std::vector<uint8_t> elf32 = good, bigEndian = good;
  elf32[4] = 1;
  bigEndian[5] = 2;
  auto prefix = [&](size_t n) {
    return std::vector<uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
  };
  const JunkCase cases[] = {
      {"empty", {}, "not an ELF file"},
      {"text", {'h', 'e', 'l', 'l', 'o'}, "not an ELF file"},
      {"noise", noise, "not an ELF file"},
      {"magic only", prefix(4), "truncated ELF header"},
      {"half header", prefix(40), "truncated ELF header"},
      {"32-bit", elf32, "not a 64-bit ELF file"},
      {"big-endian", bigEndian, "not a little-endian ELF file"},
      {"header only", prefix(64), "outside the file"},
      {"cut before the section table", prefix(good.size() / 2), "outside the file"},
      {"last byte missing", prefix(good.size() - 1), "run past the end"},
  };
  for (const JunkCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = WriteTemp(c.name.substr(0, 4), c.bytes);
    Parsed<Bytes> section = ReadElfSection(path, kResourceSectionName);
    ASSERT_FALSE(section);
    EXPECT_NE(section.error().description.find(c.expected), std::string::npos) << section.error().message();
    EXPECT_FALSE(PluginResources::Read(path));
    std::remove(path.c_str());
  }
}

TEST(ElfSection, PathsThatAreNotFiles) {
  for (std::string path : {std::string("/nonexistent/corvane.so"), ::testing::TempDir()}) {
    Parsed<Bytes> section = ReadElfSection(path, kResourceSectionName);
    ASSERT_FALSE(section);
    EXPECT_NE(section.error().description.find("is not a regular file"), std::string::npos);
  }
}

// Fields of the ELF header that locate the section header table.
struct HeaderField {
  const char* what;
  size_t offset;
  size_t width;
  uint64_t value;
  const char* expected;
};

void Put(std::vector<uint8_t>& bytes, size_t offset, size_t width, uint64_t value) {
  for (size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

TEST(ElfSection, CorruptSectionTableFieldsAreRefused) {
  std::vector<uint8_t> good = ReadBytes(Fixture("fixture_good"));
  ASSERT_TRUE(FindElfSection(good, kResourceSectionName));
  const HeaderField cases[] = {
      {"table offset past the end", 0x28, 8, good.size() + 1, "outside the file"},
      {"table offset wraps", 0x28, 8, ~uint64_t{0} - 10, "outside the file"},
      {"no table", 0x28, 8, 0, "no section header table"},
      {"entries too small", 0x3A, 2, 16, "below 64"},
      {"too many sections", 0x3C, 2, 0xFFFE, "run past the end"},
      {"name table index too large", 0x3E, 2, 0xFFF0, "is not below"},
  };
  for (const HeaderField& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bytes = good;
    Put(bytes, c.offset, c.width, c.value);
    Parsed<Bytes> section = FindElfSection(bytes, kResourceSectionName);
    ASSERT_FALSE(section);
    EXPECT_NE(section.error().description.find(c.expected), std::string::npos) << section.error().message();
  }
}

// Random damage to the headers never makes the reader look outside the
// file: it either finds a section that lies inside it or reports an error.
TEST(ElfSection, RandomDamageToHeadersStaysInBounds) {
  std::vector<uint8_t> good = ReadBytes(Fixture("fixture_good"));
  uint64_t shoff = 0;
  for (size_t i = 0; i < 8; ++i) shoff |= uint64_t{good[0x28 + i]} << (8 * i);
  ASSERT_LT(shoff, good.size());
  std::mt19937 random(99);
  for (int round = 0; round < 500; ++round) {
    std::vector<uint8_t> bytes = good;
    for (int k = 0; k < 4; ++k) {
      bool inTable = random() % 2 == 0;
      size_t at = inTable ? shoff + random() % (good.size() - shoff) : 16 + random() % 48;
      bytes[at] = static_cast<uint8_t>(random());
    }
    Parsed<Bytes> section = FindElfSection(bytes, kResourceSectionName);
    if (section) {
      EXPECT_NE(std::search(bytes.begin(), bytes.end(), section->begin(), section->end()), bytes.end());
    } else {
      EXPECT_FALSE(section.error().description.empty());
    }
  }
}

}  // namespace
}  // namespace corvane::host::testing
