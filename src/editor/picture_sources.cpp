#include "editor/picture_sources.h"

#include <string>
#include <vector>

#include "converter/hand_off_file.h"
#include "converter/working_image.h"
#include "editor/editor_window.h"
#include "editor/frame_drawing.h"
#include "editor/zoom.h"

namespace kadrex {

namespace {

constexpr const char* kOpenPictureTitle = "Выберите файл изображения";
constexpr const char* kOpenPictureFilter = "PNG JPG BMP |*.png;*.jpg;*.JPG;*.JEPG;*.jpeg;*.bmp | ";
constexpr const char* kClipboardFileName = "jopa.bmp";

// The picture just put into the working image becomes the reference and the loaded one.
void KeepAsLoaded(ImageStore& images) {
  for (const int number : {kReferenceImage, kLoadedImage}) {
    images.CreateBlack(number, images.Width(kWorkingImage), images.Height(kWorkingImage));
    images.Copy(kWorkingImage, number);
  }
}

void PresentNewPicture(EditorContext& editor) {
  KeepAsLoaded(editor.images);
  editor.images.Copy(kWorkingImage, kDisplayImage);
  ShowLoadedPicture(editor);
}

// The path to show when the editor opens, or none.
bool LastSource(EditorContext& editor, std::string& path) {
  BatchSources& sources = editor.sources;
  if (sources.batchSourceMode == 0) {
    std::vector<std::string> lines;
    if (!ReadHandOffFile(editor.system, lines)) return false;
    for (std::string& line : lines) sources.fileList.push_back(std::move(line));
    editor.system.RemoveFile(HandOffFilePath(editor.system));
  }
  if (sources.fileList.empty()) return false;
  path = sources.fileList.back();
  return true;
}

}  // namespace

void OpenEditor(EditorContext& editor) {
  editor.state.editorOpened = true;
  CreateEditorWindow(editor);
  editor.gui.HookPreviewView(kPreviewView, editor.selection);
  std::string path;
  if (LastSource(editor, path)) editor.images.LoadFile(kWorkingImage, path);
  KeepAsLoaded(editor.images);
  ShowLoadedPicture(editor);
}

void OpenPictureFile(EditorContext& editor) {
  const std::vector<std::string> chosen =
      editor.gui.ChooseFilesToOpen(kOpenPictureTitle, kOpenPictureFilter, false);
  if (chosen.empty() || chosen.front().empty()) return;
  editor.images.LoadFile(kWorkingImage, chosen.front());
  PresentNewPicture(editor);
}

void PasteFromClipboard(EditorContext& editor) {
  ImageStore& images = editor.images;
  Picture pasted;
  if (editor.gui.FetchClipboardPicture(pasted)) images.Put(kClipboardImage, std::move(pasted));
  const std::string path = editor.system.TempFolder() + kClipboardFileName;
  if (images.SaveBmp(kClipboardImage, path)) {
    images.LoadFile(kWorkingImage, path);
    editor.system.RemoveFile(path);
  } else {
    // Nothing was ever pasted: as after a failed load.
    images.CreateBlack(kWorkingImage, 0, 0);
  }
  PresentNewPicture(editor);
}

void TakeShownSize(EditorContext& editor) {
  SetSizeFields(editor.gui, editor.images.Width(kDisplayImage),
                editor.images.Height(kDisplayImage));
}

void ResetAllActions(EditorContext& editor) {
  ImageStore& images = editor.images;
  SetSizeFields(editor.gui, images.Width(kLoadedImage), images.Height(kLoadedImage));
  images.Copy(kLoadedImage, kWorkingImage);
  images.Copy(kLoadedImage, kReferenceImage);
  ShowLoadedPicture(editor);
  ClearFrame(editor);
  editor.state.zoomPercent = 100;
  ApplyZoom(editor);
}

}  // namespace kadrex
