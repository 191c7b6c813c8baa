#pragma once

#include <memory>
#include <string>

namespace velk {
struct Project;
}

namespace velk::cli {

// A project whose message boxes are printed on stderr, as the program would
// show them.
std::unique_ptr<Project> NewProject();

// "1" or "2" of a --bus option as the bus index (0 for CAN1, 1 for CAN2);
// false for any other text.
bool ParseBusOption(const std::string& text, size_t& bus);

// Opens a script as the program's Open does, for the commands that work on
// its logic text whatever the load's verdict; nullptr, after
// "SCRIPT: нет файла" on stderr, when the file cannot be read.
std::unique_ptr<Project> OpenScriptForText(const std::string& script);

}  // namespace velk::cli
