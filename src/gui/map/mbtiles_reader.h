#pragma once

#include <QByteArray>

#include <filesystem>

#include "core/map/tile_source.h"

struct sqlite3;

namespace direvovu::gui {

// Tiles of an MBTiles file (SQLite), opened read-only; an empty answer for a tile the
// file lacks or a file that cannot be read.
class MbTilesReader {
 public:
  explicit MbTilesReader(const std::filesystem::path& file);
  ~MbTilesReader();
  MbTilesReader(const MbTilesReader&) = delete;
  MbTilesReader& operator=(const MbTilesReader&) = delete;

  [[nodiscard]] bool isOpen() const { return db_ != nullptr; }
  [[nodiscard]] QByteArray Tile(const map::TileAddress& tile) const;

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace direvovu::gui
