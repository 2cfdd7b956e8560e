// The readers that the resource checks rely on, on hand-made input: a
// wrong reader would otherwise let a wrong resource through unnoticed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/dialog_template.h"
#include "resources/resource_formats.h"

namespace vs_test {
namespace {

// Little-endian byte builder for hand-made resources.
class Bytes {
 public:
  Bytes& U8(uint8_t v) {
    b_.push_back(v);
    return *this;
  }
  Bytes& U16(uint16_t v) { return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8)); }
  Bytes& U32(uint32_t v) { return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16)); }
  Bytes& Str(const std::wstring& s) {
    for (wchar_t c : s) U16(static_cast<uint16_t>(c));
    return U16(0);
  }
  Bytes& Ord(uint16_t v) { return U16(0xFFFF).U16(v); }
  Bytes& Align4() {
    while (b_.size() % 4 != 0) U8(0);
    return *this;
  }
  const std::vector<uint8_t>& data() const { return b_; }

 private:
  std::vector<uint8_t> b_;
};

// An extended template with a font, a menu ordinal, a class name and two
// items; the first item's text has an odd length, so the second item starts
// after padding.
Bytes SampleTemplate() {
  Bytes t;
  t.U16(1).U16(0xFFFF).U32(7).U32(0x00040000).U32(0x90C800C8).U16(2);
  t.U16(0).U16(0).U16(347).U16(205);
  t.Ord(9).Str(L"MyClass").Str(L"제목");
  t.U16(8).U16(400).U8(1).U8(129).Str(L"MS Shell Dlg");
  t.Align4();
  t.U32(0).U32(0x200).U32(0x50010001).U16(233).U16(184).U16(50).U16(14).U32(1008);
  t.Ord(0x80).Str(L"abc").U16(0);
  t.Align4();
  t.U32(3).U32(0).U32(0x50000003).U16(0xFFF6).U16(14).U16(21).U16(20).U32(0xFFFFFFFF);
  t.Str(L"msctls_progress32").Ord(128).U16(2).U8(0xAB).U8(0xCD);
  return t;
}

TEST(DialogTemplateReader, ReadsHeaderFontAndItemsAcrossPadding) {
  const Bytes sample = SampleTemplate();
  const std::vector<uint8_t>& bytes = sample.data();
  auto t = ParseDialogTemplateEx(bytes.data(), bytes.size());
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->helpId, 7u);
  EXPECT_EQ(t->exStyle, 0x00040000u);
  EXPECT_EQ(t->style, 0x90C800C8u);
  EXPECT_EQ(t->cx, 347);
  EXPECT_EQ(t->cy, 205);
  EXPECT_EQ(t->menu, TemplateId::Ordinal(9));
  EXPECT_EQ(t->windowClass, TemplateId::Name(L"MyClass"));
  EXPECT_EQ(t->title, L"제목");
  ASSERT_TRUE(t->hasFont);
  EXPECT_EQ(t->pointSize, 8);
  EXPECT_EQ(t->weight, 400);
  EXPECT_EQ(t->italic, 1);
  EXPECT_EQ(t->charset, 129);
  EXPECT_EQ(t->typeface, L"MS Shell Dlg");

  ASSERT_EQ(t->items.size(), 2u);
  const DialogItem& a = t->items[0];
  EXPECT_EQ(a.exStyle, 0x200u);
  EXPECT_EQ(a.style, 0x50010001u);
  EXPECT_EQ(a.x, 233);
  EXPECT_EQ(a.id, 1008);
  EXPECT_EQ(a.windowClass, TemplateId::Ordinal(0x80));
  EXPECT_EQ(a.text, TemplateId::Name(L"abc"));
  EXPECT_TRUE(a.creationData.empty());

  const DialogItem& b = t->items[1];
  EXPECT_EQ(b.helpId, 3u);
  EXPECT_EQ(b.x, -10);
  EXPECT_EQ(b.cy, 20);
  EXPECT_EQ(b.id, -1);
  EXPECT_EQ(b.windowClass, TemplateId::Name(L"msctls_progress32"));
  EXPECT_EQ(b.text, TemplateId::Ordinal(128));
  EXPECT_EQ(b.creationData, (std::vector<uint8_t>{0xAB, 0xCD}));
}

TEST(DialogTemplateReader, RejectsEveryShortenedTemplate) {
  const Bytes sample = SampleTemplate();
  const std::vector<uint8_t>& bytes = sample.data();
  for (size_t n = 0; n < bytes.size(); ++n) {
    EXPECT_FALSE(ParseDialogTemplateEx(bytes.data(), n).has_value()) << n << " bytes";
  }
}

TEST(DialogTemplateReader, ReadsNoFontWithoutSetFontAndRejectsOldTemplates) {
  Bytes noFont;
  noFont.U16(1).U16(0xFFFF).U32(0).U32(0).U32(0x80C80080).U16(0);
  noFont.U16(0).U16(0).U16(10).U16(10).U16(0).U16(0).Str(L"t");
  auto t = ParseDialogTemplateEx(noFont.data().data(), noFont.data().size());
  ASSERT_TRUE(t.has_value());
  EXPECT_FALSE(t->hasFont);
  EXPECT_EQ(t->menu, TemplateId::Name(L""));
  EXPECT_EQ(t->title, L"t");

  Bytes old;  // a plain DLGTEMPLATE begins with its style
  old.U32(0x80C800C8).U32(0).U16(0).U16(0).U16(0).U16(10).U16(10).U16(0).U16(0).U16(0);
  EXPECT_FALSE(ParseDialogTemplateEx(old.data().data(), old.data().size()).has_value());
}

TEST(DialogTemplateReader, NamesItemClassesAsTheWindowManagerDoes) {
  const struct {
    TemplateId cls;
    const wchar_t* name;
  } rows[] = {
      {TemplateId::Ordinal(0x80), L"BUTTON"},
      {TemplateId::Ordinal(0x81), L"EDIT"},
      {TemplateId::Ordinal(0x82), L"STATIC"},
      {TemplateId::Ordinal(0x85), L"COMBOBOX"},
      {TemplateId::Ordinal(0x99), L"#153"},
      {TemplateId::Name(L"msctls_progress32"), L"MSCTLS_PROGRESS32"},
      {TemplateId::Name(L"Button"), L"BUTTON"},
  };
  for (const auto& row : rows) EXPECT_EQ(ItemClassName(row.cls), row.name);
}

TEST(StringBlockReader, PlacesEachStringAtItsIndex) {
  Bytes block;
  for (int i = 0; i < 16; ++i) {
    if (i == 5) {
      block.U16(2).U16(L'a').U16(L'\n');
    } else if (i == 15) {
      block.U16(1).U16(L'완');
    } else {
      block.U16(0);
    }
  }
  auto strings = ParseStringBlock(block.data().data(), block.data().size());
  ASSERT_TRUE(strings.has_value());
  for (int i = 0; i < 16; ++i) {
    const wchar_t* want = i == 5 ? L"a\n" : i == 15 ? L"완" : L"";
    EXPECT_EQ((*strings)[i], want) << i;
  }

  // Cut anywhere before the last character, the block is refused.
  for (size_t n = 0; n < block.data().size(); ++n) {
    EXPECT_FALSE(ParseStringBlock(block.data().data(), n).has_value()) << n << " bytes";
  }
}

TEST(StringBlockReader, MapsIdsToBlocks) {
  const struct {
    int id, block, first;
  } rows[] = {{101, 7, 96}, {102, 7, 96}, {111, 7, 96}, {112, 8, 112}, {235, 15, 224}, {0, 1, 0}};
  for (const auto& row : rows) {
    EXPECT_EQ(StringBlockOf(row.id), row.block) << row.id;
    EXPECT_EQ(FirstIdOfBlock(StringBlockOf(row.id)), row.first) << row.id;
  }
}

TEST(IconGroupReader, ReadsEntriesAndRefusesOtherDirectories) {
  Bytes group;
  group.U16(0).U16(1).U16(2);
  group.U8(16).U8(16).U8(16).U8(0).U16(1).U16(4).U32(296).U16(1);
  group.U8(32).U8(32).U8(0).U8(0).U16(1).U16(8).U32(2216).U16(4);
  auto entries = ParseIconGroup(group.data().data(), group.data().size());
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 2u);
  EXPECT_EQ((*entries)[0].width, 16);
  EXPECT_EQ((*entries)[0].colorCount, 16);
  EXPECT_EQ((*entries)[0].bitCount, 4);
  EXPECT_EQ((*entries)[0].bytesInRes, 296u);
  EXPECT_EQ((*entries)[0].iconId, 1);
  EXPECT_EQ((*entries)[1].height, 32);
  EXPECT_EQ((*entries)[1].bitCount, 8);
  EXPECT_EQ((*entries)[1].iconId, 4);

  EXPECT_FALSE(ParseIconGroup(group.data().data(), group.data().size() - 1).has_value());
  Bytes cursors;
  cursors.U16(0).U16(2).U16(0);
  EXPECT_FALSE(ParseIconGroup(cursors.data().data(), cursors.data().size()).has_value());
}

TEST(ManifestReader, FindsElementsByLocalName) {
  const struct {
    const char* xml;
    const char* element;
    std::vector<XmlAttributes> want;
  } rows[] = {
      {R"(<a x="1" y='2'/>)", "a", {{{"x", "1"}, {"y", "2"}}}},
      {"<a\n  x = \"1\"\n/>", "a", {{{"x", "1"}}}},
      {R"(<v3:trustInfo xmlns:v3="urn:x"></v3:trustInfo>)", "trustInfo", {{{"xmlns:v3", "urn:x"}}}},
      {R"(<!-- <a x="9"/> --><a x="1">)", "a", {{{"x", "1"}}}},
      {R"(<?xml version="1.0"?><a/>)", "a", {{}}},
      {R"(<?xml version="1.0"?><a/>)", "xml", {}},
      {R"(<ab x="1"/><b/>)", "a", {}},
      {R"(<a x="1"/><b><a x="2"/></b>)", "a", {{{"x", "1"}}, {{"x", "2"}}}},
      {R"(<a x="one > two"/>)", "a", {{{"x", "one > two"}}}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ElementsNamed(row.xml, row.element), row.want) << row.xml;
  }
}

}  // namespace
}  // namespace vs_test
