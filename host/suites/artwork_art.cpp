// "AI Art Suite" 4 and "AI Matching Art Suite" 2.
#include "host/memory.h"
#include "host/model/query.h"
#include "host/suites/artwork_support.h"

#include <algorithm>

namespace corvane::host::artwork {

namespace {

// The first art plug-ins may see at or after `from` in `items`; null at the end.
Art* VisibleFrom(const std::vector<Art*>& items, std::vector<Art*>::const_iterator from) {
  auto it = std::find_if(from, items.end(), [](const Art* a) { return a->type != ArtType::Foreign; });
  return it == items.end() ? nullptr : *it;
}

HostError NewArt(int16_t type, int16_t order, ArtRef prep, ArtRef* art) {
  return Run("NewArt", [&](Editor& editor, Session&) -> HostError {
    if (!art) return kBadParameterError;
    Art* made = nullptr;
    if (HostError e = editor.newArt(static_cast<ArtType>(type), order, ToArt(prep), &made)) return e;
    *art = ToRef(made);
    return kNoError;
  });
}

HostError DisposeArt(ArtRef art) {
  return Run("DisposeArt", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    return editor.disposeArt(*ToArt(art));
  });
}

HostError DuplicateArt(ArtRef art, int16_t order, ArtRef prep, ArtRef* copy) {
  return Run("DuplicateArt", [&](Editor& editor, Session&) -> HostError {
    if (!copy) return kBadParameterError;
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    Art* made = nullptr;
    if (HostError e = editor.duplicateArt(*ToArt(art), order, ToArt(prep), &made)) return e;
    *copy = ToRef(made);
    return kNoError;
  });
}

HostError GetArtType(ArtRef art, int16_t* type) {
  return Run("GetArtType", [&](Editor& editor, Session&) -> HostError {
    if (!type) return kBadParameterError;
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    *type = static_cast<int16_t>(ToArt(art)->type);
    return kNoError;
  });
}

HostError SetArtAttributes(ArtRef art, int32_t mask, int32_t value) {
  return Run("SetArtAttributes", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    // kArtSelected is the only attribute the host keeps; others are ignored.
    if (!(mask & kArtSelected)) return kNoError;
    return editor.setSelected(*ToArt(art), (value & kArtSelected) != 0);
  });
}

HostError GetFirstChild(ArtRef art, ArtRef* child) {
  return Run("GetFirstChild", [&](Editor& editor, Session&) -> HostError {
    if (!child) return kBadParameterError;
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    const std::vector<Art*>& members = ToArt(art)->members;
    *child = ToRef(VisibleFrom(members, members.begin()));
    return kNoError;
  });
}

HostError GetNextSibling(ArtRef art, ArtRef* next) {
  return Run("GetNextSibling", [&](Editor& editor, Session&) -> HostError {
    if (!next) return kBadParameterError;
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    const std::vector<Art*>* siblings = SiblingsOf(*ToArt(art));
    if (!siblings) return kBadParameterError;
    auto at = std::find(siblings->begin(), siblings->end(), ToArt(art));
    *next = ToRef(at == siblings->end() ? nullptr : VisibleFrom(*siblings, at + 1));
    return kNoError;
  });
}

HostError GetArtBounds(ArtRef art, RealRect* bounds) {
  return Run("GetArtBounds", [&](Editor& editor, Session&) -> HostError {
    if (!bounds) return kBadParameterError;
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    *bounds = ArtBounds(*ToArt(art)).rect();
    return kNoError;
  });
}

HostError GetMatchingArt(const MatchingArtSpec* specs, int16_t specCount, MemHandle* matches,
                         int32_t* count) {
  return Run("GetMatchingArt", [&](Editor&, Session& session) -> HostError {
    if (!matches || !count || specCount < 0 || (specCount > 0 && !specs)) return kBadParameterError;
    *matches = nullptr;
    *count = 0;
    const std::vector<Art*> found =
        MatchingArt(*session.document, specs, static_cast<size_t>(specCount));
    if (found.empty()) return kNoError;
    MemHandle handle = NewMemHandle(static_cast<uint32_t>(found.size() * sizeof(ArtRef)));
    if (!handle) return kOutOfMemoryError;
    ArtRef* refs = static_cast<ArtRef*>(*handle);
    std::transform(found.begin(), found.end(), refs, [](Art* a) { return ToRef(a); });
    *matches = handle;
    *count = static_cast<int32_t>(found.size());
    return kNoError;
  });
}

}  // namespace

const ArtSuiteV4& ArtSuite() {
  static const ArtSuiteV4 table = {NewArt,           DisposeArt,    DuplicateArt,
                                   GetArtType,       SetArtAttributes, GetFirstChild,
                                   GetNextSibling,   GetArtBounds};
  return table;
}

const MatchingArtSuiteV2& MatchingArtSuite() {
  static const MatchingArtSuiteV2 table = {GetMatchingArt};
  return table;
}

}  // namespace corvane::host::artwork
