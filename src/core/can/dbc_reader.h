#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velk {

// A BO_ line that was read.
struct DbcMessage {
  uint32_t id = 0;        // the frame identifier, without the extended marker bit
  bool extended = false;  // "EXT" in the line, or bit 31 of the written identifier
  std::string name;       // up to 99 bytes
  uint8_t dlc = 0;
};

// An SG_ line that was read. Scale and offset are kept as written, in double
// precision, so that the import can find the integer ratio a scale stands for.
struct DbcSignal {
  size_t message = 0;  // index into DbcDatabase::messages
  uint32_t message_id = 0;
  bool extended = false;
  std::string name;  // the signal's name, without its multiplexing marker; up to 99 bytes
  uint16_t start_bit = 0;
  uint16_t length = 0;
  char byte_order = 0;  // '1' Intel (least significant byte first), '0' Motorola
  char sign = 0;        // '+' unsigned, '-' signed
  double scale = 0;
  double offset = 0;
  float minimum = 0;
  float maximum = 0;
  std::string unit;      // up to 49 bytes, unused
  std::string receiver;  // up to 99 bytes, unused
  bool multiplexor = false;   // marked " M"
  bool multiplexed = false;   // marked " mN"
  bool nested_multiplexor = false;  // marked " mNM": a multiplexor that is itself multiplexed
  uint32_t multiplexer_value = 0;
};

inline constexpr size_t kMaxDbcSignals = 1000;

struct DbcDatabase {
  std::vector<DbcMessage> messages;
  std::vector<DbcSignal> signals;  // file order, at most kMaxDbcSignals
};

// Reads the messages and signals of a DBC text. Every line that cannot be
// used is reported on `diagnostics` and skipped.
DbcDatabase ReadDbc(std::istream& in, std::ostream& diagnostics);

// The same for a file; nullopt, after "Failed to open file: " and the
// system's reason, when it does not open.
std::optional<DbcDatabase> ReadDbcFile(const std::string& path, std::ostream& diagnostics);

}  // namespace velk
