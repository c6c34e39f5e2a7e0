// Plugs the reference windows and File Properties into the frame's services.
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/FileProperties.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/ToolWindows.h"
#include "resources/quillet_ids.h"

namespace editor {

void InstallToolWindowServices() {
  DocumentServices services = GetDocumentServices();
  auto otherFrameCommands = services.frameCommand;
  services.frameCommand = [otherFrameCommands](unsigned id) {
    if (id == ID_WINDOWS_ASCII_CHART) {
      ShowCharacterChart(&editorState.asciiPlacement, DisplayFontRecord().lfFaceName, true);
    } else if (id == ID_WINDOWS_ERROR_CODES) {
      ShowErrorCodes(&editorState.errorsPlacement);
    } else if (otherFrameCommands) {
      otherFrameCommands(id);
    }
  };
  auto otherDocumentCommands = services.documentCommand;
  services.documentCommand = [otherDocumentCommands](HWND document, unsigned id) {
    if (id != ID_FILE_PROPERTIES) return otherDocumentCommands && otherDocumentCommands(document, id);
    FilePropertiesDialog(frameWindow, DocumentName(document).c_str());
    return true;
  };
  auto otherFontChanges = services.displayFontChanged;
  services.displayFontChanged = [otherFontChanges](const char* faceName) {
    ChartFontChanged(faceName, true);
    if (otherFontChanges) otherFontChanges(faceName);
  };
  services.closeToolWindows = [] {
    CloseErrorCodes();
    CloseCharacterChart();
  };
  SetDocumentServices(services);
}

}  // namespace editor
