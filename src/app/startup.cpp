#include <span>

#include "app/builtin_picture.h"
#include "app/program.h"
#include "app/shell_commands.h"
#include "converter/batch_run.h"
#include "converter/converter_window.h"
#include "converter/main_menu.h"
#include "converter/working_image.h"
#include "editor/editor_fonts.h"
#include "editor/editor_window.h"
#include "editor/frame_editing.h"
#include "editor/picture_sources.h"
#include "editor/zoom.h"
#include "output/save_as.h"
#include "platform/path_parts.h"
#include "shell/context_menu_commands.h"

namespace kadrex {

namespace {

constexpr std::size_t kBuiltinPictureBound = 10'000'000;
// No pixel read ever returns this value, so the icons the program writes are opaque.
constexpr Colour kIconTransparentColour = 0x01000000;

}  // namespace

void ConnectHandlers(Program& program) {
  RegisterShellCommands(program);
  Dispatcher& dispatcher = program.dispatcher;
  dispatcher.OnMenuItem(kOpenFilesItem, [&program] { ChooseBatchFiles(program.batch); });
  dispatcher.OnControl(kOkButton, [&program] { RunBatch(program.batch); });
  EditorContext& editor = program.editor;
  dispatcher.OnControl(kEditorButton, [&editor] { OpenEditor(editor); });
  dispatcher.SetZoomGate([&editor](int control) { return ZoomRule(editor, control); });
  dispatcher.OnControl(kResetButton, [&editor] { ResetAllActions(editor); });
  dispatcher.OnControl(kOpenFileButton, [&editor] { OpenPictureFile(editor); });
  dispatcher.OnControl(kTakeShownSizeButton, [&editor] { TakeShownSize(editor); });
  dispatcher.OnControl(kFromClipboardButton, [&editor] { PasteFromClipboard(editor); });
  for (const int button :
       {kTopEdgeUpButton, kTopEdgeDownButton, kBottomEdgeUpButton, kBottomEdgeDownButton,
        kLeftEdgeLeftButton, kLeftEdgeRightButton, kRightEdgeLeftButton, kRightEdgeRightButton}) {
    dispatcher.OnControl(button, [&editor, button] { MoveFrameEdge(editor, button); });
  }
  dispatcher.OnControl(kCropButton, [&editor] { CropToFrame(editor); });
  dispatcher.OnControl(kFrameColourBar, [&editor] { ChangeFrameColour(editor); });
  SaveAsContext& save = program.save;
  dispatcher.OnControl(kSaveAsButton, [&save] { ShowSaveAsMenu(save); });
  for (const int item : {kSaveJpegItem, kSavePngItem, kSaveBmpItem, kSaveIcoItem}) {
    dispatcher.OnMenuItem(item, [&save, item] { SaveAs(save, item); });
  }
  Gui& gui = program.gui;
  System& system = program.system;
  dispatcher.OnMenuItem(kCreateContextMenuItem,
                        [&gui, &system] { CreateContextMenuCommand(gui, system); });
  dispatcher.OnMenuItem(kRemoveContextMenuItem,
                        [&gui, &system] { RemoveContextMenuCommand(gui, system); });
}

void RunKadrex(Gui& gui, System& system) {
  if (system.InstanceAlreadyRunning(FilePart(system.ProgramPath()))) return;
  Program program(gui, system);
  program.scale = ComputeDisplayScale(gui.DesktopSize());
  CreateEditorFonts(gui, program.scale);
  program.images.DecodeMemory(kWorkingImage, std::span(kBuiltinPicture, kBuiltinPictureSize),
                              kBuiltinPictureBound);
  program.save.iconTransparentColour = kIconTransparentColour;
  CreateConverterWindow(gui);
  ConnectHandlers(program);
  while (program.running) program.dispatcher.Dispatch(gui.WaitEvent());
}

}  // namespace kadrex
