// The property-list check on hand-made lists: the valid layout and one
// fault at a time.
#include "host/resources/pipl.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::host {
namespace {

// A four-character code as the bytes of a little-endian integer ('kind' -> "dnik").
std::string Code(const std::string& c) { return std::string{c[3], c[2], c[1], c[0]}; }
std::string Word(uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }

class PiplBuilder {
 public:
  PiplBuilder& u16(uint16_t v) { return put(v, 2); }
  PiplBuilder& u32(uint32_t v) { return put(v, 4); }
  PiplBuilder& code(const std::string& c) { return raw(Code(c)); }
  PiplBuilder& raw(const std::string& s) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
  }
  PiplBuilder& property(const std::string& vendor, const std::string& key, const std::string& data) {
    code(vendor).code(key).u32(0).u32(static_cast<uint32_t>(data.size()));
    return raw(data).raw(std::string((4 - data.size() % 4) % 4, '\0'));
  }
  std::vector<uint8_t> bytes;

 private:
  PiplBuilder& put(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
};

const std::string kEntry = std::string("PluginMain") + '\0' + '\0';

struct Fields {
  uint16_t version = 1;
  uint32_t reserved = 0;
  int32_t count = -1;  // -1: the number of properties written
  std::string kind = Code("SPEA");
  std::string ivrs = Word(2);
  std::string entry = kEntry;
  std::string kindVendor = "ADBE";
  bool withIvrs = true;
  bool extraFirst = false;  // an unrelated property before the others
};

std::vector<uint8_t> Build(const Fields& f) {
  PiplBuilder b;
  int written = 2 + (f.withIvrs ? 1 : 0) + (f.extraFirst ? 1 : 0);
  b.u16(f.version).u32(f.reserved).u32(static_cast<uint32_t>(f.count < 0 ? written : f.count));
  if (f.extraFirst) b.property("ADBE", "pinf", "abc");  // padded to 4
  b.property(f.kindVendor, "kind", f.kind);
  if (f.withIvrs) b.property("ADBE", "ivrs", f.ivrs);
  b.property("ADBE", "wx86", f.entry);
  return b.bytes;
}

TEST(Pipl, LayoutOfTheTableIsAccepted) {
  PiplCheck check = CheckPipl(Build({}));
  EXPECT_TRUE(check) << check.reason;
  Fields extra;
  extra.extraFirst = true;
  check = CheckPipl(Build(extra));
  EXPECT_TRUE(check) << "padded unrelated property first: " << check.reason;
}

struct Fault {
  const char* what;
  Fields fields;
  const char* reason;
};

Fields With(void (*edit)(Fields&)) {
  Fields f;
  edit(f);
  return f;
}

TEST(Pipl, EachFaultIsRefusedWithItsReason) {
  const Fault faults[] = {
      {"wrong version", With([](Fields& f) { f.version = 2; }), "version is 2, not 1"},
      {"nonzero second field", With([](Fields& f) { f.reserved = 5; }), "second field is 5, not 0"},
      {"wrong kind", With([](Fields& f) { f.kind = Code("SPEX"); }), "kind is 'SPEX', not 'SPEA'"},
      {"kind of another vendor", With([](Fields& f) { f.kindVendor = "ACME"; }), "no 'kind' property"},
      {"short kind", With([](Fields& f) { f.kind = "AE"; }), "kind has 2 bytes, not 4"},
      {"wrong interface version", With([](Fields& f) { f.ivrs = Word(3); }), "interface version is 3, not 2"},
      {"no interface version", With([](Fields& f) { f.withIvrs = false; }), "no 'ivrs' property"},
      {"wrong entry", With([](Fields& f) { f.entry = std::string("PluginMane") + '\0' + '\0'; }),
       "entry is 'PluginMane', not 'PluginMain'"},
      {"entry without NUL", With([](Fields& f) { f.entry = "PluginMainXY"; }), "not NUL-terminated"},
      {"entry with a longer name", With([](Fields& f) { f.entry = std::string("PluginMain2") + '\0'; }),
       "entry is 'PluginMain2'"},
      {"count below the properties", With([](Fields& f) { f.count = 2; }), "no 'wx86' property"},
      {"count above the properties", With([](Fields& f) { f.count = 4; }), "truncated"},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.what);
    PiplCheck check = CheckPipl(Build(f.fields));
    EXPECT_FALSE(check);
    EXPECT_NE(check.reason.find(f.reason), std::string::npos) << check.reason;
  }
}

TEST(Pipl, EveryTruncationIsRefused) {
  std::vector<uint8_t> whole = Build({});
  for (size_t n = 0; n < whole.size(); ++n) {
    SCOPED_TRACE(n);
    PiplCheck check =
        CheckPipl(std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)));
    EXPECT_FALSE(check);
    EXPECT_NE(check.reason.find("truncated"), std::string::npos) << check.reason;
  }
}

}  // namespace
}  // namespace corvane::host
