// direvovu-cli address: the two address lines of a point, as the route window shows them.
#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>

#include "command.h"
#include "core/map/address_reply.h"
#include "core/settings/viewer_settings.h"
#include "platform/address_lookup.h"
#include "platform/working_root.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli address LAT LON\n"
    "\n"
    "Asks the address service of the viewer settings (ADDRESS_SERVICE_URL and\n"
    "ADDRESS_SERVICE_KIND of Env_Setup.txt under the working root) for the address of\n"
    "a point in decimal degrees, through the viewer's cache, and prints the route\n"
    "window's two lines: country and state, then county and town. Exit 1 with the\n"
    "reason when there is no service or the lookup fails.\n";

std::optional<double> ParseDegrees(std::string_view text, double limit) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) ||
      std::fabs(value) > limit)
    return std::nullopt;
  return value;
}

struct LookupOutcome {
  std::optional<map::AddressReply> reply;
  std::string reason;
};

// Runs the one lookup to its end; the lookup's own time-out bounds the wait.
LookupOutcome RunLookup(const map::AddressService& service, int language, double latitude, double longitude) {
  int argc = 1;
  char name[] = "direvovu-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  platform::AddressLookup lookup(service, language, platform::AddressLookup::DefaultCacheRoot());
  LookupOutcome outcome;
  QObject::connect(&lookup, &platform::AddressLookup::answered, &app, [&](const map::AddressReply& reply) {
    outcome.reply = reply;
    QCoreApplication::quit();
  });
  QObject::connect(&lookup, &platform::AddressLookup::failed, &app, [&](const QString& reason) {
    outcome.reason = reason.toStdString();
    QCoreApplication::quit();
  });
  lookup.LookUp(latitude, longitude, true);
  if (!outcome.reply && outcome.reason.empty()) QCoreApplication::exec();
  return outcome;
}

}  // namespace

int RunAddress(Args args) {
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
  }
  if (args.size() != 2) return UsageError("address wants LAT LON");
  const auto latitude = ParseDegrees(args[0], 90);
  const auto longitude = ParseDegrees(args[1], 180);
  if (!latitude || !longitude)
    return UsageError("address wants LAT (-90..90) and LON (-180..180) in degrees");
  const WorkingFolders folders(platform::WorkingRoot());
  const map::AddressService service = map::ReadAddressService(folders);
  if (!service.Enabled()) return UsageError("no address service: ADDRESS_SERVICE_URL is empty");
  const int language = LoadAppliedSettings(folders, {}).language;
  const LookupOutcome outcome = RunLookup(service, language, *latitude, *longitude);
  if (!outcome.reply) return UsageError("no address: " + outcome.reason);
  if (!outcome.reply->hasTown) return UsageError("no address: the reply names no town");
  map::AddressState state;
  map::ApplyAddressReply(state, *outcome.reply);
  std::cout << state.lines.line1 << '\n' << state.lines.line2 << '\n';
  std::cout.flush();
  return std::cout ? kExitOk : kExitRefused;
}

}  // namespace direvovu::cli
