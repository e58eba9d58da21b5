#pragma once

#include <string>

#include "converter/batch_sources.h"
#include "platform/gui.h"
#include "platform/image/image_store.h"
#include "platform/system.h"

namespace kadrex {

// What a batch run works with.
struct BatchContext {
  Gui& gui;
  System& system;
  ImageStore& images;
  BatchSources& sources;
};

// Menu item "Открыть Файл(ы)": the chosen files become the sources of every later run.
void ChooseBatchFiles(BatchContext& batch);

// The OkButton: converts every source, then says "Все готово".
void RunBatch(BatchContext& batch);

// Loads one source into the working image, resizes it to the converter's fields and
// saves it into the "Encoded" folder beside it. Failures are silent.
void ConvertFile(BatchContext& batch, const std::string& source);

}  // namespace kadrex
