// Restoring a game from files that are not saved games, through the Qt
// platform's real read path: each answers with its error at once, whatever its
// size or kind, and the window is never left waiting.
//
//   restore_file_bench [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "board/board_layout.h"
#include "persistence/saved_game.h"
#include "platform/qt_platform.h"

namespace {

namespace fs = std::filesystem;

// The real platform, but the file is named without a dialog and the error is
// counted instead of shown.
class NamedFilePlatform : public vorn::QtPlatform {
 public:
  std::string file;
  int errors = 0;
  std::optional<std::string> ShowFileDialog(const vorn::FileDialogRequest&) override {
    return file;
  }
  vorn::MsgAnswer MsgBox(const std::string&, vorn::MsgButtons, vorn::MsgIcon,
                         const std::string& title) override {
    if (title == "Error Restoring Game") ++errors;
    return vorn::MsgAnswer::OK;
  }
  void DoEvents() override {}
};

// A folder of the run, holding a 400 MB sparse file, a pipe with no writer and a folder.
const fs::path& Files() {
  static const fs::path dir = [] {
    std::string name = (fs::temp_directory_path() / "vorn-restore-bench-XXXXXX").string();
    if (!::mkdtemp(name.data())) std::abort();
    const fs::path d = name;
    const int fd = ::open((d / "huge.VORN").c_str(), O_CREAT | O_WRONLY, 0644);
    if (fd < 0 || ::ftruncate(fd, off_t{400} << 20) != 0) std::abort();
    ::close(fd);
    if (::mkfifo((d / "pipe.VORN").c_str(), 0644) != 0) std::abort();
    fs::create_directory(d / "folder.VORN");
    std::atexit([] { fs::remove_all(Files()); });
    return d;
  }();
  return dir;
}

void Restore(benchmark::State& state, const std::string& file) {
  NamedFilePlatform platform;
  platform.file = file;
  vorn::Form1 f;
  vorn::ResetGame(f, platform);
  for (auto _ : state) vorn::RestoreGame(f, platform);
  if (platform.errors != static_cast<int>(state.iterations())) state.SkipWithError("no error");
}

void HugeSparseFile(benchmark::State& state) {
  Restore(state, (Files() / "huge.VORN").string());
}
void PipeWithNoWriter(benchmark::State& state) {
  Restore(state, (Files() / "pipe.VORN").string());
}
void Folder(benchmark::State& state) {
  Restore(state, (Files() / "folder.VORN").string());
}
void DevZero(benchmark::State& state) {
  Restore(state, "/dev/zero");
}

BENCHMARK(HugeSparseFile)->Unit(benchmark::kMillisecond);
BENCHMARK(PipeWithNoWriter)->Unit(benchmark::kMillisecond);
BENCHMARK(Folder)->Unit(benchmark::kMillisecond);
BENCHMARK(DevZero)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
