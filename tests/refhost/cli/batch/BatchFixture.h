#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/PluginModule.h"

// Models in a folder of their own, for batches to merge into another.
class BatchTest : public ::testing::Test {
 protected:
  // The small patch copied under `name`, with its material library beside it.
  std::string GoodModel(const std::string& name) {
    const std::filesystem::path patch = PatchModelPath();
    std::filesystem::copy_file(patch.parent_path() / "patch.mtl", models / "patch.mtl",
                               std::filesystem::copy_options::skip_existing);
    std::filesystem::copy_file(patch, models / name);
    return (models / name).string();
  }

  std::string BadModel(const std::string& name) {
    TempDir::Write(models / name, "o body\nv 1 x 3\n");
    return (models / name).string();
  }

  static std::string Run(const std::vector<std::string>& models, const std::string& options) {
    std::string arguments = "run " + ShellWord(ModuleFile("Blendforge"));
    for (const std::string& model : models) arguments += " " + ShellWord(model);
    return arguments + " " + options;
  }

  static std::string Into(const std::filesystem::path& folder) {
    return "--output-dir " + ShellWord(folder.string());
  }

  static constexpr const char* kAnswers =
      "--list 1=elem:smile-body --list 2=elem:blink-body --spin 1=50 --spin 2=150 "
      "--edit 2=elem:mix-body --press OK";

  TempDir folder;
  std::filesystem::path models = folder / "models";
  std::filesystem::path merged = folder / "merged";

  void SetUp() override { std::filesystem::create_directories(models); }
};
