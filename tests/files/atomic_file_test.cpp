// SPDX-License-Identifier: MIT
#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace veltrisko {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("atomic-file-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(AtomicFileTest, WritesNewFileAndReplacesOldOne) {
  const std::string path = (folder_ / "out.csv").string();
  ASSERT_EQ(WriteTextFileAtomically(path, "first\n"), "");
  ASSERT_EQ(WriteTextFileAtomically(path, "second\n"), "");
  EXPECT_EQ(Read(path), "second\n");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, FailedWriteKeepsOldFileAndLeavesNoTemporary) {
  const std::string path = (folder_ / "out.png").string();
  ASSERT_EQ(WriteTextFileAtomically(path, "old"), "");
  const std::string error = WriteFileAtomically(path, [](std::FILE* file) {
    std::fputs("half", file);
    return false;
  });
  EXPECT_NE(error.find("cannot write '" + path + "'"), std::string::npos) << error;
  EXPECT_EQ(Read(path), "old");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, ThrowingWriterKeepsOldFileAndLeavesNoTemporary) {
  const std::string path = (folder_ / "out.msi").string();
  ASSERT_EQ(WriteTextFileAtomically(path, "old"), "");
  EXPECT_THROW(WriteFileAtomically(path,
                                   [](std::FILE* file) -> bool {
                                     std::fputs("half", file);
                                     throw std::runtime_error("no more");
                                   }),
               std::runtime_error);
  EXPECT_EQ(Read(path), "old");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, MissingFolderIsReported) {
  const std::string path = (folder_ / "missing" / "out.csv").string();
  const std::string error = WriteTextFileAtomically(path, "x");
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace veltrisko
