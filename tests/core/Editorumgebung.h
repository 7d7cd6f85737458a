// A test's own data folder seeded with the shipped files, a document over it with a fixed
// random source, and an editor with scripted dialogs.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "SkriptDialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Datenordner.h"

namespace trm::test {

class Editorumgebung : public ::testing::Test {
 protected:
  void SetUp() override {
    ordner = std::filesystem::temp_directory_path() /
             ("trm_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(ordner);
    ASSERT_TRUE(DatenordnerEinrichten(ordner.string(), TRM_QUELLDATEN));
    dok = std::make_unique<Dokument>(dialoge, ordner.string(), std::make_shared<MersenneZufall>(zufall));
    ed = std::make_unique<Editor>(*dok, dialoge);
  }
  void TearDown() override { std::filesystem::remove_all(ordner); }

  std::uint32_t zufall = 3;
  std::filesystem::path ordner;
  SkriptDialoge dialoge;
  std::unique_ptr<Dokument> dok;
  std::unique_ptr<Editor> ed;
};

}  // namespace trm::test
