#include "resources/resource_formats.h"

#include <cctype>

namespace vs_test {

namespace {

uint16_t U16At(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t U32At(const uint8_t* p) {
  return static_cast<uint32_t>(U16At(p)) | (static_cast<uint32_t>(U16At(p + 2)) << 16);
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' || c == ':';
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::optional<std::array<std::wstring, 16>> ParseStringBlock(const uint8_t* data, size_t size) {
  if (data == nullptr) return std::nullopt;
  std::array<std::wstring, 16> strings;
  size_t pos = 0;
  for (std::wstring& s : strings) {
    if (size - pos < 2) return std::nullopt;
    size_t length = U16At(data + pos);
    pos += 2;
    if ((size - pos) / 2 < length) return std::nullopt;
    s.reserve(length);
    for (size_t i = 0; i < length; ++i) s.push_back(static_cast<wchar_t>(U16At(data + pos + 2 * i)));
    pos += 2 * length;
  }
  return strings;
}

std::optional<std::vector<IconGroupEntry>> ParseIconGroup(const uint8_t* data, size_t size) {
  constexpr size_t kHeader = 6;
  constexpr size_t kEntry = 14;
  if (data == nullptr || size < kHeader) return std::nullopt;
  if (U16At(data) != 0 || U16At(data + 2) != 1) return std::nullopt;
  size_t count = U16At(data + 4);
  if ((size - kHeader) / kEntry < count) return std::nullopt;
  std::vector<IconGroupEntry> entries;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* p = data + kHeader + i * kEntry;
    IconGroupEntry e;
    e.width = p[0];
    e.height = p[1];
    e.colorCount = p[2];
    e.planes = U16At(p + 4);
    e.bitCount = U16At(p + 6);
    e.bytesInRes = U32At(p + 8);
    e.iconId = U16At(p + 12);
    entries.push_back(e);
  }
  return entries;
}

std::vector<XmlAttributes> ElementsNamed(const std::string& xml, const std::string& localName) {
  std::vector<XmlAttributes> found;
  size_t pos = 0;
  while ((pos = xml.find('<', pos)) != std::string::npos) {
    if (xml.compare(pos, 4, "<!--") == 0) {
      size_t end = xml.find("-->", pos + 4);
      if (end == std::string::npos) break;
      pos = end + 3;
      continue;
    }
    ++pos;
    if (pos >= xml.size() || xml[pos] == '/' || xml[pos] == '?' || xml[pos] == '!') continue;
    size_t nameEnd = pos;
    while (nameEnd < xml.size() && IsNameChar(xml[nameEnd])) ++nameEnd;
    std::string name = xml.substr(pos, nameEnd - pos);
    size_t colon = name.rfind(':');
    if (colon != std::string::npos) name.erase(0, colon + 1);
    pos = nameEnd;

    XmlAttributes attributes;
    for (;;) {
      while (pos < xml.size() && IsSpace(xml[pos])) ++pos;
      if (pos >= xml.size() || xml[pos] == '>' || xml[pos] == '/') break;
      size_t keyEnd = pos;
      while (keyEnd < xml.size() && IsNameChar(xml[keyEnd])) ++keyEnd;
      if (keyEnd == pos) break;  // not an attribute: give up on this tag
      std::string key = xml.substr(pos, keyEnd - pos);
      pos = keyEnd;
      while (pos < xml.size() && IsSpace(xml[pos])) ++pos;
      if (pos >= xml.size() || xml[pos] != '=') break;
      ++pos;
      while (pos < xml.size() && IsSpace(xml[pos])) ++pos;
      if (pos >= xml.size() || (xml[pos] != '"' && xml[pos] != '\'')) break;
      char quote = xml[pos++];
      size_t valueEnd = xml.find(quote, pos);
      if (valueEnd == std::string::npos) return found;
      attributes[key] = xml.substr(pos, valueEnd - pos);
      pos = valueEnd + 1;
    }
    if (name == localName) found.push_back(std::move(attributes));
  }
  return found;
}

}  // namespace vs_test
