#pragma once

#include <QFont>

#include "assets/glyph_rasterizer.h"

namespace velk {

// The font generator's rasterizer on a workstation font: the QFont scaled so
// that its cell (ascent plus descent) is as tall as asked, measured with
// QFontMetrics and drawn with QPainter on a QImage in grey anti-aliasing.
// Qt needs a QGuiApplication for it; without a display the offscreen
// platform serves.
class QtGlyphRasterizer final : public GlyphRasterizer {
 public:
  // The family, weight and style of `font` are kept; its size is not used.
  explicit QtGlyphRasterizer(const QFont& font);

  int TextWidth(char32_t character, int cell_height) override;
  void Draw(char32_t character, int cell_height, int x, GreyPicture& picture) override;

 private:
  // The font at the largest pixel size whose cell fits `cell_height`; the
  // generator asks for one height many times, so the last one is kept.
  const QFont& FontForCell(int cell_height);

  QFont base_;
  QFont scaled_;
  int scaled_cell_ = 0;
};

}  // namespace velk
