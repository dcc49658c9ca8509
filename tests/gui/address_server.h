#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <functional>
#include <vector>

namespace direvovu::test {

// A small HTTP server on 127.0.0.1 that answers as the address services would: each
// request goes to the handler, whose answer may wait before it is sent (a late reply).
class AddressServer : public QObject {
  Q_OBJECT

 public:
  struct Answer {
    int status = 200;
    QByteArray body;
    int delay_ms = 0;
    bool never = false;  // the service never answers
  };
  struct Request {
    QByteArray target;  // path and query
    QByteArray user_agent;
    QByteArray accept_language;
  };
  using Handler = std::function<Answer(const QByteArray& target)>;

  explicit AddressServer(Handler handler, QObject* parent = nullptr);
  [[nodiscard]] bool listening() const { return server_.isListening(); }
  [[nodiscard]] QString baseUrl() const;
  [[nodiscard]] const std::vector<Request>& requests() const { return requests_; }

  // The answers of both kinds for a point: KR / Seoul / Gangnam-gu / "Town <latitude>".
  static Answer RgcAnswer(const QByteArray& target);
  static Answer NominatimAnswer(const QByteArray& target);
  // The value of a query key of a request target.
  static QByteArray QueryValue(const QByteArray& target, const QByteArray& key);

 private:
  void Serve(QTcpSocket* socket);

  QTcpServer server_;
  Handler handler_;
  std::vector<Request> requests_;
};

}  // namespace direvovu::test
