#ifndef CURVESMITH_TESTS_CLI_FOLDER_TEST_H_
#define CURVESMITH_TESTS_CLI_FOLDER_TEST_H_

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace curvesmith::testing {

// A fixture with a fresh, empty folder for the files of one test, of this
// process alone (other builds may run the same tests at the same time).
class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("curvesmith_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
               std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
};

}  // namespace curvesmith::testing

#endif  // CURVESMITH_TESTS_CLI_FOLDER_TEST_H_
