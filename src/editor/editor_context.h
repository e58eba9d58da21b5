#pragma once

#include "converter/batch_sources.h"
#include "editor/display_scale.h"
#include "editor/mouse_selection.h"
#include "platform/gui.h"
#include "platform/image/image_store.h"
#include "platform/system.h"

namespace kadrex {

// The editor's numbered pictures besides the shared working image 0.
inline constexpr int kReferenceImage = 44;   // the picture at its base scale; zooms start here
inline constexpr int kDisplayImage = 45;     // the working image with the frame drawn on it
inline constexpr int kLoadedImage = 46;      // the picture as last loaded, for the reset
inline constexpr int kCropImage = 47;        // the rectangle last cut out
inline constexpr int kClipboardImage = 777;  // the picture last taken from the clipboard

// The crop frame in display-image pixels, and its outline colour.
struct CropFrame {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  Colour colour = 0;
};

// The frame in pixels of the picture at 100 % on the zoom bar's scale.
struct FrameBase {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
};

struct EditorState {
  bool editorOpened = false;
  bool zoomStarted = false;
  int fitDivisor = 1;  // 2 when the fit rule halved the picture
  int zoomPercent = 0;
  float previewOffsetX = 0;
  float previewOffsetY = 0;
  float sizeRatio = 0;
  CropFrame frame;
  FrameBase frameBase;
  bool frameBaseSet = false;
};

// What the editor's handlers work with.
struct EditorContext {
  EditorContext(Gui& gui, System& system, ImageStore& images, BatchSources& sources,
                const DisplayScale& scale)
      : gui(gui), system(system), images(images), sources(sources), scale(scale) {}
  EditorContext(const EditorContext&) = delete;
  EditorContext& operator=(const EditorContext&) = delete;

  Gui& gui;
  System& system;
  ImageStore& images;
  BatchSources& sources;
  const DisplayScale& scale;
  EditorState state;
  MouseSelection selection{*this};
};

}  // namespace kadrex
