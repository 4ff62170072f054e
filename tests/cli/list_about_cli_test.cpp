// `corvane list` and `corvane about`.
#include "cli/cli_fixture.h"

namespace corvane::testing {
namespace {

class ListAboutCli : public CliTest {};

// The line `list` printed for a deliverable, or "" when there is none.
std::string ListedLine(const std::string& listed, const std::string& name) {
  std::istringstream lines(listed);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind(name + "\t", 0) == 0) return line;
  return {};
}

TEST_F(ListAboutCli, ListShowsEveryDeliverableWithAGoodPipl) {
  CommandResult r = Run({"list"});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  size_t libraries = 0;
  for (const auto& entry : fs::directory_iterator(CORVANE_PLUGIN_DIR)) {
    if (entry.path().extension() != ".so") continue;
    ++libraries;
    const std::string line = ListedLine(r.out, entry.path().stem());
    EXPECT_NE(line.find("\tPIPL: ok"), std::string::npos) << entry.path().stem() << "\n" << r.out;
  }
  EXPECT_GE(libraries, 4u);
  EXPECT_EQ(static_cast<size_t>(std::count(r.out.begin(), r.out.end(), '\n')), libraries) << r.out;
}

TEST_F(ListAboutCli, ListShowsEachFiltersRegistration) {
  struct Registration {
    const char* deliverable;
    const char* name;
    const char* category;
    const char* title;
  };
  CommandResult r = Run({"list"});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  for (const Registration& reg : {Registration{"weightclamp", "Weightclamp", "Corvane Extras", "Weightclamp..."},
                                  Registration{"sagline", "Sagline", "Corvane Extras", "Sagline..."},
                                  Registration{"hubtug", "Hubtug", "Corvane Gifts", "Hubtug..."},
                                  Registration{"tintshake", "Tintshake Filter", "Corvane Kit 1.2", "Tintshake..."}}) {
    const std::string expected = std::string(reg.deliverable) + "\t\"" + reg.name + "\"\tcategory \"" +
                                 reg.category + "\"\ttitle \"" + reg.title + "\"\tPIPL: ok";
    EXPECT_EQ(ListedLine(r.out, reg.deliverable), expected);
  }
}

TEST_F(ListAboutCli, ListMarksLibrariesWithoutAUsablePiplOrFilter) {
  const fs::path dir = work() / "plugins";
  fs::create_directories(dir);
  for (const char* library : {"fixture_no_pipl.so", "fixture_bad_kind.so", "fixture_good.so"})
    fs::copy_file(fs::path(CORVANE_FIXTURE_DIR) / library, dir / library);
  fs::copy_file(fs::path(CORVANE_PLUGIN_DIR) / "sagline.so", dir / "sagline.so");

  CommandResult r = Run({"--plugins", dir.string(), "list"});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  EXPECT_NE(ListedLine(r.out, "fixture_no_pipl").find("PIPL: invalid (not a usable plug-in: no PIPL"),
            std::string::npos) << r.out;
  EXPECT_NE(ListedLine(r.out, "fixture_bad_kind").find("PIPL: invalid (not a usable plug-in: kind is 'SPEX'"),
            std::string::npos) << r.out;
  EXPECT_NE(ListedLine(r.out, "sagline").find("PIPL: ok"), std::string::npos) << r.out;
  // A good PIPL whose PluginMain registers nothing.
  EXPECT_EQ(ListedLine(r.out, "fixture_good"), "fixture_good\tPIPL: ok\tregistered no filter");
}

TEST_F(ListAboutCli, ListOfAMissingDirectoryIsAnError) {
  CommandResult r = Run({"--plugins", (work() / "nowhere").string(), "list"});
  EXPECT_EQ(r.exitCode, 2) << Describe(r);
  EXPECT_NE(r.err.find("cannot read the plug-in directory"), std::string::npos) << Describe(r);
}

TEST_F(ListAboutCli, AboutTintshakeShowsItsAboutBox) {
  CommandResult r = Run({"about", "tintshake"});
  ASSERT_EQ(r.exitCode, 0) << Describe(r);
  std::istringstream lines(r.out);
  std::string title;
  std::getline(lines, title);
  EXPECT_EQ(title, "Corvane Tintshake Plugin About");
  for (const char* text : {"versions 8 and 9", "Corvane Kit 1.2", "Tintshake"})
    EXPECT_NE(r.out.find(text), std::string::npos) << text << "\n" << r.out;
}

TEST_F(ListAboutCli, DeliverablesWithoutAnAboutBoxSaySo) {
  for (const std::string filter : {"weightclamp", "hubtug", "sagline"}) {
    CommandResult r = Run({"about", filter});
    EXPECT_EQ(r.exitCode, 0) << Describe(r);
    EXPECT_EQ(r.out, filter + " has no About box.\n");
  }
}

TEST_F(ListAboutCli, ShowAndAboutOfAnUnknownFilterAreErrors) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"about", "colourmangle"},
                                               std::vector<std::string>{"show", "colourmangle"}}) {
    CommandResult r = Run(args);
    EXPECT_EQ(r.exitCode, 2) << Describe(r);
    EXPECT_NE(r.err.find("no filter named 'colourmangle'"), std::string::npos) << Describe(r);
  }
}

}  // namespace
}  // namespace corvane::testing
