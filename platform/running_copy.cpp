#include "platform/running_copy.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QStandardPaths>
#include <QVariantMap>

#include "platform/session_bus.h"
#include "platform/user_socket.h"

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
  if (SessionBusRunning() && QDBusConnection::sessionBus().isConnected()) {
    return BecomeOnTheBus(token);
  }
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
  const QString path = SocketName(appId_);
  switch (AskOverSocket(path, token.toUtf8() + "\n", kAnswerMs)) {
    case SocketAnswer::Answered:
      return false;
    case SocketAnswer::Unreachable:
      // Another copy starting at this moment, or a socket this one may not
      // use: this copy goes on by itself.
      return true;
    case SocketAnswer::NobodyListens:
      break;
  }
  // Only a socket that nobody listens on any more, left by a copy that
  // ended, is taken over.
  listener_ = std::make_unique<SocketListener>();
  listener_->Listen(path,
                    [this](const QByteArray& line) { Show(QString::fromUtf8(line).trimmed()); });
  return true;
}

}  // namespace vorn

#include "running_copy.moc"
