#pragma once

#include <QElapsedTimer>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>

#include "core/map/address_cache.h"
#include "core/map/address_reply.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace direvovu::platform {

// The address of a point from the reverse geocoder, without ever blocking the thread:
// requests leave at once and their answers come back through `answered`, in the order
// the points were asked for (an answer for an older point arriving after a newer one's
// is dropped). Answers are cached in memory and on disk; a service that asks for it
// gets at most one request a second, except for the points that must be looked up.
class AddressLookup : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTimeoutMs = 10000;

  // An empty cache root keeps the answers in memory only.
  AddressLookup(map::AddressService service, int language, const std::filesystem::path& cache_root,
                QObject* parent = nullptr);
  ~AddressLookup() override;
  AddressLookup(const AddressLookup&) = delete;
  AddressLookup& operator=(const AddressLookup&) = delete;

  // Asks for the address of a point; `always` for a point that must be looked up (the
  // start of a trip, where a pause or a trip's end left the replay). False when nothing
  // was asked: no service, or a request left less than the service's interval ago.
  bool LookUp(double latitude, double longitude, bool always);
  // Every answer still on its way is dropped (a new trip, the window closed).
  void Forget();
  // How long a request may go without a byte before it is given up (10 s).
  void SetTimeout(int ms) { timeout_ms_ = ms; }

  [[nodiscard]] const map::AddressService& service() const { return service_; }
  [[nodiscard]] int pendingRequests() const { return pending_; }

  // The user's cache folder for the answers.
  static std::filesystem::path DefaultCacheRoot();
  // What the requests name themselves as.
  static QByteArray UserAgent();

 signals:
  // The answer for a point, when no newer point's answer came first.
  void answered(const direvovu::map::AddressReply& reply);
  // A lookup gave nothing (no connection, an error, a time-out, a reply that is not an
  // address); the lines stay as they are.
  void failed(const QString& reason);

 private:
  void Send(double latitude, double longitude, std::uint64_t ticket);
  void Finished(QNetworkReply* reply, const QByteArray& body, bool too_large, double latitude,
                double longitude, std::uint64_t ticket);
  void Deliver(std::uint64_t ticket, const map::AddressReply& reply);

  QNetworkAccessManager* network_;
  map::AddressService service_;
  int language_;
  map::AddressCache cache_;
  map::AddressOrder order_;
  map::AddressThrottle throttle_;
  QElapsedTimer clock_;
  int pending_ = 0;
  int timeout_ms_ = kTimeoutMs;
};

}  // namespace direvovu::platform

Q_DECLARE_METATYPE(direvovu::map::AddressReply)
