// Plain-text pictures of dialogs, one line per item, for people and for
// grep. The format is stable:
//
//   dialog <resource id> "<title>" size <cx>x<cy> [bounds <l>,<t>,<r>,<b>]
//   item <id> <kind> "<label>"[ range <min>..<max>][ value <v>] enabled|disabled[ focus][ selected]
//
// Items appear in template order. <kind> is one of button, checkbox,
// radio, group, static, frame, edit, edit-int, edit-real, slider,
// slider-real, scrollbar, list, listbox, other. The label of a button,
// check box, static text or frame is its own text; that of an edit field,
// slider, scroll bar or list is the current text of the static text nearest
// to its left on the same row or, failing that, nearest above it
// (overlapping it horizontally, at most 12 dialog units above), else "".
// A range side without a bound is left empty ("0.." or "..100"). Values:
// numbers as the item shows them (its precision; an edit field never given
// a number shows no value), 0 or 1 for check boxes and radio buttons, and
// for lists the selected entry's id and quoted text, or "none". "focus"
// marks the focused item and "selected" the item whose text is selected.
// In quoted text, backslash and double quote are escaped with a backslash
// and control characters are written \xHH. Templates that are not open
// show neither bounds, values, ranges nor focus.
#pragma once

#include "host/dialogs/dialog.h"
#include "host/resources/dialog_template.h"

#include <string>

namespace corvane::host {

std::string DescribeDialog(const Dialog& dialog);
std::string DescribeTemplate(const DialogTemplate& tmpl, int32_t resourceId);

}  // namespace corvane::host
