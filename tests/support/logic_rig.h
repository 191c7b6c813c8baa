#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "emulation/logic_cycle.h"
#include "model/project.h"
#include "script/parse_statement.h"
#include "script/references.h"

namespace velk::test {

// A project with a logic program, its inputs set by name and its cycles run
// at chosen clock values.
struct LogicRig {
  std::unique_ptr<Project> project = std::make_unique<Project>();

  void Load(const std::vector<std::string>& statements) {
    for (const std::string& statement : statements) ASSERT_EQ(ParseStatement(*project, statement), 0) << statement;
  }
  void SetFlag(const std::string& name, uint8_t value) { *project->Digital(ResolveDigital(*project, name)) = value; }
  void SetValue(const std::string& name, float value) { *project->Analogue(ResolveAnalogue(*project, name)) = value; }
  uint8_t Flag(const std::string& name) const { return *project->Digital(ResolveDigital(*project, name)); }
  float Value(const std::string& name) const { return *project->Analogue(ResolveAnalogue(*project, name)); }
  void Cycle(uint32_t clock) {
    project->clock_ms = clock;
    RunLogicCycle(*project);
  }
};

}  // namespace velk::test
