// Runs the real `corvane` binary as a child process in a fresh temporary
// directory per test, with its own state folder, and reads back what it
// wrote. The child never sees the user's state: CORVANE_STATE_DIR is
// removed from its environment and HOME and XDG_STATE_HOME point into the
// temporary directory.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "host/io/document_io.h"
#include "host/model/document.h"

extern char** environ;

namespace corvane::testing {

namespace fs = std::filesystem;

struct CommandResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Names of the entries of a directory, sorted; empty when it does not exist.
inline std::vector<std::string> Entries(const fs::path& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// The live paths of a document that plug-ins see, in document order.
inline std::vector<host::Art*> PathsOf(const host::Document& document) {
  std::vector<host::Art*> paths;
  for (host::Art* art : host::Walk(document))
    if (art->type == host::ArtType::Path) paths.push_back(art);
  return paths;
}

// The path with that SVG/JSON id; fails the test when there is none.
inline host::Art* PathById(const host::Document& document, const std::string& id) {
  for (host::Art* art : PathsOf(document))
    if (art->id == id) return art;
  ADD_FAILURE() << "no path with id " << id;
  return nullptr;
}

// What `corvane show` printed for one item, e.g. "edit-real \"Min\" range
// 0.00000..10000.00000 value 2.00000 enabled"; empty when the item is absent.
inline std::string ShownItem(const std::string& shown, int32_t id) {
  std::istringstream lines(shown);
  const std::string prefix = "item " + std::to_string(id) + " ";
  for (std::string line; std::getline(lines, line);)
    if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
  return {};
}

// The quoted label of a shown item.
inline std::string ShownLabel(const std::string& shown, int32_t id) {
  std::smatch match;
  const std::string item = ShownItem(shown, id);
  return std::regex_search(item, match, std::regex("\"([^\"]*)\"")) ? match[1].str() : "<absent>";
}

// The number after "value " of a shown item, or nullopt.
inline std::optional<double> ShownValue(const std::string& shown, int32_t id) {
  std::smatch match;
  const std::string item = ShownItem(shown, id);
  if (!std::regex_search(item, match, std::regex(" value (-?[0-9.]+)"))) return std::nullopt;
  return std::stod(match[1].str());
}

// Reads a document the command wrote; fails the test when it cannot.
inline std::unique_ptr<host::Document> ReadBack(const fs::path& path,
                                                const host::SvgReadOptions& options = {}) {
  host::ReadResult read = host::ReadDocumentFile(path, options);
  EXPECT_TRUE(read) << path << ": " << read.error.message;
  return std::move(read.document);
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/corvane-cli-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr) << std::strerror(errno);
    root_ = pattern;
    work_ = root_ / "work";
    state_ = root_ / "state";
    fs::create_directories(work_);
    fs::create_directories(root_ / "capture");
    fs::create_directories(root_ / "home");
  }

  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  // The working directory of the child; inputs and outputs go here.
  const fs::path& work() const { return work_; }
  const fs::path& state() const { return state_; }

  fs::path Write(const std::string& name, const std::string& text) {
    fs::path path = work_ / name;
    fs::create_directories(path.parent_path());
    WriteText(path, text);
    return path;
  }

  // Copies a file of tests/data into the working directory.
  fs::path CopyData(const std::string& name) {
    fs::path path = work_ / name;
    fs::copy_file(fs::path(CORVANE_TEST_DATA) / name, path, fs::copy_options::overwrite_existing);
    return path;
  }

  // Runs `corvane ARGS...` and waits for it.
  CommandResult Run(const std::vector<std::string>& args) {
    const fs::path outPath = root_ / "capture" / "stdout";
    const fs::path errPath = root_ / "capture" / "stderr";
    std::vector<std::string> argv{CORVANE_BIN};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argp;
    for (std::string& arg : argv) argp.push_back(arg.data());
    argp.push_back(nullptr);

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
      std::string entry = *e;
      for (const char* dropped : {"CORVANE_STATE_DIR=", "CORVANE_PLUGIN_DIR=", "HOME=", "XDG_STATE_HOME="})
        if (entry.rfind(dropped, 0) == 0) entry.clear();
      if (!entry.empty()) env.push_back(entry);
    }
    env.push_back(std::string("CORVANE_PLUGIN_DIR=") + CORVANE_PLUGIN_DIR);
    env.push_back("HOME=" + (root_ / "home").string());
    env.push_back("XDG_STATE_HOME=" + (root_ / "home").string());
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, work_.c_str());
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    CommandResult result;
    if (spawned != 0) {
      ADD_FAILURE() << "cannot start " << argp[0] << ": " << std::strerror(spawned);
      return result;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(WIFEXITED(status)) << "corvane did not exit normally (status " << status << ")";
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(outPath);
    result.err = Slurp(errPath);
    return result;
  }

  // `corvane apply FILTER INPUT -o OUTPUT --state <the test's state> EXTRA...`
  CommandResult Apply(const std::string& filter, const fs::path& input, const fs::path& output,
                      const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args{"apply", filter, input.string(), "-o", output.string(),
                                  "--state", state_.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return Run(args);
  }

  CommandResult Show(const std::string& filter) {
    return Run({"show", filter, "--state", state_.string()});
  }

 private:
  fs::path root_;
  fs::path work_;
  fs::path state_;
};

// Prints the command's output when an expectation about it fails.
inline std::string Describe(const CommandResult& result) {
  return "exit " + std::to_string(result.exitCode) + "\nstdout:\n" + result.out + "stderr:\n" + result.err;
}

}  // namespace corvane::testing
