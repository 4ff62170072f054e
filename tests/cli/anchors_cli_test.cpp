// `corvane apply` with the anchor-moving filters, Sagline and Hubtug, on
// SVG and JSON input: every anchor of the selected paths against where the
// filter's rule puts it, in document coordinates (y up).
#include "cli/cli_fixture.h"

#include <cmath>
#include <functional>

namespace corvane::testing {
namespace {

using Move = std::function<RealPoint(RealPoint)>;

struct AnchorCase {
  std::string name;
  std::string filter;
  std::string input;  // in tests/data
  std::vector<std::string> args;
  Move anchor;  // where a selected anchor goes
  // The control points move with their anchor (Hubtug with "Anchor Points"
  // on); otherwise they stay where they were (Sagline).
  bool controlsTravel;
};
void PrintTo(const AnchorCase& c, std::ostream* os) { *os << c.name; }

class AnchorFilters : public CliTest, public ::testing::WithParamInterface<AnchorCase> {};

TEST_P(AnchorFilters, MoveEverySelectedAnchorAndNothingElse) {
  const AnchorCase& c = GetParam();
  const fs::path input = CopyData(c.input);
  auto original = ReadBack(input);
  ASSERT_TRUE(original);
  CommandResult r = Apply(c.filter, input, work() / "out.json", c.args);
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  auto out = ReadBack(work() / "out.json");
  ASSERT_TRUE(out);

  const std::vector<host::Art*> before = PathsOf(*original);
  const std::vector<host::Art*> after = PathsOf(*out);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    SCOPED_TRACE(before[i]->id);
    ASSERT_EQ(after[i]->segments.size(), before[i]->segments.size());
    for (size_t s = 0; s < before[i]->segments.size(); ++s) {
      const PathSegment& was = before[i]->segments[s];
      const PathSegment& is = after[i]->segments[s];
      const RealPoint expected = before[i]->selected ? c.anchor(was.p) : was.p;
      const float dh = c.controlsTravel ? expected.h - was.p.h : 0;
      const float dv = c.controlsTravel ? expected.v - was.p.v : 0;
      const std::pair<RealPoint, RealPoint> points[] = {
          {is.p, expected}, {is.in, {was.in.h + dh, was.in.v + dv}}, {is.out, {was.out.h + dh, was.out.v + dv}}};
      for (const auto& [actual, wanted] : points) {
        EXPECT_NEAR(actual.h, wanted.h, 1e-3) << "segment " << s;
        EXPECT_NEAR(actual.v, wanted.v, 1e-3) << "segment " << s;
      }
    }
  }
}

// The page of tests/data/cli_paths.* is 300 points high: SVG y = 300 - y.
const RealPoint kCentre1{200, 200};

RealPoint OnePointDown(RealPoint p) { return {p.h, p.v - 1}; }
RealPoint TenPercentUp(RealPoint p) { return {p.h, p.v + p.v * 0.1f}; }
RealPoint OnCentre1(RealPoint) { return kCentre1; }
RealPoint TenPercentAwayFromCentre1(RealPoint p) {
  return {p.h + 0.1f * (p.h - kCentre1.h), p.v + 0.1f * (p.v - kCentre1.v)};
}

INSTANTIATE_TEST_SUITE_P(
    Cli, AnchorFilters,
    ::testing::Values(
        // Defaults: 1 point down, which is +1 in SVG's y.
        AnchorCase{"SaglineDefaultsSvg", "sagline", "cli_paths.svg", {}, OnePointDown, false},
        AnchorCase{"SaglineDefaultsJson", "sagline", "cli_paths.json", {}, OnePointDown, false},
        // Percentage mode, up only: the move is a share of the coordinate.
        AnchorCase{"SaglinePercentageUpJson", "sagline", "cli_paths.json",
                   {"--set", "302=10", "--set", "304=1", "--set", "307=0"}, TenPercentUp, false},
        // Up and down both ticked: the moves cancel out.
        AnchorCase{"SaglineUpAndDownSvg", "sagline", "cli_paths.svg", {"--set", "304=1"},
                   [](RealPoint p) { return p; }, false},
        // "Drag" off, pull power 100: every anchor lands on centre 1.
        AnchorCase{"HubtugFullPullSvg", "hubtug", "cli_paths.svg", {"--set", "12=0", "--set", "8=100"},
                   OnCentre1, true},
        AnchorCase{"HubtugFullPullJson", "hubtug", "cli_paths.json", {"--set", "12=0", "--set", "8=100"},
                   OnCentre1, true},
        // "Inverse" with 10: pushed away from centre 1 by a tenth of the distance.
        AnchorCase{"HubtugInverseJson", "hubtug", "cli_paths.json",
                   {"--set", "12=0", "--set", "8=10", "--set", "20=1"}, TenPercentAwayFromCentre1, true}),
    [](const ::testing::TestParamInfo<AnchorCase>& info) { return info.param.name; });

class AnchorCli : public CliTest {};

// Repeats 3 with "Duplicate": a copy per step, each one point lower, and the
// path itself 3 points lower.
TEST_F(AnchorCli, SaglineRepeatsWithDuplicatesLeaveOneCopyPerStep) {
  const fs::path input = CopyData("cli_paths.svg");
  CommandResult r = Apply("sagline", input, work() / "out.json", {"--select", "mid", "--set", "303=3", "--set", "309=1"});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  auto out = ReadBack(work() / "out.json");
  auto original = ReadBack(input);
  ASSERT_TRUE(out && original);
  const host::Art* mid = PathById(*original, "mid");
  ASSERT_TRUE(mid);

  std::vector<float> drops;  // how far each path with mid's shape moved down
  for (const host::Art* path : PathsOf(*out)) {
    if (path->segments.size() != mid->segments.size() || path->segments[0].p.h != mid->segments[0].p.h)
      continue;
    drops.push_back(mid->segments[0].p.v - path->segments[0].p.v);
    for (size_t s = 0; s < mid->segments.size(); ++s)
      EXPECT_FLOAT_EQ(mid->segments[s].p.v - path->segments[s].p.v, drops.back()) << "segment " << s;
  }
  std::sort(drops.begin(), drops.end());
  EXPECT_EQ(drops, (std::vector<float>{1, 2, 3, 3}));
  host::Art* moved = PathById(*out, "mid");
  ASSERT_TRUE(moved);
  EXPECT_FLOAT_EQ(mid->segments[0].p.v - moved->segments[0].p.v, 3);
}

// An unusable selection: Hubtug and Sagline have no error list, so the host
// words the failure.
TEST_F(AnchorCli, NoSelectionIsReportedWithTheHostsMessage) {
  const fs::path input = CopyData("cli_paths.svg");
  for (const char* filter : {"hubtug", "sagline"}) {
    SCOPED_TRACE(filter);
    CommandResult r = Apply(filter, input, work() / "out.svg", {"--select", "empty"});
    EXPECT_EQ(r.exitCode, 1) << Describe(r);
    EXPECT_NE(r.err.find("(!sel)"), std::string::npos) << Describe(r);
    EXPECT_FALSE(fs::exists(work() / "out.svg"));
  }
}

}  // namespace
}  // namespace corvane::testing
