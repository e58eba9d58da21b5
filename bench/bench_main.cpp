// kadrex-bench WORKDIR [--runs N]: times one batch conversion per job as a whole process,
// ours against other tools doing the same job, round-robin so that a slow spell of the
// machine falls on all of them alike.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "bench_inputs.h"
#include "bench_jobs.h"
#include "platform/image/image_store.h"
#include "timed_process.h"

namespace {

using kadrex::bench::FileFormat;
using kadrex::bench::Job;
using kadrex::bench::Tool;

constexpr int kDefaultRuns = 7;
constexpr int kMaxRuns = 1000;
constexpr std::size_t kOurs = 0;

struct Timings {
  std::vector<double> seconds;
  int failures = 0;
  std::string note;
};

double Minimum(const std::vector<double>& seconds) {
  return *std::min_element(seconds.begin(), seconds.end());
}

double Median(std::vector<double> seconds) {
  std::sort(seconds.begin(), seconds.end());
  const std::size_t middle = seconds.size() / 2;
  return seconds.size() % 2 == 1 ? seconds[middle] : (seconds[middle - 1] + seconds[middle]) / 2;
}

bool Applies(const Tool& tool, const Job& job) {
  return !tool.program.empty() && (!tool.jpegInputsOnly || job.input->format == FileFormat::Jpeg);
}

// A tool's output is looked at once, so a wrong size does not pass for a fast run.
std::string CheckOutput(const Job& job, const std::string& path) {
  kadrex::ImageStore store;
  if (!store.LoadFile(0, path)) return "output not readable by kadrex";
  if (store.Width(0) == job.width && store.Height(0) == job.height) return {};
  return "output is " + std::to_string(store.Width(0)) + "x" + std::to_string(store.Height(0));
}

// Times one run of a tool on a job. The first run starts without an old output, and
// its output is checked.
void TimeRun(const Tool& tool, const Job& job, const std::string& in, const std::string& out,
             bool first, Timings& timing) {
  std::error_code error;
  if (first) std::filesystem::remove(out, error);
  if (const auto seconds = kadrex::bench::RunTimed(tool.command(tool.program, job, in, out))) {
    timing.seconds.push_back(*seconds);
    if (first && tool.writesOutput) timing.note = CheckOutput(job, out);
  } else {
    ++timing.failures;
  }
}

bool ParseRuns(int argc, char** argv, int& runs) {
  runs = kDefaultRuns;
  if (argc == 2) return true;
  if (argc != 4 || std::string_view(argv[2]) != "--runs") return false;
  const std::string_view text = argv[3];
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), runs);
  return error == std::errc{} && end == text.data() + text.size() && runs >= 1 && runs <= kMaxRuns;
}

void PrintJob(const Job& job, const std::vector<Tool>& tools, const std::vector<Timings>& times) {
  std::printf("\n%s\n", kadrex::bench::JobName(job).c_str());
  const bool oursTimed = !times[kOurs].seconds.empty();
  for (std::size_t t = 0; t < tools.size(); ++t) {
    if (!Applies(tools[t], job)) continue;
    const Timings& timing = times[t];
    std::printf("  %-30s", tools[t].label.c_str());
    if (timing.seconds.empty()) {
      std::printf(" failed every run");
    } else {
      const double minimum = Minimum(timing.seconds);
      std::printf(" %9.1f %9.1f", minimum * 1000, Median(timing.seconds) * 1000);
      if (t != kOurs && oursTimed) {
        std::printf(" %9.2fx", Minimum(times[kOurs].seconds) / minimum);
      }
    }
    if (timing.failures > 0 && !timing.seconds.empty()) {
      std::printf("  (%d runs failed)", timing.failures);
    }
    if (!timing.note.empty()) std::printf("  (%s)", timing.note.c_str());
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 0;
  if (argc < 2 || !ParseRuns(argc, argv, runs)) {
    std::fprintf(stderr, "usage: kadrex-bench WORKDIR [--runs N]\n");
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();
  // Absolute, since vipsthumbnail takes a relative output name from the input's folder.
  std::error_code error;
  const std::string work = std::filesystem::absolute(argv[1], error).string();
  const std::string inputs = work + "/inputs";
  const std::string outputs = work + "/out";
  if (!kadrex::bench::WriteMissingInputs(inputs)) {
    std::fprintf(stderr, "kadrex-bench: could not write the inputs into %s\n", inputs.c_str());
    return 1;
  }
  std::filesystem::create_directories(outputs, error);

  const std::vector<Tool> tools = kadrex::bench::BenchTools(KADREX_CONVERT);
  for (const Tool& tool : tools) {
    if (tool.program.empty())
      std::printf("skipped: %s is not on this machine\n", tool.label.c_str());
  }
  const std::vector<Job> jobs = kadrex::bench::BenchJobs();
  std::vector<std::vector<Timings>> times(jobs.size(), std::vector<Timings>(tools.size()));
  for (int run = 0; run < runs; ++run) {
    std::printf("run %d of %d\n", run + 1, runs);
    std::fflush(stdout);
    for (std::size_t j = 0; j < jobs.size(); ++j) {
      for (std::size_t t = 0; t < tools.size(); ++t) {
        if (!Applies(tools[t], jobs[j])) continue;
        const std::string in = inputs + "/" + jobs[j].input->name;
        const std::string out = outputs + "/" + std::to_string(j) + "-" + std::to_string(t) + "." +
                                kadrex::bench::Extension(jobs[j].output);
        TimeRun(tools[t], jobs[j], in, out, run == 0, times[j][t]);
      }
    }
  }

  std::printf(
      "\nwall-clock ms per process over %d runs; the ratio is kadrex-convert's minimum\n"
      "over the tool's minimum (below 1: kadrex-convert is faster)\n",
      runs);
  std::printf("  %-30s %9s %9s %10s\n", "", "min", "median", "ratio");
  for (std::size_t j = 0; j < jobs.size(); ++j) PrintJob(jobs[j], tools, times[j]);
  const std::chrono::duration<double> total = std::chrono::steady_clock::now() - started;
  std::printf("\nwhole run %.0f s\n", total.count());
  return 0;
}
