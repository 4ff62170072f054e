// Dialog templates as compiled from DIALOGEX (and plain DIALOG) statements.
#pragma once

#include "host/resources/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::host {

// Window classes of dialog controls, from the predefined ordinals (0x80 to
// 0x85) or the class name.
enum class ControlClass { Button, Edit, Static, ListBox, ScrollBar, ComboBox, Trackbar, Other };

// Position and size in dialog units.
struct DialogUnits {
  int16_t x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogControl {
  int32_t id = 0;  // 16-bit in plain DIALOG templates, sign-extended
  ControlClass cls = ControlClass::Other;
  std::string className;  // as written: "Button", "msctls_trackbar32", "#130"...
  uint32_t style = 0;
  uint32_t exStyle = 0;
  DialogUnits place;
  std::string text;  // empty, or "#<ordinal>" for a resource reference
};

struct DialogTemplate {
  bool extended = false;  // DIALOGEX
  uint32_t style = 0;
  uint32_t exStyle = 0;
  DialogUnits place;
  std::string menu;         // "" when none
  std::string windowClass;  // "" for the standard dialog class
  std::string title;
  uint16_t fontSize = 0;  // present when the style has DS_SETFONT
  uint16_t fontWeight = 0;
  bool fontItalic = false;
  std::string fontFace;
  std::vector<DialogControl> controls;  // in template order

  // The first control with that id, or null.
  const DialogControl* control(int32_t id) const;
};

// Parses a template from a dialog resource's data; base is the data's offset
// in the file, used in error offsets.
Parsed<DialogTemplate> ParseDialogTemplate(const std::vector<uint8_t>& data, size_t base = 0);

// The class named by a predefined ordinal or a class name (without regard to
// case); Other when it is neither.
ControlClass ClassifyControl(uint16_t ordinal);
ControlClass ClassifyControl(const std::string& name);

}  // namespace corvane::host
