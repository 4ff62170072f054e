// `corvane apply tintshake` and `corvane show tintshake`: the filter's own
// error dialog, colour modes worked through the dialog with a scripted
// random source, and the channel's relabelled items.
#include "cli/cli_fixture.h"

#include <functional>

namespace corvane::testing {
namespace {

using Components = std::vector<float>;

Components ComponentsOf(const Colour& colour) {
  switch (colour.kind) {
    case kGreyColour: return {colour.data.grey};
    case kFourColour:
      return {colour.data.four.cyan, colour.data.four.magenta, colour.data.four.yellow,
              colour.data.four.black};
    case kThreeColour: return {colour.data.three.red, colour.data.three.green, colour.data.three.blue};
    default: return {};
  }
}

class TintshakeCli : public CliTest {};

TEST_F(TintshakeCli, NothingSelectedShowsTheFiltersErrorAndWritesNothing) {
  const fs::path input = CopyData("cli_paths.svg");
  const std::string before = Slurp(input);
  CommandResult r = Apply("tintshake", input, work() / "out.svg", {"--select", "empty"});
  EXPECT_EQ(r.exitCode, 1) << Describe(r);
  EXPECT_NE(r.err.find("The selection is not valid for this filter."), std::string::npos) << Describe(r);
  EXPECT_NE(r.err.find("!sel"), std::string::npos) << Describe(r);
  EXPECT_FALSE(fs::exists(work() / "out.svg"));
  EXPECT_EQ(Slurp(input), before);
  // The check comes before the dialog, so nothing was confirmed or kept.
  EXPECT_TRUE(Entries(state()).empty());
}

// One colour of tests/data/cli_paths.json after a run, against the mode's
// rule worked out here in single precision from the input colour.
struct ModeCase {
  std::string name;
  std::vector<std::string> args;
  std::string path;
  bool fill;  // else the stroke
  std::function<Components(const Components&)> expected;
};
void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }

class TintshakeModes : public CliTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(TintshakeModes, ChangeTheChannelsColourByTheModesRule) {
  const ModeCase& c = GetParam();
  const fs::path input = CopyData("cli_paths.json");
  auto original = ReadBack(input);
  ASSERT_TRUE(original);
  CommandResult r = Apply("tintshake", input, work() / "out.json", c.args);
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  auto out = ReadBack(work() / "out.json");
  ASSERT_TRUE(out);

  host::Art* before = PathById(*original, c.path);
  host::Art* after = PathById(*out, c.path);
  ASSERT_TRUE(before && after);
  const Colour& was = c.fill ? before->style.fill : before->style.stroke;
  const Colour& is = c.fill ? after->style.fill : after->style.stroke;
  ASSERT_EQ(is.kind, was.kind);
  const Components expected = c.expected(ComponentsOf(was));
  const Components actual = ComponentsOf(is);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_FLOAT_EQ(actual[i], expected[i]) << "component " << i;

  // The unselected path keeps its colours whatever the channels say.
  host::Art* idleBefore = PathById(*original, "idle");
  host::Art* idleAfter = PathById(*out, "idle");
  ASSERT_TRUE(idleBefore && idleAfter);
  EXPECT_EQ(ComponentsOf(idleAfter->style.fill), ComponentsOf(idleBefore->style.fill));
  EXPECT_EQ(ComponentsOf(idleAfter->style.stroke), ComponentsOf(idleBefore->style.stroke));
}

Components AddToCurrent(const Components& x) {
  const float v[] = {20, -10, 5, 0};
  Components result;
  for (size_t i = 0; i < x.size(); ++i) result.push_back(x[i] + v[i] / 100.0f);
  return result;
}

Components RandomBelowEntered(const Components&) {
  const float v[] = {40, 20, 80, 60};
  Components result;
  for (float entered : v) result.push_back(0.5f * (entered / 100.0f));
  return result;
}

Components TotallyRandomThreeColour(const Components& x) { return Components(x.size(), 2.55f * 0.25f); }

Components PercentageOfCurrent(const Components& x) { return {x[0] * (50.0f / 100.0f)}; }

// Mode ids: 1 " Use Random < Entered", 9 " Percentage Of Current",
// 10 " Add To Current", 11 " Totally Random". A one-value random cycle makes
// every draw the same, however many previews ran before Go.
INSTANTIATE_TEST_SUITE_P(
    Cli, TintshakeModes,
    ::testing::Values(
        ModeCase{"AddToCurrentFourColourFill",
                 {"--set", "5=10", "--set", "7=20", "--set", "9=-10", "--set", "11=5", "--set", "13=0"},
                 "thick", true, AddToCurrent},
        ModeCase{"RandomBelowEnteredFourColourFill",
                 {"--random", "0.5", "--set", "5=1", "--set", "7=40", "--set", "9=20", "--set", "11=80",
                  "--set", "13=60"},
                 "thick", true, RandomBelowEntered},
        ModeCase{"TotallyRandomThreeColourStroke",
                 {"--random", "0.25", "--set", "4=4", "--set", "5=11"}, "mid", false,
                 TotallyRandomThreeColour},
        ModeCase{"PercentageOfCurrentGreyStroke",
                 {"--set", "4=5", "--set", "5=9", "--set", "7=50"}, "thick", false, PercentageOfCurrent}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return info.param.name; });

// What the dialog shows for a channel: labels 15 to 18, the text of check
// box 6 and the range of the first field.
struct ChannelCase {
  int channel;
  std::vector<std::string> labels;
  std::string active;
  std::string range;
};
void PrintTo(const ChannelCase& c, std::ostream* os) { *os << "channel " << c.channel; }

class TintshakeChannels : public CliTest, public ::testing::WithParamInterface<ChannelCase> {};

TEST_P(TintshakeChannels, ShowRelabelsTheItemsForTheKeptChannel) {
  const ChannelCase& c = GetParam();
  const fs::path input = CopyData("cli_paths.svg");
  CommandResult r = Apply("tintshake", input, work() / "out.svg", {"--set", "4=" + std::to_string(c.channel)});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);

  CommandResult shown = Show("tintshake");
  ASSERT_EQ(shown.exitCode, 0) << Describe(shown);
  EXPECT_EQ(ShownValue(shown.out, 4), std::optional<double>(c.channel)) << shown.out;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ShownLabel(shown.out, 15 + i), c.labels[i]) << "item " << 15 + i;
  EXPECT_EQ(ShownLabel(shown.out, 6), c.active);
  EXPECT_NE(ShownItem(shown.out, 7).find(c.range), std::string::npos) << ShownItem(shown.out, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, TintshakeChannels,
    ::testing::Values(
        ChannelCase{0, {"Cyan", "Magenta", "Yellow", "Black"}, "Active Fill (CMYK)", " range -100.00000..100.00000 "},
        ChannelCase{1, {"Red", "Green", "Blue", ""}, "Active Fill (RGB)", " range -255.00000..255.00000 "},
        ChannelCase{2, {"Greyscale", "", "", ""}, "Active Fill (Greyscale)", " range -100.00000..100.00000 "},
        ChannelCase{3, {"Cyan", "Magenta", "Yellow", "Black"}, "Active Stroke (CMYK)", " range -100.00000..100.00000 "},
        ChannelCase{4, {"Red", "Green", "Blue", ""}, "Active Stroke (RGB)", " range -255.00000..255.00000 "},
        ChannelCase{5, {"Greyscale", "", "", ""}, "Active Stroke (Greyscale)", " range -100.00000..100.00000 "}),
    [](const ::testing::TestParamInfo<ChannelCase>& info) { return "Channel" + std::to_string(info.param.channel); });

// Switching the channel in one run and back in the next shows each
// channel's own kept values.
TEST_F(TintshakeCli, ShowFollowsTheChannelChosenInTheLastRun) {
  const fs::path input = CopyData("cli_paths.svg");
  ASSERT_EQ(Apply("tintshake", input, work() / "a.svg", {"--set", "4=1", "--set", "7=200"}).exitCode, 0);
  CommandResult shown = Show("tintshake");
  EXPECT_EQ(ShownLabel(shown.out, 15), "Red");
  EXPECT_EQ(ShownValue(shown.out, 7), std::optional<double>(200)) << shown.out;

  ASSERT_EQ(Apply("tintshake", input, work() / "b.svg", {"--set", "4=0"}).exitCode, 0);
  shown = Show("tintshake");
  EXPECT_EQ(ShownLabel(shown.out, 15), "Cyan");
  EXPECT_EQ(ShownValue(shown.out, 7), std::optional<double>(10)) << shown.out;  // the default fill value
}

}  // namespace
}  // namespace corvane::testing
