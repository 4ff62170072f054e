#include "host/loader/parameter_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane::host {
namespace {

const char kMagic[4] = {'C', 'V', 'P', 'B'};
const uint32_t kFormatVersion = 1;
// No block of ours is anywhere near this; a larger size means a foreign file.
const uint32_t kLargestBlock = 1u << 20;

void PutU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint32_t GetU32(const std::string& in, size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(in[at + i])) << (8 * i);
  return value;
}

}  // namespace

std::string ParameterStore::pathFor(const std::string& name) const {
  return (std::filesystem::path(directory_) / (name + ".block")).string();
}

std::optional<std::vector<uint8_t>> ParameterStore::load(const std::string& name,
                                                         std::string* warning) const {
  std::ifstream in(pathFor(name), std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string bytes = buffer.str();
  auto ignore = [&](const std::string& why) -> std::optional<std::vector<uint8_t>> {
    if (warning) *warning = "ignoring kept values in " + pathFor(name) + ": " + why;
    return std::nullopt;
  };
  if (bytes.size() < 12 || std::memcmp(bytes.data(), kMagic, 4) != 0)
    return ignore("not a parameter block file");
  if (GetU32(bytes, 4) != kFormatVersion) return ignore("unknown format version");
  uint32_t size = GetU32(bytes, 8);
  if (size == 0 || size > kLargestBlock || bytes.size() != 12 + static_cast<size_t>(size))
    return ignore("the block size does not match the file");
  return std::vector<uint8_t>(bytes.begin() + 12, bytes.end());
}

bool ParameterStore::save(const std::string& name, const void* bytes, uint32_t size,
                          std::string* error) const {
  std::error_code ec;
  std::filesystem::create_directories(directory_, ec);
  if (ec) {
    if (error) *error = "cannot create " + directory_ + ": " + ec.message();
    return false;
  }
  std::string out(kMagic, 4);
  PutU32(out, kFormatVersion);
  PutU32(out, size);
  out.append(static_cast<const char*>(bytes), size);
  return WriteFileAtomically(pathFor(name), out, error);
}

std::string ParameterStore::DefaultDirectory() {
  if (const char* dir = std::getenv("CORVANE_STATE_DIR"); dir && *dir) return dir;
  if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg)
    return (std::filesystem::path(xdg) / "corvane").string();
  if (const char* home = std::getenv("HOME"); home && *home)
    return (std::filesystem::path(home) / ".local" / "state" / "corvane").string();
  return ".corvane-state";
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error) {
  std::filesystem::path target(path);
  std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
  std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) {
    if (error) *error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  // mkstemp makes the file private; give it the mode a plain create would.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  const char* data = bytes.data();
  size_t left = bytes.size();
  bool ok = true;
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  int saved = errno;
  if (::close(fd) != 0) ok = false;
  if (ok && std::rename(name.data(), path.c_str()) != 0) {
    ok = false;
    saved = errno;
  }
  if (!ok) {
    std::remove(name.data());
    if (error) *error = "cannot write " + path + ": " + std::strerror(saved);
  }
  return ok;
}

}  // namespace corvane::host
