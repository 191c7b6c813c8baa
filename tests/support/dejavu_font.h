#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace velk::test {

// DejaVu Sans from fonts-dejavu-core, which the setup script installs: a
// real workstation font with Latin and Cyrillic letters.
inline constexpr const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

}  // namespace velk::test

// Skips the test, saying why, where DejaVu Sans is not installed.
#define VELK_SKIP_WITHOUT_DEJAVU()                   \
  if (!std::filesystem::is_regular_file(::velk::test::kDejaVuSans)) \
  GTEST_SKIP() << "DejaVu Sans is not at " << ::velk::test::kDejaVuSans << " (package fonts-dejavu-core)"
