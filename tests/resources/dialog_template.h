// Reader for extended dialog templates (the DLGTEMPLATEEX layout), so tests
// can compare a compiled template with the layout the pages expect.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vs_test {

// A field that holds either a 16-bit ordinal or a string (menu, class and
// control text). An empty string stands for "none".
struct TemplateId {
  bool isOrdinal = false;
  uint16_t ordinal = 0;
  std::wstring name;

  static TemplateId Ordinal(uint16_t value);
  static TemplateId Name(std::wstring value);
  bool operator==(const TemplateId& other) const;
  bool operator!=(const TemplateId& other) const { return !(*this == other); }
};

struct DialogItem {
  uint32_t helpId = 0;
  uint32_t exStyle = 0;
  uint32_t style = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  int32_t id = 0;
  TemplateId windowClass;
  TemplateId text;
  std::vector<uint8_t> creationData;
};

struct DialogTemplate {
  uint16_t version = 0;
  uint16_t signature = 0;
  uint32_t helpId = 0;
  uint32_t exStyle = 0;
  uint32_t style = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  TemplateId menu;
  TemplateId windowClass;
  std::wstring title;
  // Present only when the style has DS_SETFONT.
  bool hasFont = false;
  uint16_t pointSize = 0;
  uint16_t weight = 0;
  uint8_t italic = 0;
  uint8_t charset = 0;
  std::wstring typeface;
  std::vector<DialogItem> items;
};

// Parses an extended template. Returns nothing when the bytes are not an
// extended template or end before the last item does.
std::optional<DialogTemplate> ParseDialogTemplateEx(const uint8_t* data, size_t size);

// The class name the window manager uses for an item: the predefined class
// ordinals (0x80 to 0x85) become their names; names are compared without
// regard to case, so they come back in upper case.
std::wstring ItemClassName(const TemplateId& windowClass);

}  // namespace vs_test
