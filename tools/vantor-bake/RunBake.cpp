#include "RunBake.h"

#include "Bake.h"
#include "BakeCharacters.h"
#include "BakeFile.h"
#include "EffectOptions.h"
#include "FileWatch.h"
#include "ListedName.h"
#include "files/disk/Temporaries.h"
#include "platform/FontFiles.h"
#include "platform/FontMatch.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace vantor::bake {

namespace {

// Adds every font file; the first face of the first one is the face when none is named.
int AddFontFiles(BakeOptions& options) {
  for (const std::string& path : options.fontFiles) {
    const platform::AddedFontFile added = platform::AddFontFile(path);
    if (!added.error.empty()) {
      std::fprintf(stderr, "vantor-bake: the font file %s %s\n", path.c_str(), added.error.c_str());
      return 2;
    }
    if (options.face.empty() && &path == &options.fontFiles.front()) options.face = added.families.front();
  }
  return 0;
}

// Changes closer together than this are one change: an editor's save, a copy.
constexpr std::chrono::milliseconds kSettle{100};
// A bake shorter than this shows no progress.
constexpr std::chrono::milliseconds kProgressAfter{1000};

// The bakes a run makes, or the message that refuses it (and whether it is the command line's).
struct Jobs {
  std::vector<BakeJob> jobs;
  std::string error;
  bool commandLine = true;
};

Jobs ReadJobs(const RunOptions& run) {
  Jobs read;
  if (!run.config.empty()) {
    BakeFileRead file = ReadBakeFile(run.config, run.rest);
    read.jobs = std::move(file.jobs);
    read.error = std::move(file.error);
    read.commandLine = file.commandLineError;
    return read;
  }
  const ParsedOptions parsed = ParseBakeOptions(run.rest);
  read.error = parsed.error;
  if (!parsed.error.empty()) return read;
  const bool bakes =
      parsed.options.mode == BakeOptions::Mode::FromParams || parsed.options.mode == BakeOptions::Mode::FromOptions;
  read.jobs.push_back(JobOf(parsed.options, bakes ? OutputBase(parsed.options) : std::string()));
  return read;
}

void ReportRefusal(const Jobs& jobs) {
  std::fprintf(stderr, "vantor-bake: %s\n%s", jobs.error.c_str(), jobs.commandLine ? "Try 'vantor-bake --help'.\n" : "");
}

// Bakes `job`, saying how long it took when watching.
int BakeTimed(const BakeJob& job, const RunOptions& run) {
  const auto start = std::chrono::steady_clock::now();
  const int status = RunBake(job.options, run.quiet);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  if (run.watch && !run.quiet) {
    const std::string base = OutputBase(job.options);
    std::fprintf(stderr, "vantor-bake: %s %s%s%s in %lld ms\n", status == 0 ? "baked" : "failed to bake", base.c_str(),
                 job.label.empty() || job.label == base ? "" : " from ", job.label == base ? "" : job.label.c_str(),
                 static_cast<long long>(took.count()));
  }
  return status;
}

// Bakes again, until a signal ends the run, whatever depends on a file that changed.
std::vector<std::string> InputsOf(const RunOptions& run, const std::vector<BakeJob>& jobs) {
  std::vector<std::string> inputs;
  if (!run.config.empty()) inputs.push_back(run.config);
  for (const BakeJob& job : jobs) inputs.insert(inputs.end(), job.inputs.begin(), job.inputs.end());
  return inputs;
}

// Bakes again, until a signal ends the run, whatever depends on a file that changed.
// The one watch lives through every bake, so a change during a bake is not missed.
[[noreturn]] void Watch(const RunOptions& run, std::vector<BakeJob> jobs, FileWatch& watch) {
  // Ctrl+C is how a watch ends: status 0, temporaries removed by the handler.
  files::SetSignalExitStatus(0);
  while (true) {
    const std::set<std::string> changed = watch.Wait(kSettle);
    if (!run.config.empty() && changed.count(run.config)) {
      Jobs read = ReadJobs(run);
      if (!read.error.empty()) {
        // A broken edit changes nothing: the old outputs stay until the file bakes again.
        ReportRefusal(read);
        continue;
      }
      jobs = std::move(read.jobs);
      watch.Add(InputsOf(run, jobs));
      for (const BakeJob& job : jobs) BakeTimed(job, run);
      continue;
    }
    for (const BakeJob& job : jobs) {
      if (std::any_of(job.inputs.begin(), job.inputs.end(), [&](const std::string& in) { return changed.count(in) > 0; })) {
        BakeTimed(job, run);
      }
    }
  }
}

}  // namespace

RunOptions SplitRunOptions(const std::vector<std::string>& args) {
  RunOptions run;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--config") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        run.error = "--config needs a bake file";
        return run;
      }
      if (!run.config.empty()) {
        run.error = "one --config at a time";
        return run;
      }
      run.config = args[++i];
    } else if (args[i] == "--watch") {
      run.watch = true;
    } else if (args[i] == "--quiet") {
      run.quiet = true;
    } else {
      run.rest.push_back(args[i]);
    }
  }
  return run;
}

int Run(const RunOptions& run) {
  if (!run.error.empty()) {
    ReportRefusal({{}, run.error, true});
    return 2;
  }
  Jobs read = ReadJobs(run);
  if (!read.error.empty()) {
    ReportRefusal(read);
    return 2;
  }
  const bool bakes = std::all_of(read.jobs.begin(), read.jobs.end(), [](const BakeJob& job) {
    return job.options.mode == BakeOptions::Mode::FromParams || job.options.mode == BakeOptions::Mode::FromOptions;
  });
  if (run.watch && !bakes) {
    ReportRefusal({{}, "--watch needs a bake: a params file, --font ... -o BASE, or --config FILE", true});
    return 2;
  }
  // Watched from before the first bake, so no change is missed.
  FileWatch watch(run.watch ? InputsOf(run, read.jobs) : std::vector<std::string>());
  if (run.watch && !watch.Usable()) {
    std::fprintf(stderr, "vantor-bake: --watch: the kernel gives no file-change notifications\n");
    return 1;
  }
  int status = 0;
  // A table that fails does not stop the others; the status is the worst of them.
  for (const BakeJob& job : read.jobs) status = std::max(status, BakeTimed(job, run));
  if (run.watch) Watch(run, std::move(read.jobs), watch);
  return status;
}

int RunBake(const BakeOptions& given, bool quiet) {
  BakeOptions options = given;
  if (const int status = AddFontFiles(options); status != 0) return status;
  if (options.mode == BakeOptions::Mode::Help) {
    std::fputs(BakeUsage(), stdout);
    std::fputs(EffectUsage(), stdout);
    return 0;
  }
  if (options.mode == BakeOptions::Mode::ListFonts) {
    for (const std::string& face : platform::FaceList()) std::puts(ListedName(face).c_str());
    return 0;
  }
  files::CharacterSet characters;
  if (const auto gathered = GatherCharacters(options, characters); !gathered.Ok()) {
    std::fprintf(stderr, "vantor-bake: %s\n", gathered.message.c_str());
    return 2;
  }
  // A long bake on a terminal shows how far it is, on one line it rewrites.
  const std::vector<char32_t> codePoints = characters.CodePoints();
  const auto start = std::chrono::steady_clock::now();
  bool shown = false;
  const auto progress = [&](std::size_t drawn, std::size_t pages, std::size_t count) {
    if (std::chrono::steady_clock::now() - start < kProgressAfter) return;
    std::fprintf(stderr, "\rvantor-bake: %zu of %zu pages drawn (%zu characters)", drawn, pages, count);
    shown = true;
  };
  const bool terminal = !quiet && ::isatty(STDERR_FILENO) == 1;
  const BakeResult result = Bake(options, codePoints, terminal ? files::PageProgress(progress) : nullptr);
  if (shown) std::fputs("\r\033[K", stderr);
  if (!quiet && !result.warning.empty()) std::fprintf(stderr, "vantor-bake: warning: %s\n", result.warning.c_str());
  if (result.status != 0) {
    std::fprintf(stderr, "vantor-bake: %s\n", result.error.c_str());
    return result.status;
  }
  if (quiet) return 0;
  if (!result.drawnFrom.empty()) {
    std::string line;
    for (const auto& [family, count] : result.drawnFrom) {
      line += (line.empty() ? "" : ", ") + std::to_string(count) + " from \"" + family + "\"";
    }
    std::fprintf(stderr, "vantor-bake: characters drawn: %s\n", line.c_str());
  }
  if (const std::string missing = DescribeMissing(result.missing, !options.fallbacks.empty()); !missing.empty()) {
    std::fprintf(stderr, "vantor-bake: %s\n", missing.c_str());
  }
  if (options.sdf && options.outputs.params) {
    // The params file has no key for a field: baked again, it gives coverage at another cell height.
    std::fprintf(stderr, "vantor-bake: note: the params file does not record --sdf %d; bake it again with "
                         "--sdf %d to get the same distance fields\n", *options.sdf, *options.sdf);
  }
  return 0;
}

}  // namespace vantor::bake
