// SPDX-License-Identifier: MIT
// What the writer does with devices, pipes, links, hard links and the old
// file's metadata, and that it syncs before it replaces.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "files/atomic_file.h"
#include "files/disk_sync.h"

namespace veltrisko {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

mode_t TypeOf(const fs::path& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

class OutputKindsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("output-kinds-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    SetDiskSync(nullptr);
    fs::remove_all(folder_);
  }

  // Every name left in the folder tree, so that a stray temporary file shows.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      names.push_back(entry.path().lexically_relative(folder_).string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
};

TEST_F(OutputKindsTest, SpecialFilesAreWrittenDirectlyAndStay) {
  const bool root = geteuid() == 0;
  struct Case {
    const char* name;
    std::function<fs::path(const fs::path&)> make;
    bool needs_root;
    mode_t type;
    const char* error;
  };
  const Case cases[] = {
      {"fifo",
       [](const fs::path& f) {
         mkfifo((f / "pipe").c_str(), 0600);
         return f / "pipe";
       },
       false, S_IFIFO, ""},
      {"/dev/null", [](const fs::path&) { return fs::path("/dev/null"); }, false, S_IFCHR, ""},
      {"scratch null device",
       [](const fs::path& f) {
         mknod((f / "null").c_str(), S_IFCHR | 0666, makedev(1, 3));
         return f / "null";
       },
       true, S_IFCHR, ""},
      {"scratch full device",
       [](const fs::path& f) {
         mknod((f / "full").c_str(), S_IFCHR | 0666, makedev(1, 7));
         return f / "full";
       },
       true, S_IFCHR, "No space left on device"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needs_root && !root) continue;
    const fs::path path = c.make(folder_);
    // A reader that is there before the writer and sees end of file after it.
    const int reader = c.type == S_IFIFO ? open(path.c_str(), O_RDONLY | O_NONBLOCK) : -1;
    if (reader >= 0) fcntl(reader, F_SETFL, 0);
    const std::string error = WriteTextFileAtomically(path.string(), "content\n");
    if (*c.error == '\0') {
      EXPECT_EQ(error, "");
    } else {
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
    if (reader >= 0) {
      std::string received(64, '\0');
      const ssize_t got = read(reader, received.data(), received.size());
      received.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
      close(reader);
      EXPECT_EQ(received, "content\n");
    }
    EXPECT_EQ(TypeOf(path), c.type);
  }
  EXPECT_EQ(TypeOf("/dev/null"), static_cast<mode_t>(S_IFCHR));
  for (const std::string& name : Names()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
  if (!root) GTEST_SKIP() << "the scratch devices need root";
}

TEST_F(OutputKindsTest, LinksStayAndTheFileTheyLeadToIsReplaced) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // name → destination
    const char* file;  // where the chain ends, relative to the case's folder
  };
  const Case cases[] = {
      {"link", {{"out.csv", "data.csv"}}, "data.csv"},
      {"chain", {{"out.csv", "b"}, {"b", "sub/data.csv"}}, "sub/data.csv"},
      {"dangling", {{"out.csv", "sub/new.csv"}}, "sub/new.csv"},
      {"link inside a linked folder", {{"out.csv", "sub/c"}, {"sub/c", "../data.csv"}}, "data.csv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path here = folder_ / c.name;
    fs::create_directories(here / "sub");
    if (std::string(c.name) != "dangling") std::ofstream(here / c.file) << "old";
    for (const auto& [name, destination] : c.links) fs::create_symlink(destination, here / name);
    EXPECT_EQ(WriteTextFileAtomically((here / "out.csv").string(), "new"), "");
    for (const auto& link : c.links) EXPECT_TRUE(fs::is_symlink(here / link.first));
    EXPECT_EQ(Read(here / c.file), "new");
  }
  for (const std::string& name : Names()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

TEST_F(OutputKindsTest, LinkLoopIsAnError) {
  fs::create_symlink("b", folder_ / "a");
  fs::create_symlink("a", folder_ / "b");
  const std::string error = WriteTextFileAtomically((folder_ / "a").string(), "new");
  EXPECT_NE(error.find("Too many levels of symbolic links"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_symlink(folder_ / "a"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(OutputKindsTest, ReplacedFileKeepsModeOwnerAndGroup) {
  const fs::path path = folder_ / "out.csv";
  std::ofstream(path) << "old";
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  // Root gives it away to check that the owner survives; others keep theirs.
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(path.c_str(), 4242, 4343), 0);
  }
  struct stat before {};
  ASSERT_EQ(stat(path.c_str(), &before), 0);
  ASSERT_EQ(WriteTextFileAtomically(path.string(), "new"), "");
  struct stat after {};
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_EQ(Read(path), "new");
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST_F(OutputKindsTest, HardLinkedFileIsRewrittenInPlace) {
  for (const auto& [old_text, new_text] :
       {std::pair{"a longer old content", "new"}, std::pair{"old", "a much longer new content"}}) {
    SCOPED_TRACE(new_text);
    const fs::path first = folder_ / "first.csv";
    const fs::path second = folder_ / "second.csv";
    fs::remove(first);
    fs::remove(second);
    std::ofstream(first) << old_text;
    fs::create_hard_link(first, second);
    ASSERT_EQ(WriteTextFileAtomically(first.string(), new_text), "");
    EXPECT_EQ(Read(first), new_text);
    EXPECT_EQ(Read(second), new_text);
    EXPECT_EQ(fs::hard_link_count(first), 2u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"first.csv", "second.csv"}));
  }
}

// What the target held each time the writer synced, and what was synced.
std::vector<std::string> sync_events;
fs::path watched;

int RecordingSync(int descriptor) {
  struct stat info {};
  fstat(descriptor, &info);
  sync_events.push_back((S_ISDIR(info.st_mode) ? "folder:" : "file:") + Read(watched));
  return fsync(descriptor) == 0 ? 0 : errno;
}

int FailingSync(int) { return EIO; }

TEST_F(OutputKindsTest, SyncsBeforeReplacingAndAFailedSyncChangesNothing) {
  struct Case {
    const char* name;
    bool hard_linked;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      // The complete temporary file, then the folder that holds the rename.
      {"single", false, {"file:old", "folder:new"}},
      // The complete temporary file, then the file rewritten in place.
      {"hard-linked", true, {"file:old", "file:new"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    watched = folder_ / (std::string(c.name) + ".csv");
    std::ofstream(watched) << "old";
    if (c.hard_linked) fs::create_hard_link(watched, folder_ / (std::string(c.name) + "-2.csv"));
    const std::vector<std::string> names = Names();

    SetDiskSync(&FailingSync);
    const std::string error = WriteTextFileAtomically(watched.string(), "new");
    EXPECT_NE(error.find("Input/output error"), std::string::npos) << error;
    EXPECT_EQ(Read(watched), "old");
    EXPECT_EQ(Names(), names);

    sync_events.clear();
    SetDiskSync(&RecordingSync);
    EXPECT_EQ(WriteTextFileAtomically(watched.string(), "new"), "");
    EXPECT_EQ(sync_events, c.events);
  }
}

}  // namespace
}  // namespace veltrisko
