#include "assets/png_writer.h"

#include <png.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace velk {
namespace {

struct PngSink {
  std::FILE* file;
  char message[256];
};

// Called by libpng on a fatal error; it must not return.
void OnPngError(png_structp png, png_const_charp message) {
  auto* sink = static_cast<PngSink*>(png_get_error_ptr(png));
  std::snprintf(sink->message, sizeof sink->message, "%s", message ? message : "PNG error");
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void WriteToFile(png_structp png, png_bytep data, size_t length) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  if (std::fwrite(data, 1, length, sink->file) != length) png_error(png, std::strerror(errno));
}

void FlushFile(png_structp png) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  if (std::fflush(sink->file) != 0) png_error(png, std::strerror(errno));
}

// libpng reports errors by a longjmp back into this frame, which would skip
// C++ destructors: the rows are made by the caller, and nothing here has one.
bool Encode(PngSink* sink, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, sink, OnPngError, OnPngWarning);
  if (!png) {
    std::snprintf(sink->message, sizeof sink->message, "out of memory");
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    std::snprintf(sink->message, sizeof sink->message, "out of memory");
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, sink, WriteToFile, FlushFile);
  png_set_IHDR(png, info, kScreenWidth, kScreenHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rows);
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WriteFramePng(const FrameBuffer& frame, const std::string& path, std::string& reason) {
  // Frame words are 0xFFRRGGBB.
  std::vector<png_byte> rgb(static_cast<size_t>(kScreenWidth) * kScreenHeight * 3);
  std::vector<png_bytep> rows(kScreenHeight);
  for (int y = 0; y < kScreenHeight; ++y) {
    png_bytep row = rgb.data() + static_cast<size_t>(y) * kScreenWidth * 3;
    rows[static_cast<size_t>(y)] = row;
    const uint32_t* pixel = frame.Row(y);
    for (int x = 0; x < kScreenWidth; ++x, row += 3) {
      row[0] = static_cast<png_byte>(pixel[x] >> 16);
      row[1] = static_cast<png_byte>(pixel[x] >> 8);
      row[2] = static_cast<png_byte>(pixel[x]);
    }
  }

  const std::string temporary = path + ".writing-" + std::to_string(getpid());
  PngSink sink{std::fopen(temporary.c_str(), "wb"), {}};
  if (!sink.file) {
    reason = "cannot create " + temporary + ": " + std::strerror(errno);
    return false;
  }
  const bool encoded = Encode(&sink, rows.data());
  const bool closed = std::fclose(sink.file) == 0;
  if (!encoded || !closed) {
    reason = "cannot write " + path + ": " + (encoded ? std::strerror(errno) : sink.message);
    std::remove(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    reason = "cannot replace " + path + ": " + std::strerror(errno);
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace velk
