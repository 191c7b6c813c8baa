#pragma once

#include <cstdint>

namespace velk {

// A resolved input reference: the row of the table of input references
// (1..65, 0 = empty) and the instance (1..count). It is four bytes so that the
// clipboard can carry it as it is, and it stays meaningful across a clear of
// the model because it names a slot rather than pointing at one.
struct Link {
  uint16_t row = 0;
  uint16_t instance = 0;

  bool Empty() const { return row == 0; }
  friend bool operator==(Link, Link) = default;
};
static_assert(sizeof(Link) == 4);

// A reference to the reply buffer of a request block: the row of the request
// block table (1..3, 0 = empty) and the instance.
struct RequestLink {
  uint16_t row = 0;
  uint16_t instance = 0;

  bool Empty() const { return row == 0; }
  friend bool operator==(RequestLink, RequestLink) = default;
};
static_assert(sizeof(RequestLink) == 4);

}  // namespace velk
