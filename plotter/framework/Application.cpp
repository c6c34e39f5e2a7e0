#include "plotter/framework/Application.h"

#include <commctrl.h>
#include <objbase.h>
#include <stdlib.h>

namespace framework {

int CApplication::Run(HINSTANCE) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const HRESULT com = OleInitialize(nullptr);  // the chart component and the clipboard need OLE

  arguments_.clear();
  for (int i = 1; i < __argc; ++i) arguments_.emplace_back(__argv[i]);

  InitInstance();

  if (SUCCEEDED(com)) OleUninitialize();
  return 0;
}

}  // namespace framework
