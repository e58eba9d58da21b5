#pragma once

#include "app/dispatcher.h"
#include "converter/batch_run.h"
#include "converter/batch_sources.h"
#include "editor/display_scale.h"
#include "editor/editor_context.h"
#include "output/save_as.h"
#include "platform/gui.h"
#include "platform/image/image_store.h"
#include "platform/system.h"

namespace kadrex {

// Everything the running program holds; it starts empty and lives until the end.
struct Program {
  Program(Gui& gui, System& system) : gui(gui), system(system) {}

  Gui& gui;
  System& system;
  ImageStore images;
  BatchSources sources;
  BatchContext batch{gui, system, images, sources};
  DisplayScale scale;
  EditorContext editor{gui, system, images, sources, scale};
  SaveAsContext save{editor};
  Dispatcher dispatcher;
  bool running = true;
};

// Routes every menu item and control of both windows to its handler.
void ConnectHandlers(Program& program);

// The whole program: start-up, then the event loop until the program ends. Returns at
// once when another copy is running.
void RunKadrex(Gui& gui, System& system);

}  // namespace kadrex
