#pragma once

// What many scenarios share: the program started with its converter window, pictures
// made and read back with the program's own image service, and places of controls.

#include <optional>
#include <string>

#include "converter/converter_window.h"
#include "converter/main_menu.h"
#include "driver.h"
#include "editor/editor_window.h"
#include "platform/image/image_store.h"

namespace kadrex::e2e {

inline constexpr std::string_view kConverterTitle = "Меняем размеры и формат";
inline constexpr std::string_view kEditorTitle = "Редактор";

// Kadrex started in a folder, its converter window up and idle.
struct RunningKadrex {
  Process process;
  HWND converter = nullptr;
  HWND Control(int id) const { return FindControl(converter, id); }
};
RunningKadrex StartAndWait(const std::string& folder);

// Lets the program handle what was posted to it: a round trip through its message loop,
// then a little time for the handler that the loop runs.
void Settle(const RunningKadrex& kadrex);

// Presses the converter's editor button and waits for the editor window built anew (not
// previous) to show a picture: the one labelled label, or any when label is empty.
// The new editor window, or nullptr.
HWND OpenEditor(const RunningKadrex& kadrex, HWND previous, std::string_view label = {});

enum class Format { Bmp, Png, Jpeg };
// Writes a width x height picture with a diagonal gradient; its path.
std::string MakePicture(const std::string& path, int width, int height,
                        Format format = Format::Bmp);
// The picture in a file, decoded by the image service; empty when it does not load.
ImageStore LoadedPicture(const std::string& path);
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// The folder Windows names for temporary files, long form, ending in "\".
std::string TempFolder();
std::string HandOffFile();

// A control's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND control);

}  // namespace kadrex::e2e
