#include "gui/export/incident_report_addresses.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

#include "platform/address_lookup.h"

namespace direvovu::gui::report {
namespace {

using platform::AddressLookup;

// Runs the loop until `done` or the deadline; an answer given at once never waits.
void WaitFor(QEventLoop& loop, const bool& done, const QDeadlineTimer& deadline) {
  if (done || deadline.hasExpired()) return;
  QTimer::singleShot(static_cast<int>(deadline.remainingTime()), &loop, &QEventLoop::quit);
  loop.exec();
}

// Asks when the service's pace allows, waiting for it if need be: the public service
// asks for one request a second, and the end's request follows the start's at once.
bool AskAtServicePace(AddressLookup& lookup, const exporting::ReportPlace& place,
                      const QDeadlineTimer& deadline) {
  if (lookup.LookUp(place.latitude, place.longitude, false)) return true;
  QEventLoop pause;
  const auto interval = static_cast<qint64>(map::AddressIntervalMs(lookup.service().kind));
  QTimer::singleShot(static_cast<int>(std::min(interval, deadline.remainingTime())), &pause,
                     &QEventLoop::quit);
  pause.exec();
  return !deadline.hasExpired() && lookup.LookUp(place.latitude, place.longitude, true);
}

std::optional<map::AddressLines> LookUpOne(AddressLookup& lookup, const exporting::ReportPlace& place,
                                           const QDeadlineTimer& deadline) {
  QEventLoop loop;
  std::optional<map::AddressReply> reply;
  bool done = false;
  QObject::connect(&lookup, &AddressLookup::answered, &loop, [&](const map::AddressReply& answer) {
    reply = answer;
    done = true;
    loop.quit();
  });
  QObject::connect(&lookup, &AddressLookup::failed, &loop, [&] {
    done = true;
    loop.quit();
  });
  lookup.SetTimeout(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
  if (AskAtServicePace(lookup, place, deadline)) WaitFor(loop, done, deadline);
  // An answer still on its way must not be taken for the next place's.
  lookup.Forget();
  if (!reply || !reply->hasTown) return std::nullopt;
  map::AddressState state;
  map::ApplyAddressReply(state, *reply);
  return state.lines;
}

}  // namespace

ReportAddresses LookUpAddresses(const exporting::IncidentFacts& facts, const ReportOptions& options) {
  ReportAddresses addresses;
  const bool nothing_to_ask = !facts.start_place && !facts.end_place;
  if (!options.address_service.Enabled() || nothing_to_ask || options.address_wait_ms <= 0) return addresses;
  AddressLookup lookup(options.address_service, facts.language, options.address_cache_root);
  const QDeadlineTimer deadline(options.address_wait_ms);
  if (facts.start_place) addresses.start = LookUpOne(lookup, *facts.start_place, deadline);
  if (facts.end_place) addresses.end = LookUpOne(lookup, *facts.end_place, deadline);
  return addresses;
}

}  // namespace direvovu::gui::report
