#include "assets/png_reader.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace velk {
namespace {

// What libpng's callbacks leave for the decoder.
struct PngError {
  char message[256];
  char warning[96];  // the last warning: libpng often says what is wrong there
};

// Called by libpng on a fatal error; it must not return, so it jumps back to
// the decoder's setjmp. A bad header, for one, is "Invalid IHDR data" after a
// warning that names the field, so the last warning goes with the message.
void OnPngError(png_structp png, png_const_charp message) {
  auto* error = static_cast<PngError*>(png_get_error_ptr(png));
  const char* text = message ? message : "PNG error";
  if (error->warning[0]) std::snprintf(error->message, sizeof error->message, "%s (%s)", text, error->warning);
  else std::snprintf(error->message, sizeof error->message, "%s", text);
  png_longjmp(png, 1);
}

// Warnings (unknown or damaged ancillary chunks) do not stop a load.
void OnPngWarning(png_structp png, png_const_charp message) {
  auto* error = static_cast<PngError*>(png_get_error_ptr(png));
  std::snprintf(error->warning, sizeof error->warning, "%s", message ? message : "");
}

// Reads for libpng; a short read is an error that says what happened.
void ReadFromFile(png_structp png, png_bytep data, size_t length) {
  auto* file = static_cast<std::FILE*>(png_get_io_ptr(png));
  if (std::fread(data, 1, length, file) != length) png_error(png, "the file ends early or cannot be read");
}

// The decoded image, in memory that the decoder owns until it returns.
struct Rgba {
  png_uint_32 width;
  png_uint_32 height;
  unsigned char* pixels;  // width * height * 4 bytes, R G B A, malloc'd
  png_bytep* rows;        // malloc'd, only while decoding
};

enum DecodeResult { kDecoded, kFailed };

void SetReason(PngError* error, const char* text) { std::snprintf(error->message, sizeof error->message, "%s", text); }

// Decodes `file` into 8-bit RGBA. libpng reports errors by a longjmp back into
// this frame, which would skip C++ destructors: so the function is written in
// plain C style, holds nothing with a destructor, and keeps every value that
// changes after setjmp in *out (not in locals), freeing it on either path.
int DecodeRgba(std::FILE* file, png_uint_32 max_side, Rgba* out, PngError* error) {
  out->pixels = nullptr;
  out->rows = nullptr;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, error, OnPngError, OnPngWarning);
  if (!png) {
    SetReason(error, "out of memory");
    return kFailed;
  }
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    SetReason(error, "out of memory");
    return kFailed;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::free(out->rows);
    std::free(out->pixels);
    out->rows = nullptr;
    out->pixels = nullptr;
    return kFailed;
  }

  png_set_read_fn(png, file, ReadFromFile);
  png_read_info(png, info);
  out->width = png_get_image_width(png, info);
  out->height = png_get_image_height(png, info);
  if (out->width > max_side || out->height > max_side) {
    std::snprintf(error->message, sizeof error->message, "%lux%lu pixels, wider or higher than %lu",
                  static_cast<unsigned long>(out->width), static_cast<unsigned long>(out->height),
                  static_cast<unsigned long>(max_side));
    png_destroy_read_struct(&png, &info, nullptr);
    return kFailed;
  }

  const int colour_type = png_get_color_type(png, info);
  const int bit_depth = png_get_bit_depth(png, info);
  const bool keyed = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (bit_depth == 16) png_set_strip_16(png);
  if (colour_type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colour_type == PNG_COLOR_TYPE_GRAY && bit_depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (keyed) png_set_tRNS_to_alpha(png);
  if (colour_type == PNG_COLOR_TYPE_GRAY || colour_type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if ((colour_type & PNG_COLOR_MASK_ALPHA) == 0 && !keyed) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(out->width) * 4) png_error(png, "unexpected row layout");

  const size_t row_bytes = static_cast<size_t>(out->width) * 4;
  out->pixels = static_cast<unsigned char*>(std::malloc(row_bytes * out->height));
  out->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * out->height));
  if (!out->pixels || !out->rows) png_error(png, "out of memory");
  for (png_uint_32 row = 0; row < out->height; ++row) out->rows[row] = out->pixels + row * row_bytes;
  png_read_image(png, out->rows);
  png_read_end(png, nullptr);

  png_destroy_read_struct(&png, &info, nullptr);
  std::free(out->rows);
  out->rows = nullptr;
  return kDecoded;
}

}  // namespace

bool ReadPngPicture(const std::string& path, int max_side, Picture& picture, std::string& reason) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    reason = "the file cannot be opened";
    return false;
  }
  Rgba rgba{};
  PngError error{};
  const int result = DecodeRgba(file, static_cast<png_uint_32>(max_side < 0 ? 0 : max_side), &rgba, &error);
  std::fclose(file);
  if (result != kDecoded) {
    reason = error.message;
    return false;
  }

  const size_t count = static_cast<size_t>(rgba.width) * rgba.height;
  picture.width = static_cast<int>(rgba.width);
  picture.height = static_cast<int>(rgba.height);
  picture.rgb.resize(count * 3);
  picture.alpha.resize(count);
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(&picture.rgb[i * 3], rgba.pixels + i * 4, 3);
    picture.alpha[i] = rgba.pixels[i * 4 + 3];
  }
  std::free(rgba.pixels);
  return true;
}

}  // namespace velk
