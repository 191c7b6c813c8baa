#include "assets/device_font.h"

#include <algorithm>

namespace velk {
namespace {

constexpr uint64_t kHeaderBytes = 8;
constexpr uint64_t kRangeBytes = 8;
constexpr uint64_t kRecordBytes = 16;
constexpr int32_t kDigitZero = '0';
constexpr int32_t kDigitNine = '9';

uint32_t Little32(const std::vector<uint8_t>& bytes, size_t at) {
  return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
         uint32_t{bytes[at + 3]} << 24;
}

uint16_t Little16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint64_t BitmapBytes(uint16_t width, uint16_t height) { return uint64_t{height} * ((uint64_t{width} + 1) / 2); }

}  // namespace

GlyphRecord DeviceFont::RecordAt(size_t at) const {
  GlyphRecord record;
  record.width = Little16(bytes_, at);
  record.height = Little16(bytes_, at + 2);
  record.x_pos = static_cast<int16_t>(Little16(bytes_, at + 4));
  record.y_pos = static_cast<int16_t>(Little16(bytes_, at + 6));
  record.cursor_dist = Little16(bytes_, at + 8);
  record.bitmap = Little32(bytes_, at + 12);
  return record;
}

GlyphRecord DeviceFont::Glyph(const FontRange& range, int32_t code) const {
  return RecordAt(range.table + static_cast<size_t>(code - range.first) * kRecordBytes);
}

const FontRange* DeviceFont::RangeOf(int32_t code) const {
  if (code <= 0) return nullptr;
  for (const FontRange& range : ranges_)
    if (range.first <= code && code <= range.last) return &range;
  return nullptr;
}

std::shared_ptr<const DeviceFont> DeviceFont::FromBytes(std::vector<uint8_t> bytes, std::string& reason) {
  const uint64_t size = bytes.size();
  if (size > kMaxFontFileBytes) {
    reason = "larger than " + std::to_string(kMaxFontFileBytes >> 20) + " MiB";
    return nullptr;
  }
  if (size < kHeaderBytes) {
    reason = "shorter than the 8-byte font header";
    return nullptr;
  }
  const uint64_t range_count = Little32(bytes, 4);
  if (kHeaderBytes + range_count * kRangeBytes > size) {
    reason = "the table of " + std::to_string(range_count) + " ranges runs past the end of the file";
    return nullptr;
  }

  std::shared_ptr<DeviceFont> font(new DeviceFont);
  font->ranges_.reserve(static_cast<size_t>(range_count));
  // Sound glyph tables do not share records, so together they fit in the
  // file; that also bounds the checking below by the file size.
  uint64_t records_claimed = 0;
  for (uint64_t k = 0; k < range_count; ++k) {
    const auto at = static_cast<size_t>(kHeaderBytes + k * kRangeBytes);
    FontRange range;
    range.first = Little16(bytes, at);
    range.last = Little16(bytes, at + 2);
    range.table = Little32(bytes, at + 4);
    const std::string which = "range " + std::to_string(k + 1) + " (" + std::to_string(range.first) + "-" +
                              std::to_string(range.last) + ")";
    if (range.last < range.first) {
      reason = which + " ends before it begins";
      return nullptr;
    }
    const uint64_t glyphs = uint64_t{range.last} - range.first + 1;
    records_claimed += glyphs;
    if (uint64_t{range.table} + glyphs * kRecordBytes > size || records_claimed * kRecordBytes > size) {
      reason = "the glyph table of " + which + " runs past the end of the file";
      return nullptr;
    }
    for (uint64_t g = 0; g < glyphs; ++g) {
      const auto record_at = static_cast<size_t>(range.table + g * kRecordBytes);
      const uint16_t width = Little16(bytes, record_at);
      const uint16_t height = Little16(bytes, record_at + 2);
      const uint32_t bitmap = Little32(bytes, record_at + 12);
      if (uint64_t{bitmap} + BitmapBytes(width, height) > size) {
        reason = "the bitmap of character " + std::to_string(range.first + g) + " runs past the end of the file";
        return nullptr;
      }
    }
    // Tabular digits: a digit's advance is the widest of the ten records for
    // '0'..'9' counted from the range's first code, read even where the range
    // holds only some digits, so those records must lie in the file too.
    if (range.first <= kDigitNine && range.last >= kDigitZero) {
      const int64_t zero_at = int64_t{range.table} + (int64_t{kDigitZero} - range.first) * int64_t{kRecordBytes};
      const int64_t nine_end = zero_at + 10 * int64_t{kRecordBytes};
      if (zero_at < 0 || static_cast<uint64_t>(nine_end) > size) {
        reason = "the digit records of " + which + " lie outside the file";
        return nullptr;
      }
      for (int64_t d = 0; d < 10; ++d)
        range.digit_advance =
            std::max(range.digit_advance, Little16(bytes, static_cast<size_t>(zero_at + d * int64_t{kRecordBytes})));
    }
    font->ranges_.push_back(range);
  }
  font->bytes_ = std::move(bytes);
  return font;
}

}  // namespace velk
