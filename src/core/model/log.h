#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// The project-wide list of log lines. The loader and the library code append
// from the user-interface thread, the render thread may append too, and the
// Log window reads; so every access takes the lock.
class Log {
 public:
  using Observer = std::function<void(const std::string& line)>;

  void AppendLog(std::string_view line);
  // Lines from index `first` on, copied under the lock.
  std::vector<std::string> Lines(size_t first = 0) const;
  size_t Size() const;
  // The observer is called after each append, on the appending thread.
  void SetObserver(Observer observer);

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
  Observer observer_;
};

}  // namespace velk
