#include "platform/running_copy.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QVariantMap>

namespace vorn {

namespace {

// How long a start waits for the running copy to answer.
constexpr int kAnswerMs = 3000;

// The object path of the desktop id: "org.example.Vorn" is /org/example/Vorn.
QString ObjectPath(const QString& appId) {
  return "/" + QString(appId).replace('.', '/').replace('-', '_');
}

// The launch's token as the platform data of org.freedesktop.Application
// carries it.
QVariantMap PlatformData(const QString& token) {
  QVariantMap data;
  if (!token.isEmpty()) {
    data["desktop-startup-id"] = token;
    data["activation-token"] = token;
  }
  return data;
}

QString TokenOf(const QVariantMap& data) {
  const QString token = data.value("activation-token").toString();
  return token.isEmpty() ? data.value("desktop-startup-id").toString() : token;
}

}  // namespace

// The interface desktops call to start or show an application: every call
// shows the board.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

 public:
  explicit ApplicationAdaptor(RunningCopy* copy) : QDBusAbstractAdaptor(copy), copy_(copy) {}

 public slots:
  void Activate(const QVariantMap& platformData) { copy_->Show(TokenOf(platformData)); }
  void Open(const QStringList&, const QVariantMap& platformData) {
    copy_->Show(TokenOf(platformData));
  }
  void ActivateAction(const QString&, const QVariantList&, const QVariantMap& platformData) {
    copy_->Show(TokenOf(platformData));
  }

 private:
  RunningCopy* copy_;
};

RunningCopy::RunningCopy(QString appId) : appId_(std::move(appId)) {}

RunningCopy::~RunningCopy() {
  if (onTheBus_) QDBusConnection::sessionBus().unregisterService(appId_);
}

QString RunningCopy::SocketName(const QString& appId) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return folder + "/" + appId + ".socket";
}

bool RunningCopy::BecomeTheOnlyCopy(const QString& token) {
  if (QDBusConnection::sessionBus().isConnected()) return BecomeOnTheBus(token);
  return BecomeOnTheSocket(token);
}

bool RunningCopy::BecomeOnTheBus(const QString& token) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  // The object first, so that a desktop's activation waiting for the name
  // finds it at once.
  new ApplicationAdaptor(this);
  bus.registerObject(ObjectPath(appId_), this);
  const auto reply =
      bus.interface()->registerService(appId_, QDBusConnectionInterface::DontQueueService,
                                       QDBusConnectionInterface::DontAllowReplacement);
  if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
    onTheBus_ = true;
    return true;
  }
  bus.unregisterObject(ObjectPath(appId_));
  QDBusMessage activate = QDBusMessage::createMethodCall(appId_, ObjectPath(appId_),
                                                         "org.freedesktop.Application", "Activate");
  activate << PlatformData(token);
  const QDBusMessage answer = bus.call(activate, QDBus::Block, kAnswerMs);
  // No answer from the owner of the name: this copy goes on by itself.
  return answer.type() != QDBusMessage::ReplyMessage;
}

bool RunningCopy::BecomeOnTheSocket(const QString& token) {
  const QString name = SocketName(appId_);
  QLocalSocket running;
  running.connectToServer(name);
  if (running.waitForConnected(kAnswerMs)) {
    // A copy runs there; it answers once it has shown itself, and a busy
    // one still has the request.
    running.write(token.toUtf8() + "\n");
    running.waitForBytesWritten(kAnswerMs);
    running.waitForReadyRead(kAnswerMs);
    return false;
  }
  // Only a socket that nobody listens on any more, left by a copy that
  // ended, is replaced; another copy starting at this moment keeps its own.
  const auto error = running.error();
  if (error != QLocalSocket::ConnectionRefusedError && error != QLocalSocket::ServerNotFoundError) {
    return true;
  }
  QLocalServer::removeServer(name);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) return true;
  connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* start = server_->nextPendingConnection()) {
      connect(start, &QLocalSocket::disconnected, start, &QObject::deleteLater);
      connect(start, &QLocalSocket::readyRead, this, [this, start] {
        if (!start->canReadLine()) return;
        Show(QString::fromUtf8(start->readLine()).trimmed());
        start->write("shown\n");
        start->flush();
      });
    }
  });
  return true;
}

}  // namespace vorn

#include "running_copy.moc"
