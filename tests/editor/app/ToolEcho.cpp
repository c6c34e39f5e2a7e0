// A stand-in for a user tool: writes its working folder, the argument text after its own name
// and each argument it received, one a line, into the file named by QUILLET_TOOL_ECHO, then
// ends. The lines are written to a temporary file first so that a reader never sees half.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  const char* out = std::getenv("QUILLET_TOOL_ECHO");
  if (!out || !*out) return 1;
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof folder, folder);
  // The text after the program's own (possibly quoted) name.
  const char* tail = GetCommandLineA();
  if (*tail == '"') {
    tail = std::strchr(tail + 1, '"');
    tail = tail ? tail + 1 : "";
  } else {
    while (*tail && *tail != ' ' && *tail != '\t') ++tail;
  }
  std::string text = std::string("folder=") + folder + "\ntail=" + tail + "\n";
  for (int i = 1; i < argc; ++i) text += std::string("arg=") + argv[i] + "\n";
  const std::string temporary = std::string(out) + ".part";
  FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return 1;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return MoveFileExA(temporary.c_str(), out, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
