#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QString>

namespace vorn {

class SocketListener;

// One copy of the game runs in a user's session. The first copy owns the
// desktop id's name on the session bus, where desktops activate it (the
// org.freedesktop.Application interface), or, where there is no session
// bus, a local socket of the user's. A later start asks that copy to come
// to the front, handing it the launch's token, and ends.
class RunningCopy : public QObject {
 public:
  // What a start asks of the running copy: to show itself, with the token
  // of the launch (an X11 startup id or a Wayland activation token; empty
  // when there was none).
  using ShowRequest = std::function<void(const QString& token)>;

  explicit RunningCopy(QString appId);
  ~RunningCopy() override;

  // Becomes the copy that answers later starts, unless one already runs:
  // then that copy is asked to show itself with `token`, and false says
  // this one is to end.
  bool BecomeTheOnlyCopy(const QString& token);
  void OnShowRequest(ShowRequest show) { show_ = std::move(show); }
  void Show(const QString& token) {
    if (show_) show_(token);
  }

  // The local socket's name: per user, in the user's runtime folder.
  static QString SocketName(const QString& appId);

 private:
  bool BecomeOnTheBus(const QString& token);
  bool BecomeOnTheSocket(const QString& token);

  QString appId_;
  ShowRequest show_;
  std::unique_ptr<SocketListener> listener_;
  bool onTheBus_ = false;
};

}  // namespace vorn
