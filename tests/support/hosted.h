// A host session for tests that call framework routines directly: the
// framework's suite globals are obtained from the real host, over a document
// with one layer, and cleared again afterwards.
#pragma once

#include <gtest/gtest.h>

#include "framework/plugin.h"
#include "host/loader/plugin_host.h"
#include "host/model/document.h"
#include "host/session.h"

namespace corvane::testing {

class HostedFramework : public ::testing::Test {
 protected:
  HostedFramework() {
    session_.document = &doc_;
    layer_ = doc_.addLayer(" Layer 1");
  }

  ~HostedFramework() override {
    for (int32_t i = 0; i < kSuiteTableRows; ++i) *kSuiteTable[i].global = nullptr;
  }

  template <typename Suite>
  static void Obtain(const char* name, int32_t version, const Suite** global) {
    ASSERT_EQ(host::HostBasicSuite()->ObtainSuite(name, version,
                                                  reinterpret_cast<const void**>(global)),
              kNoError)
        << name;
  }

  // A closed three-corner path on the layer with this fill, stroke and width.
  ArtRef AddPath(const Colour& fill, const Colour& stroke, Real width) {
    host::Art* art = doc_.createArt(host::ArtType::Path);
    PathSegment corner{};
    corner.corner = 1;
    art->segments = {corner, corner, corner};
    art->segments[1].p = art->segments[1].in = art->segments[1].out = {10, 0};
    art->segments[2].p = art->segments[2].in = art->segments[2].out = {10, 10};
    art->closed = true;
    art->style = host::DefaultArtStyle();
    art->style.fillPaint = 1;
    art->style.fill = fill;
    art->style.stroke = stroke;
    art->style.strokeWidth = width;
    layer_->art.push_back(art);
    doc_.relink();
    return reinterpret_cast<ArtRef>(art);
  }

  static const PathStyle& StyleOf(ArtRef art) { return reinterpret_cast<host::Art*>(art)->style; }

  host::Document doc_;
  host::Session session_;
  host::SessionScope scope_{session_};
  host::Layer* layer_ = nullptr;
};

}  // namespace corvane::testing
