#include "model/log.h"

namespace velk {

void Log::AppendLog(std::string_view line) {
  Observer observer;
  {
    std::lock_guard lock(mutex_);
    lines_.emplace_back(line);
    observer = observer_;
  }
  // Called outside the lock so that an observer may read the log.
  if (observer) observer(std::string(line));
}

std::vector<std::string> Log::Lines(size_t first) const {
  std::lock_guard lock(mutex_);
  if (first >= lines_.size()) return {};
  return {lines_.begin() + static_cast<std::ptrdiff_t>(first), lines_.end()};
}

size_t Log::Size() const {
  std::lock_guard lock(mutex_);
  return lines_.size();
}

void Log::SetObserver(Observer observer) {
  std::lock_guard lock(mutex_);
  observer_ = std::move(observer);
}

}  // namespace velk
