// A settings root of the test's own under HKEY_CURRENT_USER, removed before and after each test,
// with raw access that bypasses the store.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/support/SettingsStore.h"

class RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = "Software\\Orvane\\SupportTests-" + std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
    support::SetSettingsRoot(root_.c_str());
  }
  void TearDown() override {
    support::SetSettingsRoot("");
    RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane");  // only when nothing else lives there
  }

  // Stores a value exactly as given; a wide name stores through the wide call.
  void StoreRaw(const char* section, const char* name, DWORD type, const void* data, DWORD size,
                const wchar_t* wideName = nullptr) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (root_ + "\\" + section).c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const BYTE* bytes = static_cast<const BYTE*>(data);
    EXPECT_EQ(wideName ? RegSetValueExW(key, wideName, 0, type, bytes, size)
                       : RegSetValueExA(key, name, 0, type, bytes, size),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  // A value as stored, with its type; empty type 0 when missing.
  std::string ReadRaw(const char* section, const char* name, DWORD* type = nullptr) {
    HKEY key = nullptr;
    DWORD valueType = 0;
    char data[1024];
    DWORD size = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (root_ + "\\" + section).c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
      size = sizeof data;
      if (RegQueryValueExA(key, name, nullptr, &valueType, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
        size = 0;
      RegCloseKey(key);
    }
    if (type) *type = valueType;
    return std::string(data, size);
  }
  // A value that must be a 4-byte REG_DWORD.
  DWORD ReadRawDword(const char* section, const char* name) {
    DWORD type = 0;
    const std::string bytes = ReadRaw(section, name, &type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << section << "\\" << name;
    DWORD value = 0;
    if (bytes.size() == 4) std::memcpy(&value, bytes.data(), 4);
    else ADD_FAILURE() << name << " has " << bytes.size() << " bytes";
    return value;
  }

  std::string root_;
};
