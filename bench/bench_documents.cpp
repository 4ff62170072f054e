#include "bench_documents.h"

#include <cmath>

namespace corvane::bench {
namespace {

Colour StrokeColour(int i) {
  Colour colour{};
  switch (i % 3) {
    case 0:
      colour.kind = kGreyColour;
      colour.data.grey = 0.25f + 0.5f * static_cast<float>(i % 7) / 7;
      break;
    case 1:
      colour.kind = kFourColour;
      colour.data.four = {0.1f, 0.2f, 0.3f, static_cast<float>(i % 5) / 5};
      break;
    default:
      colour.kind = kThreeColour;
      colour.data.three = {0.9f, static_cast<float>(i % 11) / 11, 0.2f};
      break;
  }
  return colour;
}

// Eight anchors on an ellipse with smooth controls, or six zig-zag corners.
std::vector<PathSegment> Shape(int i, float cx, float cy) {
  std::vector<PathSegment> segments;
  if (i % 2 == 0) {
    const float rx = 6 + i % 9, ry = 4 + i % 5;
    for (int k = 0; k < 8; ++k) {
      const float a = static_cast<float>(k) * 0.785398f;
      const RealPoint p{cx + rx * std::cos(a), cy + ry * std::sin(a)};
      const RealPoint d{-0.4f * rx * std::sin(a), 0.4f * ry * std::cos(a)};
      segments.push_back(PathSegment{p, {p.h - d.h, p.v - d.v}, {p.h + d.h, p.v + d.v}, 0});
    }
  } else {
    for (int k = 0; k < 6; ++k) {
      const RealPoint p{cx - 10 + 4 * static_cast<float>(k), cy + ((k % 2) ? 5.0f : -5.0f)};
      segments.push_back(PathSegment{p, p, p, 1});
    }
  }
  return segments;
}

}  // namespace

std::unique_ptr<host::Document> MakeLargeDocument(int paths) {
  auto document = std::make_unique<host::Document>(612.0f, 792.0f);
  host::Layer* layers[4];
  for (int l = 0; l < 4; ++l) layers[l] = document->addLayer(" Layer " + std::to_string(l + 1));
  const int columns = 100;
  for (int i = 0; i < paths; ++i) {
    host::Art* art = document->createArt(host::ArtType::Path);
    const float cx = 6 + 6 * static_cast<float>(i % columns);
    const float cy = 780 - 7.8f * static_cast<float>((i / columns) % 100);
    art->segments = Shape(i, cx, cy);
    art->closed = i % 2 == 0;
    art->selected = true;
    art->id = "p" + std::to_string(i);
    art->style = host::DefaultArtStyle();
    art->style.fillPaint = art->closed;
    art->style.fill.kind = kFourColour;
    art->style.fill.data.four = {0.2f, 0.4f, 0.1f * static_cast<float>(i % 10), 0.05f};
    art->style.stroke = StrokeColour(i);
    art->style.strokeWidth = 0.25f * static_cast<float>(1 + i % 40);
    host::Layer* layer = layers[i % 4];
    art->layer = layer;
    layer->art.push_back(art);
  }
  return document;
}

}  // namespace corvane::bench
