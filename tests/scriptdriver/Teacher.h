#pragma once
// What the teacher's actions (Driver.h, --teacher) keep of the class being run.
#include <cstdint>
#include <vector>

#include "tests/scriptdriver/Inputs.h"
#include "tests/support/ScriptedModalHost.h"

namespace script {

struct TeacherState {
  explicit TeacherState(std::uint32_t seed) : random(seed ^ 0x7eac4e25u) {}
  InputRandom random;
  bool on = true;             // "teacher off" leaves the class as the script has it
  bool pausedMidRun = false;  // the mid-run actions were made in this class
  int runs = 0;               // runs the class's script made
  long lastRunLines = 0;      // the length of the class's last run, 0 before the first
  long pauseAt = 0;           // the line of the run being made to pause at; 0: none
  bool pausing = false;       // the teacher pressed 暂停 in the run being made
  bool secondRun = false;     // the run made again after the class is being made
  std::vector<modal::ScriptedHost::Taken> answers;  // what the class's runs answered
};

}  // namespace script
