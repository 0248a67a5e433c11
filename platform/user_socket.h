#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QObject>
#include <QString>

namespace vorn {

// A local socket of the user's, for one line of request and one line of
// answer between two copies of the game where there is no session bus.

// What became of a request.
enum class SocketAnswer {
  Answered,       // something listens there and answered, or took the line
  NobodyListens,  // no socket there, or one left by a program that ended
  Unreachable,    // something else: no permission, a name too long
};

// Sends `line` to the socket at `path` and waits up to timeoutMs for an
// answer; an empty line only asks whether anyone listens there.
SocketAnswer AskOverSocket(const QString& path, const QByteArray& line, int timeoutMs);

// Listens at a path for the user alone, taking over a socket nobody listens
// on; each line received is handed over, then answered with "shown".
class SocketListener : public QObject {
 public:
  using OnLine = std::function<void(const QByteArray& line)>;

  SocketListener();
  ~SocketListener() override;

  bool Listen(const QString& path, OnLine onLine);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vorn
