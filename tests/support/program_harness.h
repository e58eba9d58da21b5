#pragma once

#include <string>

#include "app/program.h"
#include "fake_gui.h"
#include "fake_system.h"
#include "temp_folder.h"

namespace kadrex::test {

// The program on the fake toolkit: the converter window open and every handler
// connected, worked by sending it events as the loop would.
class ProgramHarness {
 public:
  explicit ProgramHarness(Size desktop = {1280, 1024});

  void Press(int control);
  void Choose(int item);
  // Moves a track bar as the user does, then sends its event.
  void Slide(int control, int position);
  // Saves a picture of the given size (a diagonal gradient) as BMP in the test folder.
  std::string MakePicture(const std::string& name, int width, int height);
  // Makes the file the batch list's only entry, as if chosen in the open dialog.
  void ChooseSource(const std::string& path);

  TempFolder temp;
  FakeGui gui;
  FakeSystem system;
  Program program{gui, system};
  ImageStore& images = program.images;
  EditorState& editor = program.editor.state;
};

}  // namespace kadrex::test
