// The SVG form of a document, for interchange with drawing programs. The
// text is UTF-8; bytes that are not well-formed UTF-8 make it unreadable.
//
// Page and coordinates. The root carries width="Wpt" height="Hpt"
// viewBox="0 0 W H": one user unit is one point. Reading takes the page size
// from the viewBox when there is one, else from width and height (pt, px
// and plain numbers alike count as points). The vertical axis is flipped:
// document y = viewBox top + H - svg y. Positions in path data are written
// so that the reader undoes the flip exactly (see DecimalDifference); only
// the sign of a zero vertical position is lost.
//
// Layers are the top-level <g inkscape:groupmode="layer">, bottom to top:
// inkscape:label is the title, style="display:none" hides one,
// sodipodi:insensitive="true" locks one and corvane:current="true" marks the
// current one (without a mark, the top-most layer is current). Top-level art
// outside layers goes into layers made for it ("Layer 1", "Layer 2", ...,
// one for each run of such art). Other <g> elements are groups.
//
// Paths. A <path> with one subpath is path art; with several, a compound
// path with one member per subpath (corvane:compound="true" marks a compound
// path of fewer than two members). rect, circle, ellipse, line, polyline and
// polygon are read as paths. Path data may use every command (arcs and
// quadratics become cubics); transform attributes on paths and groups are
// applied to the coordinates (stroke width and dashes scale by the square
// root of the area factor) and dropped. The writer uses M, L, C and Z only:
// L where both controls of a segment lie on its anchors, a closing curve
// drawn out to the start point before Z. On reading, a subpath whose last
// segment ends exactly on its start point before Z is closed by that segment.
// What SVG has no words for is kept in corvane: attributes, written only when
// needed:
//   corvane:corners  one digit per segment, subpaths separated by spaces,
//                    when the corner flags differ from InferCorner
//   corvane:ends     for open subpaths, "in.x in.y out.x out.y" of the first
//                    anchor's in-control and the last anchor's out-control
//                    (document coordinates), subpaths separated by ";", when
//                    these controls are not on their anchors
//   corvane:guide    "true" for guides
// A compound path is painted by one style, written from its first member.
// Corner flags are read as 0 or 1.
//
// Paint. fill, stroke, stroke-width (1), stroke-dasharray,
// stroke-dashoffset (0), stroke-linecap (butt), stroke-linejoin (miter),
// stroke-miterlimit (4) and fill-rule (nonzero) come from presentation
// attributes or the style attribute (which wins), inherited from ancestor
// groups, layers and the root. A missing fill is black, a missing stroke
// none. Colours: sRGB (#rgb, #rrggbb, rgb(), a few names) reads as
// three-colour; an icc-color(name, ...) after it with 1, 3 or 4 values reads
// as grey, three-colour or four-colour with those exact values. The writer
// gives the attribute an sRGB value (components clamped to 0..1; grey g
// shows as 1 - g) and, unless the hex digits hold the colour exactly, repeats
// it with icc-color(corvane-grey|corvane-rgb|corvane-cmyk, ...) as a
// declaration of the style attribute (see StyleAttributes for why). Colours
// kept as bytes (kinds other than 0, 1 and 5, and non-finite components)
// are written as fill="#808080" with corvane:fill-data="kind:hex" (likewise
// for the stroke); the data applies only while the paint is still #808080.
// An unpainted fill or stroke with a colour other than the blank one keeps
// it in corvane:fill / corvane:stroke. Overprint flags are
// corvane:fill-overprint / corvane:stroke-overprint. A negative stroke width
// is written as stroke-width="0" with the value in corvane:stroke-width.
// Paint servers (url(...)) read as their fallback colour, or mid grey.
// Paint values longer than 1024 characters on the root, layers, groups and
// paths are refused.
//
// Everything else is carried. Elements the host does not interpret inside
// layers and groups become foreign art, serialised verbatim with the
// transform and inherited paint of their ancestors made explicit; top-level
// elements that draw nothing (defs, metadata, style, ...) are kept as the
// document's prologue, written before the layers. Unknown attributes are
// kept on layers, groups, paths and the root, as are unknown declarations of
// the style attribute. Ids are kept; art without one is written without one.
// Selection is not stored (see SvgReadOptions). Groups nest at most
// kMaxFileNesting deep; a subpath holds at most kMaxSegments segments.
#pragma once

#include <corvane/path.h>

namespace corvane::host::io {

inline constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
inline constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
inline constexpr const char* kSodipodiNamespace =
    "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";
inline constexpr const char* kCorvaneNamespace = "urn:corvane";

// The corner flag a segment gets when the file does not say: smooth (0)
// when both controls are off the anchor and exactly opposite each other,
// else a corner (1). Writer and reader share it, so corvane:corners is only
// written where the flags disagree with it.
int32_t InferCorner(const PathSegment& segment);

}  // namespace corvane::host::io
