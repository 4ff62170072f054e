#include "framework/host.h"

HostError GetSelectedArt(const int16_t* types, int16_t typeCount, MemHandle* list,
                         int32_t* count) {
  MatchingArtSpec specs[8];
  if (typeCount > 8) typeCount = 8;
  for (int16_t i = 0; i < typeCount; ++i) specs[i] = {types[i], 0, kArtSelected, 1};
  *list = nullptr;
  *count = 0;
  return sMatching->GetMatchingArt(specs, typeCount, list, count);
}

void DisposeArtList(MemHandle list) {
  if (list != nullptr) sMemory->DisposeHandle(list);
}

HostError ClearCompoundMembers(ArtRef* arts, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (arts[i] == nullptr) continue;
    int16_t type = 0;
    HostError error = sArt->GetArtType(arts[i], &type);
    if (error != kNoError) return error;
    if (type != kCompoundPathArt) continue;
    ArtRef member = nullptr;
    error = sArt->GetFirstChild(arts[i], &member);
    if (error != kNoError) return error;
    while (member != nullptr) {
      for (int32_t j = 0; j < count; ++j) {
        if (arts[j] == member) arts[j] = nullptr;
      }
      error = sArt->GetNextSibling(member, &member);
      if (error != kNoError) return error;
    }
  }
  return kNoError;
}

HostError RotateArtAbout(ArtRef art, Real radians, Real cx, Real cy) {
  RealMatrix m;
  sMath->MatrixSetTranslate(&m, -cx, -cy);
  sMath->MatrixConcatRotate(&m, radians);
  sMath->MatrixConcatTranslate(&m, cx, cy);
  return sTransform->TransformArt(art, &m, 1.0f, 15);
}

RealPoint BoundsCentre(const RealRect& b) {
  return RealPoint{b.left + (b.right - b.left) / 2, b.bottom + (b.top - b.bottom) / 2};
}
