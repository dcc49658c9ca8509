// The captions of every window's buttons and list headings fit them in all seven
// languages: a translation that is a few letters too long is cut off or elided, and
// nobody sees it until a user of that language opens the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/settings/texts.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/msg_box.h"
#include "gui/controls/sd_drive_dialog.h"
#include "gui/controls/show_message.h"
#include "gui/recording/password_dialogs.h"
#include "gui/recording/sd_password_dialog.h"
#include "gui/setup/detail_search_dialog.h"
#include "gui/setup/env_set_dialog.h"
#include "gui/setup/user_setup_dialog.h"
#include "gui/skin/skin_painter.h"
#include "recording_prompts.h"
#include "text_fit_support.h"

namespace direvovu::test {
namespace {

// What the windows are built over: a working root, a card, prompts that show nothing.
struct WindowContext {
  QTemporaryDir root;
  RecordingPrompts prompts;
  DriveList drives{{'E', root.path().toStdString() + "/card", true}, {'G', root.path().toStdString(), true}};
  WorkingFolders folders{root.path().toStdString() + "/DirevOvu"};
};

struct WindowCase {
  const char* name;
  std::function<std::unique_ptr<QWidget>(WindowContext&)> make;
};

// Every window with texts, built in the current language. A new window is one line.
const std::vector<WindowCase>& Windows() {
  static const std::vector<WindowCase> windows{
      {"main",
       [](WindowContext& c) { return std::make_unique<gui::CVantorDlg>(c.folders, nullptr, c.prompts); }},
      {"question",
       [](WindowContext&) {
         auto box = std::make_unique<gui::CMsgBox>();
         box->setMessage(gui::MessageText(msg::kCantFormatSd, QStringLiteral("E:")));
         box->setButtons(true, true);
         return box;
       }},
      {"notice",
       [](WindowContext&) {
         auto box = std::make_unique<gui::CMsgBox>();
         box->setMessage(gui::MessageText(msg::kNoSdOrWriteProtected, QStringLiteral(" ")));
         return box;
       }},
      {"drive_chooser", [](WindowContext& c) { return std::make_unique<gui::CSDDrive>(c.drives, nullptr); }},
      {"password", [](WindowContext&) { return std::make_unique<gui::CInputPwd>(nullptr); }},
      {"password_again", [](WindowContext&) { return std::make_unique<gui::CReInputPwd>(nullptr); }},
      {"card_password",
       [](WindowContext& c) { return std::make_unique<gui::CInputSDPwd>('E', c.drives, c.prompts); }},
      {"viewer_setup",
       [](WindowContext& c) { return std::make_unique<gui::CEnvSet>(c.folders, 5, c.prompts, nullptr); }},
      {"camera_setup",
       [](WindowContext& c) {
         gui::UserSetupContext setup{
             'E', c.drives, -32400, [] { return CivilTime{2012, 3, 14, 9, 5, 7}; }, {}};
         return std::make_unique<gui::CUserSetup>(std::move(setup), c.prompts);
       }},
      {"detail_search",
       [](WindowContext& c) {
         gui::DetailSearchContext search{
             c.folders, c.drives[0].root, c.drives, nullptr, {2012, 3, 14, 0, 0, 0}};
         return std::make_unique<gui::CDetailSearch>(std::move(search), c.prompts);
       }},
  };
  return windows;
}

// Buttons of windows still to be built, at the sizes their dialogs give them. A window
// that is built moves to Windows() and its rows leave this list.
struct PlannedButton {
  const char* window;
  TextTable table;
  int row;
  QSize size;
};
const std::vector<PlannedButton>& PlannedButtons() {
  using namespace rows::main_window;
  static const std::vector<PlannedButton> buttons{
      {"map", TextTable::MainWindow, kRefresh, {90, 30}},
      {"map", TextTable::MainWindow, kMapCapture, {90, 30}},
      {"map", TextTable::MainWindow, kPrintScreen, {90, 30}},
  };
  return buttons;
}

QString LanguageTag(int language) {
  static const char* const tags[] = {"ko", "en", "ja", "zh_hans", "ru", "zh_hant", "pt_br"};
  return QString::fromLatin1(tags[language]);
}

std::unique_ptr<QWidget> Shown(const WindowCase& window, WindowContext& context) {
  std::unique_ptr<QWidget> widget = window.make(context);
  widget->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
  QApplication::processEvents();
  return widget;
}

TEST(ButtonTexts, FitInEveryWindowAndLanguage) {
  WindowContext context;
  for (int language = 0; language < kLanguageCount; ++language) {
    LanguageScope scope(language);
    for (const WindowCase& window : Windows()) {
      const std::unique_ptr<QWidget> widget = Shown(window, context);
      const std::vector<ClippedText> clipped = ClippedButtonTexts(*widget);
      EXPECT_TRUE(clipped.empty()) << window.name << " in " << LanguageTag(language).toStdString() << ":\n"
                                   << Describe(clipped).toStdString();
    }
  }
}

TEST(ButtonTexts, FitTheButtonsOfWindowsStillToCome) {
  for (int language = 0; language < kLanguageCount; ++language) {
    for (const PlannedButton& planned : PlannedButtons()) {
      QDialog window;
      auto* button = new QPushButton(QString::fromUtf8(Text(planned.table, planned.row, language)), &window);
      button->setFixedSize(planned.size);
      window.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
      const std::vector<ClippedText> clipped = ClippedButtonTexts(window);
      EXPECT_TRUE(clipped.empty()) << planned.window << " row " << planned.row << " in "
                                   << LanguageTag(language).toStdString() << ":\n"
                                   << Describe(clipped).toStdString();
    }
  }
}

// The offline map picture paints its two lines into boxes of fixed size.
TEST(ButtonTexts, OfflineMapLinesFitTheirBoxes) {
  namespace pt = rows::program_texts;
  const std::pair<int, gui::skin::TextBox> lines[] = {{pt::kOfflineHeadline, gui::skin::kOfflineHeadlineBox},
                                                      {pt::kOfflineDetail, gui::skin::kOfflineDetailBox}};
  for (int language = 0; language < kLanguageCount; ++language) {
    for (const auto& [row, box] : lines) {
      const auto clipped = ClippedParagraph(QStringLiteral("offline map row %1").arg(row),
                                            QString::fromUtf8(Text(TextTable::ProgramTexts, row, language)),
                                            gui::skin::TextBoxFont(box), box.room);
      if (clipped)
        ADD_FAILURE() << LanguageTag(language).toStdString() << ":\n" << Describe({*clipped}).toStdString();
    }
  }
  // The measure: the detail line does not fit the headline's one-line box.
  EXPECT_TRUE(ClippedParagraph(
                  {}, QString::fromUtf8(Text(TextTable::ProgramTexts, pt::kOfflineDetail, kRussian)),
                  gui::skin::TextBoxFont(gui::skin::kOfflineHeadlineBox), gui::skin::kOfflineHeadlineBox.room)
                  .has_value());
}

// The measure itself: a caption too wide for its button, radio or heading is found; the
// same caption at the size the style asks for is not.
TEST(ButtonTexts, ACaptionWiderThanItsRoomIsFound) {
  QDialog window;
  auto* narrow = new QPushButton(QStringLiteral("Форматировать"), &window);
  narrow->setGeometry(10, 10, 60, 27);
  auto* roomy = new QPushButton(QStringLiteral("Форматировать"), &window);
  roomy->setGeometry(QRect(QPoint(10, 50), roomy->sizeHint()));
  auto* hidden = new QPushButton(QStringLiteral("Selecionar Tudo"), &window);
  hidden->setGeometry(10, 90, 20, 27);
  hidden->hide();
  auto* list = new QTreeWidget(&window);
  list->setGeometry(10, 130, 300, 100);
  list->setHeaderLabels({QStringLiteral("NOME DO ARQUIVO"), QStringLiteral("Nº")});
  list->setColumnWidth(0, 40);
  list->setColumnWidth(1, 60);
  window.resize(400, 300);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  const std::vector<ClippedText> clipped = ClippedButtonTexts(window);
  ASSERT_EQ(clipped.size(), 2U) << Describe(clipped).toStdString();
  EXPECT_EQ(clipped[0].text, QStringLiteral("Форматировать"));
  EXPECT_GT(clipped[0].needed.width(), clipped[0].room.width());
  EXPECT_EQ(clipped[1].text, QStringLiteral("NOME DO ARQUIVO"));

  narrow->resize(narrow->sizeHint());
  list->setColumnWidth(0, 200);
  EXPECT_TRUE(ClippedButtonTexts(window).empty()) << Describe(ClippedButtonTexts(window)).toStdString();
}

// Pictures of the main window and of the dialogs with the most texts, in each language,
// for people to look at; the end-to-end script takes them on a real X server.
TEST(ButtonTextsScreenshots, MainWindowAndDialogsInEveryLanguage) {
  const QString out = QStringLiteral(DIREVOVU_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(out));
  WindowContext context;
  for (int language = 0; language < kLanguageCount; ++language) {
    LanguageScope scope(language);
    for (const WindowCase& window : Windows()) {
      const std::string name = window.name;
      if (name == "drive_chooser" || name == "password" || name == "password_again") continue;
      const std::unique_ptr<QWidget> widget = Shown(window, context);
      const QString file =
          out +
          QStringLiteral("/texts_%1_%2.png").arg(LanguageTag(language), QString::fromLatin1(window.name));
      EXPECT_TRUE(widget->grab().save(file)) << file.toStdString();
    }
  }
}

}  // namespace
}  // namespace direvovu::test
