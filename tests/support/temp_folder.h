#pragma once

#include <filesystem>
#include <string>

namespace kadrex::test {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // A path inside the folder, as the program's UTF-8 string.
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace kadrex::test
