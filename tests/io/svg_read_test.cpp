#include "io_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvane::testing {
namespace {

using host::ReadSvg;

// A 100 x 100 page (so document y = 100 - svg y) holding `body`.
host::ReadResult ReadBody(const std::string& body, const std::string& rootAttributes = "") {
  return ReadSvg(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100")" + rootAttributes + ">" + body +
                 "</svg>");
}

const Art& OnlyArt(const host::ReadResult& read) {
  EXPECT_EQ(read.document->layers.size(), 1u);
  EXPECT_EQ(read.document->layers[0]->art.size(), 1u);
  return *read.document->layers[0]->art[0];
}

struct Anchor {
  float x, y, inX, inY, outX, outY;
};

Anchor Line(float x, float y) { return Anchor{x, y, x, y, x, y}; }

void ExpectSegments(const Art& path, const std::vector<Anchor>& anchors, const std::string& label) {
  ASSERT_EQ(path.segments.size(), anchors.size()) << label;
  for (size_t i = 0; i < anchors.size(); ++i) {
    const PathSegment& s = path.segments[i];
    const Anchor& a = anchors[i];
    EXPECT_TRUE(SameBits(s.p, RealPoint{a.x, a.y})) << label << " [" << i << "].p " << s.p.h << "," << s.p.v;
    EXPECT_NEAR(s.in.h, a.inX, 1e-4) << label << " [" << i << "].in";
    EXPECT_NEAR(s.in.v, a.inY, 1e-4) << label << " [" << i << "].in";
    EXPECT_NEAR(s.out.h, a.outX, 1e-4) << label << " [" << i << "].out";
    EXPECT_NEAR(s.out.v, a.outY, 1e-4) << label << " [" << i << "].out";
  }
}

TEST(SvgReadPathData, CommandsGiveSegmentsInDocumentCoordinates) {
  struct Case {
    const char* d;
    bool closed;
    std::vector<Anchor> anchors;
  };
  const Case cases[] = {
      {"M 10 20 L 30 40", false, {Line(10, 80), Line(30, 60)}},
      {"m 10 20 l 5 5 h 10 v -5 z", true, {Line(10, 80), Line(15, 75), Line(25, 75), Line(25, 80)}},
      {"M10-20L.5.5", false, {Line(10, 120), Line(0.5f, 99.5f)}},
      {"M 1e1,2E1 H 30 V 40", false, {Line(10, 80), Line(30, 80), Line(30, 60)}},
      {"M 0 0 C 10 0 20 10 20 20", false, {{0, 100, 0, 100, 10, 100}, {20, 80, 20, 90, 20, 80}}},
      {"M 0 0 c 10 0 20 10 20 20", false, {{0, 100, 0, 100, 10, 100}, {20, 80, 20, 90, 20, 80}}},
      // Quadratic raised to a cubic: controls two thirds of the way to (30, 0).
      {"M 0 0 Q 30 0 30 30", false, {{0, 100, 0, 100, 20, 100}, {30, 70, 30, 90, 30, 70}}},
      // S reflects the previous second control about the current point.
      {"M 0 0 C 0 10 10 10 10 0 S 20 -10 20 0",
       false,
       {{0, 100, 0, 100, 0, 90}, {10, 100, 10, 90, 10, 110}, {20, 100, 20, 110, 20, 100}}},
      // A last segment back on the start point is the closing segment.
      {"M 0 0 L 10 0 L 10 10 L 0 0 Z", true, {Line(0, 100), Line(10, 100), Line(10, 90)}},
      {"M 0 0 L 10 0 C 10 10 5 10 0 0 Z", true, {{0, 100, 5, 90, 0, 100}, {10, 100, 10, 100, 10, 90}}},
      {"M 5 5", false, {Line(5, 95)}},
  };
  for (const Case& c : cases) {
    auto read = ReadBody(std::string("<path d=\"") + c.d + "\"/>");
    ASSERT_TRUE(read) << c.d << ": " << read.error.message;
    const Art& path = OnlyArt(read);
    ASSERT_EQ(path.type, ArtType::Path) << c.d;
    EXPECT_EQ(path.closed, c.closed) << c.d;
    ExpectSegments(path, c.anchors, c.d);
  }
}

TEST(SvgReadPathData, SeveralSubpathsMakeACompoundPath) {
  // After Z, a drawing command starts the next subpath at the closed one's start.
  auto read = ReadBody(R"(<path d="M 0 0 L 10 0 Z L 5 5 M 50 50 L 60 60" fill-rule="evenodd"/>)");
  ASSERT_TRUE(read) << read.error.message;
  const Art& compound = OnlyArt(read);
  ASSERT_EQ(compound.type, ArtType::Compound);
  ASSERT_EQ(compound.members.size(), 3u);
  ExpectSegments(*compound.members[0], {Line(0, 100), Line(10, 100)}, "first");
  EXPECT_TRUE(compound.members[0]->closed);
  ExpectSegments(*compound.members[1], {Line(0, 100), Line(5, 95)}, "second");
  EXPECT_FALSE(compound.members[1]->closed);
  ExpectSegments(*compound.members[2], {Line(50, 50), Line(60, 40)}, "third");
  for (const Art* member : compound.members) {
    EXPECT_EQ(member->parent, &compound);
    EXPECT_EQ(member->style.evenOdd, 1);
  }
  EXPECT_EQ(compound.style.evenOdd, 1);
}

TEST(SvgReadPathData, ArcsBecomeQuarterTurnCubics) {
  // Upper half of the circle of radius 50 about the page centre.
  auto read = ReadBody(R"(<path d="M 0 50 A 50 50 0 0 1 100 50"/>)");
  ASSERT_TRUE(read) << read.error.message;
  const Art& path = OnlyArt(read);
  ASSERT_EQ(path.segments.size(), 3u);
  const float k = 50 * 0.5522847f;
  ExpectSegments(path, {{0, 50, 0, 50, 0, 50 + k}, {50, 100, 50 - k, 100, 50 + k, 100}, {100, 50, 100, 50 + k, 100, 50}},
                 "arc");
  EXPECT_EQ(path.segments[1].corner, 0);  // a smooth top
  // Relative arcs and radii too small to reach the end point (scaled up).
  auto small = ReadBody(R"(<path d="M 0 50 a 1 1 0 0 0 100 0"/>)");
  ASSERT_TRUE(small) << small.error.message;
  const Art& lower = OnlyArt(small);
  ASSERT_EQ(lower.segments.size(), 3u);
  EXPECT_NEAR(lower.segments[1].p.h, 50, 1e-4);
  EXPECT_NEAR(lower.segments[1].p.v, 0, 1e-4);
}

TEST(SvgReadPathData, BadPathDataIsAnErrorWithItsPlace) {
  struct Case {
    const char* d;
    const char* message;
  };
  const Case cases[] = {
      {"L 10 10", "path data must begin with a move-to (M or m) at position 0"},
      {"M 10", "expected a number at position 4"},
      {"M 10 10 X 5", "unknown command 'X' at position 8"},
      {"M 0 0 A 1 1 0 2 0 5 5", "expected an arc flag (0 or 1) at position 14"},
      {"M 0 0 L 1e999 0", "expected a number at position 8"},
  };
  for (const Case& c : cases) {
    auto read = ReadSvg(std::string("<svg viewBox=\"0 0 10 10\">\n\n  <path id=\"p\" d=\"") + c.d + "\"/>\n</svg>");
    ASSERT_FALSE(read) << c.d;
    EXPECT_EQ(read.error.message, std::string("path 'p': d: ") + c.message);
    EXPECT_EQ(read.error.line, 3) << c.d;
    EXPECT_EQ(read.error.column, 3) << c.d;
  }
}

TEST(SvgReadGeometry, TransformsOfPathsAndGroupsApplyInOrder) {
  struct Case {
    const char* group;
    const char* path;
    float x, y;  // where svg (10, 0) lands, in document coordinates
    float width;
  };
  const Case cases[] = {
      {"translate(10,20)", "scale(2)", 30, 80, 2},
      {"", "translate(5)", 15, 100, 1},
      {"rotate(90 50 50)", "", 100, 90, 1},
      {"matrix(1 0 0 1 5 5)", "skewX(45)", 15, 95, 1},
      {"scale(3 1)", "", 30, 100, std::sqrt(3.0f)},
      {"skewY(45)", "", 10, 90, 1},
  };
  for (const Case& c : cases) {
    auto read = ReadBody(std::string("<g transform=\"") + c.group + "\"><path transform=\"" + c.path +
                         "\" d=\"M 10 0 L 10 10\" stroke=\"red\"/></g>");
    ASSERT_TRUE(read) << c.group << " " << read.error.message;
    const Art& path = *OnlyArt(read).members.at(0);
    EXPECT_NEAR(path.segments[0].p.h, c.x, 1e-4) << c.group << " " << c.path;
    EXPECT_NEAR(path.segments[0].p.v, c.y, 1e-4) << c.group << " " << c.path;
    EXPECT_NEAR(path.style.strokeWidth, c.width, 1e-5) << c.group << " " << c.path;
    EXPECT_TRUE(OnlyArt(read).extraAttributes.empty());  // the transform was applied, not kept
  }
  auto bad = ReadBody(R"svg(<g transform="spin(3)"><path d="M 0 0"/></g>)svg");
  ASSERT_FALSE(bad);
  EXPECT_NE(bad.error.message.find("g: transform: bad transform 'spin'"), std::string::npos) << bad.error.message;
}

TEST(SvgReadGeometry, ShapesBecomePaths) {
  struct Case {
    std::string element;
    bool closed;
    std::vector<float> anchors;  // x, y pairs in document coordinates
  };
  const Case cases[] = {
      {R"(<rect x="10" y="10" width="20" height="30"/>)", true, {10, 90, 30, 90, 30, 60, 10, 60}},
      {R"(<circle cx="50" cy="50" r="10"/>)", true, {60, 50, 50, 40, 40, 50, 50, 60}},
      {R"(<ellipse cx="50" cy="50" rx="20" ry="10"/>)", true, {70, 50, 50, 40, 30, 50, 50, 60}},
      {R"(<line x1="1" y1="2" x2="3" y2="4"/>)", false, {1, 98, 3, 96}},
      {R"(<polyline points="0,0 10,0 10,10"/>)", false, {0, 100, 10, 100, 10, 90}},
      {R"(<polygon points="0 0, 10 0, 10 10"/>)", true, {0, 100, 10, 100, 10, 90}},
      {R"(<rect x="0" y="0" width="20" height="20" rx="5"/>)",
       true,
       {5, 100, 15, 100, 20, 95, 20, 85, 15, 80, 5, 80, 0, 85, 0, 95}},
  };
  for (const Case& c : cases) {
    auto read = ReadBody(c.element);
    ASSERT_TRUE(read) << c.element << ": " << read.error.message;
    const Art& path = OnlyArt(read);
    ASSERT_EQ(path.type, ArtType::Path);
    EXPECT_EQ(path.closed, c.closed) << c.element;
    ASSERT_EQ(path.segments.size() * 2, c.anchors.size()) << c.element;
    for (size_t i = 0; i < path.segments.size(); ++i) {
      EXPECT_NEAR(path.segments[i].p.h, c.anchors[2 * i], 1e-4) << c.element << " " << i;
      EXPECT_NEAR(path.segments[i].p.v, c.anchors[2 * i + 1], 1e-4) << c.element << " " << i;
    }
  }
  auto circle = ReadBody(R"(<circle cx="50" cy="50" r="10"/>)");
  for (const auto& segment : OnlyArt(circle).segments) EXPECT_EQ(segment.corner, 0);
  for (const char* bad : {R"(<rect width="-1" height="5"/>)", R"(<polygon points="1 2 3"/>)", R"(<circle r="big"/>)"})
    EXPECT_FALSE(ReadBody(bad)) << bad;
}

TEST(SvgReadPaint, PropertiesAreInheritedAndStyleOutranksAttributes) {
  auto read = ReadBody(R"(<g fill="red" stroke="#00f" stroke-width="3" style="stroke-linecap:round">
      <path d="M 0 0"/>
      <path d="M 0 0" style="fill:none; stroke-width: 2px" stroke-width="9"/>
      <g stroke-dasharray="1, 2 3" stroke-dashoffset="0.5" stroke-linejoin="bevel" stroke-miterlimit="7">
        <path d="M 0 0" fill="inherit" stroke="inherit" fill-rule="evenodd"/>
      </g>
    </g>)");
  ASSERT_TRUE(read) << read.error.message;
  const Art& group = OnlyArt(read);
  ASSERT_EQ(group.members.size(), 3u);
  const PathStyle& first = group.members[0]->style;
  EXPECT_EQ(first.fillPaint, 1);
  EXPECT_EQ(ColourDifference(first.fill, Rgb(1, 0, 0)), "");
  EXPECT_EQ(first.strokePaint, 1);
  EXPECT_EQ(ColourDifference(first.stroke, Rgb(0, 0, 1)), "");
  EXPECT_EQ(first.strokeWidth, 3.0f);
  EXPECT_EQ(first.cap, 1);
  const PathStyle& second = group.members[1]->style;
  EXPECT_EQ(second.fillPaint, 0);
  EXPECT_EQ(second.strokeWidth, 2.0f);
  const PathStyle& third = group.members[2]->members[0]->style;
  EXPECT_EQ(ColourDifference(third.fill, Rgb(1, 0, 0)), "");
  EXPECT_EQ(third.dashCount, 3);
  EXPECT_EQ(third.dashes[2], 3.0f);
  EXPECT_EQ(third.dashOffset, 0.5f);
  EXPECT_EQ(third.join, 2);
  EXPECT_EQ(third.miterLimit, 7.0f);
  EXPECT_EQ(third.evenOdd, 1);
  EXPECT_TRUE(group.extraAttributes.empty());  // paint went down to the paths
}

TEST(SvgReadPaint, DefaultsAreABlackFillAndNoStroke) {
  auto read = ReadBody(R"(<path d="M 0 0"/>)");
  ASSERT_TRUE(read);
  const PathStyle& style = OnlyArt(read).style;
  EXPECT_EQ(style.fillPaint, 1);
  EXPECT_EQ(ColourDifference(style.fill, Rgb(0, 0, 0)), "");
  EXPECT_EQ(style.strokePaint, 0);
  EXPECT_EQ(style.strokeWidth, 1.0f);
  EXPECT_EQ(style.miterLimit, 4.0f);
  EXPECT_EQ(style.cap, 0);
  EXPECT_EQ(style.join, 0);
  EXPECT_EQ(style.dashCount, 0);
}

TEST(SvgReadPaint, ColourValues) {
  struct Case {
    const char* value;
    Colour expected;
  };
  const Case cases[] = {
      {"#fff", Rgb(1, 1, 1)},
      {"#336699", Rgb(0x33 / 255.0f, 0x66 / 255.0f, 0x99 / 255.0f)},
      {"rgb(255, 0, 0)", Rgb(1, 0, 0)},
      {"rgb(100%,50%,0%)", Rgb(1, 128 / 255.0f, 0)},
      {"Navy", Rgb(0, 0, 128 / 255.0f)},
      {"currentColor", Rgb(0, 0, 0)},
      {"#e6b31a icc-color(corvane-cmyk, 0.1, 0.3, 0.7, 0)", Cmyk(0.1f, 0.3f, 0.7f, 0)},
      {"#bfbfbf icc-color(corvane-grey, 0.25)", Grey(0.25f)},
      {"#000 icc-color(some-profile, 0.2 0.4 0.6)", Rgb(0.2f, 0.4f, 0.6f)},
      {"#102030 icc-color(two, 0.2, 0.4)", Rgb(0x10 / 255.0f, 0x20 / 255.0f, 0x30 / 255.0f)},
      {"url(#gradient)", Grey(0.5f)},
      {"url(#gradient) #ff0000", Rgb(1, 0, 0)},
  };
  for (const Case& c : cases) {
    auto read = ReadBody(std::string("<path d=\"M 0 0\" fill=\"") + c.value + "\"/>");
    ASSERT_TRUE(read) << c.value << ": " << read.error.message;
    EXPECT_EQ(OnlyArt(read).style.fillPaint, 1) << c.value;
    EXPECT_EQ(ColourDifference(OnlyArt(read).style.fill, c.expected), "") << c.value;
  }
  auto none = ReadBody(R"(<path d="M 0 0" fill="none" stroke="none"/>)");
  EXPECT_EQ(OnlyArt(none).style.fillPaint, 0);
  EXPECT_EQ(OnlyArt(none).style.strokePaint, 0);
  for (const char* bad : {"blurple", "#12", "rgb(1,2)", "#fff icc-color(x, 0.1, oops)"}) {
    auto read = ReadBody(std::string("<path d=\"M 0 0\" fill=\"") + bad + "\"/>");
    ASSERT_FALSE(read) << bad;
    EXPECT_EQ(read.error.message.rfind("path: fill: ", 0), 0u) << read.error.message;
  }
}

TEST(SvgReadLayers, InkscapeMarksGiveLayers) {
  auto read = ReadSvg(R"(<svg xmlns="http://www.w3.org/2000/svg"
      xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
      xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd" width="200pt" height="100pt">
    <path d="M 0 0"/>
    <g inkscape:groupmode="layer" inkscape:label="Back" id="back" style="display:none;opacity:0.5">
      <path d="M 1 1"/>
    </g>
    <path d="M 2 2"/>
    <rect width="1" height="1"/>
    <g inkscape:groupmode="layer" inkscape:label="Front" sodipodi:insensitive="true">
      <g inkscape:groupmode="layer" inkscape:label="Sub"><path d="M 3 3"/></g>
    </g>
  </svg>)");
  ASSERT_TRUE(read) << read.error.message;
  const Document& d = *read.document;
  EXPECT_EQ(d.width, 200.0f);
  EXPECT_EQ(d.height, 100.0f);
  ASSERT_EQ(d.layers.size(), 4u);
  const char* titles[] = {"Layer 1", "Back", "Layer 2", "Front"};
  const size_t counts[] = {1, 1, 2, 1};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(d.layers[i]->title, titles[i]);
    EXPECT_EQ(d.layers[i]->art.size(), counts[i]) << titles[i];
    for (const Art* art : d.layers[i]->art) EXPECT_EQ(art->layer, d.layers[i]);
  }
  EXPECT_FALSE(d.layers[1]->visible);
  EXPECT_EQ(d.layers[1]->id, "back");
  using Attributes = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(d.layers[1]->extraAttributes, (Attributes{{"style", "opacity:0.5"}}));
  EXPECT_TRUE(d.layers[3]->locked);
  EXPECT_TRUE(d.layers[3]->visible);
  EXPECT_EQ(d.layers[3]->art[0]->type, ArtType::Group);  // a nested layer is a group
  EXPECT_EQ(d.current, d.layers[3]);                   // none marked: the top-most
  // Paths on visible, unlocked layers are selected; others not.
  EXPECT_TRUE(d.layers[0]->art[0]->selected);
  EXPECT_FALSE(d.layers[1]->art[0]->selected);
  EXPECT_TRUE(d.layers[2]->art[1]->selected);
  EXPECT_FALSE(d.layers[3]->art[0]->members[0]->selected);
}

TEST(SvgReadLayers, CurrentMarkAndPageFromViewBox) {
  auto read = ReadSvg(R"(<svg xmlns:corvane="urn:corvane" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
      width="50%" viewBox="10 20 300 400">
    <g inkscape:groupmode="layer" corvane:current="true"><path d="M 10 20 L 310 420"/></g>
    <g inkscape:groupmode="layer"/>
  </svg>)");
  ASSERT_TRUE(read) << read.error.message;
  const Document& d = *read.document;
  EXPECT_EQ(d.width, 300.0f);
  EXPECT_EQ(d.height, 400.0f);
  EXPECT_EQ(d.current, d.layers[0]);
  // The viewBox origin is the page's top-left corner.
  ExpectSegments(*d.layers[0]->art[0], {Line(0, 400), Line(300, 0)}, "viewBox origin");
}

}  // namespace
}  // namespace corvane::testing
