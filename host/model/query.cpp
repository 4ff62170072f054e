#include "host/model/query.h"

namespace corvane::host {

namespace {

int32_t Attributes(const Art& art) { return art.selected ? kArtSelected : 0; }

void CollectMatches(const std::vector<Art*>& items, const MatchingArtSpec* specs, size_t specCount,
                    std::vector<Art*>& out) {
  for (Art* art : items) {
    if (!art->alive || art->type == ArtType::Foreign) continue;
    for (size_t i = 0; i < specCount; ++i) {
      if (Matches(*art, specs[i])) {
        out.push_back(art);
        break;
      }
    }
    CollectMatches(art->members, specs, specCount, out);
  }
}

}  // namespace

bool Matches(const Art& art, const MatchingArtSpec& spec) {
  if (spec.type != static_cast<int16_t>(art.type)) return false;
  return (Attributes(art) & spec.mask) == (spec.value & spec.mask);
}

std::vector<Art*> MatchingArt(const Document& document, const MatchingArtSpec* specs,
                              size_t specCount) {
  std::vector<Art*> out;
  if (!specs) return out;
  for (const Layer* layer : document.layers) {
    if (layer->visible) CollectMatches(layer->art, specs, specCount, out);
  }
  return out;
}

Box ArtBounds(const Art& art) {
  Box box;
  if (art.type == ArtType::Path) box.add(PathBounds(art.segments, art.closed));
  for (const Art* member : art.members) {
    if (member->type != ArtType::Foreign) box.add(ArtBounds(*member));
  }
  return box;
}

}  // namespace corvane::host
