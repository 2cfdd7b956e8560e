#include "support/LogModeValue.h"

#include "fx/UniqueHandle.h"

namespace {
const wchar_t kKey[] = L"Software\\Velastore";
}

LogModeValue::LogModeValue(std::wstring name) : m_name(std::move(name)) {}

LogModeValue::~LogModeValue() {
  fx::UniqueHKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS)
    ::RegDeleteValueW(key.get(), m_name.c_str());
}

bool LogModeValue::Set(DWORD type, const void* data, DWORD size) {
  fx::UniqueHKey key;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS)
    return false;
  return ::RegSetValueExW(key.get(), m_name.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
         ERROR_SUCCESS;
}
