#pragma once

#include <string_view>

namespace velk {

// Where the few message boxes that core paths raise go: the program shows
// them in a box, the headless tool prints them on stderr.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void Inform(std::string_view text) = 0;
};

}  // namespace velk
