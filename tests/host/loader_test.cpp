// The loader: a library is recognised by the property list read from its
// file before anything of it runs; deliverables export PluginMain alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "host/loader/parameter_store.h"
#include "host/loader/plugin_host.h"
#include "host/resources/elf_section.h"

namespace corvane::host {
namespace {

std::string Fixture(const std::string& name) {
  return std::string(CORVANE_FIXTURE_DIR) + "/" + name + ".so";
}

// Names of the symbols a library defines and exports (its dynamic symbol
// table, read from the file).
std::set<std::string> ExportedSymbols(const std::string& path) {
  auto symbols = ReadElfSection(path, ".dynsym");
  auto names = ReadElfSection(path, ".dynstr");
  EXPECT_TRUE(symbols.ok() && names.ok()) << path;
  std::set<std::string> exported;
  if (!symbols.ok() || !names.ok()) return exported;
  const Bytes& sym = symbols.value();
  const Bytes& str = names.value();
  const size_t kEntry = 24;  // Elf64_Sym
  for (size_t at = kEntry; at + kEntry <= sym.size(); at += kEntry) {
    uint32_t name = 0;
    std::memcpy(&name, &sym[at], 4);
    uint8_t binding = sym[at + 4] >> 4;
    uint16_t section = 0;
    std::memcpy(&section, &sym[at + 6], 2);
    if (section == 0 || (binding != 1 && binding != 2) || name >= str.size()) continue;
    exported.insert(reinterpret_cast<const char*>(&str[name]));
  }
  return exported;
}

TEST(LoaderTest, EveryDeliverableExportsPluginMainAlone) {
  int deliverables = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CORVANE_PLUGIN_DIR)) {
    if (entry.path().extension() != ".so") continue;
    ++deliverables;
    EXPECT_EQ(ExportedSymbols(entry.path().string()), std::set<std::string>{"PluginMain"})
        << entry.path();
  }
  EXPECT_GE(deliverables, 1);
}

struct RefusedCase {
  const char* fixture;
  const char* reason;  // part of the message
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.fixture; }

class RefusedLibraryTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedLibraryTest, IsRefusedWithoutRunningAnyOfItsCode) {
  ::unsetenv("CORVANE_FIXTURE_LOADED");
  Session session;
  PluginHost host(session);
  std::string error;
  EXPECT_EQ(host.load(Fixture(GetParam().fixture), &error), nullptr);
  EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
  EXPECT_EQ(std::getenv("CORVANE_FIXTURE_LOADED"), nullptr) << "the library was loaded";
  EXPECT_TRUE(session.plugins.empty());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RefusedLibraryTest,
                         ::testing::Values(RefusedCase{"fixture_bad_kind", "kind"},
                                           RefusedCase{"fixture_no_pipl", "PIPL"}),
                         [](const ::testing::TestParamInfo<RefusedCase>& info) {
                           return std::string(info.param.fixture);
                         });

TEST(LoaderTest, AFileThatIsNoLibraryIsRefusedWithAReason) {
  const std::string path = ::testing::TempDir() + "/not_a_library.so";
  std::ofstream(path) << "this is text, not an ELF file";
  std::string error;
  Session session;
  PluginHost host(session);
  EXPECT_EQ(host.load(path, &error), nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(host.load("/no/such/file.so", &error), nullptr);
  EXPECT_FALSE(error.empty());
}

TEST(LoaderTest, AGoodLibraryIsLoadedWithItsResources) {
  ::unsetenv("CORVANE_FIXTURE_LOADED");
  Session session;
  PluginHost host(session);
  std::string error;
  LoadedPlugin* plugin = host.load(Fixture("fixture_good"), &error);
  ASSERT_NE(plugin, nullptr) << error;
  EXPECT_EQ(plugin->name, "fixture_good");
  EXPECT_NE(plugin->entry, nullptr);
  EXPECT_EQ(session.plugins.at(plugin->ref), plugin->resources.get());
  // The marker the refusal tests look for does appear when a library loads.
  EXPECT_NE(std::getenv("CORVANE_FIXTURE_LOADED"), nullptr);
}

class ParameterStoreTest : public ::testing::Test {
 protected:
  std::string dir = ::testing::TempDir() + "/store_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
  void SetUp() override { std::filesystem::remove_all(dir); }
};

TEST_F(ParameterStoreTest, KeepsABlockBetweenRuns) {
  ParameterStore store(dir);
  const uint8_t block[] = {1, 2, 3, 4, 5, 6, 7, 8};
  std::string error;
  ASSERT_TRUE(store.save("weightclamp", block, sizeof block, &error)) << error;
  std::string warning;
  auto kept = ParameterStore(dir).load("weightclamp", &warning);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(*kept, std::vector<uint8_t>(block, block + sizeof block));
  EXPECT_TRUE(warning.empty());
  EXPECT_FALSE(ParameterStore(dir).load("hubtug", &warning).has_value());
  EXPECT_TRUE(warning.empty());
  // Nothing but the block file is left in the folder.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(ParameterStoreTest, IgnoresFilesThatAreNotItsBlocks) {
  ParameterStore store(dir);
  std::filesystem::create_directories(dir);
  const std::string cases[] = {
      "",                                               // empty
      "not a block at all",                             // foreign
      std::string("CVPB\x02\0\0\0\x04\0\0\0abcd", 16),  // unknown version
      std::string("CVPB\x01\0\0\0\x08\0\0\0abcd", 16),  // size does not match
  };
  for (const std::string& bytes : cases) {
    std::ofstream(store.pathFor("sagline"), std::ios::binary) << bytes;
    std::string warning;
    EXPECT_FALSE(store.load("sagline", &warning).has_value());
    EXPECT_NE(warning.find("ignoring"), std::string::npos);
  }
}

TEST_F(ParameterStoreTest, AFailedWriteLeavesTheOldFile) {
  std::filesystem::create_directories(dir);
  const std::string target = dir + "/out.txt";
  std::ofstream(target) << "old";
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir + "/missing/out.txt", "new", &error));
  EXPECT_FALSE(error.empty());
  std::ifstream in(target);
  std::string content;
  in >> content;
  EXPECT_EQ(content, "old");
}

}  // namespace
}  // namespace corvane::host

namespace corvane::host {
namespace {

std::string Deliverable(const std::string& name) {
  return std::string(CORVANE_PLUGIN_DIR) + "/" + name + ".so";
}

// A deliverable keeps its state in the library image, which the system shares
// among all who open the file: one host at a time may run it.
TEST(LoaderTest, ALibraryRunsForOneHostAtATime) {
  Session first, second;
  std::string error;
  {
    PluginHost host(first);
    ASSERT_NE(host.load(Deliverable("weightclamp"), &error), nullptr) << error;
    PluginHost other(second);
    EXPECT_EQ(other.load(Deliverable("weightclamp"), &error), nullptr);
    EXPECT_NE(error.find("already loaded"), std::string::npos) << error;
  }
  PluginHost later(second);
  EXPECT_NE(later.load(Deliverable("weightclamp"), &error), nullptr) << error;
}

TEST(LoaderTest, BlocksAPluginStillHoldsAreReclaimedWhenItGoes) {
  Session session;
  {
    PluginHost host(session);
    std::string error;
    LoadedPlugin* plugin = host.load(Deliverable("weightclamp"), &error);
    ASSERT_NE(plugin, nullptr) << error;
    ASSERT_EQ(host.startup(*plugin), kNoError);
    EXPECT_EQ(session.blocks.size(), 1u);  // its globals
    // Its Shutdown cannot free them: the host does, once the plug-in is gone.
    session.failures.refuseSuite(kBlocksSuite);
  }
  EXPECT_TRUE(session.blocks.empty());
}

TEST(ServiceSuitesTest, FreeBlockRefusesWhatTheHostDidNotHandOut) {
  Session session;
  SessionScope scope(session);
  const BlocksSuiteV2* blocks = nullptr;
  ASSERT_EQ(HostBasicSuite()->ObtainSuite(kBlocksSuite, kBlocksSuiteVersion,
                                          reinterpret_cast<const void**>(&blocks)),
            kNoError);
  int local = 0;
  EXPECT_EQ(blocks->FreeBlock(&local), kBadParameterError);
  void* block = nullptr;
  ASSERT_EQ(blocks->AllocateBlock(16, "test", &block), kNoError);
  EXPECT_EQ(static_cast<char*>(block)[15], 0);
  EXPECT_EQ(blocks->FreeBlock(block), kNoError);
  EXPECT_EQ(blocks->FreeBlock(block), kBadParameterError);  // not twice
}

}  // namespace
}  // namespace corvane::host
