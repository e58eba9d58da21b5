#include "output/save_as.h"

#include "editor/editor_window.h"
#include "output/ico_writer.h"
#include "output/number_parser.h"

namespace kadrex {

namespace {

// Where the menu opens, in design units from the editor window's outer corner.
constexpr double kMenuDesignX = 1057;
constexpr double kMenuDesignY = 863;
constexpr int kIconSourceImage = 49;
// JPEG from the editor is always written at the highest quality.
constexpr int kEditorJpegQuality = 10;
constexpr const char* kTemporaryBmpSuffix = "temp";

const char* ItemExtension(int item) {
  switch (item) {
    case kSaveJpegItem:
      return ".jpg";
    case kSavePngItem:
      return ".png";
    case kSaveBmpItem:
      return ".bmp";
    case kSaveIcoItem:
      return ".ico";
  }
  return nullptr;
}

// chosen + "temp.bmp", or, when a file of that name exists, the first free
// chosen + "tempN.bmp", so that no file of the user's is replaced or deleted.
std::string FreeTemporaryBmp(System& system, const std::string& chosen) {
  std::string name = chosen + kTemporaryBmpSuffix + ".bmp";
  for (int n = 1; system.PathExists(name); ++n) {
    name = chosen + kTemporaryBmpSuffix + std::to_string(n) + ".bmp";
  }
  return name;
}

void SaveIcon(SaveAsContext& save) {
  EditorContext& editor = save.editor;
  ImageStore& images = editor.images;
  const std::string temporary = FreeTemporaryBmp(editor.system, save.chosenName);
  images.SaveBmp(kDisplayImage, temporary);
  images.LoadFile(kIconSourceImage, temporary);
  save.iconFileName = save.chosenName + ItemExtension(kSaveIcoItem);
  IcoWriter(save.iconFileName, static_cast<std::int32_t>(save.iconTransparentColour), 0, 0,
            [&images](int x, int y) { return images.Pixel(kIconSourceImage, x, y); });
  editor.system.RemoveFile(temporary);
}

}  // namespace

void ShowSaveAsMenu(SaveAsContext& save) {
  EditorContext& editor = save.editor;
  const Point corner = editor.gui.WindowPosition(kEditorWindow);
  editor.gui.ShowPopupMenu(
      kSaveAsMenu, {RoundHalfEven(corner.x + static_cast<double>(editor.scale.x) * kMenuDesignX),
                    RoundHalfEven(corner.y + static_cast<double>(editor.scale.y) * kMenuDesignY)});
}

void SaveAs(SaveAsContext& save, int item) {
  const char* extension = ItemExtension(item);
  if (extension == nullptr) return;
  EditorContext& editor = save.editor;
  Gui& gui = editor.gui;
  ImageStore& images = editor.images;
  const int height = ParseNumber32(gui.Text(kHeightField));
  const int width = ParseNumber32(gui.Text(kWidthField));
  images.Resize(kDisplayImage, width, height);
  save.chosenName = gui.ChooseFileToSave("Введите имя файла", "", "", 0);
  if (save.chosenName.empty()) return;
  // The dialog only checked the name as typed; the extension comes after it.
  const std::string target = save.chosenName + extension;
  if (editor.system.PathExists(target) &&
      !gui.AskYesNo("Информация", "Файл «" + target + "» уже есть. Заменить его?")) {
    return;
  }
  switch (item) {
    case kSaveJpegItem:
      images.SaveJpeg(kDisplayImage, target, kEditorJpegQuality);
      break;
    case kSavePngItem:
      images.SavePng(kDisplayImage, target);
      break;
    case kSaveBmpItem:
      images.SaveBmp(kDisplayImage, target);
      break;
    case kSaveIcoItem:
      SaveIcon(save);
      break;
  }
}

}  // namespace kadrex
