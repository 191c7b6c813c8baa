#include "support/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

namespace velk::test {
namespace {

void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

// The packed rows, made before libpng runs so that the setjmp frame below
// holds nothing with a destructor.
struct Packed {
  std::vector<std::vector<png_byte>> rows;
  std::vector<png_bytep> pointers;
  std::vector<png_color> palette;
  png_color_16 key{};
};

Packed Pack(const PngContent& content) {
  Packed packed;
  const int channels = ChannelsOf(content.colour_type);
  const int samples_per_row = content.width * channels;
  const size_t row_bytes = (static_cast<size_t>(samples_per_row) * static_cast<size_t>(content.bit_depth) + 7) / 8;
  for (int y = 0; y < content.height; ++y) {
    std::vector<png_byte> row(row_bytes, 0);
    for (int i = 0; i < samples_per_row; ++i) {
      const uint16_t value = content.samples[static_cast<size_t>(y * samples_per_row + i)];
      if (content.bit_depth == 16) {
        row[static_cast<size_t>(i) * 2] = static_cast<png_byte>(value >> 8);
        row[static_cast<size_t>(i) * 2 + 1] = static_cast<png_byte>(value & 0xFF);
      } else if (content.bit_depth == 8) {
        row[static_cast<size_t>(i)] = static_cast<png_byte>(value);
      } else {
        const int per_byte = 8 / content.bit_depth;
        const int shift = 8 - content.bit_depth * (i % per_byte + 1);
        row[static_cast<size_t>(i / per_byte)] |= static_cast<png_byte>(value << shift);
      }
    }
    packed.rows.push_back(std::move(row));
  }
  for (auto& row : packed.rows) packed.pointers.push_back(row.data());
  for (size_t i = 0; i + 2 < content.palette.size(); i += 3)
    packed.palette.push_back({content.palette[i], content.palette[i + 1], content.palette[i + 2]});
  if (content.key.size() == 1) packed.key.gray = content.key[0];
  if (content.key.size() == 3) packed.key.red = content.key[0], packed.key.green = content.key[1], packed.key.blue = content.key[2];
  return packed;
}

// C style: libpng leaves by longjmp on an error.
bool Encode(std::FILE* file, const PngContent* content, Packed* packed) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(content->width), static_cast<png_uint_32>(content->height),
               content->bit_depth, content->colour_type, content->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!packed->palette.empty())
    png_set_PLTE(png, info, packed->palette.data(), static_cast<int>(packed->palette.size()));
  if (!content->palette_alpha.empty())
    png_set_tRNS(png, info, content->palette_alpha.data(), static_cast<int>(content->palette_alpha.size()), nullptr);
  else if (!content->key.empty())
    png_set_tRNS(png, info, nullptr, 0, &packed->key);
  png_set_rows(png, info, packed->pointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

int ChannelsOf(int colour_type) {
  switch (colour_type) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

bool WritePng(const std::string& path, const PngContent& content) {
  const size_t expected = static_cast<size_t>(content.width) * static_cast<size_t>(content.height) *
                          static_cast<size_t>(ChannelsOf(content.colour_type));
  if (content.samples.size() != expected) return false;
  Packed packed = Pack(content);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = Encode(file, &content, &packed);
  std::fclose(file);
  return written;
}

}  // namespace velk::test
