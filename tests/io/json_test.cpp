#include "io_support.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

using host::ReadJson;
using host::WriteJson;

TEST(JsonRoundTrip, WritingAndReadingGivesTheSameModel) {
  for (auto make : {MakeRichDocument, MakeJsonOnlyDocument}) {
    auto original = make();
    std::string text = WriteJson(*original);
    auto read = ReadJson(text);
    ASSERT_TRUE(read) << read.error.message << "\n" << text;
    EXPECT_EQ(DocumentDifference(*original, *read.document), "") << text;
    // Stable: the model read back writes the same text.
    EXPECT_EQ(WriteJson(*read.document), text);
  }
}

TEST(JsonRoundTrip, FloatsSurviveExactlyIncludingAwkwardValues) {
  const float values[] = {0.1f, 1.0f / 3, -0.0f, 1e-45f, 3.4028235e38f, 16777217.0f, 0.3f, 123.456f, 2.5e-8f};
  for (float value : values) {
    Document document(612, 792);
    Layer* layer = document.createLayer();
    document.layers.push_back(layer);
    document.current = layer;
    AddPath(document, layer, nullptr, {Corner(value, -value)}, false)->style.strokeWidth = value;
    auto read = ReadJson(WriteJson(document));
    ASSERT_TRUE(read) << read.error.message;
    EXPECT_EQ(DocumentDifference(document, *read.document), "") << value;
  }
}

TEST(JsonRoundTrip, ShortestTextIsWritten) {
  Document document(612, 792);
  Layer* layer = document.createLayer();
  document.layers.push_back(layer);
  AddPath(document, layer, nullptr, {Corner(0.1f, 2.5f)}, false);
  std::string text = WriteJson(document);
  EXPECT_NE(text.find("\"p\": [0.1, 2.5]"), std::string::npos) << text;
}

TEST(JsonWrite, ShortNestsStayOnOneLineLongOnesBreak) {
  // Each object or array goes on one line when it nests at most three deep
  // and the line, counted from its indent, fits in 100 characters.
  auto read = ReadJson(R"({"page": {"width": 200, "height": 100}, "layers": [{"title": "Art", "art": [
      {"type": "path", "closed": true,
       "segments": [{"p": [10, 20]}, {"p": [30.5, 40], "in": [25, 40], "out": [36, 40]}],
       "style": {"fill": {"colour": {"cmyk": [0.1, 0.3, 0.7, 0]}}, "stroke": {"paint": false, "dashes": [1, 2]}}},
      {"type": "group", "members": [{"type": "foreign", "svg": "<circle r=\"1\"/>"}]}]}]})");
  ASSERT_TRUE(read) << read.error.message;
  EXPECT_EQ(WriteJson(*read.document), R"({
  "page": {"width": 200.0, "height": 100.0},
  "layers": [
    {
      "title": "Art",
      "visible": true,
      "locked": false,
      "current": true,
      "art": [
        {
          "type": "path",
          "selected": false,
          "closed": true,
          "guide": false,
          "style": {
            "fill": {
              "paint": true,
              "overprint": false,
              "colour": {"cmyk": [0.1, 0.3, 0.7, 0.0]},
              "evenOdd": false
            },
            "stroke": {
              "paint": false,
              "overprint": false,
              "colour": {"grey": 0.0},
              "width": 1.0,
              "dashOffset": 0.0,
              "dashes": [1.0, 2.0],
              "cap": "butt",
              "join": "miter",
              "miterLimit": 4.0
            }
          },
          "segments": [{"p": [10.0, 20.0]}, {"p": [30.5, 40.0], "in": [25.0, 40.0], "out": [36.0, 40.0]}]
        },
        {
          "type": "group",
          "selected": false,
          "members": [{"type": "foreign", "svg": "<circle r=\"1\"/>"}]
        }
      ]
    }
  ]
}
)");
}

TEST(JsonWrite, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  // Plug-ins may give titles any bytes; the writer used to throw on them.
  Document document(612, 792);
  Layer* layer = document.addLayer("caf\xE9");
  AddPath(document, layer, nullptr, {Corner(0, 0)}, false)->id = "\xFF\xFEid";
  std::string text;
  ASSERT_NO_THROW(text = WriteJson(document));
  auto read = ReadJson(text);
  ASSERT_TRUE(read) << read.error.message;
  EXPECT_EQ(read.document->layers[0]->title, "caf\uFFFD");
  EXPECT_EQ(read.document->layers[0]->art[0]->id, "\uFFFD\uFFFDid");
}

TEST(JsonRead, OptionalFieldsTakeTheirDefaults) {
  auto read = ReadJson(R"({"page": {"width": 100, "height": 50},
    "layers": [{"art": [{"type": "path", "segments": [{"p": [1, 2]}, {"p": [3, 4], "out": [5, 6], "corner": true}]},
                        {"type": "path", "segments": [], "style": {}}]},
               {"title": "Top"}]})");
  ASSERT_TRUE(read) << read.error.message;
  const Document& d = *read.document;
  ASSERT_EQ(d.layers.size(), 2u);
  EXPECT_EQ(d.current, d.layers[1]);  // none marked: the top-most one
  EXPECT_TRUE(d.layers[0]->visible);
  EXPECT_FALSE(d.layers[0]->locked);
  const Art& path = *d.layers[0]->art[0];
  EXPECT_FALSE(path.selected);
  EXPECT_FALSE(path.closed);
  EXPECT_EQ(StyleDifference(path.style, host::DefaultArtStyle()), "");
  EXPECT_TRUE(SameBits(path.segments[0].in, RealPoint{1, 2}));
  EXPECT_TRUE(SameBits(path.segments[1].in, RealPoint{3, 4}));
  EXPECT_TRUE(SameBits(path.segments[1].out, RealPoint{5, 6}));
  EXPECT_EQ(path.segments[0].corner, 0);
  EXPECT_EQ(path.segments[1].corner, 1);
  const PathStyle& empty = d.layers[0]->art[1]->style;
  EXPECT_EQ(empty.fillPaint, 0);
  EXPECT_EQ(empty.strokePaint, 0);
  EXPECT_EQ(empty.strokeWidth, 1.0f);
  EXPECT_EQ(empty.miterLimit, 4.0f);
}

TEST(JsonRead, ColourForms) {
  struct Case {
    std::string colour;
    Colour expected;
  };
  const Case cases[] = {
      {R"({"grey": 0.25})", Grey(0.25f)},
      {R"({"cmyk": [0.1, 0.2, 0.3, 1.5]})", Cmyk(0.1f, 0.2f, 0.3f, 1.5f)},
      {R"({"rgb": [1, 0, -0.5]})", Rgb(1, 0, -0.5f)},
      {R"({"kind": 4, "data": ")" + std::string(126, '0') + R"(ff"})",
       [] { Colour c{}; c.kind = 4; c.data.raw[63] = 0xff; return c; }()},
  };
  for (const Case& c : cases) {
    std::string text = std::string(R"({"page": {"width": 1, "height": 1}, "layers": [{"art": [{"type": "path",
      "segments": [], "style": {"fill": {"colour": )") + c.colour + "}}}]}]}";
    auto read = ReadJson(text);
    ASSERT_TRUE(read) << c.colour << ": " << read.error.message;
    const PathStyle& style = read.document->layers[0]->art[0]->style;
    EXPECT_EQ(style.fillPaint, 1);
    EXPECT_EQ(ColourDifference(style.fill, c.expected), "") << c.colour;
  }
}

// A small valid document with `art` as the only art of its only layer.
std::string WithArt(const std::string& art) {
  return R"({"page": {"width": 612, "height": 792}, "layers": [{"art": [)" + art + "]}]}";
}

TEST(JsonRead, ErrorsNameTheJsonPath) {
  struct Case {
    std::string text;
    std::string message;
  };
  const std::string page = R"("page": {"width": 612, "height": 792})";
  const Case cases[] = {
      {"[]", "document: expected an object"},
      {R"({"layers": []})", "document: missing required field 'page'"},
      {R"({"page": {"width": 0, "height": 792}, "layers": []})", "page.width: must be above 0"},
      {R"({"page": {"width": 612, "height": "tall"}, "layers": []})", "page.height: expected a number"},
      {"{" + page + R"(, "layers": {}})", "layers: expected an array"},
      {"{" + page + R"(, "layers": [], "colour": 1})", "document: unknown field 'colour'"},
      {"{" + page + R"(, "layers": [{"current": true}, {"current": true}]})", "layers[1].current: more than one"},
      {WithArt(R"({"type": "circle"})"), "layers[0].art[0].type: unknown art type 'circle'"},
      {WithArt(R"({"segments": []})"), "layers[0].art[0]: missing required field 'type'"},
      {WithArt(R"({"type": "path", "selcted": true, "segments": []})"), "layers[0].art[0]: unknown field 'selcted'"},
      {WithArt(R"({"type": "path", "selected": "yes", "segments": []})"),
       "layers[0].art[0].selected: expected true or false"},
      {WithArt(R"({"type": "path"})"), "layers[0].art[0]: missing required field 'segments'"},
      {WithArt(R"({"type": "path", "segments": [{"p": [0, 0]}, {"in": [0, 0]}]})"),
       "layers[0].art[0].segments[1]: missing required field 'p'"},
      {WithArt(R"({"type": "path", "segments": [{"p": [0, 0, 0]}]})"),
       "layers[0].art[0].segments[0].p: expected an array of 2 numbers"},
      {WithArt(R"({"type": "path", "segments": [{"p": [0, "1"]}]})"),
       "layers[0].art[0].segments[0].p: expected an array of 2 numbers"},
      {WithArt(R"({"type": "path", "segments": [{"p": [1e39, 0]}]})"),
       "layers[0].art[0].segments[0].p[0]: expected a finite single-precision number"},
      {WithArt(R"({"type": "group", "members": [{"type": "compound", "members": [{"type": "group", "members": []}]}]})"),
       "layers[0].art[0].members[0].members[0].type: a compound path holds paths only"},
      {WithArt(R"({"type": "path", "segments": [], "style": {"fill": {"colour": {"cmyk": [0, 0, 0]}}}})"),
       "layers[0].art[0].style.fill.colour.cmyk: expected an array of 4 numbers"},
      {WithArt(R"({"type": "path", "segments": [], "style": {"fill": {"colour": {"grey": 0, "rgb": [0, 0, 0]}}}})"),
       "layers[0].art[0].style.fill.colour: expected one of"},
      {WithArt(R"({"type": "path", "segments": [], "style": {"stroke": {"colour": {"kind": 2, "data": "00"}}}})"),
       "layers[0].art[0].style.stroke.colour.data: expected 128 hex digits"},
      {WithArt(R"({"type": "path", "segments": [], "style": {"stroke": {"paint": true}}})"),
       "layers[0].art[0].style.stroke: missing required field 'colour'"},
      {WithArt(R"({"type": "path", "segments": [], "style": {"stroke": {"paint": false, "dashes": [1,2,3,4,5,6,7]}}})"),
       "layers[0].art[0].style.stroke.dashes: expected an array of at most 6 numbers"},
      {WithArt(R"({"type": "path", "segments": [], "style": {"stroke": {"paint": false, "cap": "square"}}})"),
       "layers[0].art[0].style.stroke.cap: expected one of 'butt' 'round' 'projecting'"},
      {WithArt(R"({"type": "foreign"})"), "layers[0].art[0]: missing required field 'svg'"},
  };
  for (const Case& c : cases) {
    auto read = ReadJson(c.text);
    ASSERT_FALSE(read) << c.text;
    EXPECT_NE(read.error.message.find(c.message), std::string::npos)
        << "expected '" << c.message << "' in '" << read.error.message << "'";
  }
}

TEST(JsonRead, RefusesMoreSegmentsThanAPathHolds) {
  auto text = [](size_t count) {
    std::string segments;
    for (size_t i = 0; i < count; ++i) segments += std::string(i ? "," : "") + R"({"p":[0,0]})";
    return WithArt(R"({"type": "path", "segments": [)" + segments + "]}");
  };
  EXPECT_TRUE(ReadJson(text(kMaxSegments)));
  auto read = ReadJson(text(kMaxSegments + 1));
  ASSERT_FALSE(read);
  EXPECT_EQ(read.error.message, "layers[0].art[0].segments: more than 32767 segments");
}

TEST(JsonRead, BrokenTextGivesTheParsersPosition) {
  auto read = ReadJson("{\n  \"page\": {\"width\": 1,\n    \"height\": }\n}");
  ASSERT_FALSE(read);
  EXPECT_EQ(read.error.line, 3);
  EXPECT_EQ(read.error.column, 15);
  EXPECT_NE(read.error.message.find("syntax error"), std::string::npos) << read.error.message;
  EXPECT_EQ(read.error.message.find("[json.exception"), std::string::npos) << read.error.message;
}

}  // namespace
}  // namespace corvane::testing
