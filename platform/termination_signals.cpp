#include "platform/termination_signals.h"

#include <QCoreApplication>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

#include <QSocketNotifier>
#endif

namespace vorn {

#ifndef _WIN32
namespace {

int signalPipe[2] = {-1, -1};

// A signal handler may do next to nothing: it wakes the event loop.
void WakeEventLoop(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

void OnTerminationRequest(std::function<void()> onTerminate) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  // Programs the game starts must not inherit the pair, and a burst of
  // signals must never block the handler.
  for (const int fd : signalPipe) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
  auto* notifier =
      new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                   [onTerminate = std::move(onTerminate)] {
                     char byte;
                     [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
                     onTerminate();
                   });
  struct sigaction action = {};
  action.sa_handler = WakeEventLoop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}
#else
void OnTerminationRequest(std::function<void()>) {}
#endif

}  // namespace vorn
