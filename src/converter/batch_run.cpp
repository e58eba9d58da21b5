#include "converter/batch_run.h"

#include <vector>

#include "converter/converter_window.h"
#include "converter/hand_off_file.h"
#include "converter/output_name.h"
#include "converter/working_image.h"
#include "platform/path_parts.h"

namespace kadrex {

namespace {

constexpr const char* kChooseFilesTitle = "Выбрать файл(ы)";
constexpr const char* kChooseFilesFilter = "PNG  JPG  BMP|*.png;*.jpg;*.JPG;*.JEPG;*.jpeg;*.bmp|";

void ShowAllDone(Gui& gui) { gui.ShowMessage("Информация", "Все готово"); }

bool Save(ImageStore& images, BatchFormat format, const std::string& path, int quality) {
  switch (format) {
    case BatchFormat::Bmp:
      return images.SaveBmp(kWorkingImage, path);
    case BatchFormat::Jpeg:
      return images.SaveJpeg(kWorkingImage, path, quality);
    case BatchFormat::Png:
      return images.SavePng(kWorkingImage, path);
  }
  return false;
}

}  // namespace

void ChooseBatchFiles(BatchContext& batch) {
  batch.sources.fileList.clear();
  std::vector<std::string> chosen =
      batch.gui.ChooseFilesToOpen(kChooseFilesTitle, kChooseFilesFilter, true);
  batch.sources.batchSourceMode = 1;
  for (std::string& path : chosen) batch.sources.fileList.push_back(std::move(path));
}

void RunBatch(BatchContext& batch) {
  if (batch.sources.batchSourceMode == 1) {
    for (const std::string& source : batch.sources.fileList) ConvertFile(batch, source);
    ShowAllDone(batch.gui);
    return;
  }
  std::vector<std::string> lines;
  if (!ReadHandOffFile(batch.system, lines)) return;
  for (std::string& line : lines) {
    ConvertFile(batch, line);
    batch.sources.fileList.push_back(std::move(line));
  }
  ShowAllDone(batch.gui);
  batch.system.RemoveFile(HandOffFilePath(batch.system));
}

void ConvertFile(BatchContext& batch, const std::string& source) {
  Gui& gui = batch.gui;
  if (!batch.images.LoadFileResized(kWorkingImage, source, gui.Value(kBatchWidthField),
                                    gui.Value(kBatchHeightField))) {
    return;
  }
  const std::string folder = OutputFolder(source);
  if (!batch.system.FolderListable(folder)) batch.system.CreateFolder(folder);
  const auto format = static_cast<BatchFormat>(gui.Value(kFormatBar));
  Save(batch.images, format, folder + kPathSeparator + OutputFileName(source, format),
       gui.Value(kQualityField));
}

}  // namespace kadrex
