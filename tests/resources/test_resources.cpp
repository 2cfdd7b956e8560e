// Checks the resources compiled into both builds of Velastore_Setup.exe: the
// string table, the three dialog templates, icon, header bitmap, manifest and
// version record. The executables are opened as image resources only, so the
// 32-bit build is readable from this 64-bit test as well.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "res/resource.h"
#include "resources/dialog_template.h"
#include "resources/resource_formats.h"

namespace vs_test {
namespace {

constexpr WORD kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);          // 1042
constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);  // 1033

struct BuiltExe {
  const char* name;
  const wchar_t* path;
  // Accepted processorArchitecture values of the common controls dependency.
  std::vector<std::string> architectures;
};

const BuiltExe kBuilds[] = {
    {"x86_64", VS_EXE_X86_64, {"amd64", "*"}},
    {"i686", VS_EXE_I686, {"x86"}},
};

// Names the build in test output instead of dumping the structure's bytes.
void PrintTo(const BuiltExe& exe, std::ostream* os) { *os << exe.name; }

std::string Narrow(const std::wstring& w) {
  int n =
      WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

// A resource type or name as handed out by the enumeration functions.
struct ResName {
  bool isInt = false;
  WORD id = 0;
  std::wstring text;

  explicit ResName(LPCWSTR p) {
    if (IS_INTRESOURCE(p)) {
      isInt = true;
      id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(p));
    } else {
      text = p;
    }
  }
  LPCWSTR ptr() const { return isInt ? MAKEINTRESOURCEW(id) : text.c_str(); }
  std::string str() const { return isInt ? "#" + std::to_string(id) : Narrow(text); }
};

struct Blob {
  const uint8_t* data = nullptr;
  size_t size = 0;
};

class ResourcesTest : public ::testing::TestWithParam<BuiltExe> {
 protected:
  void SetUp() override {
    module_ =
        LoadLibraryExW(GetParam().path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "cannot open " << Narrow(GetParam().path) << " (error " << GetLastError()
                                << "); are both builds there?";
  }

  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }

  Blob Find(LPCWSTR type, LPCWSTR name, WORD language) const {
    HRSRC found = FindResourceExW(module_, type, name, language);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    if (loaded == nullptr) return {};
    return {static_cast<const uint8_t*>(LockResource(loaded)), SizeofResource(module_, found)};
  }

  Blob FindKorean(LPCWSTR type, int id) const { return Find(type, MAKEINTRESOURCEW(id), kKorean); }

  std::vector<ResName> Types() const {
    std::vector<ResName> out;
    EnumResourceTypesW(
        module_,
        [](HMODULE, LPWSTR type, LONG_PTR param) -> BOOL {
          reinterpret_cast<std::vector<ResName>*>(param)->emplace_back(type);
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&out));
    return out;
  }

  std::vector<ResName> Names(LPCWSTR type) const {
    std::vector<ResName> out;
    EnumResourceNamesW(
        module_, type,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
          reinterpret_cast<std::vector<ResName>*>(param)->emplace_back(name);
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&out));
    return out;
  }

  std::vector<WORD> Languages(LPCWSTR type, LPCWSTR name) const {
    std::vector<WORD> out;
    EnumResourceLanguagesW(
        module_, type, name,
        [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) -> BOOL {
          reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&out));
    std::sort(out.begin(), out.end());
    return out;
  }

  // A string of the Korean table; nothing when its block is missing.
  std::optional<std::wstring> KoreanString(int id) const {
    Blob block = FindKorean(RT_STRING, StringBlockOf(id));
    auto strings = ParseStringBlock(block.data, block.size);
    if (!strings) return std::nullopt;
    return (*strings)[static_cast<size_t>(id % 16)];
  }

  HMODULE module_ = nullptr;
};

// ---------------------------------------------------------------------------
// Strings

struct TextRow {
  int id;
  const wchar_t* text;
};

// Every string the program loads: always the first row of its group.
const TextRow kLoadedTexts[] = {
    {IDS_ABOUTBOX, L"&About Velastore_Setup..."},
    {IDS_DOWNLOADING_ACTIVEX, L"ActiveX 설치용 프로그램을 다운로드 중입니다."},
    {IDS_ACCESS_ADDRESS, L"접속주소"},
    {IDS_CANCEL, L"취소"},
    {IDS_INSTALLING_ACTIVEX, L"ActiveX 컨트롤을 설치합니다."},
    {IDS_INSTALLING_VELASTORE, L"벨라스토어를 설치합니다."},
    {IDS_WIZARD_CAPTION, L"설치 - 벨라스토어 통합 설치 프로그램"},
    {IDS_ADDRESS_TITLE, L"접속주소 입력"},
    {IDS_ADDRESS_SUBTITLE, L"설치를 진행하려면 접속주소가 필요합니다."},
    {IDS_ADDRESS_INFO,
     L"접속주소를 입력해야 통합 설치를 시작할 수 있습니다.\n\n"
     L"접속주소란 사내 전용 벨라스토어 주소를 말합니다.\n"
     L"이 정보를 알 수 없는 경우에는 관리자에게 문의하시기 바랍니다."},
    {IDS_NEXT, L"다음(&N) >"},
    {IDS_SERVER_UNREACHABLE, L"업데이트할 서버에 접속할 수 없습니다."},
    {IDS_DOWNLOAD_INFO, L"설치에 필요한 파일들을 다운로드 받습니다."},
    {IDS_PREV, L"< 뒤로(&B)"},
    {IDS_DOWNLOAD_TITLE, L"설치"},
    {IDS_DOWNLOAD_SUBTITLE, L"설치를 진행합니다."},
    {IDS_FINISH, L"완료"},
};

TEST_P(ResourcesTest, LoadedTextsAreExactInTheKoreanTable) {
  for (const TextRow& row : kLoadedTexts) {
    SCOPED_TRACE("string " + std::to_string(row.id));
    EXPECT_EQ(KoreanString(row.id), std::optional<std::wstring>(row.text));

    // The way the program reads it: by ID, whatever the thread's language.
    wchar_t buffer[512] = {};
    int length = LoadStringW(module_, static_cast<UINT>(row.id), buffer, 512);
    EXPECT_EQ(std::wstring(buffer, static_cast<size_t>(std::max(length, 0))), row.text);
  }
}

TEST_P(ResourcesTest, StringTableHoldsExactlyTheGroupedIds) {
  std::vector<int> expected = {IDS_ABOUTBOX};
  for (int id = 102; id <= 235; ++id) {
    if (id != 192 && id != 205) expected.push_back(id);
  }

  std::vector<int> present;
  for (const ResName& block : Names(RT_STRING)) {
    ASSERT_TRUE(block.isInt) << block.str();
    Blob raw = Find(RT_STRING, block.ptr(), kKorean);
    if (raw.data == nullptr) continue;  // another language only; checked elsewhere
    auto strings = ParseStringBlock(raw.data, raw.size);
    ASSERT_TRUE(strings.has_value()) << "string block " << block.id << " is cut short";
    for (size_t i = 0; i < strings->size(); ++i) {
      if (!(*strings)[i].empty()) present.push_back(FirstIdOfBlock(block.id) + static_cast<int>(i));
    }
  }
  std::sort(present.begin(), present.end());
  EXPECT_EQ(present, expected);
  EXPECT_EQ(present.size(), 133u);
}

TEST_P(ResourcesTest, GroupsFrom193RepeatTheirFirstRow) {
  const int bases[] = {IDS_NEXT,           IDS_SERVER_UNREACHABLE, IDS_DOWNLOAD_INFO, IDS_PREV,
                       IDS_DOWNLOAD_TITLE, IDS_DOWNLOAD_SUBTITLE,  IDS_FINISH};
  for (int base : bases) {
    auto first = KoreanString(base);
    ASSERT_TRUE(first.has_value()) << base;
    for (int row = 1; row < 6; ++row) {
      EXPECT_EQ(KoreanString(base + row), first) << "string " << base + row;
    }
  }
}

// ---------------------------------------------------------------------------
// Dialog templates

struct ControlRow {
  int32_t id;
  const wchar_t* windowClass;
  std::optional<TemplateId> text;  // nothing: free wording, but some text
  int16_t x, y, cx, cy;
  uint32_t style;  // including WS_CHILD | WS_VISIBLE
};

struct DialogRow {
  int id;
  uint32_t style;
  uint32_t exStyle;
  bool placedAtOrigin;
  int16_t cx, cy;
  uint16_t weight;
  uint8_t charset;
  const wchar_t* caption;
  std::vector<ControlRow> controls;
};

constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;

TemplateId Text(const wchar_t* s) { return TemplateId::Name(s); }

const DialogRow kDialogs[] = {
    {IDD_VELASTORE_SETUP_DIALOG,
     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
     WS_EX_APPWINDOW,
     false,
     347,
     205,
     400,
     HANGEUL_CHARSET,
     L"설치 - 벨라스토어",
     {
         {IDC_EDT_SERVERURL, L"EDIT", Text(L""), 72, 122, 225, 14,
          kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
         {IDC_BTN_NEXT, L"BUTTON", Text(L"다음(&N)"), 233, 184, 50, 14,
          kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
         {IDCANCEL, L"BUTTON", Text(L"취소"), 290, 184, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON},
         {IDC_STC_INFO, L"STATIC", Text(L"Info Text"), 24, 66, 298, 37, kChild | WS_GROUP | SS_LEFT},
         {IDC_GRP_ACCESSURL, L"BUTTON", Text(L"접속주소"), 38, 106, 266, 40, kChild | BS_GROUPBOX},
         {-1, L"STATIC", Text(L"http://"), 49, 125, 22, 8, kChild | WS_GROUP | SS_LEFT},
         {-1, L"STATIC", Text(L""), 7, 175, 333, 1, kChild | SS_ETCHEDHORZ},
     }},
    {IDD_DOWNLOAD,
     WS_CHILD | WS_VISIBLE | DS_CONTROL | DS_SETFONT | DS_FIXEDSYS,
     WS_EX_CONTROLPARENT,
     true,
     347,
     205,
     0,
     0,
     L"",
     {
         {IDC_BTN_NEXT, L"BUTTON", Text(L"Next"), 290, 184, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
         {-1, L"STATIC", Text(L""), 7, 175, 333, 1, kChild | SS_ETCHEDHORZ},
         {IDC_STC_INFO, L"STATIC", Text(L"InfoText"), 24, 66, 298, 21, kChild | WS_GROUP | SS_LEFT},
         {IDC_PRG_DOWNLOAD, L"MSCTLS_PROGRESS32", Text(L""), 24, 103, 298, 14, kChild | WS_BORDER},
         {IDC_BTN_PREV, L"BUTTON", Text(L"Prev"), 233, 184, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON},
     }},
    {IDD_ABOUTBOX,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
     0,
     false,
     170,
     62,
     0,
     DEFAULT_CHARSET,
     L"About Velastore_Setup",
     {
         {-1, L"STATIC", TemplateId::Ordinal(IDR_MAINFRAME), 14, 14, 21, 20, kChild | SS_ICON},
         {-1, L"STATIC", Text(L"Velastore_Setup, Version 1.0"), 42, 14, 114, 8,
          kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX},
         // The third label's wording is free; only its place and style count.
         {-1, L"STATIC", std::nullopt, 42, 26, 114, 8, kChild | WS_GROUP | SS_LEFT},
         {IDOK, L"BUTTON", Text(L"OK"), 113, 41, 50, 14, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
     }},
};

std::string Hex(uint32_t v) {
  char buf[16];
  snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(v));
  return buf;
}

TEST_P(ResourcesTest, DialogTemplatesMatchTheirLayout) {
  for (const DialogRow& want : kDialogs) {
    SCOPED_TRACE("dialog " + std::to_string(want.id));
    Blob raw = FindKorean(RT_DIALOG, want.id);
    ASSERT_NE(raw.data, nullptr);
    auto got = ParseDialogTemplateEx(raw.data, raw.size);
    ASSERT_TRUE(got.has_value()) << "not a readable extended template";

    EXPECT_EQ(Hex(got->style), Hex(want.style));
    EXPECT_EQ(Hex(got->exStyle), Hex(want.exStyle));
    if (want.placedAtOrigin) {
      EXPECT_EQ(got->x, 0);
      EXPECT_EQ(got->y, 0);
    }
    EXPECT_EQ(got->cx, want.cx);
    EXPECT_EQ(got->cy, want.cy);
    EXPECT_EQ(got->menu, TemplateId::Name(L"")) << "no menu";
    EXPECT_EQ(got->windowClass, TemplateId::Name(L"")) << "the standard dialog class";
    EXPECT_EQ(got->title, want.caption);
    ASSERT_TRUE(got->hasFont);
    EXPECT_EQ(got->pointSize, 8);
    EXPECT_EQ(got->typeface, L"MS Shell Dlg");
    EXPECT_EQ(got->weight, want.weight);
    EXPECT_EQ(got->italic, 0);
    EXPECT_EQ(got->charset, want.charset);

    ASSERT_EQ(got->items.size(), want.controls.size());
    for (size_t i = 0; i < want.controls.size(); ++i) {
      const ControlRow& c = want.controls[i];
      const DialogItem& item = got->items[i];
      SCOPED_TRACE("control #" + std::to_string(i) + ", ID " + std::to_string(c.id));
      EXPECT_EQ(item.id, c.id);
      EXPECT_EQ(ItemClassName(item.windowClass), c.windowClass);
      if (c.text) {
        EXPECT_EQ(item.text, *c.text) << "text " << Narrow(item.text.name);
      } else {
        EXPECT_FALSE(item.text.isOrdinal || item.text.name.empty());
      }
      EXPECT_EQ(item.x, c.x);
      EXPECT_EQ(item.y, c.y);
      EXPECT_EQ(item.cx, c.cx);
      EXPECT_EQ(item.cy, c.cy);
      EXPECT_EQ(Hex(item.style), Hex(c.style));
      EXPECT_EQ(Hex(item.exStyle), Hex(0));
      EXPECT_TRUE(item.creationData.empty());
    }
  }
}

// ---------------------------------------------------------------------------
// Icon and header bitmap

TEST_P(ResourcesTest, IconGroupHoldsFourImagesOfTheRightSizesAndDepths) {
  Blob group = FindKorean(RT_GROUP_ICON, IDR_MAINFRAME);
  ASSERT_NE(group.data, nullptr);
  auto entries = ParseIconGroup(group.data, group.size);
  ASSERT_TRUE(entries.has_value());

  struct Shape {
    int size, bits;
    bool operator<(const Shape& o) const { return size != o.size ? size < o.size : bits < o.bits; }
    bool operator==(const Shape& o) const { return size == o.size && bits == o.bits; }
  };
  std::vector<Shape> shapes;
  for (const IconGroupEntry& e : *entries) {
    SCOPED_TRACE("icon image " + std::to_string(e.iconId));
    EXPECT_EQ(e.width, e.height);
    shapes.push_back({e.width, e.bitCount});

    // The image itself must agree with its directory entry and be usable.
    Blob image = FindKorean(RT_ICON, e.iconId);
    ASSERT_NE(image.data, nullptr);
    EXPECT_EQ(image.size, e.bytesInRes);
    ASSERT_GE(image.size, sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, image.data, sizeof header);
    EXPECT_EQ(header.biWidth, e.width);
    EXPECT_EQ(header.biHeight, 2 * e.height);  // colour bits and mask
    EXPECT_EQ(header.biBitCount, e.bitCount);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(image.data), image.size, TRUE, 0x00030000,
                                          e.width, e.height, LR_DEFAULTCOLOR);
    EXPECT_NE(icon, nullptr);
    if (icon != nullptr) DestroyIcon(icon);
  }
  std::sort(shapes.begin(), shapes.end());
  const std::vector<Shape> expected = {{16, 4}, {16, 8}, {32, 4}, {32, 8}};
  EXPECT_TRUE(shapes == expected) << "want 16x16 and 32x32, each at 4 and 8 bits per pixel";
}

TEST_P(ResourcesTest, HeaderBitmapIsAPictureOnWhite55By60At24Bits) {
  Blob raw = FindKorean(RT_BITMAP, IDB_HEADER);
  ASSERT_NE(raw.data, nullptr);
  ASSERT_GE(raw.size, sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER h;
  memcpy(&h, raw.data, sizeof h);
  ASSERT_EQ(h.biSize, sizeof(BITMAPINFOHEADER));
  EXPECT_EQ(h.biWidth, 55);
  EXPECT_EQ(std::abs(h.biHeight), 60);
  EXPECT_EQ(h.biPlanes, 1);
  ASSERT_EQ(h.biBitCount, 24);
  ASSERT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(h.biClrUsed, 0u);

  const size_t stride = (55 * 3 + 3) & ~3u;
  ASSERT_GE(raw.size, h.biSize + stride * 60);
  const uint8_t* bits = raw.data + h.biSize;
  auto isWhite = [&](int x, int y) {
    const uint8_t* p = bits + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3;
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
  };
  EXPECT_TRUE(isWhite(0, 0) && isWhite(54, 0) && isWhite(0, 59) && isWhite(54, 59))
      << "the corners are background";
  int drawn = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 55; ++x) drawn += isWhite(x, y) ? 0 : 1;
  EXPECT_GT(drawn, 55 * 60 / 4) << "the package takes up a good part of the picture";
}

// ---------------------------------------------------------------------------
// Manifest

std::string Single(const std::vector<XmlAttributes>& elements, const char* attribute) {
  if (elements.size() != 1) return "<" + std::to_string(elements.size()) + " elements>";
  auto it = elements[0].find(attribute);
  return it == elements[0].end() ? "<absent>" : it->second;
}

TEST_P(ResourcesTest, ManifestAsksForAdministratorAndCommonControls6) {
  std::vector<std::string> names;
  for (const ResName& n : Names(RT_MANIFEST)) names.push_back(n.str());
  EXPECT_EQ(names, std::vector<std::string>{"#1"});
  EXPECT_EQ(Languages(RT_MANIFEST, MAKEINTRESOURCEW(1)), std::vector<WORD>{kEnglishUs});

  Blob raw = Find(RT_MANIFEST, MAKEINTRESOURCEW(1), kEnglishUs);
  ASSERT_NE(raw.data, nullptr);
  const std::string xml(reinterpret_cast<const char*>(raw.data), raw.size);

  EXPECT_EQ(Single(ElementsNamed(xml, "assembly"), "manifestVersion"), "1.0");

  auto level = ElementsNamed(xml, "requestedExecutionLevel");
  EXPECT_EQ(Single(level, "level"), "requireAdministrator");
  EXPECT_EQ(Single(level, "uiAccess"), "false");

  // The one dependency: the common controls, in the build's own processor.
  EXPECT_EQ(ElementsNamed(xml, "dependentAssembly").size(), 1u);
  auto identity = ElementsNamed(xml, "assemblyIdentity");
  EXPECT_EQ(Single(identity, "type"), "win32");
  EXPECT_EQ(Single(identity, "name"), "Microsoft.Windows.Common-Controls");
  EXPECT_EQ(Single(identity, "version"), "6.0.0.0");
  EXPECT_EQ(Single(identity, "publicKeyToken"), "6595b64144ccf1df");
  EXPECT_EQ(Single(identity, "language"), "*");
  const std::string arch = Single(identity, "processorArchitecture");
  const auto& allowed = GetParam().architectures;
  EXPECT_NE(std::find(allowed.begin(), allowed.end(), arch), allowed.end())
      << "processorArchitecture is " << arch;
}

// ---------------------------------------------------------------------------
// Version record

TEST_P(ResourcesTest, VersionRecordHoldsTheReleaseNumbersAndTexts) {
  const wchar_t* path = GetParam().path;
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(path, &handle);
  ASSERT_GT(size, 0u);
  std::vector<uint8_t> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(Hex(fixed->dwSignature), Hex(0xFEEF04BD));
  EXPECT_EQ(Hex(fixed->dwFileVersionMS), Hex(MAKELONG(9, 12)));    // 12.9
  EXPECT_EQ(Hex(fixed->dwFileVersionLS), Hex(MAKELONG(1, 13)));    // .13.1
  EXPECT_EQ(Hex(fixed->dwProductVersionMS), Hex(MAKELONG(0, 6)));  // 6.0
  EXPECT_EQ(Hex(fixed->dwProductVersionLS), Hex(MAKELONG(1, 0)));  // .0.1
  EXPECT_EQ(Hex(fixed->dwFileFlagsMask), Hex(0x3F));
  EXPECT_EQ(Hex(fixed->dwFileFlags), Hex(0));
  EXPECT_EQ(Hex(fixed->dwFileOS), Hex(VOS__WINDOWS32));
  EXPECT_EQ(Hex(fixed->dwFileType), Hex(VFT_APP));

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u) << "one language and code page pair";
  EXPECT_EQ(translation[0], 0x0412);
  EXPECT_EQ(translation[1], 0x04E4);

  struct ValueRow {
    const wchar_t* key;
    const wchar_t* value;  // nullptr: any non-empty text
  };
  const ValueRow values[] = {
      {L"Comments", L"Velastore_Setup"},
      {L"CompanyName", nullptr},
      {L"FileDescription", L"Velastore_Setup 응용 프로그램"},
      {L"FileVersion", L"11.3.18.1"},
      {L"InternalName", L"Velastore_Setup.exe"},
      {L"LegalCopyright", nullptr},
      {L"OriginalFilename", L"Velastore_Setup.exe"},
      {L"ProductName", L"Velastore_Setup.exe 응용프로그램"},
      {L"ProductVersion", L"1.0.0.1"},
  };
  for (const ValueRow& row : values) {
    SCOPED_TRACE(Narrow(row.key));
    std::wstring query = std::wstring(L"\\StringFileInfo\\041204e4\\") + row.key;
    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &length));
    ASSERT_NE(text, nullptr);
    std::wstring got(text);  // the stored length counts the terminator
    if (row.value != nullptr) {
      EXPECT_EQ(got, row.value);
    } else {
      EXPECT_FALSE(got.empty());
    }
  }
}

// ---------------------------------------------------------------------------
// Languages

TEST_P(ResourcesTest, EverythingButTheManifestIsKorean) {
  // What the program loads must be there in Korean ...
  const std::pair<LPCWSTR, int> own[] = {
      {RT_DIALOG, IDD_ABOUTBOX},       {RT_DIALOG, IDD_VELASTORE_SETUP_DIALOG},
      {RT_DIALOG, IDD_DOWNLOAD},       {RT_GROUP_ICON, IDR_MAINFRAME},
      {RT_BITMAP, IDB_HEADER},         {RT_VERSION, 1},
      {RT_STRING, StringBlockOf(101)}, {RT_STRING, StringBlockOf(235)},
  };
  for (const auto& [type, id] : own) {
    EXPECT_NE(FindKorean(type, id).data, nullptr) << "type " << ResName(type).str() << ", ID " << id;
  }

  // ... and nothing but the manifest may carry another language.
  for (const ResName& type : Types()) {
    const bool manifest = type.isInt && type.id == 24;
    const std::vector<WORD> expected = {manifest ? kEnglishUs : kKorean};
    for (const ResName& name : Names(type.ptr())) {
      EXPECT_EQ(Languages(type.ptr(), name.ptr()), expected)
          << "type " << type.str() << ", name " << name.str();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, ResourcesTest, ::testing::ValuesIn(kBuilds),
                         [](const ::testing::TestParamInfo<BuiltExe>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vs_test
