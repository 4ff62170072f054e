// The .res reader: templates, string tables and the property list of
// tests/data/dialog_test.rc as the resource compiler wrote them, and
// malformed input.
#include "dialog_fixture.h"

#include "host/resources/res_file.h"

namespace corvane::host::testing {
namespace {

TEST(ResFile, ListsEveryResourceWithTypeAndName) {
  auto records = ParseResFile(ReadBytes(ResPath("dialog_test")));
  ASSERT_TRUE(records) << records.error().message();
  std::vector<std::string> keys;
  for (const RawResource& r : *records) keys.push_back(r.type.toString() + " " + r.name.toString());
  EXPECT_EQ(keys, (std::vector<std::string>{"5 16100", "5 16200", "5 16300", "5 16400", "5 16051",
                                            "\"PIPL\" 16000", "6 1", "6 1001"}));
}

TEST(ResFile, StringIdsIgnoreCase) {
  EXPECT_EQ(ResId("pipl"), ResId("PIPL"));
  EXPECT_FALSE(ResId("PIPL") == ResId(uint16_t{16000}));
}

struct ControlCase {
  int32_t id;
  ControlClass cls;
  const char* className;
  const char* text;
  uint32_t styleBits;  // bits that must be set
  DialogUnits place;
};

TEST(DialogTemplate, ExtendedTemplateKeepsHeaderAndEveryControl) {
  PluginResources res = LoadRes("dialog_test");
  const DialogTemplate* t = res.dialog(kMain);
  ASSERT_NE(t, nullptr);
  EXPECT_TRUE(t->extended);
  EXPECT_EQ(t->title, "Test \"Main\"");
  EXPECT_EQ(t->fontFace, "MS Sans Serif");
  EXPECT_EQ(t->fontSize, 8);
  EXPECT_EQ(t->fontWeight, 400);
  EXPECT_EQ(t->place.cx, 200);
  EXPECT_EQ(t->place.cy, 140);
  ASSERT_EQ(t->controls.size(), 17u);

  const ControlCase cases[] = {
      {1, ControlClass::Button, "Button", "&OK", 0x1, {140, 4, 50, 14}},
      {3, ControlClass::Button, "Button", "&Preview", 0x3 | 0x00010000, {140, 40, 50, 8}},
      {4, ControlClass::ComboBox, "ComboBox", "", 0x3, {4, 4, 120, 72}},
      {5, ControlClass::ListBox, "ListBox", "", 0x1, {4, 100, 60, 30}},
      {7, ControlClass::Edit, "Edit", "", 0x80, {50, 20, 40, 12}},
      {8, ControlClass::Trackbar, "msctls_trackbar32", "", 0x10, {50, 34, 40, 8}},
      {15, ControlClass::Static, "Static", "Width", 0, {4, 22, 40, 8}},
      {20, ControlClass::Button, "Button", "R&eset", 0x08000000, {140, 78, 50, 14}},
      {21, ControlClass::Static, "Static", "", 0x7, {100, 100, 18, 20}},
      {24, ControlClass::ScrollBar, "ScrollBar", "", 0, {4, 80, 60, 8}},
      {25, ControlClass::Other, "SysCustom32", "", 0, {4, 90, 10, 10}},
  };
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.id);
    const DialogControl* control = t->control(c.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->cls, c.cls);
    EXPECT_EQ(control->className, c.className);
    EXPECT_EQ(control->text, c.text);
    EXPECT_EQ(control->style & c.styleBits, c.styleBits);
    EXPECT_EQ(control->place.x, c.place.x);
    EXPECT_EQ(control->place.y, c.place.y);
    EXPECT_EQ(control->place.cx, c.place.cx);
    EXPECT_EQ(control->place.cy, c.place.cy);
  }
}

TEST(DialogTemplate, PlainTemplateAndTemplateWithoutFont) {
  PluginResources res = LoadRes("dialog_test");
  const DialogTemplate* plain = res.dialog(kPlainDialog);
  ASSERT_NE(plain, nullptr);
  EXPECT_FALSE(plain->extended);
  EXPECT_EQ(plain->title, "Plug-in Error");
  EXPECT_EQ(plain->fontFace, "MS Sans Serif");
  ASSERT_EQ(plain->controls.size(), 4u);
  EXPECT_EQ(plain->controls[1].id, 2);
  EXPECT_EQ(plain->controls[1].text, "Message");
  EXPECT_EQ(plain->controls[3].style & 0x1F, 0x7u);
  EXPECT_EQ(plain->controls[1].place.cx, 126);

  const DialogTemplate* noFont = res.dialog(kDone);
  ASSERT_NE(noFont, nullptr);
  EXPECT_EQ(noFont->fontFace, "");
  ASSERT_EQ(noFont->controls.size(), 2u);
  EXPECT_EQ(noFont->controls[0].text, "Done");
  EXPECT_EQ(res.dialog(12345), nullptr);
  EXPECT_EQ(res.dialogIds(), (std::vector<int32_t>{kPlainDialog, kMain, kSub, kDone, kApply}));
}

TEST(DialogTemplate, ClassNamesAndOrdinals) {
  EXPECT_EQ(ClassifyControl(uint16_t{0x80}), ControlClass::Button);
  EXPECT_EQ(ClassifyControl(uint16_t{0x85}), ControlClass::ComboBox);
  EXPECT_EQ(ClassifyControl(uint16_t{0x86}), ControlClass::Other);
  EXPECT_EQ(ClassifyControl("MSCTLS_TRACKBAR32"), ControlClass::Trackbar);
  EXPECT_EQ(ClassifyControl("edit"), ControlClass::Edit);
  EXPECT_EQ(ClassifyControl("Edit2"), ControlClass::Other);
}

TEST(StringTable, EntriesByIdInUtf8) {
  PluginResources res = LoadRes("dialog_test");
  EXPECT_EQ(res.string(5), "five");
  EXPECT_EQ(res.string(16000), "<First Mac index is 1>");
  EXPECT_EQ(res.string(16002), "Tester...");
  EXPECT_EQ(res.string(16003), "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(res.string(16004), std::nullopt);
  EXPECT_EQ(res.string(4), std::nullopt);
  EXPECT_EQ(res.strings().size(), 6u);
}

TEST(Pipl, TestScriptAndFrameworkListsAreAccepted) {
  for (const char* stem : {"dialog_test", "framework_pipl"}) {
    PiplCheck check = LoadRes(stem).checkPipl();
    EXPECT_TRUE(check) << stem << ": " << check.reason;
    EXPECT_EQ(check.reason, "");
  }
}

TEST(Pipl, MissingListIsReported) {
  PluginResources::Result res = PluginResources::FromRes({});
  ASSERT_TRUE(res);
  PiplCheck check = res->checkPipl();
  EXPECT_FALSE(check);
  EXPECT_NE(check.reason.find("no PIPL resource"), std::string::npos) << check.reason;
}

// Every cut of a valid file either ends on a record boundary (and parses)
// or fails with an offset inside the cut; nothing reads past it.
TEST(ResFile, EveryTruncationFailsCleanly) {
  std::vector<uint8_t> whole = ReadBytes(ResPath("dialog_test"));
  ASSERT_GT(whole.size(), 100u);
  int failures = 0;
  for (size_t n = 1; n < whole.size(); ++n) {
    std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
    PluginResources::Result res = PluginResources::FromRes(cut);
    if (!res) {
      ++failures;
      EXPECT_LE(res.error().offset, n);
      EXPECT_FALSE(res.error().description.empty());
    }
  }
  EXPECT_GT(failures, static_cast<int>(whole.size()) * 9 / 10);
}

struct Corruption {
  const char* what;
  size_t offset;          // byte to overwrite in the first dialog's record
  std::vector<uint8_t> bytes;
  const char* expected;   // in the error description
};

TEST(ResFile, MalformedRecordsAreDescribed) {
  std::vector<uint8_t> whole = ReadBytes(ResPath("dialog_test"));
  // The first real record starts at 32; its data (the main template) at 64.
  const Corruption cases[] = {
      {"data size past the end", 32, {0xFF, 0xFF, 0xFF, 0x00}, "claims"},
      {"header size too small", 36, {0x04, 0, 0, 0}, "header size"},
      {"header size past the end", 36, {0xFF, 0xFF, 0xFF, 0x7F}, "header size"},
      {"control count beyond the data", 64 + 16, {0xFF, 0x00}, "dialog 16100: control"},
  };
  for (const Corruption& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bytes = whole;
    std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(c.offset));
    PluginResources::Result res = PluginResources::FromRes(bytes);
    ASSERT_FALSE(res);
    EXPECT_NE(res.error().description.find(c.expected), std::string::npos) << res.error().message();
  }
}

}  // namespace
}  // namespace corvane::host::testing
