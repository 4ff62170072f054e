#include "io_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace corvane::testing {
namespace {

using host::ReadSvg;
using host::SvgReadOptions;
using host::WriteSvg;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SvgRoundTrip, WritingAndReadingGivesTheSameModel) {
  auto original = MakeRichDocument();
  std::string text = WriteSvg(*original);
  auto read = ReadSvg(text);
  ASSERT_TRUE(read) << read.error.message << "\n" << text;
  EXPECT_EQ(DocumentDifference(*original, *read.document, {false}), "") << text;
  EXPECT_EQ(WriteSvg(*read.document), text);
}

TEST(SvgRoundTrip, PathGeometryEdgeCases) {
  // Each path alone, so that a failure names the case.
  struct Case {
    const char* name;
    std::vector<PathSegment> segments;
    bool closed;
  };
  const Case cases[] = {
      {"open line", {Corner(1, 2), Corner(3, 4)}, false},
      {"smooth flags that disagree with straight controls", {Smooth(1, 2, 0, 0), Smooth(3, 4, 1, 1)}, false},
      {"corner flag on collinear controls", {Corner(0, 0), [] { auto s = Smooth(5, 5, 1, 0); s.corner = 1; return s; }()}, false},
      {"open ends with controls", {Smooth(0, 0, 2, 3), Smooth(10, 0, -1, 4)}, false},
      {"closed by a curve", {Corner(0, 0), Smooth(10, 0, 0, 5)}, true},
      {"closed, first anchor repeated last", {Corner(0, 0), Corner(10, 0), Corner(0, 0)}, true},
      {"closed by a curve, first anchor repeated", {Smooth(0, 0, 1, 1), Corner(10, 0), Smooth(0, 0, 2, 2)}, true},
      {"single anchor, closed", {Corner(7, 7)}, true},
      {"single anchor looping", {Smooth(7, 7, 3, 0)}, true},
      {"two identical anchors, closed", {Corner(7, 7), Corner(7, 7)}, true},
      {"tiny and huge values", {Corner(1e-30f, -1e-30f), Corner(3e38f, -3e38f), Corner(-0.0f, 1.4e-45f)}, false},
  };
  for (const Case& c : cases) {
    Document document(100, 100);
    Layer* layer = document.createLayer();
    document.layers.push_back(layer);
    document.current = layer;
    AddPath(document, layer, nullptr, c.segments, c.closed);
    std::string text = WriteSvg(document);
    auto read = ReadSvg(text);
    ASSERT_TRUE(read) << c.name << ": " << read.error.message;
    EXPECT_EQ(DocumentDifference(document, *read.document, {false}), "") << c.name << "\n" << text;
  }
}

TEST(SvgRoundTrip, WrittenFormIsTidyAndPlain) {
  Document document(200, 100);
  Layer* layer = document.createLayer();
  layer->title = "Art";
  document.layers.push_back(layer);
  document.current = layer;
  Art* path = AddPath(document, layer, nullptr, {Corner(10, 20), Corner(30.5f, 40)}, false);
  path->style.fillPaint = 1;
  path->style.fill = Cmyk(0.1f, 0.3f, 0.7f, 0);
  path->style.stroke = Grey(0.25f);
  path->style.strokeWidth = 0.25f;
  EXPECT_EQ(WriteSvg(document),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
            "xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\" xmlns:corvane=\"urn:corvane\" "
            "width=\"200pt\" height=\"100pt\" viewBox=\"0 0 200 100\">\n"
            "  <g inkscape:groupmode=\"layer\" inkscape:label=\"Art\" corvane:current=\"true\">\n"
            "    <path d=\"M 10,80 L 30.5,60\" fill=\"#e6b34d\" stroke=\"#bfbfbf\" stroke-width=\"0.25\" "
            "style=\"fill:#e6b34d icc-color(corvane-cmyk, 0.1, 0.3, 0.7, 0);"
            "stroke:#bfbfbf icc-color(corvane-grey, 0.25)\"/>\n"
            "  </g>\n"
            "</svg>\n");
}

TEST(SvgRoundTrip, OutOfRangeValuesKeepExactValuesBesideClampedFallbacks) {
  Document document(100, 100);
  Layer* layer = document.createLayer();
  document.layers.push_back(layer);
  Art* path = AddPath(document, layer, nullptr, {Corner(0, 0)}, false);
  path->style.fillPaint = 1;
  path->style.fill = Rgb(1.5f, -0.25f, 0.5f);
  path->style.strokeWidth = -2.5f;
  std::string text = WriteSvg(document);
  EXPECT_NE(text.find("fill=\"#ff0080\""), std::string::npos) << text;
  EXPECT_NE(text.find("style=\"fill:#ff0080 icc-color(corvane-rgb, 1.5, -0.25, 0.5);"), std::string::npos) << text;
  EXPECT_NE(text.find("stroke-width=\"0\" corvane:stroke-width=\"-2.5\""), std::string::npos) << text;
  // A drawing program that changes the width drops the exact value's claim.
  std::string edited = text;
  edited.replace(edited.find("stroke-width=\"0\""), 16, "stroke-width=\"3\"");
  auto read = ReadSvg(edited);
  ASSERT_TRUE(read);
  EXPECT_EQ(read.document->layers[0]->art[0]->style.strokeWidth, 3.0f);
}

TEST(SvgCarried, UnknownContentSurvivesReadingAndWriting) {
  std::string source = ReadText(CORVANE_TEST_DATA "/io_drawing_program.svg");
  auto first = ReadSvg(source);
  ASSERT_TRUE(first) << first.error.message;
  const Document& d = *first.document;
  // Top-level elements that draw nothing went to the prologue, in order.
  ASSERT_EQ(d.svgPrologue.size(), 3u);
  EXPECT_EQ(d.svgPrologue[0].rfind("<sodipodi:namedview", 0), 0u);
  EXPECT_EQ(d.svgPrologue[1].rfind("<defs", 0), 0u);
  EXPECT_EQ(d.svgPrologue[2].rfind("<metadata", 0), 0u);
  using Attributes = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(d.svgRootAttributes, (Attributes{{"version", "1.1"},
                                             {"xmlns:xlink", "http://www.w3.org/1999/xlink"},
                                             {"xmlns:dc", "http://purl.org/dc/elements/1.1/"},
                                             {"sodipodi:docname", "drawing.svg"}}));
  ASSERT_EQ(d.layers.size(), 1u);
  const Layer& layer = *d.layers[0];
  EXPECT_EQ(layer.extraAttributes, (Attributes{{"style", "opacity:0.9"}}));
  ASSERT_EQ(layer.art.size(), 3u);
  const Art& path = *layer.art[0];
  EXPECT_EQ(path.id, "path1");
  EXPECT_EQ(path.extraAttributes,
            (Attributes{{"inkscape:connector-curvature", "0"}, {"style", "opacity:0.5;marker-end:url(#m)"}}));
  // Foreign art keeps its place: its lost ancestors' transform and paint are now its own.
  const Art& group = *layer.art[1];
  ASSERT_EQ(group.members.size(), 2u);
  EXPECT_EQ(group.members[1]->type, ArtType::Foreign);
  EXPECT_EQ(group.members[1]->xml,
            "<text x=\"5\" y=\"6\" style=\"font-size:12px\" transform=\"matrix(1 0 0 1 10 20)\" "
            "fill=\"#ff0000\">Hello <tspan>world</tspan></text>");
  EXPECT_NEAR(group.members[0]->segments[0].p.h, 10, 1e-6);  // the path moved with the group
  EXPECT_EQ(layer.art[2]->type, ArtType::Foreign);
  EXPECT_EQ(layer.art[2]->xml, "<image xlink:href=\"data:,\" width=\"1\" height=\"1\" fill=\"#ff0000\"/>");
  EXPECT_EQ(ColourDifference(path.style.fill, Rgb(1, 0, 0)), "");  // from the root
  EXPECT_EQ(ColourDifference(path.style.stroke, Rgb(0, 0, 0)), "");

  std::string written = WriteSvg(d);
  auto second = ReadSvg(written);
  ASSERT_TRUE(second) << second.error.message << "\n" << written;
  EXPECT_EQ(DocumentDifference(d, *second.document), "") << written;
  EXPECT_EQ(WriteSvg(*second.document), written);
}

TEST(SvgSelect, IdsChooseTheSelection) {
  const std::string text = R"(<svg viewBox="0 0 10 10" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape">
    <g inkscape:groupmode="layer" id="L1">
      <path id="a" d="M 0 0"/>
      <g id="grp"><path id="b" d="M 0 0"/><path d="M 0 0 L 1 1 M 2 2 L 3 3"/><text id="t">x</text></g>
    </g>
    <g inkscape:groupmode="layer" id="L2" sodipodi:insensitive="true" xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd">
      <path id="c" d="M 0 0"/>
    </g>
  </svg>)";
  auto selectedIn = [](const Document& d) {
    std::string names;
    ForEachArt(d.layers[0]->art, [&](Art& art) { names += art.selected ? "1" : "0"; });
    ForEachArt(d.layers[1]->art, [&](Art& art) { names += art.selected ? "1" : "0"; });
    return names;
  };
  // Pre-order: a, grp, b, compound, member, member, t | c
  struct Case {
    std::optional<std::vector<std::string>> ids;
    const char* selected;
  };
  const Case cases[] = {
      {std::nullopt, "1111110" "0"},
      {std::vector<std::string>{}, "0000000" "0"},
      {std::vector<std::string>{"a"}, "1000000" "0"},
      {std::vector<std::string>{"grp"}, "0111110" "0"},
      {std::vector<std::string>{"b", "c"}, "0010000" "1"},
      {std::vector<std::string>{"L2"}, "0000000" "1"},
  };
  for (const Case& c : cases) {
    auto read = ReadSvg(text, SvgReadOptions{c.ids});
    ASSERT_TRUE(read) << read.error.message;
    EXPECT_EQ(selectedIn(*read.document), c.selected);
  }
  auto missing = ReadSvg(text, SvgReadOptions{std::vector<std::string>{"a", "x"}});
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error.message, "no element with id 'x'");
  EXPECT_FALSE(ReadSvg(text, SvgReadOptions{std::vector<std::string>{"t"}}));
}

TEST(SvgBroken, ErrorsSayWhatAndWhere) {
  struct Case {
    std::string text;
    std::string message;
    int line;
  };
  std::string longPath = "M 0 0";
  for (int i = 0; i < kMaxSegments; ++i) longPath += " L 1 1";
  const Case cases[] = {
      {"<svg viewBox=\"0 0 1 1\">\n<g>\n</svg>", "not well-formed XML: Start-end tags mismatch", 3},
      {"", "not well-formed XML: No document element found", 1},
      {"<html/>", "html: the root element is <html>, not <svg>", 1},
      {"<svg>\n<path d=\"M 0 0\"/></svg>", "svg: no viewBox and no width", 1},
      {"<svg width=\"10mm\" height=\"10mm\"/>", "svg: width: expected a length in pt, px or user units", 1},
      {"<svg viewBox=\"0 0 0 10\"/>", "svg: viewBox: the page width and height must be above 0", 1},
      {"<svg viewBox=\"0 0 1 1\">\n\n<rect width=\"wide\" height=\"1\"/></svg>", "rect: width: expected a number", 3},
      {"<svg viewBox=\"0 0 1 1\">\n<path stroke-linecap=\"pointy\" d=\"M 0 0\"/></svg>",
       "path: stroke-linecap: unknown value 'pointy'", 2},
      {"<svg viewBox=\"0 0 1 1\">\n<path stroke-dasharray=\"1 1 1 1 1 1 1\" d=\"M 0 0\"/></svg>",
       "path: stroke-dasharray: more than 6 values", 2},
      {"<svg viewBox=\"0 0 1 1\">\n<path d=\"" + longPath + "\"/></svg>",
       "path: a subpath has more than 32767 segments", 2},
      {"<svg viewBox=\"0 0 1 1\"><path d=\"M 0 0 L 3e38 0\" transform=\"scale(10)\"/></svg>",
       "path: a coordinate is outside the single-precision range", 1},
  };
  for (const Case& c : cases) {
    auto read = ReadSvg(c.text);
    ASSERT_FALSE(read) << c.message;
    EXPECT_EQ(read.error.message.rfind(c.message, 0), 0u) << "expected '" << c.message << "', got '"
                                                         << read.error.message << "'";
    EXPECT_EQ(read.error.line, c.line) << c.message;
  }
  std::string longest = "M 0 0";
  for (int i = 1; i < kMaxSegments; ++i) longest += " L 1 1";
  EXPECT_TRUE(ReadSvg("<svg viewBox=\"0 0 1 1\"><path d=\"" + longest + "\"/></svg>"));
}

}  // namespace
}  // namespace corvane::testing
