// `corvane apply weightclamp`: the clamp on both document forms, the values
// kept between runs, --repeat, --cancel and the host's message for '!sel'.
#include "cli/cli_fixture.h"

namespace corvane::testing {
namespace {

// Stroke widths of the selected paths of tests/data/cli_paths.*.
const std::vector<std::pair<std::string, float>> kSelectedWidths = {
    {"thick", 60.0f}, {"thin", 0.25f}, {"mid", 4.0f}};

float Clamped(float width, float low, float high) {
  if (low > high) std::swap(low, high);
  return std::min(std::max(width, low), high);
}

// Every selected path of the output has its input width clamped to
// [low, high]; the unselected "idle" path of the JSON input keeps 90.
void ExpectClamped(const fs::path& output, float low, float high, bool jsonInput) {
  std::unique_ptr<host::Document> out = ReadBack(output);
  if (!out) return;
  for (const auto& [id, width] : kSelectedWidths) {
    if (host::Art* path = PathById(*out, id)) {
      EXPECT_FLOAT_EQ(path->style.strokeWidth, Clamped(width, low, high)) << id;
    }
  }
  if (jsonInput) {
    if (host::Art* idle = PathById(*out, "idle")) {
      EXPECT_FLOAT_EQ(idle->style.strokeWidth, 90.0f);
    }
  }
}

struct Forms {
  const char* input;
  const char* output;
};
void PrintTo(const Forms& f, std::ostream* os) { *os << f.input << " -> " << f.output; }

class WeightclampForms : public CliTest, public ::testing::WithParamInterface<Forms> {};

TEST_P(WeightclampForms, ClampsWithTheDialogValuesAndWritesOnlyTheOutput) {
  const fs::path input = CopyData(GetParam().input);
  const std::string before = Slurp(input);
  const fs::path output = work() / "out" / GetParam().output;
  fs::create_directories(output.parent_path());

  CommandResult r = Apply("weightclamp", input, output, {"--set", "301=2", "--set", "302=10"});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  EXPECT_NE(r.out.find(output.string()), std::string::npos) << Describe(r);
  EXPECT_EQ(Entries(output.parent_path()), std::vector<std::string>{GetParam().output});
  EXPECT_EQ(Slurp(input), before);

  ExpectClamped(output, 2, 10, fs::path(GetParam().input).extension() == ".json");
}

INSTANTIATE_TEST_SUITE_P(Cli, WeightclampForms,
                         ::testing::Values(Forms{"cli_paths.svg", "clamped.svg"},
                                           Forms{"cli_paths.svg", "clamped.json"},
                                           Forms{"cli_paths.json", "clamped.json"},
                                           Forms{"cli_paths.json", "clamped.svg"}));

class WeightclampCli : public CliTest {
 protected:
  void ExpectShown(float min, float max) {
    CommandResult shown = Show("weightclamp");
    ASSERT_EQ(shown.exitCode, 0) << Describe(shown);
    EXPECT_EQ(ShownValue(shown.out, 301), std::optional<double>(min)) << shown.out;
    EXPECT_EQ(ShownValue(shown.out, 302), std::optional<double>(max)) << shown.out;
  }
};

TEST_F(WeightclampCli, ConfirmedValuesAreKeptForShowTheNextDialogAndRepeat) {
  const fs::path input = CopyData("cli_paths.json");
  ExpectShown(0, 50);  // the defaults, before any run

  ASSERT_EQ(Apply("weightclamp", input, work() / "first.json", {"--set", "301=3", "--set", "302=7"}).exitCode, 0);
  ExpectShown(3, 7);

  // A dialog without --set starts from the kept values and confirms them.
  CommandResult again = Apply("weightclamp", input, work() / "again.json");
  ASSERT_EQ(again.exitCode, 0) << Describe(again);
  ExpectClamped(work() / "again.json", 3, 7, true);

  // Go alone, with the kept block.
  CommandResult repeated = Apply("weightclamp", input, work() / "repeat.svg", {"--repeat"});
  ASSERT_EQ(repeated.exitCode, 0) << Describe(repeated);
  ExpectClamped(work() / "repeat.svg", 3, 7, true);
}

TEST_F(WeightclampCli, MinimumAboveMaximumClampsToTheSwappedRangeAndKeepsTheTypedOrder) {
  const fs::path input = CopyData("cli_paths.json");
  CommandResult r = Apply("weightclamp", input, work() / "out.json", {"--set", "301=10", "--set", "302=2"});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  ExpectClamped(work() / "out.json", 2, 10, true);
  ExpectShown(10, 2);
}

// Values typed beyond the fields' range 0..10000 are held by the fields
// before the filter reads them; this is not an error.
TEST_F(WeightclampCli, OutOfRangeValuesAreHeldByTheFields) {
  struct Case {
    const char* min;
    const char* max;
    float heldMin, heldMax;
  };
  for (const Case& c : {Case{"301=-3", "302=-7", 0, 0}, Case{"301=20000", "302=30000", 10000, 10000}}) {
    SCOPED_TRACE(std::string(c.min) + " " + c.max);
    const fs::path input = CopyData("cli_paths.json");
    const fs::path output = work() / (std::string("held") + c.min + ".json");
    CommandResult r = Apply("weightclamp", input, output, {"--set", c.min, "--set", c.max});
    ASSERT_EQ(r.exitCode, 0) << Describe(r);
    ExpectClamped(output, c.heldMin, c.heldMax, true);
    ExpectShown(c.heldMin, c.heldMax);
  }
}

TEST_F(WeightclampCli, CancelWritesNothingAndKeepsTheOldValues) {
  const fs::path input = CopyData("cli_paths.svg");
  ASSERT_EQ(Apply("weightclamp", input, work() / "first.svg", {"--set", "301=1", "--set", "302=5"}).exitCode, 0);
  const std::string kept = Slurp(state() / "weightclamp.block");

  CommandResult r = Apply("weightclamp", input, work() / "cancelled.svg",
                          {"--set", "301=4", "--set", "302=8", "--cancel"});
  EXPECT_EQ(r.exitCode, 0) << Describe(r);
  EXPECT_FALSE(fs::exists(work() / "cancelled.svg"));
  EXPECT_EQ(Slurp(state() / "weightclamp.block"), kept);
  ExpectShown(1, 5);
}

TEST_F(WeightclampCli, RepeatBeforeAnyDialogFailsWithTheHostsMessage) {
  const fs::path input = CopyData("cli_paths.svg");
  CommandResult r = Apply("weightclamp", input, work() / "out.svg", {"--repeat"});
  EXPECT_EQ(r.exitCode, 1) << Describe(r);
  EXPECT_NE(r.err.find("(!MEM)"), std::string::npos) << Describe(r);
  EXPECT_FALSE(fs::exists(work() / "out.svg"));
}

// Weightclamp has no error list of its own, so the host words the failure
// and names the code.
TEST_F(WeightclampCli, NothingSelectedGivesTheHostsMessageWithSel) {
  const std::string json = Slurp(fs::path(CORVANE_TEST_DATA) / "cli_paths.json");
  const std::string noneSelected = std::regex_replace(json, std::regex("\"selected\": true"), "\"selected\": false");
  ASSERT_NE(noneSelected, json);
  struct Case {
    std::string name;
    fs::path input;
    std::vector<std::string> extra;
  };
  const std::vector<Case> cases = {
      {"JSON without a selected path", Write("none.json", noneSelected), {}},
      {"--select of an empty group", CopyData("cli_paths.svg"), {"--select", "empty"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CommandResult r = Apply("weightclamp", c.input, work() / "out.svg", c.extra);
    EXPECT_EQ(r.exitCode, 1) << Describe(r);
    EXPECT_NE(r.err.find("Nothing is selected"), std::string::npos) << Describe(r);
    EXPECT_NE(r.err.find("(!sel)"), std::string::npos) << Describe(r);
    EXPECT_FALSE(fs::exists(work() / "out.svg"));
  }
}

TEST_F(WeightclampCli, SelectLimitsTheClampToTheNamedPaths) {
  const fs::path input = CopyData("cli_paths.svg");
  CommandResult r = Apply("weightclamp", input, work() / "out.json",
                          {"--select", "thick", "--set", "301=2", "--set", "302=10"});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  auto out = ReadBack(work() / "out.json");
  ASSERT_TRUE(out);
  host::Art* thick = PathById(*out, "thick");
  host::Art* thin = PathById(*out, "thin");
  ASSERT_TRUE(thick && thin);
  EXPECT_FLOAT_EQ(thick->style.strokeWidth, 10.0f);
  EXPECT_FLOAT_EQ(thin->style.strokeWidth, 0.25f);
}

}  // namespace
}  // namespace corvane::testing
