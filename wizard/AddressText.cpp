#include "wizard/AddressText.h"

#include <cwctype>

std::wstring TrimAddress(std::wstring text) {
  while (!text.empty() && std::iswspace(text.back())) text.pop_back();
  size_t first = 0;
  while (first < text.size() && std::iswspace(text[first])) ++first;
  text.erase(0, first);
  return text;
}

std::wstring ConnectionCheckUrl(const std::wstring& address) { return L"http://" + address; }
