// The table's pointer shapes, read from the Resources folder by their ids 10-14 and 20-24.
#pragma once

#include <QCursor>
#include <filesystem>
#include <map>

namespace quilloro {

class PointerShapes {
 public:
  // Reads Resources/POINTERS.TXT (name, id, hot spot x and y per line) and
  // the bitmap of every shape it lists; magenta is transparent.
  void load(const std::filesystem::path& programDirectory);
  // The shape of the id; the system arrow for an id that has none.
  QCursor shape(int id) const;
  bool has(int id) const { return shapes_.count(id) != 0; }

 private:
  std::map<int, QCursor> shapes_;
};

}  // namespace quilloro
