#pragma once

#include <string>
#include <vector>

#include "bench_inputs.h"

namespace kadrex::bench {

// One conversion of a batch run: an input resized to width x height and saved.
struct Job {
  const InputFile* input;
  int width;
  int height;
  FileFormat output;
};

// Every big input to 320x240 in each output format, and one enlargement.
std::vector<Job> BenchJobs();
std::string JobName(const Job& job);
const char* Extension(FileFormat format);

// A program that does a job, or (djpeg) the least work that any job on a JPEG needs.
struct Tool {
  std::string label;
  std::string program;  // empty when the machine lacks it
  bool jpegInputsOnly;
  bool writesOutput;
  std::vector<std::string> (*command)(const std::string& program, const Job& job,
                                      const std::string& in, const std::string& out);
};

// Ours first, the others found on PATH. Other tools write their JPEG and PNG files with
// the settings ours uses (quality 100 with 2x2 chroma, zlib level 9 without row filters),
// so that all of them do the same work.
std::vector<Tool> BenchTools(const std::string& kadrexConvert);

}  // namespace kadrex::bench
