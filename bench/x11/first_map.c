/* Starts a program on the X display named by $DISPLAY and reports how long it
 * takes from exec to the first map of a top-level window, then the program's
 * peak resident memory one second after that map.
 *
 * Usage: first_map PROGRAM [ARG...]
 * Prints, one per line:
 *   map_ms <milliseconds from exec to the MapNotify>
 *   frame_ms <milliseconds from exec to the first drawing into that window
 *            after its map: its first frame>
 *   pid <the program's process id>
 *   window <id> <width>x<height>
 *   vmhwm_kb <VmHWM from /proc/PID/status, one second after the map>
 * The program is then terminated. Exit status 0 on success, 1 otherwise.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
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

/* Windows that cannot be watched for drawing (input-only ones, or those
 * gone already) are no concern: errors of the damage requests are ignored,
 * and so are those of reading a window that went (its picture reads as
 * nothing). Any other error ends the run, and the program with it. */
static int damage_opcode;
static int ignore_damage_errors(Display* dpy, XErrorEvent* error) {
  if (error->request_code == damage_opcode || error->request_code == X_GetImage ||
      error->request_code == X_GetWindowAttributes)
    return 0;
  char text[128];
  XGetErrorText(dpy, error->error_code, text, sizeof text);
  fprintf(stderr, "first_map: X error %s\n", text);
  stop_child();
  exit(1);
}

/* A hash of what a window shows (FNV-1a over its pixels). */
static unsigned long long window_hash(Display* dpy, Window window) {
  XWindowAttributes attrs;
  if (!XGetWindowAttributes(dpy, window, &attrs)) return 0;
  XImage* image = XGetImage(dpy, window, 0, 0, attrs.width, attrs.height, AllPlanes, ZPixmap);
  if (!image) return 0;
  unsigned long long hash = 14695981039346656037ull;
  for (int y = 0; y < image->height; y++)
    for (int x = 0; x < image->width; x++)
      hash = (hash ^ XGetPixel(image, x, y)) * 1099511628211ull;
  XDestroyImage(image);
  return hash;
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
  int damage_event, damage_error;
  if (!XQueryExtension(dpy, "DAMAGE", &damage_opcode, &damage_event, &damage_error) ||
      !XDamageQueryExtension(dpy, &damage_event, &damage_error))
    die("the X server has no DAMAGE extension");
  XSetErrorHandler(ignore_damage_errors);
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
  struct {
    Window window;
    Damage damage;
  } watched[64];
  int watched_count = 0;
  Window mapped = 0;
  Damage mapped_damage = 0;
  double map_time = 0;
  /* Each drawing into the mapped window: when, and what the window showed. */
  struct {
    double time;
    unsigned long long hash;
  } frames[1024];
  int frame_count = 0;
  /* Until the map, then for one second more. */
  while (!mapped || now_ms() - map_time < 1000) {
    while (XPending(dpy)) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      /* Every new top-level window is watched for drawing from its creation,
       * so that no drawing right after its map is missed. */
      if (ev.type == CreateNotify && ev.xcreatewindow.parent == root &&
          !ev.xcreatewindow.override_redirect && watched_count < 64) {
        watched[watched_count].window = ev.xcreatewindow.window;
        watched[watched_count++].damage =
            XDamageCreate(dpy, ev.xcreatewindow.window, XDamageReportNonEmpty);
      }
      /* Override-redirect windows (menus, tooltips) are not the main window. */
      if (!mapped && ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect) {
        map_time = now_ms();
        mapped = ev.xmap.window;
        for (int i = 0; i < watched_count; i++)
          if (watched[i].window == mapped) mapped_damage = watched[i].damage;
        if (!mapped_damage) die("the mapped window was not seen created");
      }
      if (mapped && ev.type == damage_event + XDamageNotify &&
          ((XDamageNotifyEvent*)&ev)->drawable == mapped && frame_count < 1024) {
        frames[frame_count].time = now_ms();
        XDamageSubtract(dpy, mapped_damage, None, None);
        frames[frame_count++].hash = window_hash(dpy, mapped);
      }
    }
    if (waitpid(child, NULL, WNOHANG) == child) {
      child = -1;
      die(mapped ? "the program exited within a second of mapping its window"
                 : "the program exited before mapping a window");
    }
    if (now_ms() - start > kTimeoutMs) die("no window was mapped within 30 s");
    poll(&pfd, 1, 20);
  }
  /* The first frame is the first drawing after which the window showed what
   * it shows a second after its map; the server's own clearing of a window
   * as it maps is not a frame. */
  const unsigned long long settled = window_hash(dpy, mapped);
  double frame_time = -1;
  for (int i = frame_count - 1; i >= 0 && frames[i].hash == settled; i--)
    frame_time = frames[i].time;
  if (frame_time < 0) die("the window's picture was still changing a second after its map");

  XWindowAttributes attrs;
  XGetWindowAttributes(dpy, mapped, &attrs);
  printf("map_ms %.3f\nframe_ms %.3f\npid %d\nwindow 0x%lx %dx%d\n", map_time - start,
         frame_time - start, (int)child, (unsigned long)mapped, attrs.width, attrs.height);
  fflush(stdout);

  long kb = read_vmhwm_kb(child);
  if (kb < 0) die("no VmHWM in /proc/PID/status");
  printf("vmhwm_kb %ld\n", kb);
  fflush(stdout);
  stop_child();
  XCloseDisplay(dpy);
  return 0;
}
