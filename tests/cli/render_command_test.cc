#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_process.h"
#include "tests/cli/folder_test.h"

namespace curvesmith {
namespace {

namespace fs = std::filesystem;
using testing::Lines;
using testing::RunCli;

int Count(const std::vector<std::string>& lines, const std::string& prefix) {
  int count = 0;
  for (const std::string& line : lines) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return count;
}

class RenderCommandTest : public testing::FolderTest {
 protected:
  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }
};

// A disk with only `bytes` of room, for this process and the programs it
// starts, as long as it lives: a write beyond fails (EFBIG) as on a full disk,
// or, with `fatal`, ends the writing program with SIGXFSZ as by default.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes, bool fatal = false)
      : previous_handler_(std::signal(SIGXFSZ, fatal ? SIG_DFL : SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_handler_);
  }

 private:
  rlimit saved_;
  void (*previous_handler_)(int);
};

struct BadOption {
  std::string arguments;
  std::string named;
};

TEST_F(RenderCommandTest, BadOptionsExitWithTwoAndNameTheOption) {
  const BadOption cases[] = {
      {"--scale 0 --out x.png", "--scale"},
      {"--scale 9 --out x.png", "--scale"},
      {"--scale two --out x.png", "--scale"},
      {"--frame middle --out x.png", "--frame"},
      {"--frame -1 --out x.png", "--frame"},
      {"--generations 5 --frame 5 --out x.png", "0 to 4"},
      {"--generations 0 --frame 0 --out x.png", "--frame"},
      {"--population 1001 --out x.png", "--population"},
      {"--out", "--out"},
      {"--frame base", "--out"},
      {"--ops --out x.png", "--ops"},
      {"--colour red --out x.png", "--colour"},
      {"--gif x.gif --speed 3", "--speed"},
      {"--speed 2 --out x.png", "--speed"},
      {"--gif x.gif --frame 1", "--frame"},
      {"--gif x.gif --out x.png", "--gif"},
      {"--ops --caption", "--caption"},
  };
  for (const BadOption& c : cases) {
    SCOPED_TRACE(c.arguments);
    const auto result = RunCli("render --seed 1 " + c.arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(Lines(result.err).size(), 1u) << result.err;
    EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
  }
}

TEST_F(RenderCommandTest, WritesAPngOfTheChartAreasSize) {
  const fs::path file = folder_ / "final.png";
  const auto result =
      RunCli("render --seed 3 --generations 4 --population 20 --out " + file.string());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(result.out.empty());
  std::ifstream in(file, std::ios::binary);
  std::string header(24, '\0');
  in.read(header.data(), static_cast<std::streamsize>(header.size()));
  ASSERT_TRUE(in);
  EXPECT_EQ(header.substr(0, 8), "\x89PNG\r\n\x1a\n");
  const auto big_endian = [&](int at) {
    return (static_cast<unsigned char>(header[at]) << 24) |
           (static_cast<unsigned char>(header[at + 1]) << 16) |
           (static_cast<unsigned char>(header[at + 2]) << 8) |
           static_cast<unsigned char>(header[at + 3]);
  };
  // Wide and tall enough for the whole chart (frame box to device 886 x 532).
  EXPECT_GT(big_endian(16), 886);
  EXPECT_GT(big_endian(20), 560);
  // Nothing but the image is left in the folder.
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"final.png"});
}

TEST_F(RenderCommandTest, NamesAsLongAsTheSystemAllowsAreWrittenAndQtSaysNothing) {
  // Qt would note on stderr that this is missing.
  ::unsetenv("XDG_RUNTIME_DIR");
  const struct { std::string option, extension; } cases[] = {{"--out", ".png"}, {"--gif", ".gif"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    const std::string name = std::string(255 - c.extension.size(), 'n') + c.extension;
    const auto result = RunCli("render --seed 3 --generations 2 --population 8 " + c.option + " " +
                               (folder_ / name).string());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(fs::exists(folder_ / name));
    fs::remove(folder_ / name);
  }
}

TEST_F(RenderCommandTest, ScaleMultipliesTheImageSize) {
  ASSERT_EQ(RunCli("render --frame base --out " + (folder_ / "one.png").string()).status, 0);
  ASSERT_EQ(RunCli("render --frame base --scale 2 --out " + (folder_ / "two.png").string()).status,
            0);
  // Larger in both directions; the exact size depends on the form font.
  EXPECT_GT(fs::file_size(folder_ / "two.png"), fs::file_size(folder_ / "one.png"));
}

TEST_F(RenderCommandTest, UnwritableFileIsReportedAndLeavesNothing) {
  const fs::path file = folder_ / "missing" / "chart.png";
  const auto result = RunCli("render --seed 1 --out " + file.string());
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(result.out.empty());
  EXPECT_NE(result.err.find("cannot write"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(file.string()), std::string::npos) << result.err;
  EXPECT_TRUE(FolderContents().empty());
}

TEST_F(RenderCommandTest, GifOfTheReplayIsWrittenWholeOrNotAtAll) {
  const fs::path file = folder_ / "replay.gif";
  auto result =
      RunCli("render --seed 3 --generations 4 --population 20 --speed 20 --gif " + file.string());
  ASSERT_EQ(result.status, 0) << result.err;
  std::ifstream in(file, std::ios::binary);
  std::string header(6, '\0');
  in.read(header.data(), 6);
  EXPECT_EQ(header, "GIF89a");

  result = RunCli("render --seed 3 --gif " + (folder_ / "missing" / "replay.gif").string());
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("cannot write"), std::string::npos) << result.err;
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"replay.gif"});
}

TEST_F(RenderCommandTest, FailedWriteLeavesTheEarlierFileAndSaysSo) {
  const fs::path file = folder_ / "chart.png";
  const std::string render = "render --seed 1 --out " + file.string();
  ASSERT_EQ(RunCli(render).status, 0);
  const auto whole = static_cast<rlim_t>(fs::file_size(file));
  // The disk fills within the last block of the image, or at once.
  for (const rlim_t room : {whole - 100, rlim_t{1000}}) {
    SCOPED_TRACE(room);
    std::ofstream(file) << "earlier";
    testing::CliResult result;
    {
      const FileSizeLimit limit(room);
      result = RunCli(render);
    }
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(Count(Lines(result.err), "curvesmith-cli: cannot write"), 1) << result.err;
    const std::string kept = testing::Slurp(file);
    EXPECT_TRUE(kept == "earlier") << "now " << kept.size() << " bytes";
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"chart.png"});
  }
}

TEST_F(RenderCommandTest, AWriteEndedBySignalLeavesNoTemporaryFile) {
  const fs::path file = folder_ / "chart.png";
  std::ofstream(file) << "earlier";
  testing::CliResult result;
  {
    const FileSizeLimit limit(1000, true);
    result = RunCli("render --seed 1 --out " + file.string());
  }
  EXPECT_NE(result.status, 0);
  EXPECT_EQ(testing::Slurp(file), "earlier");
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"chart.png"});
}

// Like cp, the tool does not replace a file its user may not write, though
// the folder would let it rename another over it. Root may write anything:
// the tool then runs as the unprivileged user "nobody".
TEST_F(RenderCommandTest, AReadOnlyFileIsNotReplaced) {
  const fs::path file = folder_ / "chart.png";
  std::ofstream(file) << "earlier";
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(folder_, fs::perms::all);
  std::string command = std::string(CURVESMITH_CLI_PATH) + " render --seed 1 --out " +
                        file.string() + " >/dev/null 2>" + (folder_ / "err").string();
  if (::geteuid() == 0) {
    if (std::system("setpriv --help >/dev/null 2>&1") != 0) GTEST_SKIP() << "no setpriv";
    command = "setpriv --reuid=65534 --regid=65534 --clear-groups " + command;
  }
  const int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
  const std::string err = testing::Slurp((folder_ / "err").string());
  EXPECT_EQ(Lines(err).size(), 1u) << err;
  EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
  EXPECT_NE(err.find("Permission denied"), std::string::npos) << err;
  EXPECT_EQ(testing::Slurp(file.string()), "earlier");
}

// A device node of this test's own where the system allows one (as root), so
// that a fault replaces no device of the system's.
fs::path DeviceLike(const fs::path& node, dev_t number, const fs::path& system_device) {
  if (::mknod(node.c_str(), S_IFCHR | 0666, number) != 0) return system_device;
  const int fd = ::open(node.c_str(), O_WRONLY);  // fails where devices are not allowed
  if (fd < 0) return system_device;
  ::close(fd);
  return node;
}

TEST_F(RenderCommandTest, DevicesAndPipesAreWrittenIntoNeverReplaced) {
  const fs::path pipe = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // Held open for reading with room for the whole image, so the writer never
  // waits for this test to read.
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ::fcntl(reader, F_SETPIPE_SZ, 1 << 20);

  struct Case {
    fs::path target;
    int status;
  };
  const Case cases[] = {
      {DeviceLike(folder_ / "null", makedev(1, 3), "/dev/null"), 0},
      {pipe, 0},
      {DeviceLike(folder_ / "full", makedev(1, 7), "/dev/full"), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target.string());
    const auto result = RunCli("render --seed 1 --frame base --out " + c.target.string());
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(Count(Lines(result.err), "curvesmith-cli: cannot write"), c.status) << result.err;
    struct stat status;
    ASSERT_EQ(::stat(c.target.c_str(), &status), 0);
    EXPECT_FALSE(S_ISREG(status.st_mode));
  }
  std::string received(1 << 20, '\0');
  const ssize_t length = ::read(reader, received.data(), received.size());
  ::close(reader);
  ASSERT_GT(length, 8);
  EXPECT_EQ(received.substr(0, 8), "\x89PNG\r\n\x1a\n");
}

TEST_F(RenderCommandTest, OpsListTheDrawingOfTheChosenFrame) {
  const std::string run = "render --seed 5 --generations 3 --population 4 --ops";
  const auto base = Lines(RunCli(run + " --frame base").out);
  ASSERT_GT(base.size(), 20000u);
  EXPECT_EQ(base[0], "SetMapMode 8");
  EXPECT_EQ(base[3], "TextOut 985 950 \"X\"");
  EXPECT_EQ(Count(base, "Ellipse"), 0);
  EXPECT_EQ(base.back(), "DeleteObject ChartFont");

  // Generation 1, first pause: everything drawn before it, nothing after.
  const auto middle = Lines(RunCli(run + " --frame 1").out);
  EXPECT_EQ(middle.back(), "Pause 600");
  EXPECT_EQ(Count(middle, "Pause"), 3);
  EXPECT_EQ(Count(middle, "TextOut 1120 50 \"1\""), 1);
  EXPECT_EQ(Count(middle, "DeleteObject"), 0);

  const auto final_frame = Lines(RunCli(run).out);
  EXPECT_EQ(Count(final_frame, "Pause 600"), 3);
  EXPECT_EQ(Count(final_frame, "Pause 500"), 3);
  EXPECT_EQ(Count(final_frame, "SetTextColor 0xFF80FF"), 1);
  EXPECT_EQ(Count(final_frame, "TextOut 1120 50 \"3\""), 1);
  EXPECT_EQ(final_frame.back(), "DeleteObject ChartFont");
  // The same seed draws the same chart.
  EXPECT_EQ(Lines(RunCli(run).out), final_frame);
}

// The fitness axis of `render --formula x` goes from 0 to 20: the best of the
// last generation stands at the top right, the trace ends in that corner.
TEST_F(RenderCommandTest, AFormulaIsDrawnOnItsOwnAxis) {
  const auto final_frame = Lines(RunCli("render --seed 5 --formula x --ops").out);
  ASSERT_GT(final_frame.size(), 20000u);
  const std::vector<std::string> ticks(final_frame.begin() + 5, final_frame.begin() + 14);
  EXPECT_EQ(ticks.front(), "TextOut 474 890 \"0\"");
  EXPECT_EQ(ticks.back(), "TextOut 462 90 \"20\"");
  // Each frame's repair draws the formula's trace again, from (0, 0).
  for (std::size_t i = 0; i + 1 < final_frame.size(); ++i) {
    if (final_frame[i] == "SelectObject BluePen") {
      EXPECT_EQ(final_frame[i + 1], "MoveTo 500 900");
    }
  }
  EXPECT_GT(Count(final_frame, "LineTo 1500 100"), 0);
  std::string best_marker;
  for (const std::string& line : final_frame) {
    if (line.rfind("Ellipse", 0) == 0) best_marker = line;
  }
  int left = 0, top = 0, right = 0, bottom = 0;
  ASSERT_EQ(std::sscanf(best_marker.c_str(), "Ellipse %d %d %d %d", &left, &top, &right, &bottom),
            4);
  EXPECT_GE((left + right) / 2, 1480);
  EXPECT_LE((top + bottom) / 2, 120);

  EXPECT_EQ(RunCli("render --seed 5 --formula 'x * sin(x) + 20' --frame 3 --out " +
                   (folder_ / "f.png").string())
                .status,
            0);
  EXPECT_EQ(RunCli("render --seed 5 --generations 4 --formula -x --selection rank --gif " +
                   (folder_ / "f.gif").string())
                .status,
            0);
  EXPECT_EQ(FolderContents().size(), 2u);

  // A pole between genome positions is drawn to the frame's edges.
  int lines = 0;
  for (const std::string& line :
       Lines(RunCli("render --seed 5 --formula '1 / (x - 10.01)' --selection rank --frame base "
                    "--ops")
                 .out)) {
    int x = 0, y = 0;
    if (std::sscanf(line.c_str(), "LineTo %d %d", &x, &y) != 2) continue;
    ++lines;
    EXPECT_GE(y, 100) << line;
    EXPECT_LE(y, 900) << line;
  }
  EXPECT_GT(lines, 20000);
}

}  // namespace
}  // namespace curvesmith
