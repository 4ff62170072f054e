// The basic SVG shapes (rect, circle, ellipse, line, polyline, polygon) as
// path outlines.
#pragma once

#include "host/io/svg_path_data.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::host::io {

bool IsShape(std::string_view element);

// The geometry attributes of a shape element.
const std::vector<std::string>& ShapeAttributes(std::string_view element);

// Feeds the shape's outline to `sink`: rectangles and ellipses start at the
// right-hand end of their top edge / rightmost point and run clockwise on
// screen; rounded corners and ellipses are cubic arcs. `attribute` gives a
// geometry attribute's value, or null when it is absent (it counts as 0).
// Throws SvgError for unreadable or negative measures.
void AddShape(std::string_view element, const std::function<const std::string*(const std::string&)>& attribute,
              PathSink& sink);

}  // namespace corvane::host::io
