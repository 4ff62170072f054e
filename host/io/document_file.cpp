// Document files: the form by extension, and writes that replace the
// target in one rename.
#include "host/io/document_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace corvane::host {
namespace {

enum class Form { Svg, Json, Unknown };

Form FormOf(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& ch : extension) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (extension == ".svg") return Form::Svg;
  if (extension == ".json") return Form::Json;
  return Form::Unknown;
}

IoError UnknownForm(const std::filesystem::path& path) {
  return IoError{path.string() + ": unknown document form (use a .svg or .json file name)"};
}

IoError SystemError(const std::filesystem::path& path, const char* what, int code) {
  return IoError{path.string() + ": " + what + ": " + std::strerror(code)};
}

// Writes all of `text` to `fd`, then flushes it to the disk.
int WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<size_t>(written);
  }
  return ::fsync(fd) == 0 ? 0 : errno;
}

// The mode a new file would get, or the existing target's, so that replacing
// a file keeps its permissions.
mode_t TargetMode(const std::filesystem::path& path) {
  struct stat existing;
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool Finite(float value) { return std::isfinite(value); }

bool Finite(const RealPoint& p) { return Finite(p.h) && Finite(p.v); }

std::optional<std::string> NonFiniteIn(const PathStyle& style, const std::string& path) {
  if (!Finite(style.strokeWidth)) return path + ".style.stroke.width";
  if (!Finite(style.dashOffset)) return path + ".style.stroke.dashOffset";
  if (!Finite(style.miterLimit)) return path + ".style.stroke.miterLimit";
  for (int32_t i = 0; i < style.dashCount && i < 6; ++i)
    if (!Finite(style.dashes[i])) return path + ".style.stroke.dashes[" + std::to_string(i) + "]";
  return std::nullopt;
}

std::optional<std::string> NonFiniteIn(const std::vector<Art*>& art, const std::string& path) {
  size_t index = 0;
  for (const Art* a : art) {
    if (!a->alive) continue;
    std::string at = path + "[" + std::to_string(index++) + "]";
    if (a->type == ArtType::Foreign) continue;
    if (a->type != ArtType::Group)
      if (auto found = NonFiniteIn(a->style, at)) return found;
    for (size_t i = 0; i < a->segments.size(); ++i) {
      const PathSegment& s = a->segments[i];
      std::string segment = at + ".segments[" + std::to_string(i) + "]";
      if (!Finite(s.p)) return segment + ".p";
      if (!Finite(s.in)) return segment + ".in";
      if (!Finite(s.out)) return segment + ".out";
    }
    if (auto found = NonFiniteIn(a->members, at + ".members")) return found;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindNonFiniteNumber(const Document& document) {
  if (!Finite(document.width)) return "page.width";
  if (!Finite(document.height)) return "page.height";
  size_t index = 0;
  for (const Layer* layer : document.layers) {
    if (!layer->alive) continue;
    if (auto found = NonFiniteIn(layer->art, "layers[" + std::to_string(index++) + "].art")) return found;
  }
  return std::nullopt;
}

ReadResult ReadDocumentFile(const std::filesystem::path& path, const SvgReadOptions& options) {
  Form form = FormOf(path);
  if (form == Form::Unknown) return ReadResult::Failure(UnknownForm(path));
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf()) || in.bad())
    return ReadResult::Failure(SystemError(path, "cannot read", errno ? errno : EIO));
  ReadResult result = form == Form::Svg ? ReadSvg(text.str(), options) : ReadJson(text.str());
  if (!result) result.error.message = path.string() + ": " + result.error.message;
  return result;
}

WriteResult WriteDocumentFile(const Document& document, const std::filesystem::path& path) {
  Form form = FormOf(path);
  if (form == Form::Unknown) return WriteResult{UnknownForm(path)};
  if (auto found = FindNonFiniteNumber(document))
    return WriteResult{IoError{path.string() + ": cannot write " + *found + ": not a finite number"}};
  std::string text;
  try {
    text = form == Form::Svg ? WriteSvg(document) : WriteJson(document);
  } catch (const std::exception& error) {
    return WriteResult{IoError{path.string() + ": " + error.what()}};
  }
  std::filesystem::path directory = path.parent_path().empty() ? "." : path.parent_path();
  std::string temporary = (directory / ("." + path.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) return WriteResult{SystemError(path, "cannot create a temporary file", errno)};
  int error = ::fchmod(fd, TargetMode(path)) == 0 ? 0 : errno;
  if (!error) error = WriteAll(fd, text);
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temporary.c_str());
    return WriteResult{SystemError(path, "cannot write", error)};
  }
  return WriteResult{};
}

}  // namespace corvane::host
