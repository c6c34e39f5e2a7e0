// Shared by the application's Windows tests: the path of the real program and a private
// settings root with raw access to what was stored.
#pragma once

#include <string>

// Path of Quillet.exe for the end-to-end test (given as --quillet=...).
extern std::string quilletProgramPath;

// The private settings root of this test process under HKEY_CURRENT_USER.
std::string TestSettingsRoot();
// Removes the private root (and "Software\Orvane" when nothing else lives there).
void RemoveTestSettings();
// A raw 32-bit value or text from the private root; -1 or "<missing>" when absent.
long long ReadTestDword(const char* section, const char* name);
std::string ReadTestString(const char* section, const char* name);
