// The entry and filter cycle every deliverable shares, driven through real
// deliverables of both generations: registration, the suite bracket around
// nested and failing calls, dispatch, the parameter block life cycle, the
// error report, unload and reload.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "framework/plugin.h"
#include "host/dialogs/dialog.h"
#include "host/memory.h"
#include "plugins/tintshake/tintshake.h"
#include "plugins/weightclamp/weightclamp.h"
#include "support/harness.h"

namespace corvane::testing {
namespace {

host::Art* SelectedPath(Harness& h, float width = 60) {
  host::Art* art = h.addPath({{0, 0}, {10, 0}, {10, 10}});
  art->style.strokeWidth = width;
  art->style.fillPaint = 1;
  art->style.fill.kind = kFourColour;
  return art;
}

struct RegistrationCase {
  const char* deliverable;
  const char* name;
  const char* category;
  const char* title;
  int32_t conditions[6];
};

void PrintTo(const RegistrationCase& c, std::ostream* os) { *os << c.deliverable; }

class RegistrationTest : public ::testing::TestWithParam<RegistrationCase> {};

TEST_P(RegistrationTest, RegistersOneFilterWithItsMenuCodes) {
  const RegistrationCase& c = GetParam();
  Harness h;
  host::LoadedPlugin& plugin = h.load(c.deliverable);
  ASSERT_EQ(h.session().filters.size(), 1u);
  const host::FilterRegistration& filter = *h.session().filters[0];
  EXPECT_EQ(filter.plugin, plugin.ref);
  EXPECT_EQ(filter.name, c.name);
  EXPECT_EQ(filter.category, c.category);
  EXPECT_EQ(filter.title, c.title);
  EXPECT_EQ(filter.action, 1);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(filter.conditions[i], c.conditions[i]) << "condition " << i;
}

// Fixed-form strings begin with a space where a length byte would be: the
// host reads them up to their NUL and no further.
INSTANTIATE_TEST_SUITE_P(
    Deliverables, RegistrationTest,
    ::testing::Values(
        RegistrationCase{"weightclamp", "Weightclamp", "Corvane Extras", "Weightclamp...",
                         {0, 0, 0, 0, 1, 0}},
        RegistrationCase{"hubtug", "Hubtug", "Corvane Gifts", "Hubtug...", {0, 0, 2, 0, 0, 0}},
        RegistrationCase{"sagline", "Sagline", "Corvane Extras", "Sagline...", {0, 0, 2, 0, 0, 0}},
        RegistrationCase{"tintshake", "Tintshake Filter", "Corvane Kit 1.2", "Tintshake...",
                         {0, 0, 2, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<RegistrationCase>& info) {
      return std::string(info.param.deliverable);
    });

// Every suite of the framework's table, in table order.
const char* const kEverySuite[] = {
    kBlocksSuite,      kAccessSuite,         kMdMemorySuite,       kRealMathSuite,
    kArtSuite,         kUserSuite,           kDocumentSuite,       kUndoSuite,
    kMatchingArtSuite, kPathSuite,           kPathStyleSuite,      kRandomSuite,
    kTransformArtSuite, kShapeConstructionSuite, kLayerSuite,      kMenuSuite,
    kFilterSuite,      kTagSuite,            kRealBezierSuite,     kADMBasicSuite,
    kADMDialogSuite,   kADMItemSuite,        kADMIconSuite,        kADMNotifierSuite,
    kADMListSuite,     kADMEntrySuite,
};

struct SuiteTableCase {
  const char* deliverable;
  std::set<std::string> omitted;  // rows the deliverable leaves out
};

void PrintTo(const SuiteTableCase& c, std::ostream* os) { *os << c.deliverable; }

class SuiteTableTest : public ::testing::TestWithParam<SuiteTableCase> {};

// A refused suite fails a message exactly when the deliverable obtains it.
TEST_P(SuiteTableTest, ObtainsEveryRowButTheOnesItLeavesOut) {
  const SuiteTableCase& c = GetParam();
  Harness h;
  host::LoadedPlugin& plugin = h.load(c.deliverable);
  for (const char* suite : kEverySuite) {
    h.session().failures.clear();
    h.session().failures.refuseSuite(suite);
    const HostError expected = c.omitted.count(suite) ? kNoError : kSuiteNotFoundError;
    EXPECT_EQ(h.host().send(plugin, kCallerMenu, kSelectorUpdate), expected) << suite;
  }
  h.session().failures.clear();
}

// Tintshake's table is checked with its own tests.
INSTANTIATE_TEST_SUITE_P(
    Deliverables, SuiteTableTest,
    ::testing::Values(
        SuiteTableCase{"weightclamp",
                       {kDocumentSuite, kUndoSuite, kLayerSuite, kTagSuite, kRealBezierSuite,
                        kADMNotifierSuite, kADMListSuite, kADMEntrySuite}},
        SuiteTableCase{"hubtug",
                       {kShapeConstructionSuite, kTagSuite, kRealBezierSuite, kADMListSuite,
                        kADMEntrySuite}},
        SuiteTableCase{"sagline",
                       {kRandomSuite, kTransformArtSuite, kShapeConstructionSuite, kTagSuite,
                        kRealBezierSuite, kADMListSuite, kADMEntrySuite}}),
    [](const ::testing::TestParamInfo<SuiteTableCase>& info) {
      return std::string(info.param.deliverable);
    });

TEST(SuiteBracketTest, NestedCallsObtainAndReturnTheSuitesOnce) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  host::SuiteTraffic& traffic = host::HostSuiteTraffic();
  const long obtainedBefore = traffic.obtained;
  const long returnedBefore = traffic.returned;
  long obtainedInside = -1, returnedInside = -1;
  HostError nested = -1;
  ASSERT_EQ(h.getParameters(plugin, {Inspect([&](host::Dialog&) {
                                       obtainedInside = traffic.obtained - obtainedBefore;
                                       nested = h.host().send(plugin, kCallerMenu, kSelectorUpdate);
                                       returnedInside = traffic.returned - returnedBefore;
                                     })}),
            kNoError);
  EXPECT_EQ(nested, kNoError);
  const long rows = traffic.obtained - obtainedBefore;
  EXPECT_GT(rows, 10);
  // Inside the outer call everything was obtained and nothing returned, even
  // after the nested call ended.
  EXPECT_EQ(obtainedInside, rows);
  EXPECT_EQ(returnedInside, 0);
  EXPECT_EQ(traffic.returned - returnedBefore, rows);
}

TEST(SuiteBracketTest, ASuiteThatCannotBeObtainedLeavesNoneObtained) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  SelectedPath(h);
  host::SuiteTraffic& traffic = host::HostSuiteTraffic();
  const long outstanding = traffic.obtained - traffic.returned;
  h.session().failures.refuseSuite(kADMItemSuite);
  EXPECT_EQ(h.getParameters(plugin), kSuiteNotFoundError);
  EXPECT_EQ(traffic.obtained - traffic.returned, outstanding);
  // The next call tries again and works.
  h.session().failures.clear();
  EXPECT_EQ(h.apply(plugin), kNoError);
  EXPECT_EQ(h.paths()[0]->style.strokeWidth, 50.0f);
}

TEST(SuiteBracketTest, ACallAfterAFailedReturnStillHasEverySuite) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  host::Art* art = SelectedPath(h);
  // Returning the path suite fails half-way through the release, after the
  // suites before it in the table were returned and forgotten.
  h.session().failures.failReturn(kPathSuite);
  ASSERT_EQ(h.getParameters(plugin, {Set(kMaximumItem, 20)}), kNoError);
  h.session().failures.clear();
  EXPECT_EQ(h.go(plugin), kNoError);
  EXPECT_EQ(art->style.strokeWidth, 20.0f);
}

TEST(DispatchTest, GoSentAloneWithoutABlockTouchesNothing) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  host::Art* art = SelectedPath(h);
  EXPECT_EQ(h.repeat(plugin), kNoParametersError);
  EXPECT_EQ(plugin.parameters, nullptr);
  EXPECT_EQ(art->style.strokeWidth, 60.0f);
}

TEST(DispatchTest, AnswersTheMessagesItDoesNotServe) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  EXPECT_EQ(h.host().send(plugin, kCallerMenu, kSelectorGo), kNoSelectionError);
  EXPECT_EQ(h.host().send(plugin, kCallerMenu, kSelectorUpdate), kNoError);
  EXPECT_EQ(h.host().send(plugin, "Some Caller", "Some Selector"), kNoError);
  EXPECT_EQ(h.host().send(plugin, kCallerAccess, "Something"), kNoError);
  EXPECT_EQ(h.host().send(plugin, kCallerInterface, "Something"), kNoError);
  // Nothing of these made a parameter block.
  EXPECT_EQ(plugin.parameters, nullptr);
}

TEST(DispatchTest, UnloadAndReloadKeepTheGlobals) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  host::Art* art = SelectedPath(h);
  ASSERT_EQ(h.getParameters(plugin, {Set(kMaximumItem, 30)}), kNoError);
  ASSERT_EQ(h.host().unload(plugin), kNoError);
  EXPECT_NE(plugin.globals, nullptr);
  ASSERT_EQ(h.host().reload(plugin), kNoError);
  // The reloaded library finds its filter again through the kept globals.
  ASSERT_EQ(h.apply(plugin, {}), kNoError);
  EXPECT_EQ(art->style.strokeWidth, 30.0f);
  EXPECT_EQ(h.host().shutdown(plugin), kNoError);
  EXPECT_EQ(plugin.globals, nullptr);
}

TEST(DispatchTest, AFailedStartupIsReportedAndReturned) {
  Harness h;
  h.session().failures.failOperation("AllocateBlock", kOutOfMemoryError);
  std::string error;
  host::LoadedPlugin* plugin = h.host().load(std::string(CORVANE_PLUGIN_DIR) + "/tintshake.so", &error);
  ASSERT_NE(plugin, nullptr) << error;
  EXPECT_EQ(h.host().startup(*plugin), kOutOfMemoryError);
  EXPECT_TRUE(h.session().filters.empty());
}

// Error report of a deliverable with an error list: the Go's error is looked
// up in the list; unknown codes get the "<Others>" message.
struct ReportCase {
  const char* name;
  HostError code;
  const char* message;  // null: no dialog at all
  const char* codeText;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class ErrorReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ErrorReportTest, ShowsTheListedMessageAndTheCodeText) {
  const ReportCase& c = GetParam();
  Harness h;
  host::LoadedPlugin& plugin = h.load("tintshake");
  SelectedPath(h);
  ASSERT_EQ(h.getParameters(plugin, {Check(3, false)}), kNoError);
  h.session().failures.failOperation("GetMatchingArt", c.code);
  EXPECT_EQ(h.go(plugin), c.code);
  if (c.message == nullptr) {
    EXPECT_TRUE(h.shownErrors().empty());
    return;
  }
  ASSERT_EQ(h.shownErrors().size(), 1u);
  EXPECT_EQ(h.shownErrors()[0].first, c.message);
  EXPECT_EQ(h.shownErrors()[0].second, c.codeText);
}

const char* const kUnknown = "The filter cannot complete because of an unknown error.";
const char* const kMemory =
    "The filter cannot complete because there isn't enough memory (RAM) available.";

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorReportTest,
    ::testing::Values(
        ReportCase{"NoSelection", kNoSelectionError, "The selection is not valid for this filter.", "!sel"},
        ReportCase{"LockedLayer", kLockedLayerError,
                   "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
        ReportCase{"TooManyPoints", kTooManySegmentsError,
                   "The filter cannot complete because a path has too many anchor points.", "NESS"},
        ReportCase{"UnlistedCode", CV_CODE('X', 'Y', 'Z', 'W'), kUnknown, "XYZW"},
        ReportCase{"NumericListedCode", 271, kMemory, "271"},
        ReportCase{"SmallNumber", 2, kUnknown, "2"},
        ReportCase{"NegativeIsNeverReported", -108, nullptr, ""},
        ReportCase{"OneIsNeverReported", 1, nullptr, ""}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

// After a release that stopped half-way (the suites before the failing one
// returned and forgotten), the next message obtains the missing ones again.
// When that fails, the report works with the suites still held, and a code
// that is not above 1 is still not reported.
struct HalfReleasedCase {
  const char* name;
  void (*fail)(host::FailurePlan&);
  HostError code;
  const char* message;  // null: no dialog at all
  const char* codeText;
};

void PrintTo(const HalfReleasedCase& c, std::ostream* os) { *os << c.name; }

class HalfReleasedTest : public ::testing::TestWithParam<HalfReleasedCase> {};

TEST_P(HalfReleasedTest, AFailingObtainIsReportedWithTheSuitesLeft) {
  const HalfReleasedCase& c = GetParam();
  Harness h;
  host::LoadedPlugin& plugin = h.load("tintshake");
  SelectedPath(h);
  h.session().failures.failReturn(kPathSuite);
  ASSERT_EQ(h.getParameters(plugin, {Check(3, false)}), kNoError);
  h.session().failures.clear();
  c.fail(h.session().failures);
  EXPECT_EQ(h.go(plugin), c.code);
  h.session().failures.clear();
  if (c.message == nullptr) {
    EXPECT_TRUE(h.shownErrors().empty());
    return;
  }
  ASSERT_EQ(h.shownErrors().size(), 1u);
  EXPECT_EQ(h.shownErrors()[0].first, c.message);
  EXPECT_EQ(h.shownErrors()[0].second, c.codeText);
}

// The user suite comes before the path suite, so it is among the ones to
// obtain again; without it the numeric entries of the list match nothing.
INSTANTIATE_TEST_SUITE_P(
    Failures, HalfReleasedTest,
    ::testing::Values(
        HalfReleasedCase{"UserSuiteRefused",
                         [](host::FailurePlan& f) { f.refuseSuite(kUserSuite); },
                         kSuiteNotFoundError, kUnknown, "S!FD"},
        HalfReleasedCase{"NegativeCodeNotReported",
                         [](host::FailurePlan& f) { f.failOperation("ObtainSuite", -108); }, -108,
                         nullptr, ""}),
    [](const ::testing::TestParamInfo<HalfReleasedCase>& info) {
      return std::string(info.param.name);
    });

TEST(ParameterBlockTest, DefaultsAreWrittenOnlyWhenTheBlockIsMade) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  ASSERT_EQ(h.getParameters(plugin, {Set(kMinimumItem, 7)}), kNoError);
  MemHandle first = plugin.parameters;
  ASSERT_EQ(h.getParameters(plugin), kNoError);
  EXPECT_EQ(plugin.parameters, first);
  EXPECT_EQ(h.block<WeightclampParameters>(plugin)->minimumWidth, 7.0f);
}

TEST(ParameterBlockTest, ABlockThatCannotBeMadeGivesNoDialog) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  h.session().failures.failOperation("NewHandle", kOutOfMemoryError);
  bool opened = false;
  EXPECT_EQ(h.getParameters(plugin, {Inspect([&](host::Dialog&) { opened = true; })}),
            kOutOfMemoryError);
  EXPECT_FALSE(opened);
  EXPECT_EQ(plugin.parameters, nullptr);
}

// A kept handle that cannot hold the deliverable's record is never read:
// a Go sent alone with it touches nothing, and Get Parameters starts afresh
// with the defaults while the host lets go of the old handle.
struct UnusableBlockCase {
  const char* name;
  void (*keep)(host::PluginHost&, host::LoadedPlugin&);
};

void PrintTo(const UnusableBlockCase& c, std::ostream* os) { *os << c.name; }

class UnusableBlockTest : public ::testing::TestWithParam<UnusableBlockCase> {};

TEST_P(UnusableBlockTest, IsReplacedByANewBlockWithTheDefaults) {
  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
  host::Art* art = SelectedPath(h);
  GetParam().keep(h.host(), plugin);
  EXPECT_EQ(h.repeat(plugin), kNoParametersError);
  EXPECT_EQ(art->style.strokeWidth, 60.0f);

  const MemHandle unusable = plugin.parameters;
  float shownMin = -1, shownMax = -1;
  ASSERT_EQ(h.getParameters(plugin, {Inspect([&](host::Dialog& d) {
                                       shownMin = d.item(kMinimumItem)->number().asReal();
                                       shownMax = d.item(kMaximumItem)->number().asReal();
                                     })}),
            kNoError);
  EXPECT_EQ(shownMin, 0.0f);
  EXPECT_EQ(shownMax, 50.0f);
  ASSERT_NE(plugin.parameters, unusable);
  EXPECT_EQ(host::MemHandleSize(plugin.parameters), sizeof(WeightclampParameters));
  EXPECT_FALSE(host::IsMemHandle(unusable));
  EXPECT_EQ(h.go(plugin), kNoError);
  EXPECT_EQ(art->style.strokeWidth, 50.0f);
}

void* gNoData = nullptr;

INSTANTIATE_TEST_SUITE_P(
    Handles, UnusableBlockTest,
    ::testing::Values(
        // Half a record, as kept by a build whose record was smaller.
        UnusableBlockCase{"TooSmall",
                          [](host::PluginHost& host, host::LoadedPlugin& plugin) {
                            const float minimumOnly = 7;
                            host.setParameters(plugin, &minimumOnly, sizeof minimumOnly);
                          }},
        UnusableBlockCase{"NoData",
                          [](host::PluginHost&, host::LoadedPlugin& plugin) {
                            plugin.parameters = &gNoData;
                          }}),
    [](const ::testing::TestParamInfo<UnusableBlockCase>& info) {
      return std::string(info.param.name);
    });

// In-place conversions between NUL-terminated and length-prefixed text.
TEST(StringConversionTest, RoundTripsUpTo255Characters) {
  for (size_t length : {0, 1, 64, 255}) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text.push_back(static_cast<char>('a' + i % 26));
    char buffer[257] = {};
    std::memcpy(buffer, text.data(), length);
    ASSERT_EQ(ToLengthPrefixed(buffer), kNoError) << length;
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), length);
    EXPECT_EQ(std::string(buffer + 1, length), text);
    ToNulTerminated(buffer);
    EXPECT_EQ(std::string(buffer), text);
  }
}

TEST(StringConversionTest, ALongerStringFailsAndIsLeftAsItWas) {
  char buffer[258] = {};
  std::memset(buffer, 'q', 256);
  const std::string before(buffer);
  EXPECT_NE(ToLengthPrefixed(buffer), kNoError);
  EXPECT_EQ(std::string(buffer), before);
}

}  // namespace
}  // namespace corvane::testing

namespace corvane::testing {
namespace {

// Category and title are read into 65-byte buffers: a longer string-table
// entry registers with its first 64 characters.
TEST(RegistrationTest, UsesAtMostSixtyFourCharactersOfAnEntry) {
  Harness h;
  h.load(std::string(CORVANE_FIXTURE_DIR) + "/fixture_series.so");
  ASSERT_EQ(h.session().filters.size(), 1u);
  const std::string entry =
      "Series Fixture... a title longer than the sixty-four characters registration reads";
  EXPECT_EQ(h.session().filters[0]->title, entry.substr(0, 64));
  EXPECT_EQ(h.session().filters[0]->category, "Corvane Kit 1.2");
}

}  // namespace
}  // namespace corvane::testing
