// The play list's headings sit like their columns' texts, in every language.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTreeWidgetItem>

#include "core/settings/texts.h"
#include "gui/app/playlist_view.h"
#include "main_window_fixture.h"

namespace direvovu::test {
namespace {

using PlaylistHeadings = PlaylistTest;

TEST_F(PlaylistHeadings, PathHeadingIsLeftAlignedTheOthersCentred) {
  const auto alignment = [&](int column) {
    return Qt::Alignment(list_->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
  };
  for (const int language : {kEnglish, kKorean}) {
    SetCurrentLanguage(language);
    dialog_->RefreshTexts();
    for (int column = 0; column < gui::PlaylistView::kPathColumn; ++column) {
      EXPECT_EQ(alignment(column) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << column;
    }
    EXPECT_EQ(alignment(gui::PlaylistView::kPathColumn) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  }
}

}  // namespace
}  // namespace direvovu::test
