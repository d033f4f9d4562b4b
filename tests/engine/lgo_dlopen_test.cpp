// The shared library loaded as a front end loads it: by name, calling LGO alone.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;
using LgoFunction = std::int32_t (*)(std::int32_t);

class SharedLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(TORVA_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    lgo_ = reinterpret_cast<LgoFunction>(dlsym(handle_, "LGO"));
    ASSERT_NE(lgo_, nullptr);
  }
  void TearDown() override {
    if (handle_ != nullptr) dlclose(handle_);
  }
  int call_in(const RunFolder& folder, int version) {
    const fs::path saved = fs::current_path();
    fs::current_path(folder.path());
    const int code = lgo_(version);
    fs::current_path(saved);
    return code;
  }

  void* handle_ = nullptr;
  LgoFunction lgo_ = nullptr;
};

TEST_F(SharedLibrary, WrongInterfaceVersionTouchesNothing) {
  RunFolder folder;
  folder.write_names();
  EXPECT_EQ(call_in(folder, 7000), 99);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 1);
}

TEST_F(SharedLibrary, MissingControlFileIsRuntimeError2) {
  RunFolder folder;
  EXPECT_EQ(call_in(folder, 7001), 202);
  EXPECT_TRUE(contains_line(read_lines(folder.file("fort.8")),
                            "Contents of file NAMES.DAT is corrupted."));
}

TEST_F(SharedLibrary, MinimalFileRunsTwiceAlike) {
  RunFolder folder;
  folder.write("input.tp7", "TORVAP7\n" + options_section() + smallest_model() + "END\n");
  folder.write_names();
  ASSERT_EQ(call_in(folder, 7001), 0);
  const auto first_plot = folder.plot();
  const auto first_messages = folder.messages();
  ASSERT_EQ(call_in(folder, 7001), 0);
  EXPECT_EQ(folder.plot(), first_plot);
  EXPECT_EQ(folder.messages(), first_messages);
  EXPECT_TRUE(contains_line(folder.report(), "The analysis ended normally. "));
}

}  // namespace
}  // namespace torva::testing
