// SPDX-License-Identifier: MIT
#include "app/win32/kept_settings.h"

#include <windows.h>

#include <cwctype>
#include <optional>
#include <string>

#include "app/win32/win32_controls.h"

namespace veltrisko {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Veltrisko";

std::wstring ValueNameOf(const std::string& key) {
  std::wstring name = Widen(key);
  if (!name.empty()) name[0] = static_cast<wchar_t>(std::towupper(name[0]));
  return name;
}

std::optional<std::string> KeptSetting(const wchar_t* name) {
  // Every value kept is a short line; a longer one is nobody's.
  wchar_t value[128] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return Narrow(value);
}

void KeepSetting(const wchar_t* name, const std::string& value) {
  const std::wstring wide = Widen(value);
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, wide.c_str(),
                  static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

KeptSettings KeptSessionSettings() {
  KeptSettings settings;
  for (const char* key : kSessionSettingKeys) {
    if (std::optional<std::string> value = KeptSetting(ValueNameOf(key).c_str()))
      settings[key] = *value;
  }
  return settings;
}

void KeepSettings(const KeptSettings& settings) {
  for (const auto& [key, value] : settings) KeepSetting(ValueNameOf(key).c_str(), value);
}

}  // namespace veltrisko
