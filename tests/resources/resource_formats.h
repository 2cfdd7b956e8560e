// Readers for the raw forms of a few resource types: string table blocks,
// icon group directories and the attributes of manifest elements.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vs_test {

// A string table block holds the sixteen IDs (block - 1) * 16 to
// (block - 1) * 16 + 15; block = id / 16 + 1.
constexpr int StringBlockOf(int id) { return id / 16 + 1; }
constexpr int FirstIdOfBlock(int block) { return (block - 1) * 16; }

// The sixteen counted strings of a block. A missing ID has length 0, so it
// reads as an empty string. Nothing when the block ends early.
std::optional<std::array<std::wstring, 16>> ParseStringBlock(const uint8_t* data, size_t size);

// One entry of an icon group directory (the resource form of an .ico
// header, with the image's RT_ICON ID in place of its file offset).
struct IconGroupEntry {
  uint8_t width = 0;  // 0 means 256
  uint8_t height = 0;
  uint8_t colorCount = 0;
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t bytesInRes = 0;
  uint16_t iconId = 0;
};

// Nothing unless the directory is an icon directory (type 1) whose entries
// all fit.
std::optional<std::vector<IconGroupEntry>> ParseIconGroup(const uint8_t* data, size_t size);

// The attributes of every element with the given local name (any namespace
// prefix is ignored), in document order. A small reader for well-formed
// manifests: it skips comments and processing instructions, nothing more.
using XmlAttributes = std::map<std::string, std::string>;
std::vector<XmlAttributes> ElementsNamed(const std::string& xml, const std::string& localName);

}  // namespace vs_test
