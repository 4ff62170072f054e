// The native JSON form of a document. Scripts are written against it: it
// only ever grows by optional fields.
//
//   {"page": {"width": 612, "height": 792},      points, both above 0
//    "layers": [layer, ...],                     bottom to top
//    "svg": {"rootAttributes": [[name, value], ...],
//            "prologue": ["<defs>...</defs>", ...]}}        optional
//
//   layer    {"title": "", "visible": true, "locked": false, "current": false,
//             "id": "", "svgAttributes": [[name, value], ...], "art": [art, ...]}
//            Every field is optional (defaults shown, "art" empty). At most
//            one layer is current; with none marked, the top-most one is.
//   art      {"type": "path" | "compound" | "group" | "foreign", ...}, bottom
//            to top. Optional for every type: "selected" (false), "id",
//            "svgAttributes".
//     path      "segments": [segment, ...] (required, at most 32767),
//               "closed" (false), "guide" (false), "style" (default: the
//               host's style for new art)
//     compound  "members": [path art, ...] (required), "guide", "style"
//     group     "members": [art, ...] (required)
//     foreign   "svg": "<element/>" (required): an SVG element the host does
//               not interpret, carried verbatim and invisible to plug-ins
//   segment  {"p": [x, y], "in": [x, y], "out": [x, y], "corner": false}
//            "p" is required; "in" and "out" default to "p".
//   style    {"fill": fill, "stroke": stroke}; a missing fill or stroke is
//            unpainted, with the default settings shown below.
//   fill     {"paint": true, "overprint": false, "colour": colour,
//             "evenOdd": false}
//   stroke   {"paint": true, "overprint": false, "colour": colour,
//             "width": 1, "dashOffset": 0, "dashes": [on, off, ...] (at most
//             6), "cap": "butt" | "round" | "projecting",
//             "join": "miter" | "round" | "bevel", "miterLimit": 4}
//            "colour" is required when "paint" is true (its default); an
//            unpainted fill or stroke without it has a blank colour.
//   colour   {"grey": g} (0 white, 1 black), {"cmyk": [c, m, y, k]},
//            {"rgb": [r, g, b]}, components 0 to 1 but not limited to it;
//            or {"kind": n, "data": "<128 hex digits>"}, the 64 data bytes as
//            stored: for kinds other than 0, 1 and 5, and for components that
//            are not finite numbers.
//
// Flags ("paint", "overprint", "evenOdd", "corner") are booleans; a stored
// flag other than 0 or 1 is written as that integer, and integers are read.
// "cap" and "join" likewise fall back to integers. Coordinates are points,
// y growing upwards. Numbers are single precision, written as the shortest
// text that reads back as the same value, so writing and reading give back
// the same model.
//
// Reading is strict: unknown fields, wrong types, numbers that are not
// finite single-precision values, out-of-range counts and members nested
// deeper than kMaxFileNesting are errors naming
// the JSON path, e.g. "layers[0].art[2].segments[1].p: expected an array of
// 2 numbers".
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace corvane::host::io {

// Indented JSON that keeps short arrays and objects (points, segments,
// colours) on one line so that documents stay readable and diff well.
std::string FormatJson(const nlohmann::ordered_json& value);

}  // namespace corvane::host::io
