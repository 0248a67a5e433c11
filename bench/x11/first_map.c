/* Starts a program on the X display named by $DISPLAY and reports how long it
 * takes from exec to the first map of a top-level window, then the program's
 * peak resident memory one second after that map.
 *
 * Usage: first_map PROGRAM [ARG...]
 * Prints, one per line:
 *   map_ms <milliseconds from exec to the MapNotify>
 *   pid <the program's process id>
 *   window <id> <width>x<height>
 *   vmhwm_kb <VmHWM from /proc/PID/status, one second after the map>
 * The program is then terminated. Exit status 0 on success, 1 otherwise.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kTimeoutMs = 30000 };

static pid_t child = -1;

static double now_ms(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static void stop_child(void) {
  if (child <= 0) return;
  kill(child, SIGTERM);
  for (int i = 0; i < 200; i++) {
    if (waitpid(child, NULL, WNOHANG) == child) return;
    usleep(10000);
  }
  kill(child, SIGKILL);
  waitpid(child, NULL, 0);
}

static void die(const char* what) {
  fprintf(stderr, "first_map: %s\n", what);
  stop_child();
  exit(1);
}

/* VmHWM in kB, or -1 if the line is missing. */
static long read_vmhwm_kb(pid_t pid) {
  char path[64], line[256];
  long kb = -1;
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (!f) return -1;
  while (fgets(line, sizeof line, f))
    if (sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
  fclose(f);
  return kb;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: first_map PROGRAM [ARG...]\n");
    return 2;
  }
  Display* dpy = XOpenDisplay(NULL);
  if (!dpy) die("cannot open the X display in $DISPLAY");
  fcntl(ConnectionNumber(dpy), F_SETFD, FD_CLOEXEC);
  Window root = DefaultRootWindow(dpy);
  /* Maps of the root's children arrive as MapNotify with event == root. */
  XSelectInput(dpy, root, SubstructureNotifyMask);
  XSync(dpy, False);

  /* The child sends its clock reading from just before exec through a pipe
   * that exec closes; anything more on the pipe is the errno of a failed exec. */
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) die("pipe2 failed");
  child = fork();
  if (child < 0) die("fork failed");
  if (child == 0) {
    close(fds[0]);
    double start = now_ms();
    if (write(fds[1], &start, sizeof start) != sizeof start) _exit(127);
    execvp(argv[1], argv + 1);
    int err = errno;
    if (write(fds[1], &err, sizeof err) != sizeof err) _exit(127);
    _exit(127);
  }
  close(fds[1]);
  double start;
  int exec_errno;
  if (read(fds[0], &start, sizeof start) != sizeof start) die("no start time from the child");
  if (read(fds[0], &exec_errno, sizeof exec_errno) == sizeof exec_errno) {
    fprintf(stderr, "first_map: cannot run %s: %s\n", argv[1], strerror(exec_errno));
    waitpid(child, NULL, 0);
    return 1;
  }
  close(fds[0]);

  struct pollfd pfd = {.fd = ConnectionNumber(dpy), .events = POLLIN};
  Window mapped = 0;
  double map_time = 0;
  while (!mapped) {
    while (XPending(dpy)) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      /* Override-redirect windows (menus, tooltips) are not the main window. */
      if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect) {
        map_time = now_ms();
        mapped = ev.xmap.window;
        break;
      }
    }
    if (mapped) break;
    if (waitpid(child, NULL, WNOHANG) == child) {
      child = -1;
      die("the program exited before mapping a window");
    }
    if (now_ms() - start > kTimeoutMs) die("no window was mapped within 30 s");
    poll(&pfd, 1, 50);
  }

  XWindowAttributes attrs;
  XGetWindowAttributes(dpy, mapped, &attrs);
  printf("map_ms %.3f\npid %d\nwindow 0x%lx %dx%d\n", map_time - start, (int)child,
         (unsigned long)mapped, attrs.width, attrs.height);
  fflush(stdout);

  struct timespec one_second = {1, 0};
  while (nanosleep(&one_second, &one_second) != 0 && errno == EINTR) {
  }
  if (waitpid(child, NULL, WNOHANG) == child) {
    child = -1;
    die("the program exited within a second of mapping its window");
  }
  long kb = read_vmhwm_kb(child);
  if (kb < 0) die("no VmHWM in /proc/PID/status");
  printf("vmhwm_kb %ld\n", kb);
  fflush(stdout);
  stop_child();
  XCloseDisplay(dpy);
  return 0;
}
