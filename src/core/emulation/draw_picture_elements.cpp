#include "emulation/draw_picture_elements.h"

#include "emulation/draw_image.h"
#include "emulation/draw_image_picture.h"
#include "emulation/element_sources.h"
#include "model/project.h"

namespace velk {

void DrawImageElement(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
                      const ImageParams& params) {
  const DeviceImage* image = SlotImage(project, params.image);
  if (!image) return;
  DrawImagePicture(frame, project.images, element.x, element.y, image);
}

void DrawPictogram(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
                   const PictogramParams& params) {
  const DeviceImage* image = SlotImage(project, params.image);
  const uint32_t* colour = PaletteColour(project, params.colour);
  if (!image || !colour) return;
  DrawImageRecoloured(frame, element.x, element.y, image, *colour);
}

}  // namespace velk
