// Where there are no POSIX sockets (Windows): Qt's local sockets, named pipes.
#include <QLocalServer>
#include <QLocalSocket>

#include "platform/user_socket.h"

namespace vorn {

SocketAnswer AskOverSocket(const QString& path, const QByteArray& line, int timeoutMs) {
  QLocalSocket running;
  running.connectToServer(path);
  if (running.waitForConnected(timeoutMs)) {
    running.write(line);
    running.waitForBytesWritten(timeoutMs);
    running.waitForReadyRead(timeoutMs);
    return SocketAnswer::Answered;
  }
  const auto error = running.error();
  return error == QLocalSocket::ConnectionRefusedError || error == QLocalSocket::ServerNotFoundError
             ? SocketAnswer::NobodyListens
             : SocketAnswer::Unreachable;
}

struct SocketListener::Impl {
  QLocalServer server;
};

SocketListener::SocketListener() : impl_(std::make_unique<Impl>()) {}
SocketListener::~SocketListener() = default;

bool SocketListener::Listen(const QString& path, OnLine onLine) {
  QLocalServer::removeServer(path);
  impl_->server.setSocketOptions(QLocalServer::UserAccessOption);
  if (!impl_->server.listen(path)) return false;
  connect(&impl_->server, &QLocalServer::newConnection, this, [this, onLine] {
    while (QLocalSocket* start = impl_->server.nextPendingConnection()) {
      connect(start, &QLocalSocket::disconnected, start, &QObject::deleteLater);
      connect(start, &QLocalSocket::readyRead, this, [start, onLine] {
        if (!start->canReadLine()) return;
        const QByteArray line = start->readLine().chopped(1);
        start->write("shown\n");
        start->flush();
        if (onLine) onLine(line);
      });
    }
  });
  return true;
}

}  // namespace vorn
