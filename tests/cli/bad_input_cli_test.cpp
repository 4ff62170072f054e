// `corvane apply` with bad command lines, bad documents and unusable
// libraries: the exit status, a message that names the problem, no output
// (not even a temporary file), no kept values and the input untouched.
#include "cli/cli_fixture.h"

#include <map>

namespace corvane::testing {
namespace {

struct BadCase {
  std::string name;
  std::string filter;
  std::string input;  // a file of tests/data, or one the case writes (below)
  std::vector<std::string> args;
  int exitCode;
  std::string message;  // a part of stderr
  std::string output = "result.svg";
};
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

// Inputs the cases name that are not in tests/data.
const std::map<std::string, std::string> kWrittenInputs = {
    {"broken.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=\"M 0,0 L 1,1\"</svg>"},
    {"broken.json", "{\"page\": {\"width\": 100, \"height\": 100}, \"layers\": [ {"},
};

class BadInput : public CliTest, public ::testing::WithParamInterface<BadCase> {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    fs::create_directories(work() / "in");
    fs::create_directories(work() / "out");
    fs::create_directories(work() / "plugins");
    // A plug-in directory with fixture libraries the host cannot run.
    for (const char* fixture : {"fixture_no_pipl.so", "fixture_bad_kind.so", "fixture_good.so"})
      fs::copy_file(fs::path(CORVANE_FIXTURE_DIR) / fixture, work() / "plugins" / fixture);
  }
};

TEST_P(BadInput, FailsCleanly) {
  const BadCase& c = GetParam();
  fs::path input = work() / "in" / c.input;
  if (auto written = kWrittenInputs.find(c.input); written != kWrittenInputs.end())
    WriteText(input, written->second);
  else if (fs::exists(fs::path(CORVANE_TEST_DATA) / c.input))
    fs::copy_file(fs::path(CORVANE_TEST_DATA) / c.input, input);
  const bool inputExists = fs::exists(input);
  const std::string before = inputExists ? Slurp(input) : "";

  std::vector<std::string> args;
  if (c.filter.rfind("fixture_", 0) == 0) args = {"--plugins", (work() / "plugins").string()};
  const std::vector<std::string> apply = {"apply", c.filter, input.string(), "-o",
                                          (work() / "out" / c.output).string(), "--state", state().string()};
  args.insert(args.end(), apply.begin(), apply.end());
  args.insert(args.end(), c.args.begin(), c.args.end());
  CommandResult r = Run(args);

  EXPECT_EQ(r.exitCode, c.exitCode) << Describe(r);
  EXPECT_NE(r.err.find(c.message), std::string::npos) << "expected \"" << c.message << "\"\n" << Describe(r);
  EXPECT_EQ(r.out.find("Wrote"), std::string::npos) << Describe(r);
  EXPECT_EQ(Entries(work() / "out"), std::vector<std::string>{});
  EXPECT_EQ(Entries(state()), std::vector<std::string>{});
  EXPECT_EQ(fs::exists(input), inputExists);
  if (inputExists) {
    EXPECT_EQ(Slurp(input), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, BadInput,
    ::testing::Values(
        BadCase{"BrokenSvg", "weightclamp", "broken.svg", {}, 2, "broken.svg: not well-formed XML"},
        BadCase{"BrokenJson", "weightclamp", "broken.json", {}, 2, "broken.json: parse error at line 1"},
        BadCase{"MissingInput", "weightclamp", "absent.svg", {}, 2, "absent.svg: cannot read"},
        BadCase{"UnknownFilter", "colourmangle", "cli_paths.svg", {}, 2, "no filter named 'colourmangle'"},
        BadCase{"UnknownItem", "weightclamp", "cli_paths.svg", {"--set", "301=5", "--set", "999=1"}, 2,
                "--set 999=1: in dialog \"Corvane Weightclamp Plugin\": no item 999"},
        BadCase{"ClickOnAField", "weightclamp", "cli_paths.svg", {"--click", "301"}, 2,
                "--click 301: in dialog \"Corvane Weightclamp Plugin\": item 301 is not a button"},
        BadCase{"CheckBoxTwo", "hubtug", "cli_paths.svg", {"--set", "11=2"}, 2, "--set 11=2: in dialog"},
        BadCase{"CheckBoxHalf", "sagline", "cli_paths.svg", {"--set", "309=0.5"}, 2,
                "--set 309=0.5: in dialog \"Corvane Sagline Plugin (v1.2)\": value 0.5 is not 0 or 1"},
        BadCase{"ListEntryUnknown", "tintshake", "cli_paths.svg", {"--set", "4=9"}, 2, "entry 9 not in list 4"},
        BadCase{"ListEntryNotWhole", "tintshake", "cli_paths.svg", {"--set", "4=1.5"}, 2,
                "--set 4=1.5: in dialog \"Corvane Tintshake Plug-in\""},
        BadCase{"SetWithoutValue", "weightclamp", "cli_paths.svg", {"--set", "301"}, 2, "expected ID=NUMBER"},
        BadCase{"SetNotANumber", "weightclamp", "cli_paths.svg", {"--set", "301=wide"}, 2, "expected ID=NUMBER"},
        BadCase{"OutputExtension", "weightclamp", "cli_paths.svg", {}, 2, "must end in .svg or .json",
                "result.txt"},
        BadCase{"OutputDirectoryMissing", "weightclamp", "cli_paths.svg", {}, 2, "cannot write into",
                "missing/result.svg"},
        BadCase{"RandomOne", "tintshake", "cli_paths.svg", {"--random", "0.5,1"}, 2, "--random 0.5,1: expected"},
        BadCase{"RandomNegative", "tintshake", "cli_paths.svg", {"--random", "-0.1"}, 2, "--random -0.1: expected"},
        BadCase{"SeedWithRandom", "tintshake", "cli_paths.svg", {"--seed", "3", "--random", "0.5"}, 2,
                "--seed excludes --random"},
        BadCase{"RepeatWithSet", "weightclamp", "cli_paths.svg", {"--repeat", "--set", "301=1"}, 2,
                "--repeat runs without a dialog"},
        BadCase{"SelectUnknownId", "weightclamp", "cli_paths.svg", {"--select", "thick,nosuch"}, 2,
                "no element with id 'nosuch'"},
        BadCase{"SelectText", "weightclamp", "cli_paths.svg", {"--select", "note"}, 2,
                "'note' cannot be selected"},
        BadCase{"SelectInJson", "weightclamp", "cli_paths.json", {"--select", "thick"}, 2,
                "JSON input keeps its own selected flags"},
        BadCase{"NoPipl", "fixture_no_pipl", "cli_paths.svg", {}, 2, "fixture_no_pipl: not a usable plug-in"},
        BadCase{"WrongPiplKind", "fixture_bad_kind", "cli_paths.svg", {}, 2,
                "fixture_bad_kind: not a usable plug-in: kind is 'SPEX'"},
        BadCase{"RegistersNoFilter", "fixture_good", "cli_paths.svg", {}, 2,
                "fixture_good: the plug-in registered no filter"}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return info.param.name; });

class OutputCli : public CliTest {};

// The input is never the output, even when named another way.
TEST_F(OutputCli, RefusesToWriteOverTheInput) {
  const fs::path input = CopyData("cli_paths.svg");
  const std::string before = Slurp(input);
  fs::create_directories(work() / "sub");
  CommandResult r = Apply("weightclamp", input, work() / "sub" / ".." / "cli_paths.svg");
  EXPECT_EQ(r.exitCode, 2) << Describe(r);
  EXPECT_NE(r.err.find("the output must not be the input"), std::string::npos) << Describe(r);
  EXPECT_EQ(Slurp(input), before);
}

// A failed run leaves an existing output file as it was.
TEST_F(OutputCli, FilterErrorLeavesAnExistingOutputAlone) {
  const fs::path input = CopyData("cli_paths.svg");
  const fs::path output = Write("out/previous.svg", "previous contents");
  CommandResult r = Apply("tintshake", input, output, {"--select", "empty"});
  EXPECT_EQ(r.exitCode, 1) << Describe(r);
  EXPECT_EQ(Slurp(output), "previous contents");
  EXPECT_EQ(Entries(output.parent_path()), std::vector<std::string>{"previous.svg"});
}

}  // namespace
}  // namespace corvane::testing
