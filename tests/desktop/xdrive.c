/* Drives a real X display the way a player does, and reads back what the
 * player sees: windows, their place, screen pixels and the pointer's
 * picture. Input goes through the XTEST extension.
 *
 * Usage: xdrive COMMAND ARG...   (the display comes from $DISPLAY)
 *   find TITLE PID MS              wait for a mapped client of process PID
 *                                  (0: any) titled TITLE; print its id
 *   clients                        list mapped clients: id x y w h pid title
 *   geom WIN                       x y w h of the client area on the screen
 *   gone WIN MS                    wait until the window is unmapped
 *   focus WIN MS                   wait until WIN has the keyboard focus
 *   menus N MS                     wait until N pop-up menus are shown (0: none)
 *   popup MS                       wait for a pop-up menu; x y w h of the top one
 *   wmove WIN X Y                  ask the window manager to move the window
 *   at WIN X Y                     move the pointer to a point of the window
 *   click WIN X Y B HOLD_MS        press and release B at a point, pointer still
 *   press WIN X Y B                press B at a point and keep it held
 *   release B                      let go of B where the pointer is
 *   drag WIN X0 Y0 X1 Y1 STEPS MS  left drag in STEPS moves, MS apart
 *   key KEY...                     type keys: F2, Return, alt+F4, ...
 *   key-held MS KEY...             the same, each held down for MS
 *   snap WIN FILE                  save the window's area of the screen (PPM)
 *   settle WIN FILE MS             wait until the window's area equals FILE
 *   burst WIN X0 Y0 XM YM X1 Y1 MS FILE
 *                                  left press, two moves and release with no
 *                                  pause; MS later compare with FILE
 *   cursor                         w h xhot yhot of the pointer's picture
 *   same-disc A AX AY B BX BY R    whether a disc of picture file A looks
 *                                  like one of B; prints the differing pixels
 *   pixel FILE X Y                 r g b of a pixel of a saved picture
 *   owner SELECTION MS             wait until SELECTION has an owner ("-"
 *                                  before the name: until it has none)
 *   cover X Y W H MS               show a plain window titled "cover" there,
 *                                  as another program would, for MS
 *   stacking WIN                   0 when WIN is the top client window
 *   paint-root RRGGBB              give the desktop a plain colour
 * Exit status: 0 done, 1 the awaited state did not come, 2 misuse. */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static Display* dpy;
static Window root;

static double now_ms(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static void sleep_ms(double ms) {
  if (ms <= 0) return;
  struct timespec ts = {(time_t)(ms / 1000), (long)((ms - (long)(ms / 1000) * 1000) * 1e6)};
  nanosleep(&ts, NULL);
}

static int usage(void) {
  fprintf(stderr, "xdrive: bad arguments (see the comment at the top of xdrive.c)\n");
  return 2;
}

static int ignore_errors(Display* d, XErrorEvent* e) {
  (void)d;
  (void)e;
  return 0;
}

static unsigned char* get_prop(Window w, const char* name, Atom type, unsigned long* count) {
  Atom actual;
  int format;
  unsigned long after;
  unsigned char* data = NULL;
  *count = 0;
  if (XGetWindowProperty(dpy, w, XInternAtom(dpy, name, False), 0, 1 << 20, False, type, &actual,
                         &format, count, &after, &data) != Success ||
      actual == None) {
    if (data) XFree(data);
    *count = 0;
    return NULL;
  }
  return data;
}

/* The window's title (_NET_WM_NAME, else WM_NAME); the caller frees it. */
static char* title_of(Window w) {
  unsigned long n;
  char* t = (char*)get_prop(w, "_NET_WM_NAME", XInternAtom(dpy, "UTF8_STRING", False), &n);
  if (t) return t;
  t = (char*)get_prop(w, "WM_NAME", AnyPropertyType, &n);
  return t ? t : (char*)calloc(1, 1);
}

static long pid_of(Window w) {
  unsigned long n;
  long* p = (long*)get_prop(w, "_NET_WM_PID", XA_CARDINAL, &n);
  long pid = p && n ? p[0] : 0;
  if (p) XFree(p);
  return pid;
}

static int viewable(Window w) {
  XWindowAttributes a;
  return XGetWindowAttributes(dpy, w, &a) && a.map_state == IsViewable;
}

/* Client windows as the window manager lists them, in mapping order. */
static Window* clients(unsigned long* n) {
  return (Window*)get_prop(root, "_NET_CLIENT_LIST", XA_WINDOW, n);
}

static int geometry(Window w, int* x, int* y, int* width, int* height) {
  XWindowAttributes a;
  Window child;
  if (!XGetWindowAttributes(dpy, w, &a)) return 0;
  XTranslateCoordinates(dpy, w, root, 0, 0, x, y, &child);
  *width = a.width;
  *height = a.height;
  return 1;
}

static Window parse_window(const char* s) {
  return (Window)strtoul(s, NULL, 0);
}

static void pointer_to(Window w, int x, int y) {
  int wx, wy, ww, wh;
  if (!geometry(w, &wx, &wy, &ww, &wh)) wx = wy = 0;
  XTestFakeMotionEvent(dpy, -1, wx + x, wy + y, CurrentTime);
}

static void button(int b, int down) {
  XTestFakeButtonEvent(dpy, b, down, CurrentTime);
}

static int key_sequence(int argc, char** argv, double hold_ms) {
  for (int i = 0; i < argc; i++) {
    char combo[128];
    KeyCode codes[8];
    int n = 0;
    snprintf(combo, sizeof combo, "%s", argv[i]);
    for (char* part = strtok(combo, "+"); part && n < 8; part = strtok(NULL, "+")) {
      const char* name = !strcmp(part, "alt")     ? "Alt_L"
                         : !strcmp(part, "ctrl")  ? "Control_L"
                         : !strcmp(part, "shift") ? "Shift_L"
                                                  : part;
      KeySym sym = XStringToKeysym(name);
      KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(dpy, sym);
      if (!code) {
        fprintf(stderr, "xdrive: no key for '%s'\n", part);
        return 2;
      }
      codes[n++] = code;
    }
    for (int k = 0; k < n; k++) XTestFakeKeyEvent(dpy, codes[k], True, CurrentTime);
    if (hold_ms > 0) {
      XSync(dpy, False);
      sleep_ms(hold_ms);
    }
    for (int k = n - 1; k >= 0; k--) XTestFakeKeyEvent(dpy, codes[k], False, CurrentTime);
    XSync(dpy, False);
    sleep_ms(20);
  }
  return 0;
}

/* The screen under the window as packed RGB rows. */
typedef struct {
  int w, h;
  unsigned char* rgb;
} Picture;

static int grab(Window w, Picture* p) {
  int x, y;
  if (!geometry(w, &x, &y, &p->w, &p->h)) return 0;
  XImage* img = XGetImage(dpy, root, x, y, p->w, p->h, AllPlanes, ZPixmap);
  if (!img) return 0;
  p->rgb = malloc((size_t)p->w * p->h * 3);
  for (int j = 0; j < p->h; j++)
    for (int i = 0; i < p->w; i++) {
      unsigned long px = XGetPixel(img, i, j);
      unsigned char* o = p->rgb + ((size_t)j * p->w + i) * 3;
      o[0] = (px & img->red_mask) >> 16;
      o[1] = (px & img->green_mask) >> 8;
      o[2] = px & img->blue_mask;
    }
  XDestroyImage(img);
  return 1;
}

static int load_ppm(const char* path, Picture* p) {
  FILE* f = fopen(path, "rb");
  if (!f) return 0;
  int ok = fscanf(f, "P6 %d %d 255", &p->w, &p->h) == 2 && fgetc(f) != EOF;
  if (ok) {
    p->rgb = malloc((size_t)p->w * p->h * 3);
    ok = fread(p->rgb, 3, (size_t)p->w * p->h, f) == (size_t)p->w * p->h;
  }
  fclose(f);
  return ok;
}

/* How many pixels differ visibly (antialiasing noise aside). */
static long differing(const Picture* a, const Picture* b) {
  if (a->w != b->w || a->h != b->h) return (long)a->w * a->h + 1;
  long n = 0;
  for (long i = 0; i < (long)a->w * a->h; i++) {
    int d = 0;
    for (int c = 0; c < 3; c++) d += abs(a->rgb[i * 3 + c] - b->rgb[i * 3 + c]);
    n += d > 48;
  }
  return n;
}

enum { kSamePixels = 8 };

static int cmd_find(const char* title, long pid, double timeout) {
  double end = now_ms() + timeout;
  do {
    unsigned long n;
    Window* list = clients(&n);
    for (unsigned long i = n; i-- > 0;) {
      char* t = title_of(list[i]);
      int match = !strcmp(t, title) && (!pid || pid_of(list[i]) == pid) && viewable(list[i]);
      free(t);
      if (match) {
        printf("0x%lx\n", list[i]);
        XFree(list);
        return 0;
      }
    }
    if (list) XFree(list);
    sleep_ms(20);
  } while (now_ms() < end);
  return 1;
}

static int cmd_clients(void) {
  unsigned long n;
  Window* list = clients(&n);
  for (unsigned long i = 0; i < n; i++) {
    int x, y, w, h;
    if (!viewable(list[i]) || !geometry(list[i], &x, &y, &w, &h)) continue;
    char* t = title_of(list[i]);
    printf("0x%lx %d %d %d %d %ld %s\n", list[i], x, y, w, h, pid_of(list[i]), t);
    free(t);
  }
  if (list) XFree(list);
  return 0;
}

static int cmd_focus(Window w, double timeout) {
  double end = now_ms() + timeout;
  do {
    unsigned long n;
    Window* active = (Window*)get_prop(root, "_NET_ACTIVE_WINDOW", XA_WINDOW, &n);
    int focused = active && n && active[0] == w;
    if (active) XFree(active);
    /* Or the keyboard focus itself is on the window or inside it. */
    Window f, r, parent, *children;
    int revert;
    unsigned int count;
    XGetInputFocus(dpy, &f, &revert);
    while (!focused && f != None && f != PointerRoot && f != root) {
      focused = f == w;
      if (!XQueryTree(dpy, f, &r, &parent, &children, &count)) break;
      if (children) XFree(children);
      f = parent;
    }
    if (focused) return 0;
    sleep_ms(20);
  } while (now_ms() < end);
  return 1;
}

/* Pop-up menus are mapped override-redirect windows at the top level; how
 * many are shown, and the top one. */
static int shown_menus(Window* top) {
  Window r, parent, *children;
  unsigned int n;
  int shown = 0;
  if (!XQueryTree(dpy, root, &r, &parent, &children, &n)) return 0;
  for (unsigned int i = 0; i < n; i++) {
    XWindowAttributes a;
    if (XGetWindowAttributes(dpy, children[i], &a) && a.map_state == IsViewable &&
        a.override_redirect && a.width > 20 && a.height > 20) {
      shown++;
      *top = children[i];
    }
  }
  if (children) XFree(children);
  return shown;
}

static int cmd_menus(int count, double timeout) {
  double end = now_ms() + timeout;
  Window top;
  do {
    int shown = shown_menus(&top);
    if (count ? shown >= count : !shown) return 0;
    sleep_ms(20);
  } while (now_ms() < end);
  return 1;
}

static int cmd_popup(double timeout) {
  Window top;
  int x, y, w, h;
  if (cmd_menus(1, timeout) || !shown_menus(&top) || !geometry(top, &x, &y, &w, &h)) return 1;
  printf("%d %d %d %d\n", x, y, w, h);
  return 0;
}

static int cmd_wmove(Window w, int x, int y) {
  /* A pager's request, as a player's tool would make it. */
  XEvent e = {0};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(dpy, "_NET_MOVERESIZE_WINDOW", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = (1 << 8) | (1 << 9) | (2 << 12) | StaticGravity;
  e.xclient.data.l[1] = x;
  e.xclient.data.l[2] = y;
  XSendEvent(dpy, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  XSync(dpy, False);
  double end = now_ms() + 2000;
  do {
    int gx, gy, gw, gh;
    if (geometry(w, &gx, &gy, &gw, &gh) && gx == x && gy == y) return 0;
    sleep_ms(10);
  } while (now_ms() < end);
  return 1;
}

static int save_ppm(const Picture* p, const char* file) {
  FILE* f = fopen(file, "wb");
  if (!f) return 1;
  fprintf(f, "P6 %d %d 255\n", p->w, p->h);
  fwrite(p->rgb, 3, (size_t)p->w * p->h, f);
  return fclose(f) == 0 ? 0 : 1;
}

static int cmd_snap(Window w, const char* file) {
  Picture p;
  return grab(w, &p) ? save_ppm(&p, file) : 1;
}

static int cmd_settle(Window w, const char* file, double timeout) {
  Picture want, got;
  if (!load_ppm(file, &want)) return usage();
  double end = now_ms() + timeout;
  long diff;
  do {
    if (!grab(w, &got)) return 1;
    diff = differing(&want, &got);
    free(got.rgb);
    if (diff <= kSamePixels) return 0;
    sleep_ms(10);
  } while (now_ms() < end);
  printf("%ld pixels differ\n", diff);
  return 1;
}

static int cmd_burst(Window w, int* xy, double delay, const char* file) {
  Picture want, got;
  if (!load_ppm(file, &want)) return usage();
  pointer_to(w, xy[0], xy[1]);
  button(1, True);
  pointer_to(w, xy[2], xy[3]);
  pointer_to(w, xy[4], xy[5]);
  button(1, False);
  XSync(dpy, False);
  sleep_ms(delay);
  if (!grab(w, &got)) return 1;
  long diff = differing(&want, &got);
  printf("%ld\n", diff);
  return diff <= kSamePixels ? 0 : 1;
}

static int cmd_cursor(void) {
  int ev, err;
  if (!XFixesQueryExtension(dpy, &ev, &err)) return 1;
  XFixesCursorImage* c = XFixesGetCursorImage(dpy);
  if (!c) return 1;
  printf("%d %d %d %d\n", c->width, c->height, c->xhot, c->yhot);
  XFree(c);
  return 0;
}

/* Pixels of a disc of radius R that differ between two saved pictures,
 * centred at (AX, AY) in the first and at (BX, BY) in the second. */
static int cmd_same_disc(char** a) {
  Picture p, q;
  if (!load_ppm(a[0], &p) || !load_ppm(a[3], &q)) return usage();
  int ax = atoi(a[1]), ay = atoi(a[2]), bx = atoi(a[4]), by = atoi(a[5]), r = atoi(a[6]);
  long n = 0;
  for (int dy = -r; dy <= r; dy++)
    for (int dx = -r; dx <= r; dx++) {
      if (dx * dx + dy * dy > r * r) continue;
      int x0 = ax + dx, y0 = ay + dy, x1 = bx + dx, y1 = by + dy;
      if (x0 < 0 || y0 < 0 || x0 >= p.w || y0 >= p.h || x1 < 0 || y1 < 0 || x1 >= q.w ||
          y1 >= q.h) {
        n++;
        continue;
      }
      const unsigned char* c0 = p.rgb + ((size_t)y0 * p.w + x0) * 3;
      const unsigned char* c1 = q.rgb + ((size_t)y1 * q.w + x1) * 3;
      n += abs(c0[0] - c1[0]) + abs(c0[1] - c1[1]) + abs(c0[2] - c1[2]) > 48;
    }
  printf("%ld\n", n);
  return n <= r ? 0 : 1;
}

static int cmd_pixel(const char* file, int x, int y) {
  Picture p;
  if (!load_ppm(file, &p)) return usage();
  if (x < 0 || y < 0 || x >= p.w || y >= p.h) return 1;
  const unsigned char* c = p.rgb + ((size_t)y * p.w + x) * 3;
  printf("%d %d %d\n", c[0], c[1], c[2]);
  return 0;
}

static int cmd_owner(const char* name, double timeout) {
  int want = name[0] != '-';
  Atom selection = XInternAtom(dpy, want ? name : name + 1, False);
  double end = now_ms() + timeout;
  do {
    if ((XGetSelectionOwner(dpy, selection) != None) == want) return 0;
    sleep_ms(20);
  } while (now_ms() < end);
  return 1;
}

static int cmd_cover(int x, int y, int w, int h, double ms) {
  Window win = XCreateSimpleWindow(dpy, root, x, y, w, h, 0, 0, 0x808080);
  XStoreName(dpy, win, "cover");
  XSizeHints hints = {0};
  hints.flags = USPosition | USSize;
  hints.x = x;
  hints.y = y;
  hints.width = w;
  hints.height = h;
  XSetWMNormalHints(dpy, win, &hints);
  XMapRaised(dpy, win);
  XSync(dpy, False);
  printf("0x%lx\n", win);
  fflush(stdout);
  sleep_ms(ms);
  return 0;
}

/* Whether WIN is the top of the window manager's stacking list. */
static int cmd_stacking(Window w) {
  unsigned long n;
  Window* list = (Window*)get_prop(root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW, &n);
  int top = list && n && list[n - 1] == w;
  if (list) XFree(list);
  return top ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  dpy = XOpenDisplay(NULL);
  if (!dpy) {
    fprintf(stderr, "xdrive: cannot open display '%s'\n", getenv("DISPLAY"));
    return 2;
  }
  XSetErrorHandler(ignore_errors);
  root = DefaultRootWindow(dpy);
  const char* cmd = argv[1];
  int n = argc - 2;
  char** a = argv + 2;
  int rc = 2;
  if (!strcmp(cmd, "find") && n == 3) {
    rc = cmd_find(a[0], atol(a[1]), atof(a[2]));
  } else if (!strcmp(cmd, "clients") && n == 0) {
    rc = cmd_clients();
  } else if (!strcmp(cmd, "geom") && n == 1) {
    int x, y, w, h;
    rc = geometry(parse_window(a[0]), &x, &y, &w, &h) ? 0 : 1;
    if (!rc) printf("%d %d %d %d\n", x, y, w, h);
  } else if (!strcmp(cmd, "gone") && n == 2) {
    double end = now_ms() + atof(a[1]);
    while (viewable(parse_window(a[0])) && now_ms() < end) sleep_ms(10);
    rc = viewable(parse_window(a[0]));
  } else if (!strcmp(cmd, "focus") && n == 2) {
    rc = cmd_focus(parse_window(a[0]), atof(a[1]));
  } else if (!strcmp(cmd, "menus") && n == 2) {
    rc = cmd_menus(atoi(a[0]), atof(a[1]));
  } else if (!strcmp(cmd, "popup") && n == 1) {
    rc = cmd_popup(atof(a[0]));
  } else if (!strcmp(cmd, "wmove") && n == 3) {
    rc = cmd_wmove(parse_window(a[0]), atoi(a[1]), atoi(a[2]));
  } else if (!strcmp(cmd, "at") && n == 3) {
    pointer_to(parse_window(a[0]), atoi(a[1]), atoi(a[2]));
    rc = 0;
  } else if (!strcmp(cmd, "click") && n == 5) {
    pointer_to(parse_window(a[0]), atoi(a[1]), atoi(a[2]));
    XSync(dpy, False);
    button(atoi(a[3]), True);
    XSync(dpy, False);
    sleep_ms(atof(a[4]));
    button(atoi(a[3]), False);
    rc = 0;
  } else if (!strcmp(cmd, "press") && n == 4) {
    pointer_to(parse_window(a[0]), atoi(a[1]), atoi(a[2]));
    XSync(dpy, False);
    button(atoi(a[3]), True);
    rc = 0;
  } else if (!strcmp(cmd, "release") && n == 1) {
    button(atoi(a[0]), False);
    rc = 0;
  } else if (!strcmp(cmd, "drag") && n == 7) {
    Window w = parse_window(a[0]);
    int x0 = atoi(a[1]), y0 = atoi(a[2]), x1 = atoi(a[3]), y1 = atoi(a[4]), steps = atoi(a[5]);
    pointer_to(w, x0, y0);
    XSync(dpy, False);
    button(1, True);
    XSync(dpy, False);
    /* The window may move under the pointer: steps are relative to the start. */
    int sx, sy, sw, sh;
    geometry(w, &sx, &sy, &sw, &sh);
    for (int i = 1; i <= steps; i++) {
      sleep_ms(atof(a[6]));
      XTestFakeMotionEvent(dpy, -1, sx + x0 + (x1 - x0) * i / steps,
                           sy + y0 + (y1 - y0) * i / steps, CurrentTime);
      XSync(dpy, False);
    }
    sleep_ms(atof(a[6]));
    button(1, False);
    rc = 0;
  } else if (!strcmp(cmd, "key") && n >= 1) {
    rc = key_sequence(n, a, 0);
  } else if (!strcmp(cmd, "key-held") && n >= 2) {
    rc = key_sequence(n - 1, a + 1, atof(a[0]));
  } else if (!strcmp(cmd, "snap") && n == 2) {
    rc = cmd_snap(parse_window(a[0]), a[1]);
  } else if (!strcmp(cmd, "settle") && n == 3) {
    rc = cmd_settle(parse_window(a[0]), a[1], atof(a[2]));
  } else if (!strcmp(cmd, "burst") && n == 9) {
    int xy[6];
    for (int i = 0; i < 6; i++) xy[i] = atoi(a[1 + i]);
    rc = cmd_burst(parse_window(a[0]), xy, atof(a[7]), a[8]);
  } else if (!strcmp(cmd, "cursor") && n == 0) {
    rc = cmd_cursor();
  } else if (!strcmp(cmd, "same-disc") && n == 7) {
    rc = cmd_same_disc(a);
  } else if (!strcmp(cmd, "pixel") && n == 3) {
    rc = cmd_pixel(a[0], atoi(a[1]), atoi(a[2]));
  } else if (!strcmp(cmd, "cover") && n == 5) {
    rc = cmd_cover(atoi(a[0]), atoi(a[1]), atoi(a[2]), atoi(a[3]), atof(a[4]));
  } else if (!strcmp(cmd, "paint-root") && n == 1) {
    XSetWindowBackground(dpy, root, strtoul(a[0], NULL, 16));
    XClearWindow(dpy, root);
    rc = 0;
  } else if (!strcmp(cmd, "stacking") && n == 1) {
    rc = cmd_stacking(parse_window(a[0]));
  } else if (!strcmp(cmd, "owner") && n == 2) {
    rc = cmd_owner(a[0], atof(a[1]));
  } else {
    return usage();
  }
  XSync(dpy, False);
  XCloseDisplay(dpy);
  return rc;
}
