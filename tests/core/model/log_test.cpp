#include "model/log.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace velk {
namespace {

TEST(Log, KeepsLinesInOrderAndReadsFromAnIndex) {
  Log log;
  log.AppendLog("first");
  log.AppendLog("second");
  log.AppendLog("third");
  EXPECT_EQ(log.Size(), 3u);
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"first", "second", "third"}));
  EXPECT_EQ(log.Lines(1), (std::vector<std::string>{"second", "third"}));
  EXPECT_TRUE(log.Lines(7).empty());
}

TEST(Log, ObserverSeesEachLineAndMayReadTheLog) {
  Log log;
  std::vector<std::string> seen;
  size_t size_seen = 0;
  log.SetObserver([&](const std::string& line) {
    seen.push_back(line);
    size_seen = log.Size();
  });
  log.AppendLog("a");
  log.AppendLog("b");
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(size_seen, 2u);
}

TEST(Log, AppendsFromTwoThreadsLoseNothing) {
  Log log;
  constexpr int kLines = 5000;
  auto append = [&](char tag) {
    for (int i = 0; i < kLines; ++i) log.AppendLog(std::string(1, tag) + std::to_string(i));
  };
  std::thread other(append, 'r');
  append('u');
  other.join();
  ASSERT_EQ(log.Size(), 2u * kLines);
  // Each thread's own lines keep their order.
  int next_u = 0, next_r = 0;
  for (const std::string& line : log.Lines()) {
    int& next = line[0] == 'u' ? next_u : next_r;
    EXPECT_EQ(line.substr(1), std::to_string(next));
    ++next;
  }
}

}  // namespace
}  // namespace velk
