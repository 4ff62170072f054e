// Fuzz target: the SVG reader, with and without a select list, and both
// writers on whatever it reads.
//
// Promises checked beyond "no crash": a failed read says why; the ids of
// path, compound and group art and of layers can all be selected, an empty
// list selects nothing and an id that names nothing is refused; a document
// that reads writes SVG that reads back and writes the very same text, and
// JSON that reads back.
#include "fuzz_support.h"

#include "host/io/document_io.h"

#include <set>
#include <string>
#include <vector>

namespace corvane::fuzz {
namespace {

using host::Art;
using host::ArtType;
using host::Document;
using host::ReadResult;
using host::SvgReadOptions;

struct Ids {
  std::set<std::string> selectable;  // layer ids and ids of path, compound and group art
  std::set<std::string> foreign;     // ids of foreign art, which cannot be selected
};

Ids CollectIds(const Document& document) {
  Ids ids;
  for (const host::Layer* layer : document.layers) {
    if (!layer->id.empty()) ids.selectable.insert(layer->id);
    host::ForEachArt(layer->art, [&](const Art& art) {
      if (art.id.empty()) return;
      (art.type == ArtType::Foreign ? ids.foreign : ids.selectable).insert(art.id);
    });
  }
  for (const std::string& id : ids.foreign) ids.selectable.erase(id);
  return ids;
}

ReadResult ReadSelecting(std::string_view text, std::vector<std::string> ids) {
  SvgReadOptions options;
  options.selectIds = std::move(ids);
  return host::ReadSvg(text, options);
}

void CheckSelection(std::string_view text, const Ids& ids) {
  ReadResult none = ReadSelecting(text, {});
  Require(static_cast<bool>(none), "an empty select list reads", none.error.message);
  for (const host::Layer* layer : none.document->layers)
    host::ForEachArt(layer->art,
                     [](const Art& art) { Require(!art.selected, "an empty select list selects nothing"); });

  ReadResult missing = ReadSelecting(text, {""});
  Require(!missing, "an id that names nothing is refused");

  if (ids.selectable.empty()) return;
  std::vector<std::string> list(ids.selectable.begin(), ids.selectable.end());
  ReadResult all = ReadSelecting(text, list);
  Require(static_cast<bool>(all), "every id of path, group or layer can be selected", all.error.message);
  for (const host::Layer* layer : all.document->layers)
    host::ForEachArt(layer->art, [&](const Art& art) {
      if (art.type != ArtType::Foreign && ids.selectable.count(art.id))
        Require(art.selected, "selected ids are selected", art.id);
    });
}

}  // namespace
}  // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvane;
  using fuzz::Require;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  host::ReadResult read = host::ReadSvg(text);
  if (!read) {
    Require(!read.error.message.empty(), "a failed read says why");
    return 0;
  }
  fuzz::CheckSelection(text, fuzz::CollectIds(*read.document));

  std::string svg = host::WriteSvg(*read.document);
  host::ReadResult reread = host::ReadSvg(svg);
  Require(static_cast<bool>(reread), "the SVG written for a document read from SVG reads back",
          reread.error.message + "\n" + svg);
  Require(host::WriteSvg(*reread.document) == svg, "written SVG reads back to the same text", svg);

  std::string json = host::WriteJson(*read.document);
  host::ReadResult again = host::ReadJson(json);
  Require(static_cast<bool>(again), "the JSON written for a document read from SVG reads back",
          again.error.message + "\n" + json);
  return 0;
}
