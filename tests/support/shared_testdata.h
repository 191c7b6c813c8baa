#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace velk::test {

// The real DBC files nobody here wrote, read where they lie: ../shared/testdata/dbc.
inline std::filesystem::path SharedDbcFolder() { return std::filesystem::path(VELK_SHARED_TESTDATA) / "dbc"; }

inline std::string SharedDbcFile(const std::string& name) { return (SharedDbcFolder() / name).string(); }

inline constexpr const char* kRealDbcFiles[] = {"abs.dbc",       "gm_global_a_high_voltage_management.dbc",
                                               "gm_global_a_object.dbc", "psa_aee2010_r3.dbc",
                                               "tesla_can.dbc", "vehicle.dbc"};

}  // namespace velk::test

// Skips the test, saying why, where the shared test data is not checked out.
#define VELK_SKIP_WITHOUT_SHARED_DBC()                                                          \
  if (!std::filesystem::is_directory(::velk::test::SharedDbcFolder()))                          \
  GTEST_SKIP() << "the real DBC files are not at " << ::velk::test::SharedDbcFolder().string() \
               << " (../shared/testdata/dbc beside the project)"
