#include "qtfont/qt_glyph_rasterizer.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdint>

namespace velk {
namespace {

// Pixel sizes and cell heights are nearly proportional, so a proportional
// first guess is at most a few steps from the answer.
constexpr int kMaxFitSteps = 16;

int CellAt(QFont font, int pixel_size) {
  font.setPixelSize(pixel_size);
  const QFontMetrics metrics(font);
  return metrics.ascent() + metrics.descent();
}

QString Text(char32_t character) { return QString::fromUcs4(&character, 1); }

}  // namespace

QtGlyphRasterizer::QtGlyphRasterizer(const QFont& font) : base_(font) {
  // The generator reads one channel of the rendering: the grey levels must
  // be the same in all three, so no sub-pixel anti-aliasing.
  base_.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
}

const QFont& QtGlyphRasterizer::FontForCell(int cell_height) {
  if (cell_height == scaled_cell_) return scaled_;
  int size = std::max(cell_height, 1);
  const int cell = CellAt(base_, size);
  if (cell > 0) size = std::max(1, static_cast<int>(int64_t{cell_height} * size / cell));
  for (int step = 0; step < kMaxFitSteps && size > 1 && CellAt(base_, size) > cell_height; ++step) --size;
  for (int step = 0; step < kMaxFitSteps && CellAt(base_, size + 1) <= cell_height; ++step) ++size;
  scaled_ = base_;
  scaled_.setPixelSize(size);
  scaled_cell_ = cell_height;
  return scaled_;
}

int QtGlyphRasterizer::TextWidth(char32_t character, int cell_height) {
  return QFontMetrics(FontForCell(cell_height)).horizontalAdvance(Text(character));
}

void QtGlyphRasterizer::Draw(char32_t character, int cell_height, int x, GreyPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0) return;
  const QFont& font = FontForCell(cell_height);
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    // The pen's line is the baseline: the top of the cell lies one ascent above it.
    painter.drawText(QPoint(x, QFontMetrics(font).ascent()), Text(character));
  }
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int column = 0; column < picture.width; ++column) picture.At(column, y) = static_cast<uint8_t>(qRed(row[column]));
  }
}

}  // namespace velk
