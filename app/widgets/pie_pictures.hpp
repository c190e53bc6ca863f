// The pie pictures of won and lost games, shared by "Game won" and the statistics windows.
#pragma once

#include <QImage>
#include <QPixmap>
#include <filesystem>
#include <string>

namespace quilloro {

// The pie pictures show the larger share in red with a maroon rim; for a
// larger won share red and green, maroon and dark green change places.
QImage exchangePieColours(const QImage& picture);
// The named pie picture from the Resources folder (drawn here when it is
// missing), exchanged when asked, silver made transparent.
QPixmap piePicture(const std::filesystem::path& pictureDirectory, const std::string& name, bool exchange);

}  // namespace quilloro
