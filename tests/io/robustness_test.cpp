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
