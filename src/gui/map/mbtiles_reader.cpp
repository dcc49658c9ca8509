#include "gui/map/mbtiles_reader.h"

#include <sqlite3.h>

namespace direvovu::gui {

MbTilesReader::MbTilesReader(const std::filesystem::path& file) {
  if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db_);
    db_ = nullptr;
  }
}

MbTilesReader::~MbTilesReader() { sqlite3_close(db_); }

QByteArray MbTilesReader::Tile(const map::TileAddress& tile) const {
  if (db_ == nullptr) return {};
  sqlite3_stmt* statement = nullptr;
  const char* sql =
      "SELECT tile_data FROM tiles WHERE zoom_level = ?1 AND tile_column = ?2 AND tile_row = ?3";
  if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) return {};
  sqlite3_bind_int(statement, 1, tile.z);
  sqlite3_bind_int(statement, 2, tile.x);
  sqlite3_bind_int64(statement, 3, map::MbTilesRow(tile));
  QByteArray data;
  if (sqlite3_step(statement) == SQLITE_ROW) {
    const void* blob = sqlite3_column_blob(statement, 0);
    const int size = sqlite3_column_bytes(statement, 0);
    if (blob != nullptr && size > 0) data = QByteArray(static_cast<const char*>(blob), size);
  }
  sqlite3_finalize(statement);
  return data;
}

}  // namespace direvovu::gui
