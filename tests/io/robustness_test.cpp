// Damaged input must give an error or a document, never a crash; run under
// the sanitizer configuration these cases also catch memory faults.
#include "io_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace corvane::testing {
namespace {

std::string Sample(const char* name) {
  std::ifstream in(std::string(CORVANE_SAMPLES) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Truncations and single-byte changes spread over the whole text.
std::vector<std::string> Damaged(const std::string& text) {
  static const char kBytes[] = {'<', '>', '"', '/', '-', '9', 'e', '.', ' ', '\0', '{', '[', ':', ','};
  std::vector<std::string> damaged;
  uint32_t state = 12345;
  for (size_t cut = 0; cut < text.size(); cut += 97) damaged.push_back(text.substr(0, cut));
  for (int i = 0; i < 1500; ++i) {
    state = state * 1664525u + 1013904223u;
    std::string copy = text;
    copy[state % copy.size()] = kBytes[(state >> 16) % sizeof kBytes];
    damaged.push_back(copy);
  }
  return damaged;
}

TEST(Robustness, DamagedFilesGiveErrorsOrDocuments) {
  struct Form {
    const char* sample;
    host::ReadResult (*read)(std::string_view);
  };
  const Form forms[] = {
      {"shapes.svg", [](std::string_view text) { return host::ReadSvg(text); }},
      {"badge.svg", [](std::string_view text) { return host::ReadSvg(text); }},
      {"shapes.json", [](std::string_view text) { return host::ReadJson(text); }},
  };
  for (const Form& form : forms) {
    std::string text = Sample(form.sample);
    ASSERT_FALSE(text.empty()) << form.sample;
    size_t failures = 0;
    for (const std::string& damaged : Damaged(text)) {
      auto read = form.read(damaged);
      if (!read) {
        ++failures;
        EXPECT_FALSE(read.error.message.empty()) << form.sample;
      }
    }
    EXPECT_GT(failures, 0u) << form.sample;  // the damage was noticed somewhere
  }
}

TEST(Robustness, SvgBytesThatAreNotUtf8AreRefusedWhereTheyStand) {
  // They used to be read, and the JSON writer then threw on the document.
  auto svg = [](const std::string& id) { return "<svg viewBox=\"0 0 1 1\">\n<g id=\"x" + id + "\"/></svg>"; };
  struct Case {
    const char* what;
    std::string bytes;
    int column;  // of the first bad byte
  };
  const Case refused[] = {
      {"latin-1 letter", "caf\xE9 ", 12},
      {"lone continuation byte", "\x80", 9},
      {"overlong form", "\xC0\xAF", 9},
      {"overlong three-byte form", "\xE0\x80\xAF", 9},
      {"surrogate", "a\xED\xA0\x80", 10},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", 9},
      {"cut short", "\xE2\x82", 9},
  };
  for (const Case& c : refused) {
    auto read = host::ReadSvg(svg(c.bytes));
    ASSERT_FALSE(read) << c.what;
    EXPECT_EQ(read.error.message, "not well-formed XML: invalid UTF-8") << c.what;
    EXPECT_EQ(read.error.line, 2) << c.what;
    EXPECT_EQ(read.error.column, c.column) << c.what;
  }
  for (const std::string bytes : {"caf\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF"}) {
    auto read = host::ReadSvg(svg(bytes));
    ASSERT_TRUE(read) << read.error.message;
    auto again = host::ReadJson(host::WriteJson(*read.document));
    ASSERT_TRUE(again) << again.error.message;
    EXPECT_EQ(again.document->layers[0]->art[0]->id, "x" + bytes);
  }
}

TEST(Robustness, ArcRadiiAtTheEndsOfTheDoubleRangeGiveCurvesOrChords) {
  // The centre computation overflowed into NaN, and turning that into a
  // number of pieces was undefined behaviour.
  auto segments = [](const std::string& d) {
    auto read = host::ReadSvg("<svg viewBox=\"0 0 100 100\"><path d=\"" + d + "\"/></svg>");
    EXPECT_TRUE(read) << d << ": " << read.error.message;
    return read ? read.document->layers[0]->art[0]->segments : std::vector<PathSegment>{};
  };
  // Radii too small are scaled up until the arc just reaches its end.
  auto tiny = segments("M 0 0 A 1e-300 1e-300 0 0 1 10 0");
  auto reaching = segments("M 0 0 A 5 5 0 0 1 10 0");
  ASSERT_EQ(reaching.size(), 3u);
  ASSERT_EQ(tiny.size(), reaching.size());
  for (size_t i = 0; i < tiny.size(); ++i)
    for (auto point : {&PathSegment::p, &PathSegment::in, &PathSegment::out}) {
      EXPECT_NEAR((tiny[i].*point).h, (reaching[i].*point).h, 1e-4) << i;
      EXPECT_NEAR((tiny[i].*point).v, (reaching[i].*point).v, 1e-4) << i;
    }
  // Past even that, the arc is drawn as its chord.
  auto chord = segments("M 0 0 A 1e-300 1e-300 0 0 1 2e10 0");
  ASSERT_EQ(chord.size(), 2u);
  EXPECT_TRUE(SameBits(chord[1].p, RealPoint{2e10f, 100}));
  EXPECT_TRUE(SameBits(chord[1].in, chord[1].p));
}

TEST(Robustness, LongChainsOfPaintServerFallbacksAreReadInOnePass) {
  // Each link cost a recursion and a lower-case copy of the rest of the
  // value: the stack and the memory ran out.
  std::string chain;
  for (int i = 0; i < 100000; ++i) chain += "url(#a) ";
  auto read = host::ReadSvg("<svg viewBox=\"0 0 1 1\"><path fill=\"none\" corvane:fill=\"" + chain +
                            "#ff0000\" d=\"M 0 0\"/></svg>");
  ASSERT_TRUE(read) << read.error.message;
  const PathStyle& style = read.document->layers[0]->art[0]->style;
  EXPECT_EQ(style.fillPaint, 0);
  EXPECT_EQ(ColourDifference(style.fill, Rgb(1, 0, 0)), "");
}

TEST(Robustness, InheritedPaintValuesAreBoundedInLength) {
  // Every path below a group read its paint values again and every foreign
  // element kept a copy: work and memory grew with elements times length.
  auto group = [](size_t length) {
    std::string fill = "url(#" + std::string(length - 10, 'a') + ") red";
    return host::ReadSvg("<svg viewBox=\"0 0 1 1\">\n<g fill=\"" + fill + "\"><path d=\"M 0 0\"/><x/></g></svg>");
  };
  auto longest = group(1024);
  ASSERT_TRUE(longest) << longest.error.message;
  EXPECT_EQ(ColourDifference(longest.document->layers[0]->art[0]->members[0]->style.fill, Rgb(1, 0, 0)), "");
  auto tooLong = group(1025);
  ASSERT_FALSE(tooLong);
  EXPECT_EQ(tooLong.error.message, "g: fill: value longer than 1024 characters");
  EXPECT_EQ(tooLong.error.line, 2);
}

TEST(Robustness, ViewBoxEdgesBeyondExactArithmeticStillPlaceThePage) {
  // A top edge that decimal arithmetic could not take was dropped from the
  // page's bottom, and its text was parsed again for every coordinate.
  const std::string one = "1." + std::string(900, '0') + "1";
  struct Case {
    std::string viewBox;
    const char* d;
    RealPoint expected;
  };
  const Case cases[] = {
      {one + " 0 10 10", "M 1 0", {0, 10}},  // x = 1 - left
      {"0 " + one + " 10 10", "M 0 1", {0, 10}},  // y = top + height - 1
  };
  for (const Case& c : cases) {
    auto read = host::ReadSvg("<svg viewBox=\"" + c.viewBox + "\"><path d=\"" + c.d + "\"/></svg>");
    ASSERT_TRUE(read) << c.d << ": " << read.error.message;
    const RealPoint& p = read.document->layers[0]->art[0]->segments[0].p;
    EXPECT_TRUE(SameBits(p, c.expected)) << c.d << ": " << p.h << ", " << p.v;
  }
}

TEST(Robustness, NestingIsBounded) {
  auto nested = [](int depth, const std::string& open, const std::string& close, const std::string& inner) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += open;
    text += inner;
    for (int i = 0; i < depth; ++i) text += close;
    return text;
  };
  std::string svg = "<svg viewBox=\"0 0 1 1\">" + nested(host::kMaxFileNesting, "<g>", "</g>", "<path d=\"M 0 0\"/>") +
                    "</svg>";
  EXPECT_TRUE(host::ReadSvg(svg));
  auto deep = host::ReadSvg("<svg viewBox=\"0 0 1 1\">" + nested(100000, "<g>", "</g>", "") + "</svg>");
  ASSERT_FALSE(deep);
  EXPECT_NE(deep.error.message.find("nested deeper than 256"), std::string::npos) << deep.error.message;

  auto group = [&](int depth) {
    return R"({"page": {"width": 1, "height": 1}, "layers": [{"art": [)" +
           nested(depth, R"({"type": "group", "members": [)", "]}", "") + "]}]}";
  };
  EXPECT_TRUE(host::ReadJson(group(host::kMaxFileNesting)));
  auto json = host::ReadJson(group(100000));
  ASSERT_FALSE(json);
  EXPECT_NE(json.error.message.find("nested deeper than 256"), std::string::npos) << json.error.message;
}

}  // namespace
}  // namespace corvane::testing
