#include "converter/output_name.h"

#include "platform/path_parts.h"

namespace kadrex {

namespace {

constexpr const char* kOutputFolderName = "Encoded";

}  // namespace

const char* BatchExtension(BatchFormat format) {
  switch (format) {
    case BatchFormat::Bmp:
      return "bmp";
    case BatchFormat::Jpeg:
      return "jpg";
    case BatchFormat::Png:
      return "png";
  }
  return "";
}

std::string OutputFileName(const std::string& source, BatchFormat format) {
  const std::string file = FilePart(source);
  const std::string extension = ExtensionPart(source);
  if (extension.empty()) return file;
  return file.substr(0, file.size() - extension.size()) + BatchExtension(format);
}

std::string OutputFolder(const std::string& source) {
  return FolderPart(source) + kOutputFolderName;
}

}  // namespace kadrex
