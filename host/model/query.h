// Read-only questions about the document that the artwork suites answer.
#pragma once

#include "host/model/document.h"
#include "host/model/geometry.h"

#include <corvane/art.h>

#include <cstddef>
#include <vector>

namespace corvane::host {

// True when `art` answers the matching spec: the same art type, and the attributes
// under spec.mask equal spec.value under it. Types the host does not have
// (kPathLikeArt) match nothing.
bool Matches(const Art& art, const MatchingArtSpec& spec);

// Every art plug-ins can see that matches at least one spec, each once: the
// visible layers bottom to top, each in pre-order (a parent before its
// members, members bottom to top). Locked layers are searched like any
// other; editing what is found there fails later.
std::vector<Art*> MatchingArt(const Document& document, const MatchingArtSpec* specs,
                              size_t specCount);

// Geometric bounds of the paths in `art` (curves exactly, stroke width not
// included); empty when it holds no segment at all.
Box ArtBounds(const Art& art);

}  // namespace corvane::host
