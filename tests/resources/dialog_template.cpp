#include "resources/dialog_template.h"

#include <cwctype>

namespace vs_test {

namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT

// Little-endian reads with bounds checks; the first failure sticks.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool ok() const { return ok_; }

  uint8_t U8() {
    if (!Need(1)) return 0;
    return data_[pos_++];
  }
  uint16_t U16() {
    if (!Need(2)) return 0;
    uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t U32() {
    uint32_t lo = U16();
    uint32_t hi = U16();
    return lo | (hi << 16);
  }
  int16_t I16() { return static_cast<int16_t>(U16()); }

  std::wstring String() {
    std::wstring s;
    for (;;) {
      uint16_t c = U16();
      if (!ok_ || c == 0) return s;
      s.push_back(static_cast<wchar_t>(c));
    }
  }

  TemplateId Id() {
    uint16_t first = U16();
    if (!ok_ || first == 0) return TemplateId::Name(L"");
    if (first == 0xFFFF) return TemplateId::Ordinal(U16());
    std::wstring s(1, static_cast<wchar_t>(first));
    s += String();
    return TemplateId::Name(s);
  }

  std::vector<uint8_t> Bytes(size_t n) {
    if (!Need(n)) return {};
    std::vector<uint8_t> v(data_ + pos_, data_ + pos_ + n);
    pos_ += n;
    return v;
  }

  void AlignTo4() {
    size_t aligned = (pos_ + 3) & ~static_cast<size_t>(3);
    if (aligned > size_) {
      ok_ = false;
      return;
    }
    pos_ = aligned;
  }

 private:
  bool Need(size_t n) {
    if (!ok_ || size_ - pos_ < n) {
      ok_ = false;
      return false;
    }
    return true;
  }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace

TemplateId TemplateId::Ordinal(uint16_t value) {
  TemplateId id;
  id.isOrdinal = true;
  id.ordinal = value;
  return id;
}

TemplateId TemplateId::Name(std::wstring value) {
  TemplateId id;
  id.name = std::move(value);
  return id;
}

bool TemplateId::operator==(const TemplateId& other) const {
  if (isOrdinal != other.isOrdinal) return false;
  return isOrdinal ? ordinal == other.ordinal : name == other.name;
}

std::optional<DialogTemplate> ParseDialogTemplateEx(const uint8_t* data, size_t size) {
  if (data == nullptr) return std::nullopt;
  Reader r(data, size);
  DialogTemplate t;
  t.version = r.U16();
  t.signature = r.U16();
  if (!r.ok() || t.version != 1 || t.signature != 0xFFFF) return std::nullopt;
  t.helpId = r.U32();
  t.exStyle = r.U32();
  t.style = r.U32();
  uint16_t count = r.U16();
  t.x = r.I16();
  t.y = r.I16();
  t.cx = r.I16();
  t.cy = r.I16();
  t.menu = r.Id();
  t.windowClass = r.Id();
  t.title = r.String();
  if (t.style & kSetFont) {
    t.hasFont = true;
    t.pointSize = r.U16();
    t.weight = r.U16();
    t.italic = r.U8();
    t.charset = r.U8();
    t.typeface = r.String();
  }
  for (uint16_t i = 0; i < count && r.ok(); ++i) {
    r.AlignTo4();
    DialogItem item;
    item.helpId = r.U32();
    item.exStyle = r.U32();
    item.style = r.U32();
    item.x = r.I16();
    item.y = r.I16();
    item.cx = r.I16();
    item.cy = r.I16();
    item.id = static_cast<int32_t>(r.U32());
    item.windowClass = r.Id();
    item.text = r.Id();
    uint16_t extra = r.U16();
    item.creationData = r.Bytes(extra);
    t.items.push_back(std::move(item));
  }
  if (!r.ok()) return std::nullopt;
  return t;
}

std::wstring ItemClassName(const TemplateId& windowClass) {
  if (windowClass.isOrdinal) {
    switch (windowClass.ordinal) {
      case 0x80:
        return L"BUTTON";
      case 0x81:
        return L"EDIT";
      case 0x82:
        return L"STATIC";
      case 0x83:
        return L"LISTBOX";
      case 0x84:
        return L"SCROLLBAR";
      case 0x85:
        return L"COMBOBOX";
      default:
        return L"#" + std::to_wstring(windowClass.ordinal);
    }
  }
  std::wstring upper = windowClass.name;
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
  return upper;
}

}  // namespace vs_test
