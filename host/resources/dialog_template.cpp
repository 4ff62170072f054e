#include "host/resources/dialog_template.h"

#include "host/resources/byte_reader.h"
#include "host/resources/utf16.h"

#include <strings.h>

namespace corvane::host {
namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT: a font description follows the title

// A "name or ordinal" field of a template: 0 = empty, 0xFFFF then an
// ordinal, otherwise a NUL-terminated string. Ordinals come back as "#n".
std::string ReadSzOrOrd(ByteReader& r, uint16_t* ordinal = nullptr) {
  ByteReader peek = r;
  uint16_t first = peek.u16();
  if (peek.ok() && first == 0xFFFF) {
    r.u16();
    uint16_t value = r.u16();
    if (ordinal) *ordinal = value;
    return "#" + std::to_string(value);
  }
  return ReadUtf16z(r);
}

DialogUnits ReadPlace(ByteReader& r) {
  DialogUnits u;
  u.x = r.i16();
  u.y = r.i16();
  u.cx = r.i16();
  u.cy = r.i16();
  return u;
}

void ReadControlClass(ByteReader& r, DialogControl& c) {
  uint16_t ordinal = 0;
  c.className = ReadSzOrOrd(r, &ordinal);
  c.cls = ordinal ? ClassifyControl(ordinal) : ClassifyControl(c.className);
  if (ordinal) {
    static const char* const kNames[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    if (ordinal >= 0x80 && ordinal <= 0x85) c.className = kNames[ordinal - 0x80];
  }
}

Parsed<DialogControl> ReadControl(ByteReader& r, bool extended, size_t index) {
  r.align(4);
  DialogControl c;
  size_t at = r.offset();
  if (extended) {
    r.u32();  // help id
    c.exStyle = r.u32();
    c.style = r.u32();
    c.place = ReadPlace(r);
    c.id = r.i32();
  } else {
    c.style = r.u32();
    c.exStyle = r.u32();
    c.place = ReadPlace(r);
    c.id = r.i16();
  }
  ReadControlClass(r, c);
  c.text = ReadSzOrOrd(r);
  uint16_t extra = r.u16();
  r.skip(extra);
  if (!r.ok())
    return r.error("control " + std::to_string(index + 1) + " (at offset " + std::to_string(at) + ")");
  return c;
}

}  // namespace

ControlClass ClassifyControl(uint16_t ordinal) {
  switch (ordinal) {
    case 0x80: return ControlClass::Button;
    case 0x81: return ControlClass::Edit;
    case 0x82: return ControlClass::Static;
    case 0x83: return ControlClass::ListBox;
    case 0x84: return ControlClass::ScrollBar;
    case 0x85: return ControlClass::ComboBox;
    default: return ControlClass::Other;
  }
}

ControlClass ClassifyControl(const std::string& name) {
  struct Named { const char* name; ControlClass cls; };
  static const Named kClasses[] = {
      {"Button", ControlClass::Button},       {"Edit", ControlClass::Edit},
      {"Static", ControlClass::Static},       {"ListBox", ControlClass::ListBox},
      {"ScrollBar", ControlClass::ScrollBar}, {"ComboBox", ControlClass::ComboBox},
      {"msctls_trackbar32", ControlClass::Trackbar},
  };
  for (const Named& n : kClasses)
    if (strcasecmp(n.name, name.c_str()) == 0) return n.cls;
  return ControlClass::Other;
}

const DialogControl* DialogTemplate::control(int32_t id) const {
  for (const DialogControl& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

Parsed<DialogTemplate> ParseDialogTemplate(const std::vector<uint8_t>& data, size_t base) {
  ByteReader r(data.data(), data.size(), base);
  DialogTemplate t;
  ByteReader peek = r;
  uint16_t version = peek.u16();
  uint16_t signature = peek.u16();
  t.extended = peek.ok() && version == 1 && signature == 0xFFFF;
  if (t.extended) {
    r.skip(4 + 4);  // version and signature, help id
    t.exStyle = r.u32();
    t.style = r.u32();
  } else {
    t.style = r.u32();
    t.exStyle = r.u32();
  }
  uint16_t count = r.u16();
  t.place = ReadPlace(r);
  t.menu = ReadSzOrOrd(r);
  t.windowClass = ReadSzOrOrd(r);
  t.title = ReadUtf16z(r);
  if (t.style & kSetFont) {
    t.fontSize = r.u16();
    if (t.extended) {
      t.fontWeight = r.u16();
      t.fontItalic = r.u8() != 0;
      r.u8();  // character set
    }
    t.fontFace = ReadUtf16z(r);
  }
  if (!r.ok()) return r.error("dialog header");
  for (size_t i = 0; i < count; ++i) {
    Parsed<DialogControl> c = ReadControl(r, t.extended, i);
    if (!c) return c.error();
    t.controls.push_back(std::move(c).value());
  }
  return t;
}

}  // namespace corvane::host
