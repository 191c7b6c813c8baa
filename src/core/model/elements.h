#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/link.h"

namespace velk {

// Element kind codes. Codes 0, 4 and 7 are placeholders that no element uses.
enum ElementKind : uint32_t {
  kKindBarL = 1,
  kKindText = 2,
  kKindDigt = 3,
  kKindImage = 5,
  kKindPictogram = 6,
  kKindArrow = 8,
  kKindRectangle = 9,
  kKindTicks = 10,
  kKindBarS = 11,
  kKindBarT = 12,
  kKindGroup = 13,
};

// The keyword of each kind code, indexed by the code.
inline constexpr std::array<std::string_view, 14> kElementKeywords = {
    "GR_No", "BAR_L",     "TEXT",  "DIGT",  "GR_No1", "IMAGE", "PICTOGRAM",
    "GR_No2", "ARROW",    "RECTANGLE", "TICKS", "BAR_S", "BAR_T", "GROUP"};

// Field limits in bytes, terminator excluded.
inline constexpr size_t kMaxNameBytes = 63;       // @names, ENABLE and INPUT names
inline constexpr size_t kMaxTextBytes = 199;      // TEXT contents
inline constexpr size_t kMaxGroupNameBytes = 99;  // group record names

// Parameter records, one per kind, fields in the order of the model.
// Library numbers (IMAGE, FONT, COLOUR ...) are 0-based here.
struct RectangleParams {
  int32_t w = 0;
  int32_t h = 0;
  uint8_t style = 0;  // 0 SOLID, 1 V_SHADE, 2 H_SHADE
  int32_t colour1 = 0;
  int32_t colour2 = 0;
};

struct PictogramParams {
  int32_t image = 0;
  int32_t colour = 0;
};

struct ImageParams {
  int32_t image = 0;
};

struct TextParams {
  int32_t alignment = 0;  // 0 R, 1 L, 2 C
  int32_t colour = 0;
  int32_t font = 0;
  std::string text;  // UTF-8 bytes, at most kMaxTextBytes
};

struct DigtParams {
  std::string input_name;
  int32_t alignment = 0;
  int32_t colour = 0;
  int32_t font = 0;
  Link input;
  uint8_t format = 0;  // 0 (NUMERIC) ... 5 (MIN:SEC:MS)
  uint8_t dps = 0;
};

struct BarLParams {
  std::string input_name;
  int32_t type = 0;  // 0 H, 1 V
  int32_t image1 = 0;
  int32_t image2 = 0;
  int32_t colour1 = 0;
  int32_t colour2 = 0;
  float first_input = 0;
  float last_input = 0;
  Link input;
  uint8_t recolour = 0;
};

struct BarSParams {
  std::string input_name;
  int32_t w = 0;
  int32_t h = 0;
  uint8_t type = 0;  // 0 H, 1 V, 2 C
  int32_t colour1 = 0;
  int32_t colour2 = 0;
  float first_input = 0;
  float last_input = 0;
  Link input;
  float first_angle = 0;
  float last_angle = 0;
  uint32_t spare = 0;
};

struct BarTParams {
  std::string input_name;
  int32_t length = 0;
  uint8_t type = 0;  // 0 H, 1 V
  int32_t image = 0;
  int32_t colour = -1;
  float first_input = 0;
  float last_input = 0;
  Link input;
  uint8_t recolour = 0;
};

struct ArrowParams {
  std::string input_name;
  int32_t image = 0;
  int32_t colour = 0;
  float first_angle = 0;
  float last_angle = 0;
  float first_input = 0;
  float last_input = 0;
  int32_t xc = 0;
  int32_t yc = 0;
  Link input;
};

struct TicksParams {
  int32_t yc = 0;
  int32_t first_value = 0;
  int32_t last_value = 0;
  int32_t divider = 0;  // only the low 8 bits count
  int32_t image = 0;
  int32_t colour = 0;
  uint8_t type = 0;  // 0 H, 1 V, 2 C
  uint8_t recolour = 0;
};

// A GROUP entry's parameters: the number of its group record.
struct GroupRef {
  int32_t group = 0;
};

using ElementParams =
    std::variant<std::monostate, RectangleParams, PictogramParams, ImageParams, TextParams,
                 DigtParams, BarLParams, BarSParams, BarTParams, ArrowParams, TicksParams,
                 GroupRef>;

// One graphic element of a page. The drawing routine follows from `kind`.
struct Struct_gr_element {
  std::string enable_name;
  Link enable;
  uint8_t page = 1;
  uint32_t kind = 0;
  uint8_t group_number = 0;
  int32_t x = 0;
  int32_t y = 0;
  ElementParams params;
  std::string group;    // group name as written (UTF-8 bytes)
  std::string comment;  // the element's name in the element list
  std::array<int32_t, 5> drawn_bounds{};
};

inline constexpr size_t kPageCount = 10;
inline constexpr size_t kMaxElements = 1000;

// One page: its elements in list order, never more than kMaxElements.
struct Page_Def {
  std::vector<Struct_gr_element> elements;

  size_t count() const { return elements.size(); }
};

inline constexpr size_t kGroupRecords = 100;  // record 0 is never used

struct GroupRecord {
  int32_t page = 0;
  uint8_t expanded = 0;
  int32_t number = 0;
  std::string name;  // UTF-8 bytes, at most kMaxGroupNameBytes
};

}  // namespace velk
