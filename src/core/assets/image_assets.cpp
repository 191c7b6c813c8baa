#include "assets/image_assets.h"

#include <string>

#include "assets/make_preview.h"
#include "assets/png_reader.h"
#include "assets/project_file.h"
#include "emulation/device_image.h"
#include "model/project.h"
#include "package/package_list.h"
#include "script/lexical.h"

namespace velk {
namespace {

// The picture of a named file, or false with a log line naming the file.
bool ReadPicture(Project& project, std::string_view name, Picture& picture) {
  std::string reason;
  if (ReadPngPicture(ProjectFilePath(project.folder, name), kMaxDeviceImageSide, picture, reason)) return true;
  project.log.AppendLog("Image not loaded: " + std::string(name) + ": " + reason);
  return false;
}

// A device image of the picture, or nothing (and the system's log line)
// when its memory cannot be had.
std::shared_ptr<DeviceImage> MakeDeviceImage(Project& project, const Picture& picture) {
  std::shared_ptr<DeviceImage> image = AllocateDeviceImage(picture.width, picture.height);
  if (!image || !ConvertToDeviceImage(picture, image->Words())) {
    project.log.AppendLog("Allocation error 1.");
    return nullptr;
  }
  return image;
}

}  // namespace

bool ConvertToDeviceImage(const Picture& picture, std::span<uint32_t> target) {
  const int width = picture.width;
  const int height = picture.height;
  if (width < 0 || height < 0 || width > kMaxDeviceImageSide || height > kMaxDeviceImageSide) return false;
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  if (target.size() < count + 1 || picture.rgb.size() < count * 3 || picture.alpha.size() < count) return false;
  target[0] = DeviceImageHeader(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
  const uint8_t* rgb = picture.rgb.data();
  for (size_t i = 0; i < count; ++i, rgb += 3)
    target[i + 1] = uint32_t{picture.alpha[i]} << 24 | uint32_t{rgb[2]} << 16 | uint32_t{rgb[1]} << 8 | rgb[0];
  return true;
}

std::shared_ptr<const DeviceImage> LoadImageAsset(Project& project, std::string_view file_name) {
  const std::string_view name = UnquotedName(file_name);
  if (project.images.entries.size() >= kImageSlots) {
    project.log.AppendLog("Image not loaded: " + std::string(name) + ": the image library holds " +
                          std::to_string(kImageSlots) + " images");
    return nullptr;
  }
  ImageEntry entry;
  entry.file_name = name;
  if (!ReadPicture(project, name, entry.picture)) {
    // The entry stays, without a picture, so that a save writes the
    // declaration back and the images after it keep their numbers; the
    // package list names the file, so a package cannot silently lack it.
    project.images.entries.push_back(std::move(entry));
    AddPackageFile(project, name);
    return nullptr;
  }
  MakePreview(entry.picture, entry.preview);
  std::shared_ptr<DeviceImage> device = MakeDeviceImage(project, entry.picture);
  if (!device) return nullptr;
  project.device_memory += static_cast<uint32_t>(entry.picture.width) * static_cast<uint32_t>(entry.picture.height) * 4u;
  entry.device = device;
  project.images.entries.push_back(std::move(entry));
  AddPackageFile(project, name);
  return device;
}

std::shared_ptr<const DeviceImage> ReplaceImageAsset(Project& project, std::string_view file_name, size_t entry) {
  const std::string_view name = UnquotedName(file_name);
  if (entry >= project.images.entries.size()) {
    project.log.AppendLog("Image not loaded: " + std::string(name) + ": there is no image " + std::to_string(entry + 1));
    return nullptr;
  }
  Picture picture;
  if (!ReadPicture(project, name, picture)) return nullptr;
  ImageEntry& target = project.images.entries[entry];
  target.file_name = name;
  target.picture = std::move(picture);
  MakePreview(target.picture, target.preview);
  target.device.reset();  // the old device image goes before the new one is made
  std::shared_ptr<DeviceImage> device = MakeDeviceImage(project, target.picture);
  target.device = device;
  return device;
}

}  // namespace velk
