#include "gui/app/vantor_app.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcessEnvironment>

#include <cstdio>
#include <string>
#include <vector>

#include "core/app/viewer_arguments.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/qt_texts.h"
#include "gui/controls/ui_text.h"
#include "gui/map/web_engine.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#include "platform/working_root.h"
#include "player/channel_player.h"
#include "player/media_player.h"

#ifdef DIREVOVU_E2E_HOOK
#include "gui/app/test_hook.h"
#endif

namespace direvovu::gui {
namespace {

QStringList ExtraPlayerOptions() {
  const QString options = qEnvironmentVariable("DIREVOVU_VLC_OPTIONS");
  return options.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

PlayerFactory LibvlcPlayers() {
  return [extra = ExtraPlayerOptions()](Channel channel) -> std::unique_ptr<IChannelPlayer> {
    return std::make_unique<ChannelPlayer>(channel, extra);
  };
}

void ReportStartFailure(const std::string& reason, const WorkingFolders& folders) {
  std::fprintf(stderr, "error: %s\n", reason.c_str());
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  // The window failed before it read the settings; the user's language is read here.
  SetCurrentLanguage(LoadAppliedSettings(folders, AppliedSettings{}).language);
  UseQtTextsIn(CurrentLanguage());
  QMessageBox::critical(nullptr, QStringLiteral("DirevOvu"),
                        UiText(TextTable::ProgramTexts, rows::program_texts::kPlayerNotStarted)
                            .arg(QString::fromStdString(reason)));
}

// libvlc 3 draws video only into X11 windows: on a Wayland desktop the viewer asks for
// XWayland unless the user chose a platform.
std::unique_ptr<QApplication> MakeApplication(int& argc, char** argv) {
#ifdef Q_OS_LINUX
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      !qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
#endif
  PrepareWebEngine();  // the map page's scheme exists before the application does
  return std::make_unique<QApplication>(argc, argv);
}

// A signal closes the window as its close button does (after a start under way).
void CloseWhenAsked(const platform::TerminationSignals& termination, CVantorDlg& dialog) {
  QObject::connect(&termination, &platform::TerminationSignals::requested, &dialog,
                   [&dialog] { dialog.CloseCommand(); });
}

}  // namespace

CVantorApp::CVantorApp(int& argc, char** argv) : app_(MakeApplication(argc, argv)) {
  QApplication::setApplicationName(QStringLiteral("direvovu"));
  QApplication::setApplicationDisplayName(QStringLiteral("DirevOvu"));
  // Lets the desktop match the window to its launcher and icon (Wayland app id too).
  QGuiApplication::setDesktopFileName(QStringLiteral("org.direvovu.Viewer"));
}

CVantorApp::~CVantorApp() = default;

QStringList CVantorApp::FileArguments(const QStringList& arguments) {
  std::vector<std::string> given;
  for (qsizetype i = 1; i < arguments.size(); ++i) given.push_back(arguments.at(i).toStdString());
  QStringList files;
  for (const std::string& file : ReadViewerArguments(given).files)
    files.push_back(QFileInfo(QString::fromStdString(file)).absoluteFilePath());
  return files;
}

int CVantorApp::run(std::optional<int> language) {
  const std::filesystem::path root = platform::WorkingRoot();
  const QStringList files = FileArguments(QApplication::arguments());

  platform::SingleInstance instance(QString::fromStdString(root.string()));
  if (!instance.Acquire()) {
    // The running viewer takes the files; this start leaves it alone either way, but
    // says so when the recordings it was given went nowhere.
    if (!files.isEmpty() && !instance.SendToRunning(files)) {
      std::fprintf(stderr, "direvovu: a viewer is running but did not take the recordings\n");
      return 1;
    }
    return 0;
  }

  // Caught from here on; one that comes before the window is up closes it once it is.
  platform::TerminationSignals termination;
  DialogPrompts dialogs;
#ifdef DIREVOVU_E2E_HOOK
  TestHook hook(QProcessEnvironment::systemEnvironment());
  IPrompts& prompts = hook.Prompts(dialogs);
#else
  IPrompts& prompts = dialogs;
#endif
  const WorkingFolders folders(root);
  CVantorDlg dialog(folders, LibvlcPlayers(), prompts);
  if (language) dialog.StartInLanguage(static_cast<Language>(*language));
  dialogs.SetParent(&dialog);
  std::string error;
  if (!dialog.Initialise(&error)) {
    ReportStartFailure(error, folders);
    return 1;
  }
  QObject::connect(&instance, &platform::SingleInstance::filesReceived, &dialog,
                   [&dialog](const QStringList& handed) {
                     dialog.OpenFiles(handed);
                     dialog.showNormal();
                     dialog.raise();
                     dialog.activateWindow();
                   });
  CloseWhenAsked(termination, dialog);
#ifdef DIREVOVU_E2E_HOOK
  hook.Watch(&dialog);
#endif
  dialog.show();
  if (!files.isEmpty()) dialog.OpenFiles(files);
  dialog.exec();
  return 0;
}

}  // namespace direvovu::gui
