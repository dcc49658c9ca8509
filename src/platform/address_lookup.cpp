#include "platform/address_lookup.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

#include "core/limits.h"
#include "core/settings/texts.h"

namespace direvovu::platform {

AddressLookup::AddressLookup(map::AddressService service, int language,
                             const std::filesystem::path& cache_root, QObject* parent)
    : QObject(parent),
      network_(new QNetworkAccessManager(this)),
      service_(std::move(service)),
      language_(language),
      cache_(cache_root, service_, language),
      throttle_(map::AddressIntervalMs(service_.kind)) {
  clock_.start();
}

AddressLookup::~AddressLookup() = default;

std::filesystem::path AddressLookup::DefaultCacheRoot() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (base.isEmpty()) return {};
  return std::filesystem::path(base.toStdString()) / "direvovu" / "addresses";
}

QByteArray AddressLookup::UserAgent() {
  return QByteArrayLiteral("DirevOvu/" DIREVOVU_VERSION " (dash camera viewer; route window addresses)");
}

bool AddressLookup::LookUp(double latitude, double longitude, bool always) {
  if (!service_.Enabled()) return false;
  const std::uint64_t ticket = order_.Take();
  if (const auto cached = cache_.Find(latitude, longitude)) {
    Deliver(ticket, *cached);
    return true;
  }
  const std::int64_t now = clock_.elapsed();
  if (!always && !throttle_.MaySend(now)) return false;
  throttle_.Sent(now);
  Send(latitude, longitude, ticket);
  return true;
}

void AddressLookup::Forget() { order_.Forget(); }

void AddressLookup::Send(double latitude, double longitude, std::uint64_t ticket) {
  const std::string url = map::AddressRequestUrl(service_, latitude, longitude, language_);
  QNetworkRequest request(QUrl(QString::fromStdString(url)));
  request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent());
  request.setRawHeader("Accept-Language", QByteArray(LanguageTag(language_).data()));
  request.setTransferTimeout(timeout_ms_);
  QNetworkReply* reply = network_->get(request);
  ++pending_;
  // The body is taken as it arrives, so that a reply beyond the cap is cut off there.
  auto body = std::make_shared<QByteArray>();
  auto too_large = std::make_shared<bool>(false);
  connect(reply, &QNetworkReply::readyRead, this, [reply, body, too_large] {
    body->append(reply->readAll());
    if (static_cast<std::size_t>(body->size()) > limits::kMaxAddressReplyBytes && !*too_large) {
      *too_large = true;
      reply->abort();
    }
  });
  connect(reply, &QNetworkReply::finished, this, [this, reply, body, too_large, latitude, longitude, ticket] {
    if (!*too_large) body->append(reply->readAll());
    Finished(reply, *body, *too_large, latitude, longitude, ticket);
  });
}

void AddressLookup::Finished(QNetworkReply* reply, const QByteArray& body, bool too_large, double latitude,
                             double longitude, std::uint64_t ticket) {
  --pending_;
  reply->deleteLater();
  if (too_large) {
    emit failed(QStringLiteral("the reply is larger than 1 MiB"));
    return;
  }
  if (reply->error() != QNetworkReply::NoError) {
    emit failed(reply->errorString());
    return;
  }
  const auto parsed = map::ParseAddressReply(
      service_.kind, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(body.constData()),
                                                   static_cast<std::size_t>(body.size())));
  if (!parsed) {
    emit failed(QStringLiteral("the reply holds no address"));
    return;
  }
  cache_.Store(latitude, longitude, *parsed);
  Deliver(ticket, *parsed);
}

void AddressLookup::Deliver(std::uint64_t ticket, const map::AddressReply& reply) {
  if (order_.Accept(ticket)) emit answered(reply);
}

}  // namespace direvovu::platform
