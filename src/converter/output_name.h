#pragma once

#include <string>

namespace kadrex {

// The output formats of a batch run, by the format bar's position.
enum class BatchFormat { Bmp = 1, Jpeg = 2, Png = 3 };

const char* BatchExtension(BatchFormat format);

// The file part of source with the extension at its end replaced by the format's; a
// file part without an extension stays as it is. Text inside the name is never touched,
// so two different sources cannot end up with the same output name that way.
std::string OutputFileName(const std::string& source, BatchFormat format);

// The source's folder + "Encoded".
std::string OutputFolder(const std::string& source);

}  // namespace kadrex
