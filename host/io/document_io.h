// Reading and writing documents: JSON, the native form, and SVG, the
// interchange form. The forms themselves are described beside their readers
// (json_document.h, svg_document.h).
//
// Nothing here throws: every failure comes back as an IoError.
#pragma once

#include "host/model/document.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::host {

// A readable description of what went wrong, with the 1-based line and
// column of the offending place when the input text gives one (0 = unknown).
struct IoError {
  std::string message;
  int line = 0;
  int column = 0;
};

// A document, or the reason there is none.
struct ReadResult {
  std::unique_ptr<Document> document;  // null exactly when reading failed
  IoError error;                       // meaningful when document is null

  explicit operator bool() const { return document != nullptr; }
  static ReadResult Failure(IoError e) { return ReadResult{nullptr, std::move(e)}; }
};

struct WriteResult {
  std::optional<IoError> error;  // empty on success

  explicit operator bool() const { return !error.has_value(); }
};

// Groups and compound paths nest at most this deep in a file; readers refuse
// deeper input rather than exhaust the stack.
inline constexpr int kMaxFileNesting = 256;

struct SvgReadOptions {
  // Without a list, every path, compound path and group on a visible,
  // unlocked layer is selected. With one, exactly the art with those ids
  // (a layer id stands for all its art) and the members of selected groups
  // and compound paths are selected, wherever they are; an id that names
  // nothing is an error.
  std::optional<std::vector<std::string>> selectIds;
};

ReadResult ReadJson(std::string_view text);
ReadResult ReadSvg(std::string_view text, const SvgReadOptions& options = {});

// The writers expect finite numbers in geometry and stroke settings (JSON
// and SVG have no text for the others); WriteDocumentFile checks that.
std::string WriteJson(const Document& document);
std::string WriteSvg(const Document& document);

// By extension, ".svg" or ".json" (any letter case). The options apply to
// SVG input only.
ReadResult ReadDocumentFile(const std::filesystem::path& path, const SvgReadOptions& options = {});

// By extension. The text goes to a new temporary file in the same directory,
// which then replaces `path` in one rename: a failure at any point leaves
// whatever was at `path` untouched and no partial file behind. An unknown
// extension or a document with non-finite numbers fails before anything is
// written.
WriteResult WriteDocumentFile(const Document& document, const std::filesystem::path& path);

// The JSON path of the first non-finite number among the document's
// geometry, stroke settings and page size, e.g.
// "layers[0].art[1].segments[0].p"; nullopt when there is none.
std::optional<std::string> FindNonFiniteNumber(const Document& document);

}  // namespace corvane::host
