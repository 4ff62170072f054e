#include "io_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;
using host::ReadDocumentFile;
using host::WriteDocumentFile;

class DocumentFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "corvane-io-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
  }
  void TearDown() override { fs::remove_all(directory_); }

  std::set<std::string> entries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory_)) names.insert(entry.path().filename().string());
    return names;
  }

  static std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

  fs::path directory_;
};

TEST_F(DocumentFileTest, BothFormsWriteAndReadBackByExtension) {
  auto document = MakeRichDocument();
  for (const char* name : {"art.json", "art.svg", "ART.SVG"}) {
    fs::path path = directory_ / name;
    auto written = WriteDocumentFile(*document, path);
    ASSERT_TRUE(written) << written.error->message;
    auto read = ReadDocumentFile(path);
    ASSERT_TRUE(read) << read.error.message;
    EXPECT_EQ(DocumentDifference(*document, *read.document, {false}), "") << name;
  }
  EXPECT_EQ(contents(directory_ / "art.svg"), host::WriteSvg(*document));
  EXPECT_EQ(contents(directory_ / "art.json"), host::WriteJson(*document));
  EXPECT_EQ(entries(), (std::set<std::string>{"art.json", "art.svg", "ART.SVG"}));
}

TEST_F(DocumentFileTest, ReplacingAFileKeepsItsPermissions) {
  fs::path path = directory_ / "art.json";
  put(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteDocumentFile(*MakeRichDocument(), path));
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_NE(contents(path), "old");
}

TEST_F(DocumentFileTest, FailedWritesLeaveTheTargetAndNoTraces) {
  auto good = MakeRichDocument();
  auto broken = MakeRichDocument();
  broken->layers[0]->art[0]->segments[1].out.v = std::nanf("");
  fs::create_directory(directory_ / "taken.svg");
  put(directory_ / "taken.svg" / "inside", "x");
  put(directory_ / "keep.svg", "old svg");
  put(directory_ / "keep.txt", "old text");
  struct Case {
    const Document* document;
    fs::path path;
    std::string message;
  };
  const Case cases[] = {
      {good.get(), directory_ / "keep.txt", "unknown document form"},
      {good.get(), directory_ / "keep", "unknown document form"},
      {broken.get(), directory_ / "keep.svg", "cannot write layers[0].art[0].segments[1].out: not a finite number"},
      {good.get(), directory_ / "missing" / "art.svg", "cannot create a temporary file"},
      {good.get(), directory_ / "taken.svg", "cannot write"},
  };
  for (const Case& c : cases) {
    auto result = WriteDocumentFile(*c.document, c.path);
    ASSERT_FALSE(result) << c.path;
    EXPECT_NE(result.error->message.find(c.message), std::string::npos) << result.error->message;
    EXPECT_EQ(result.error->message.rfind(c.path.string(), 0), 0u) << result.error->message;
    EXPECT_EQ(entries(), (std::set<std::string>{"keep.svg", "keep.txt", "taken.svg"})) << c.path;
  }
  EXPECT_EQ(contents(directory_ / "keep.svg"), "old svg");
  EXPECT_EQ(contents(directory_ / "keep.txt"), "old text");
  EXPECT_EQ(contents(directory_ / "taken.svg" / "inside"), "x");
}

TEST_F(DocumentFileTest, ReadingReportsTheFileAndTheProblem) {
  put(directory_ / "bad.json", "{\n  oops\n}");
  put(directory_ / "art.txt", "{}");
  struct Case {
    fs::path path;
    std::string message;
    int line;
  };
  const Case cases[] = {
      {directory_ / "absent.svg", "cannot read", 0},
      {directory_ / "art.txt", "unknown document form", 0},
      {directory_ / "bad.json", "syntax error", 2},
  };
  for (const Case& c : cases) {
    auto read = ReadDocumentFile(c.path);
    ASSERT_FALSE(read) << c.path;
    EXPECT_EQ(read.error.message.rfind(c.path.string() + ": ", 0), 0u) << read.error.message;
    EXPECT_NE(read.error.message.find(c.message), std::string::npos) << read.error.message;
    EXPECT_EQ(read.error.line, c.line) << c.path;
  }
}

TEST_F(DocumentFileTest, SvgOptionsApplyToSvgFiles) {
  put(directory_ / "art.svg", R"(<svg viewBox="0 0 10 10"><path id="a" d="M 0 0"/><path id="b" d="M 0 0"/></svg>)");
  auto read = ReadDocumentFile(directory_ / "art.svg", host::SvgReadOptions{std::vector<std::string>{"b"}});
  ASSERT_TRUE(read) << read.error.message;
  EXPECT_FALSE(read.document->layers[0]->art[0]->selected);
  EXPECT_TRUE(read.document->layers[0]->art[1]->selected);
}

TEST(FindNonFiniteNumber, NamesTheFirstOffender) {
  auto document = MakeRichDocument();
  EXPECT_EQ(host::FindNonFiniteNumber(*document), std::nullopt);
  // The rich document's NaN colour is no offender: both forms carry
  // non-finite components as bytes.
  PathStyle& style = document->layers[0]->art[5]->members[1]->style;
  ASSERT_EQ(style.dashCount, 3);
  style.dashes[4] = INFINITY;
  EXPECT_EQ(host::FindNonFiniteNumber(*document), std::nullopt);  // beyond dashCount
  style.dashCount = 5;
  EXPECT_EQ(host::FindNonFiniteNumber(*document), "layers[0].art[5].members[1].style.stroke.dashes[4]");
  document->height = NAN;
  EXPECT_EQ(host::FindNonFiniteNumber(*document), "page.height");
}

}  // namespace
}  // namespace corvane::testing
