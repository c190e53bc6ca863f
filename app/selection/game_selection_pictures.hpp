// The pictures of the game selection dialogs: tree icons, the description
// meters, the catalogue's title and the preview; the pies of "Game won" come from app/widgets.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <filesystem>
#include <string>

#include "app/widgets/pie_pictures.hpp"

namespace quilloro {

// The 21 tree images in their fixed order: folder, open folder, three spare
// marks, "Selected games" closed and open, "Favorite games" closed and open,
// "Folders list" closed and open, then one game image per category.
inline constexpr int kTreeImageCount = 21;
QPixmap treeImage(int index);

// The meters beside the description texts.
enum class Meter { Difficulty, Chance, GameTime };
// Nothing (a null pixmap) for a level the meter does not have.
QPixmap meterPicture(Meter meter, int level);

// Shown for a folder node: the program's name and the hint on silver.
QPixmap catalogueTitlePicture(QSize size, const QString& hint);

// The preview area's background: 256 bands from green (intensity 128) at the
// top to black at the bottom.
QImage previewBackground(QSize size);
// "GAME" + index in four digits + ".bmp" from the Images folder with the
// colour of its top-left pixel transparent; a null image when it is missing.
QImage loadPreviewPicture(const std::filesystem::path& pictureDirectory, int gameIndex);

}  // namespace quilloro
