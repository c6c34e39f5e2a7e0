// The application object: initialises the common controls, runs the program's main dialog from
// InitInstance and ends the program when InitInstance returns (there is no loop of its own).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace framework {

class CApplication {
 public:
  CApplication() = default;
  CApplication(const CApplication&) = delete;
  CApplication& operator=(const CApplication&) = delete;
  virtual ~CApplication() = default;

  // Called from WinMain; returns the program's exit code.
  int Run(HINSTANCE instance);
  // The program's arguments after its own name, split as the C runtime splits them.
  const std::vector<std::string>& Arguments() const { return arguments_; }

 protected:
  // Runs the program. Return false to end it at once (the plotter always does).
  virtual bool InitInstance() = 0;

 private:
  std::vector<std::string> arguments_;
};

}  // namespace framework
