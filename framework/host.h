// Small wrappers over host operations that many deliverables repeat.
#pragma once

#include "framework/plugin.h"

// The selected art of the given types, in the host's order (bottom to top, a
// parent before its members). *count 0 leaves *list null. The caller disposes
// of the list with DisposeArtList on every way out.
HostError GetSelectedArt(const int16_t* types, int16_t typeCount, MemHandle* list,
                         int32_t* count);

inline ArtRef* ArtListItems(MemHandle list) {
  return list ? static_cast<ArtRef*>(*list) : nullptr;
}

// Null is accepted.
void DisposeArtList(MemHandle list);

// Drops from the list every entry that is a member of a selected compound
// path in it (sets it to null), so each path is handled once, through its
// parent.
HostError ClearCompoundMembers(ArtRef* arts, int32_t count);

// Turns art by radians about (cx, cy): translate, rotate, translate back,
// applied with line scale 1.0 and flags 15.
HostError RotateArtAbout(ArtRef art, Real radians, Real cx, Real cy);

// The centre of a bounds rectangle.
RealPoint BoundsCentre(const RealRect& bounds);
