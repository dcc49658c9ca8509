#include "address_server.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace direvovu::test {

AddressServer::AddressServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
  server_.listen(QHostAddress::LocalHost, 0);
  connect(&server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
}

QString AddressServer::baseUrl() const {
  return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

QByteArray AddressServer::QueryValue(const QByteArray& target, const QByteArray& key) {
  const qsizetype mark = target.indexOf('?');
  if (mark < 0) return {};
  const QUrlQuery query(QString::fromLatin1(target.mid(mark + 1)));
  return query.queryItemValue(QString::fromLatin1(key)).toLatin1();
}

AddressServer::Answer AddressServer::RgcAnswer(const QByteArray& target) {
  Answer answer;
  answer.body =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><result><location><country>KR</country>"
      "<state>Seoul</state><county>Gangnam-gu</county><town>Town " +
      QueryValue(target, "latitude") + "</town></location></result>";
  return answer;
}

AddressServer::Answer AddressServer::NominatimAnswer(const QByteArray& target) {
  Answer answer;
  answer.body =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><reversegeocode><result>Somewhere</result>"
      "<addressparts><city>Town " +
      QueryValue(target, "lat") +
      "</city><county>Gangnam-gu</county><state>서울특별시</state><country>대한민국</country>"
      "</addressparts></reversegeocode>";
  return answer;
}

void AddressServer::Serve(QTcpSocket* socket) {
  // The request may come in pieces: what came so far is kept with the socket.
  const QByteArray head = socket->property("seen").toByteArray() + socket->readAll();
  socket->setProperty("seen", head);
  if (!head.contains("\r\n\r\n") || socket->property("answered").toBool()) return;
  socket->setProperty("answered", true);
  Request request;
  for (const QByteArray& line : head.left(head.indexOf("\r\n\r\n")).split('\n')) {
    const QByteArray trimmed = line.trimmed();
    if (trimmed.startsWith("GET ")) request.target = trimmed.mid(4, trimmed.lastIndexOf(' ') - 4);
    if (trimmed.toLower().startsWith("user-agent:")) request.user_agent = trimmed.mid(11).trimmed();
    if (trimmed.toLower().startsWith("accept-language:")) request.accept_language = trimmed.mid(16).trimmed();
  }
  requests_.push_back(request);
  const Answer answer = handler_(request.target);
  if (answer.never) return;
  const QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) +
                           " Answer\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
                           QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n" +
                           answer.body;
  QTimer::singleShot(answer.delay_ms, socket, [socket, reply] {
    socket->write(reply);
    socket->disconnectFromHost();
  });
}

}  // namespace direvovu::test
