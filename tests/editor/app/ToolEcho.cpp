// A stand-in for a user tool: writes "folder=" its working folder, "tail=" the text after its
// own name and one "arg=" line per argument into the file named by QUILLET_TOOL_ECHO, first
// under a temporary name so that a reader never sees half of it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  const char* out = std::getenv("QUILLET_TOOL_ECHO");
  char folder[MAX_PATH] = "";
  if (!out || !GetCurrentDirectoryA(sizeof folder, folder)) return 1;
  const char* tail = GetCommandLineA();
  tail = *tail == '"' ? std::strchr(tail + 1, '"') + 1 : tail + std::strcspn(tail, " \t");
  std::string text = std::string("folder=") + folder + "\ntail=" + tail + "\n";
  for (int i = 1; i < argc; ++i) text += std::string("arg=") + argv[i] + "\n";
  const std::string part = std::string(out) + ".part";
  FILE* file = std::fopen(part.c_str(), "wb");
  if (!file) return 1;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return MoveFileExA(part.c_str(), out, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
