#include "files/file_writing.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/folder_test.h"

namespace curvesmith {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

mode_t ModeOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
  return status.st_mode & 07777;
}

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The number of files created in each of `folders` while `action` ran.
template <typename Action>
std::map<fs::path, int> FilesCreatedIn(const std::vector<fs::path>& folders, Action&& action) {
  const int watcher = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  EXPECT_GE(watcher, 0);
  std::map<int, fs::path> folder_of;
  std::map<fs::path, int> created;
  for (const fs::path& folder : folders) {
    folder_of[::inotify_add_watch(watcher, folder.c_str(), IN_CREATE)] = folder;
    created[folder] = 0;
  }
  action();
  alignas(inotify_event) char buffer[4096];
  for (ssize_t size; (size = ::read(watcher, buffer, sizeof buffer)) > 0;) {
    for (char* at = buffer; at < buffer + size;) {
      const auto* event = reinterpret_cast<const inotify_event*>(at);
      if (event->mask & IN_CREATE) ++created[folder_of.at(event->wd)];
      at += sizeof(inotify_event) + event->len;
    }
  }
  ::close(watcher);
  return created;
}

class FileWritingTest : public testing::FolderTest {
 protected:
  int Replace(const fs::path& path, const std::string& bytes) {
    return files::ReplaceFile(path.string(), bytes);
  }
};

TEST_F(FileWritingTest, ReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
  for (const mode_t mode : {0640, 0600, 0754}) {
    SCOPED_TRACE(mode);
    const fs::path file = folder_ / "kept";
    Put(file, "earlier");
    ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    ASSERT_EQ(Replace(file, "later"), 0);
    EXPECT_EQ(Contents(file), "later");
    EXPECT_EQ(ModeOf(file), mode);
  }
  for (const mode_t mask : {022, 027}) {
    SCOPED_TRACE(mask);
    const mode_t before = ::umask(mask);
    const fs::path file = folder_ / ("new" + std::to_string(mask));
    EXPECT_EQ(Replace(file, "new"), 0);
    ::umask(before);
    EXPECT_EQ(ModeOf(file), 0666 & ~mask);
  }
}

// The link stays a link to the same name; the file it names gets the bytes,
// and the temporary file is made beside that file, not beside the link.
TEST_F(FileWritingTest, WritingThroughASymbolicLinkReplacesItsTarget) {
  const fs::path links = folder_ / "links";
  const fs::path data = folder_ / "data";
  fs::create_directories(links);
  fs::create_directories(data);
  Put(data / "target.csv", "earlier");
  ASSERT_EQ(::chmod((data / "target.csv").c_str(), 0640), 0);
  const struct {
    fs::path link;
    fs::path named;
  } cases[] = {
      {data / "beside.csv", "target.csv"},
      {links / "elsewhere.csv", data / "target.csv"},
      {links / "relative.csv", "../data/target.csv"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    fs::create_symlink(c.named, c.link);
    const auto created = FilesCreatedIn({links, data, folder_}, [&] {
      EXPECT_EQ(Replace(c.link, "through " + c.link.filename().string()), 0);
    });
    EXPECT_TRUE(fs::is_symlink(c.link));
    EXPECT_EQ(fs::read_symlink(c.link), c.named);
    EXPECT_EQ(Contents(data / "target.csv"), "through " + c.link.filename().string());
    EXPECT_EQ(ModeOf(data / "target.csv"), 0640u);
    EXPECT_EQ(created, (std::map<fs::path, int>{{links, 0}, {data, 1}, {folder_, 0}}));
  }
}

TEST_F(FileWritingTest, TemporaryFileLivesBesideTheTarget) {
  const fs::path inner = folder_ / "inner";
  fs::create_directories(inner);
  Put(inner / "old.txt", "earlier");
  for (const std::string name : {"old.txt", "new.txt"}) {
    SCOPED_TRACE(name);
    const auto created =
        FilesCreatedIn({inner, folder_}, [&] { EXPECT_EQ(Replace(inner / name, name), 0); });
    EXPECT_EQ(created, (std::map<fs::path, int>{{inner, 1}, {folder_, 0}}));
    EXPECT_EQ(Contents(inner / name), name);
  }
  EXPECT_EQ(Entries(inner), (std::vector<std::string>{"new.txt", "old.txt"}));
}

TEST_F(FileWritingTest, WritableFolderUnderAReadOnlyParentCanBeWritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const fs::path inner = folder_ / "inner";
  fs::create_directories(inner);
  Put(inner / "old.txt", "earlier");
  ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
  const int replaced = Replace(inner / "old.txt", "later");
  const int created = Replace(inner / "new.txt", "new");
  ::chmod(folder_.c_str(), 0755);
  EXPECT_EQ(replaced, 0);
  EXPECT_EQ(created, 0);
  EXPECT_EQ(Contents(inner / "old.txt"), "later");
  EXPECT_EQ(Contents(inner / "new.txt"), "new");
}

// An export that takes long is checked before the work: the check refuses
// exactly what the write itself would refuse, for the same reason.
TEST_F(FileWritingTest, CheckBeforeTheWorkRefusesWhatTheWriteWould) {
  fs::create_symlink("/dev/null", folder_ / "device-link");
  Put(folder_ / "read-only.txt", "earlier");
  ASSERT_EQ(::chmod((folder_ / "read-only.txt").c_str(), 0444), 0);
  const bool superuser = ::geteuid() == 0;
  const struct {
    fs::path path;
    int refusal;
  } cases[] = {
      {folder_ / "new.txt", 0},
      {"/dev/null", files::kNotRegularFile},
      {folder_, files::kNotRegularFile},
      {folder_ / "device-link", files::kNotRegularFile},
      {folder_ / "none" / "new.txt", ENOENT},
      // Permissions do not bind the superuser.
      {folder_ / "read-only.txt", superuser ? 0 : EACCES},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(files::CheckWritableDestination(c.path.string()), c.refusal);
    EXPECT_EQ(Replace(c.path, "later"), c.refusal);
  }
}

// A file size limit makes the write fail half way, as a full disk would.
TEST_F(FileWritingTest, FailedWriteLeavesTheEarlierFileAndNoTemporaryFile) {
  const fs::path file = folder_ / "kept.txt";
  Put(file, "earlier");
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit previous_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous_limit), 0);
  rlimit small = previous_limit;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const int error = Replace(file, std::string(1000, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &previous_limit);
  std::signal(SIGXFSZ, previous_handler);

  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(Contents(file), "earlier");
  EXPECT_EQ(Entries(folder_), std::vector<std::string>{"kept.txt"});
}

}  // namespace
}  // namespace curvesmith
