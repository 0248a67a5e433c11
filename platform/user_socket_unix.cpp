#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QFile>
#include <QSocketNotifier>

#include "platform/user_socket.h"

namespace vorn {

namespace {

// A request longer than this is no launch's token.
constexpr qsizetype kMaxLine = 4096;
// How long a look at whether anyone listens may wait for a busy listener.
constexpr int kProbeMs = 500;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }
  void reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

bool AddressOf(const QByteArray& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.constData(), path.size());
  return true;
}

// Sends every byte, or as many as a peer that went away took.
void SendAll(int fd, QByteArray bytes) {
  while (!bytes.isEmpty()) {
    const ssize_t sent = ::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return;
    bytes.remove(0, sent);
  }
}

}  // namespace

SocketAnswer AskOverSocket(const QString& path, const QByteArray& line, int timeoutMs) {
  sockaddr_un address;
  if (!AddressOf(QFile::encodeName(path), address)) return SocketAnswer::Unreachable;
  const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (socket.get() < 0) return SocketAnswer::Unreachable;
  // A listener too busy to take the connection does not hold this start.
  const timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
  if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    return errno == ECONNREFUSED || errno == ENOENT ? SocketAnswer::NobodyListens
                                                    : SocketAnswer::Unreachable;
  }
  // A copy runs there; it answers once it has shown itself, and a busy one
  // still has the request. Without a request, only whether one listens was
  // asked.
  if (line.isEmpty()) return SocketAnswer::Answered;
  SendAll(socket.get(), line);
  pollfd answer{socket.get(), POLLIN, 0};
  if (::poll(&answer, 1, timeoutMs) > 0) {
    char reply[64];
    [[maybe_unused]] const ssize_t got = ::recv(socket.get(), reply, sizeof reply, 0);
  }
  return SocketAnswer::Answered;
}

struct SocketListener::Impl {
  struct Connection {
    Descriptor socket;
    QByteArray received;
    std::unique_ptr<QSocketNotifier> notifier;
  };

  Descriptor socket;
  std::unique_ptr<QSocketNotifier> notifier;
  QByteArray path;
  ino_t inode = 0;
  OnLine onLine;
  std::map<int, Connection> connections;

  void Accept() {
    for (;;) {
      const int fd = ::accept4(socket.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
      if (fd < 0) return;
      Connection& connection = connections[fd];
      connection.socket.reset(fd);
      connection.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
      QObject::connect(connection.notifier.get(), &QSocketNotifier::activated,
                       connection.notifier.get(), [this, fd] { Read(fd); });
    }
  }

  void Read(int fd) {
    Connection& connection = connections.at(fd);
    char bytes[512];
    const ssize_t got = ::recv(fd, bytes, sizeof bytes, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got > 0) connection.received.append(bytes, got);
    const qsizetype end = connection.received.indexOf('\n');
    if (end >= 0) {
      // Answered before the window comes up, so the start waiting ends.
      SendAll(fd, "shown\n");
      const QByteArray line = connection.received.left(end);
      Close(fd);
      if (onLine) onLine(line);
      return;
    }
    if (got <= 0 || connection.received.size() > kMaxLine) Close(fd);
  }

  // The notifier goes with its connection, after its own signal returns.
  void Close(int fd) {
    auto it = connections.find(fd);
    it->second.notifier->setEnabled(false);
    it->second.notifier.release()->deleteLater();
    connections.erase(it);
  }
};

SocketListener::SocketListener() : impl_(std::make_unique<Impl>()) {}

SocketListener::~SocketListener() {
  // The socket's name goes with it, unless another copy took it over since.
  struct stat named;
  if (impl_->inode && ::lstat(impl_->path.constData(), &named) == 0 &&
      named.st_ino == impl_->inode) {
    ::unlink(impl_->path.constData());
  }
  for (auto& [fd, connection] : impl_->connections) connection.notifier.reset();
}

bool SocketListener::Listen(const QString& path, OnLine onLine) {
  const QByteArray name = QFile::encodeName(path);
  sockaddr_un address;
  if (!AddressOf(name, address)) return false;
  // Only a socket is replaced, never a file that happens to have the name,
  // and only one that still nobody listens on: another copy starting at the
  // same moment may have just put its own there.
  struct stat old;
  if (::lstat(name.constData(), &old) == 0) {
    if (!S_ISSOCK(old.st_mode)) return false;
    if (AskOverSocket(path, {}, kProbeMs) != SocketAnswer::NobodyListens) return false;
    ::unlink(name.constData());
  }
  // Bound in a folder of the user's alone, made accessible to the user
  // alone, listening, then moved into place: nobody else can connect before,
  // and a start that finds it can connect at once.
  QByteArray folder = name + ".XXXXXX";
  if (!::mkdtemp(folder.data())) return false;
  const QByteArray bound = folder + "/s";
  sockaddr_un boundAddress;
  Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  const bool placed = socket.get() >= 0 && AddressOf(bound, boundAddress) &&
                      ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&boundAddress),
                             sizeof boundAddress) == 0 &&
                      ::chmod(bound.constData(), S_IRUSR | S_IWUSR) == 0 &&
                      ::listen(socket.get(), 8) == 0 &&
                      ::rename(bound.constData(), name.constData()) == 0;
  ::unlink(bound.constData());
  ::rmdir(folder.constData());
  struct stat named;
  if (!placed || ::lstat(name.constData(), &named) != 0) return false;
  impl_->socket.reset(socket.release());
  impl_->path = name;
  impl_->inode = named.st_ino;
  impl_->onLine = std::move(onLine);
  impl_->notifier = std::make_unique<QSocketNotifier>(impl_->socket.get(), QSocketNotifier::Read);
  connect(impl_->notifier.get(), &QSocketNotifier::activated, this, [this] { impl_->Accept(); });
  return true;
}

}  // namespace vorn
