// Helpers for the document file tests: a model comparison that names the
// first difference, and builders for documents that exercise every field.
#pragma once

#include "host/io/document_io.h"
#include "host/model/document.h"

#include <cstring>
#include <string>

namespace corvane::testing {

using host::Art;
using host::ArtType;
using host::Document;
using host::Layer;

struct CompareOptions {
  bool selection = true;  // SVG does not store the selection
};

inline bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }
inline bool SameBits(const RealPoint& a, const RealPoint& b) { return SameBits(a.h, b.h) && SameBits(a.v, b.v); }

std::string ColourDifference(const Colour& a, const Colour& b);
std::string StyleDifference(const PathStyle& a, const PathStyle& b);
// "" when the documents hold the same model, else where they first differ.
std::string DocumentDifference(const Document& a, const Document& b, CompareOptions options = {});

Colour Grey(float g);
Colour Cmyk(float c, float m, float y, float k);
Colour Rgb(float r, float g, float b);
Colour Opaque(int32_t kind, uint8_t seed);  // all 64 bytes set from the seed

// A style with every setting away from its default.
PathStyle BusyStyle();
PathSegment Corner(float x, float y);
PathSegment Smooth(float x, float y, float dx, float dy);  // controls at +-(dx, dy)

Art* AddPath(Document& document, Layer* layer, Art* parent, std::vector<PathSegment> segments, bool closed);

// Layers, paths with lines and curves (open and closed), compound paths of
// one and two members, nested groups, foreign art, every colour kind,
// out-of-range and exotic values, ids and carried SVG attributes. Only
// values SVG can hold as well as JSON (see MakeJsonOnlyDocument).
std::unique_ptr<Document> MakeRichDocument();
// MakeRichDocument plus what only JSON keeps: selection flags, odd flag
// values, compound members with their own styles.
std::unique_ptr<Document> MakeJsonOnlyDocument();

}  // namespace corvane::testing
