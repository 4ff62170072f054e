#include "host/dialogs/describe.h"

#include <cstdio>
#include <vector>

namespace corvane::host {
namespace {

// What the describer needs of an item, from a live dialog or a template.
struct Shown {
  DialogUnits place;
  ItemKind kind;
  std::string text;
};

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      out += hex;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

bool Overlap(int a, int aLength, int b, int bLength) { return a < b + bLength && b < a + aLength; }

// A label above an item sits at most this many dialog units above it.
constexpr int kLabelAboveGap = 12;

bool TakesNeighbourLabel(ItemKind kind) { return IsNumeric(kind) || HasList(kind); }

std::string NeighbourLabel(const std::vector<Shown>& items, const Shown& of) {
  const Shown* left = nullptr;
  const Shown* above = nullptr;
  for (const Shown& s : items) {
    if (s.kind != ItemKind::StaticText) continue;
    const DialogUnits& p = s.place;
    if (p.x < of.place.x && Overlap(p.y, p.cy, of.place.y, of.place.cy)) {
      if (!left || p.x + p.cx > left->place.x + left->place.cx) left = &s;
    } else if (p.y < of.place.y && Overlap(p.x, p.cx, of.place.x, of.place.cx) &&
               of.place.y - (p.y + p.cy) <= kLabelAboveGap) {
      if (!above || p.y + p.cy > above->place.y + above->place.cy) above = &s;
    }
  }
  if (left) return left->text;
  return above ? above->text : std::string();
}

// A slider drawn just below or beside its edit field shares that field's
// label.
const Shown* PartnerField(const std::vector<Shown>& items, const Shown& slider) {
  for (const Shown& s : items) {
    if (s.kind != ItemKind::Edit) continue;
    const DialogUnits& p = s.place;
    bool above = p.y < slider.place.y && Overlap(p.x, p.cx, slider.place.x, slider.place.cx) &&
                 slider.place.y - (p.y + p.cy) <= kLabelAboveGap;
    bool beside = Overlap(p.y, p.cy, slider.place.y, slider.place.cy) &&
                  (p.x + p.cx <= slider.place.x || slider.place.x + slider.place.cx <= p.x);
    if (above || beside) return &s;
  }
  return nullptr;
}

std::string Label(const std::vector<Shown>& items, const Shown& of) {
  if (!TakesNeighbourLabel(of.kind)) return of.text;
  std::string label = NeighbourLabel(items, of);
  if (label.empty() && of.kind == ItemKind::Slider) {
    if (const Shown* field = PartnerField(items, of)) label = NeighbourLabel(items, *field);
  }
  return label;
}

std::string Header(const DialogTemplate& tmpl, int32_t resourceId) {
  return "dialog " + std::to_string(resourceId) + " " + Quote(tmpl.title) + " size " +
         std::to_string(tmpl.place.cx) + "x" + std::to_string(tmpl.place.cy);
}

std::string ValueText(const Item& item) {
  if (item.kind() == ItemKind::CheckBox || item.kind() == ItemKind::Radio)
    return item.checked ? " value 1" : " value 0";
  if (List* list = item.list()) {
    Entry* entry = list->selected();
    return entry ? " value " + std::to_string(entry->id) + " " + Quote(entry->text) : " value none";
  }
  if (!IsNumeric(item.kind())) return "";
  const NumberValue& n = item.number();
  std::string out;
  if (n.minimum() || n.maximum())
    out += " range " + (n.minimum() ? n.format(*n.minimum()) : "") + ".." +
           (n.maximum() ? n.format(*n.maximum()) : "");
  if (n.kind() != NumberKind::Undecided) out += " value " + n.text();
  return out;
}

}  // namespace

std::string DescribeDialog(const Dialog& dialog) {
  std::vector<Shown> shown;
  for (const auto& item : dialog.items())
    shown.push_back({item->control().place, item->kind(), item->text()});
  IntRect b = dialog.bounds();
  std::string out = Header(dialog.tmpl(), dialog.resourceId()) + " bounds " + std::to_string(b.left) + "," +
                    std::to_string(b.top) + "," + std::to_string(b.right) + "," + std::to_string(b.bottom) +
                    "\n";
  for (size_t i = 0; i < shown.size(); ++i) {
    const Item& item = *dialog.items()[i];
    out += "item " + std::to_string(item.id()) + " " + KindName(item.kind(), item.number().kind()) + " " +
           Quote(Label(shown, shown[i])) + ValueText(item) + (item.enabled ? " enabled" : " disabled");
    if (dialog.focused == &item) out += " focus";
    if (dialog.textSelected == &item) out += " selected";
    out += "\n";
  }
  return out;
}

std::string DescribeTemplate(const DialogTemplate& tmpl, int32_t resourceId) {
  constexpr uint32_t kDisabled = 0x08000000;  // WS_DISABLED
  std::vector<Shown> shown;
  for (const DialogControl& c : tmpl.controls) shown.push_back({c.place, KindOf(c), c.text});
  std::string out = Header(tmpl, resourceId) + "\n";
  for (size_t i = 0; i < shown.size(); ++i) {
    const DialogControl& c = tmpl.controls[i];
    NumberKind number = shown[i].kind == ItemKind::Slider ? NumberKind::Integer : NumberKind::Undecided;
    out += "item " + std::to_string(c.id) + " " + KindName(shown[i].kind, number) + " " +
           Quote(Label(shown, shown[i])) + ((c.style & kDisabled) ? " disabled" : " enabled") + "\n";
  }
  return out;
}

}  // namespace corvane::host
