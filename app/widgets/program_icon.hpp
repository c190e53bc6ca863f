// The program's icon for its windows, from the pictures the artwork generator drew.
#pragma once

#include <QIcon>
#include <filesystem>

namespace quilloro {

// The icon of every size found for an installation folder: its own Icons/hicolor
// (a portable folder), else ../icons/hicolor beside it (PREFIX/share/quilloro
// installed next to PREFIX/share/icons). A null icon when there is none.
QIcon programIcon(const std::filesystem::path& installFolder);

}  // namespace quilloro
