#include "program_harness.h"

#include "converter/converter_window.h"
#include "converter/main_menu.h"

namespace kadrex::test {

ProgramHarness::ProgramHarness(Size desktop) {
  gui.desktop = desktop;
  system.tempFolder = temp / "";
  program.scale = ComputeDisplayScale(desktop);
  CreateConverterWindow(gui);
  ConnectHandlers(program);
}

void ProgramHarness::Press(int control) {
  program.dispatcher.Dispatch({EventKind::Control, control});
}

void ProgramHarness::Choose(int item) { program.dispatcher.Dispatch({EventKind::Menu, item}); }

void ProgramHarness::Slide(int control, int position) {
  gui.controls.at(control).value = position;
  Press(control);
}

std::string ProgramHarness::MakePicture(const std::string& name, int width, int height) {
  Picture picture;
  MakeBlackPicture(picture, width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* pixel = picture.Row(y) + 3 * x;
      pixel[0] = static_cast<std::uint8_t>(x);
      pixel[1] = static_cast<std::uint8_t>(y);
      pixel[2] = static_cast<std::uint8_t>(x + y);
    }
  }
  ImageStore store;
  store.Put(1, std::move(picture));
  const std::string path = temp / name;
  store.SaveBmp(1, path);
  return path;
}

void ProgramHarness::ChooseSource(const std::string& path) {
  gui.openDialogAnswers.push_back({path});
  Choose(kOpenFilesItem);
}

}  // namespace kadrex::test
