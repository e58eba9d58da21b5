#include "bench_jobs.h"

#include <charconv>

#include "timed_process.h"

namespace kadrex::bench {

namespace {

constexpr int kThumbnailWidth = 320;
constexpr int kThumbnailHeight = 240;
constexpr int kEnlargedWidth = 2000;
constexpr int kEnlargedHeight = 1500;
// Our converter's best JPEG quality value, libjpeg quality 100.
constexpr const char* kJpegQualityValue = "10";

std::string Size(const Job& job, const char* separator) {
  return std::to_string(job.width) + separator + std::to_string(job.height);
}

// The shortest text that reads back as the same double, so that vips rounds
// source x scale to exactly the wanted size.
std::string Scale(int target, int source) {
  char text[32];
  const double scale = static_cast<double>(target) / source;
  const auto end = std::to_chars(text, text + sizeof text, scale).ptr;
  return std::string(text, end);
}

std::string VipsOutput(const Job& job, const std::string& out) {
  switch (job.output) {
    case FileFormat::Jpeg:
      return out + "[Q=100,subsample-mode=on]";
    case FileFormat::Png:
      return out + "[compression=9]";
    case FileFormat::Bmp:
      break;
  }
  return out;
}

std::vector<std::string> KadrexCommand(const std::string& program, const Job& job,
                                       const std::string& in, const std::string& out) {
  return {program,
          in,
          std::to_string(job.width),
          std::to_string(job.height),
          Extension(job.output),
          kJpegQualityValue,
          out};
}

std::vector<std::string> DjpegCommand(const std::string& program, const Job&, const std::string& in,
                                      const std::string&) {
  return {program, "-dct", "int", "-outfile", "/dev/null", in};
}

// PNG quality 90 is zlib level 9 with filter None in ImageMagick's reading of it.
std::vector<std::string> MagickCommand(const std::string& program, const Job& job,
                                       const std::string& in, const std::string& out) {
  std::vector<std::string> command = {program, in, "-scale", Size(job, "x") + "!"};
  if (job.output == FileFormat::Jpeg) {
    command.insert(command.end(), {"-quality", "100", "-sampling-factor", "2x2"});
  } else if (job.output == FileFormat::Png) {
    command.insert(command.end(), {"-quality", "90"});
  }
  command.push_back(out);
  return command;
}

std::vector<std::string> VipsResizeCommand(const std::string& program, const Job& job,
                                           const std::string& in, const std::string& out) {
  return {program,
          "resize",
          in,
          VipsOutput(job, out),
          Scale(job.width, job.input->width),
          "--vscale",
          Scale(job.height, job.input->height)};
}

std::vector<std::string> VipsThumbnailCommand(const std::string& program, const Job& job,
                                              const std::string& in, const std::string& out) {
  return {program, in, "-s", Size(job, "x") + "!", "-o", VipsOutput(job, out)};
}

}  // namespace

std::vector<Job> BenchJobs() {
  std::vector<Job> jobs;
  for (const InputFile& input : BenchInputs()) {
    if (input.enlarged) {
      jobs.push_back({&input, kEnlargedWidth, kEnlargedHeight, FileFormat::Png});
      continue;
    }
    for (FileFormat output : {FileFormat::Bmp, FileFormat::Jpeg, FileFormat::Png}) {
      jobs.push_back({&input, kThumbnailWidth, kThumbnailHeight, output});
    }
  }
  return jobs;
}

std::string JobName(const Job& job) {
  return job.input->name + " -> " + Size(job, "x") + " " + Extension(job.output);
}

const char* Extension(FileFormat format) {
  switch (format) {
    case FileFormat::Bmp:
      return "bmp";
    case FileFormat::Jpeg:
      return "jpg";
    case FileFormat::Png:
      return "png";
  }
  return "";
}

std::vector<Tool> BenchTools(const std::string& kadrexConvert) {
  return {
      {"kadrex-convert", kadrexConvert, false, true, KadrexCommand},
      {"djpeg -dct int (decode only)", FindProgram("djpeg"), true, false, DjpegCommand},
      {"convert -scale", FindProgram("convert"), false, true, MagickCommand},
      {"vips resize", FindProgram("vips"), false, true, VipsResizeCommand},
      {"vipsthumbnail", FindProgram("vipsthumbnail"), false, true, VipsThumbnailCommand},
  };
}

}  // namespace kadrex::bench
