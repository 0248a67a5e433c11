/* A virtual pointer and keyboard for wlroots compositors (sway), which have
 * no input devices when headless: the desktop checks drive the game with it
 * the way a player would. It stays connected and reads commands, one a line:
 *   move X Y          pointer to (X, Y) of the output (its size: argv 1, 2)
 *   press B | release B       B: left, right or middle
 *   key CODE [MS]     press and release an evdev key code, MS (20) apart
 * and answers "ready" once both devices exist, "ok" after each command,
 * once the compositor has seen it. */
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include "virtual-keyboard-unstable-v1.h"
#include "wlr-virtual-pointer-unstable-v1.h"

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* pointers;
static struct zwp_virtual_keyboard_manager_v1* keyboards;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                   uint32_t version) {
  (void)data, (void)version;
  if (!strcmp(interface, "wl_seat") && !seat) {
    seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
  } else if (!strcmp(interface, "zwlr_virtual_pointer_manager_v1")) {
    pointers = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
  } else if (!strcmp(interface, "zwp_virtual_keyboard_manager_v1")) {
    keyboards = wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
  }
}
static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data, (void)registry, (void)name;
}
static const struct wl_registry_listener registry_listener = {global, global_remove};

static uint32_t now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

/* The keyboard needs a keymap before its first key: the default one. */
static int send_keymap(struct zwp_virtual_keyboard_v1* keyboard) {
  struct xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  struct xkb_rule_names names = {0};
  struct xkb_keymap* keymap = context ? xkb_keymap_new_from_names(context, &names, 0) : NULL;
  char* text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : NULL;
  if (!text) return 0;
  size_t size = strlen(text) + 1;
  int fd = memfd_create("keymap", 0);
  int done = fd >= 0 && write(fd, text, size) == (ssize_t)size;
  if (done) zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, size);
  free(text);
  xkb_keymap_unref(keymap);
  xkb_context_unref(context);
  return done;
}

int main(int argc, char** argv) {
  unsigned width = argc > 2 ? atoi(argv[1]) : 1280, height = argc > 2 ? atoi(argv[2]) : 800;
  struct wl_display* display = wl_display_connect(NULL);
  if (!display) {
    fprintf(stderr, "wlinput: no Wayland display\n");
    return 1;
  }
  struct wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &registry_listener, NULL);
  wl_display_roundtrip(display);
  if (!seat || !pointers || !keyboards) {
    fprintf(stderr, "wlinput: the compositor offers no virtual pointer or keyboard\n");
    return 1;
  }
  struct zwlr_virtual_pointer_v1* pointer =
      zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointers, seat);
  struct zwp_virtual_keyboard_v1* keyboard =
      zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboards, seat);
  if (!send_keymap(keyboard)) {
    fprintf(stderr, "wlinput: no keymap\n");
    return 1;
  }
  wl_display_roundtrip(display);
  printf("ready\n");
  fflush(stdout);
  char line[256];
  while (fgets(line, sizeof line, stdin)) {
    int a, b = 20;
    char word[32], arg[32];
    if (sscanf(line, "move %d %d", &a, &b) == 2) {
      zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), a, b, width, height);
      zwlr_virtual_pointer_v1_frame(pointer);
    } else if (sscanf(line, "%31s %31s", word, arg) == 2 &&
               (!strcmp(word, "press") || !strcmp(word, "release"))) {
      int button = !strcmp(arg, "right") ? 0x111 : !strcmp(arg, "middle") ? 0x112 : 0x110;
      zwlr_virtual_pointer_v1_button(pointer, now_ms(), button, !strcmp(word, "press"));
      zwlr_virtual_pointer_v1_frame(pointer);
    } else if (sscanf(line, "key %d %d", &a, &b) >= 1) {
      zwp_virtual_keyboard_v1_key(keyboard, now_ms(), a, WL_KEYBOARD_KEY_STATE_PRESSED);
      wl_display_flush(display);
      usleep(b * 1000);
      zwp_virtual_keyboard_v1_key(keyboard, now_ms(), a, WL_KEYBOARD_KEY_STATE_RELEASED);
    } else {
      fprintf(stderr, "wlinput: unknown command: %s", line);
      return 2;
    }
    if (wl_display_roundtrip(display) < 0) {
      fprintf(stderr, "wlinput: the connection was lost\n");
      return 1;
    }
    printf("ok\n");
    fflush(stdout);
  }
  return 0;
}
