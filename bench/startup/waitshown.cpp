// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and prints, in microseconds, how long it took until a
// top-level window with the given title was mapped on the X server; then ends
// the program. It listens for the map event rather than polling, so the figure
// carries no polling delay and the waiting costs the measured program no CPU.
// With --drawn it goes on until the window's contents are first drawn and
// prints that time instead: a program can be mapped early and drawn late.
// Usage: waitshown [--drawn] TITLE PROGRAM [ARG...]
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

std::string WindowName(xcb_connection_t* c, xcb_window_t window) {
  const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
      nullptr));
  if (!reply) {
    return {};
  }
  const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
  return std::string(text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// One row of pixels across the middle of `window`, in screen coordinates as
// the screen shows them (root) or as the window holds them.
struct Row {
  int16_t x = 0, y = 0;
  uint16_t width = 0;
};

std::vector<uint32_t> Pixels(xcb_connection_t* c, xcb_drawable_t drawable, Row row) {
  const XcbReply<xcb_get_image_reply_t> image(xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, row.x, row.y, row.width, 1, ~0u),
      nullptr));
  if (!image) return {};
  const auto* data = reinterpret_cast<const uint32_t*>(xcb_get_image_data(image.get()));
  return std::vector<uint32_t>(data, data + row.width);
}

// Until the window holds something other than the screen beneath it (a window
// without a background shows that until it is drawn) and other than one flat
// colour (a background the server fills in): its own drawing. Polled; the
// pause between looks keeps the poller from taking the measured program's CPU.
void WaitDrawn(xcb_connection_t* c, xcb_window_t root, xcb_window_t window,
               const XcbReply<xcb_get_image_reply_t>& before, uint16_t screenWidth) {
  const XcbReply<xcb_get_geometry_reply_t> size(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
  if (!size || !before) return;
  const Row inside{0, static_cast<int16_t>(size->height / 2), size->width};
  const auto* screen = reinterpret_cast<const uint32_t*>(xcb_get_image_data(before.get()));
  for (int look = 0; look < 20000; ++look) {
    const XcbReply<xcb_translate_coordinates_reply_t> at(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, root, 0, inside.y), nullptr));
    const std::vector<uint32_t> now = Pixels(c, window, inside);
    if (!at || now.empty()) return;
    bool flat = true, beneath = true;
    for (std::size_t i = 0; i < now.size(); ++i) {
      const uint32_t pixel = now[i] & 0xffffffu;
      flat = flat && pixel == (now[0] & 0xffffffu);
      const int x = at->dst_x + static_cast<int>(i);
      const int y = at->dst_y;
      const bool onScreen = x >= 0 && x < screenWidth && y >= 0 &&
                            y < xcb_setup_roots_iterator(xcb_get_setup(c)).data->height_in_pixels;
      if (onScreen) beneath = beneath && pixel == (screen[y * screenWidth + x] & 0xffffffu);
    }
    if (!flat && !beneath) return;
    usleep(300);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool drawn = argc > 1 && std::string(argv[1]) == "--drawn";
  if (drawn) {
    --argc;
    ++argv;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: waitshown [--drawn] TITLE PROGRAM [ARG...]\n");
    return 2;
  }
  const std::string title = argv[1];
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "waitshown: no X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));
  // The screen before the program starts, to tell its drawing from it.
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const XcbReply<xcb_get_image_reply_t> before(
      drawn ? xcb_get_image_reply(
                  c,
                  xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, 0, screen->width_in_pixels,
                                screen->height_in_pixels, ~0u),
                  nullptr)
            : nullptr);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    std::perror("waitshown: exec");
    _exit(127);
  }
  int status = 1;
  pollfd x{xcb_get_file_descriptor(c), POLLIN, 0};
  bool exited = false;
  while (status != 0 && !exited) {
    while (xcb_generic_event_t* raw = xcb_poll_for_event(c)) {
      const XcbReply<xcb_generic_event_t> event(raw);
      if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
        continue;
      }
      const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
      if (WindowName(c, map->window) == title) {
        if (drawn) WaitDrawn(c, root, map->window, before, screen->width_in_pixels);
        const auto shown = std::chrono::steady_clock::now();
        std::printf(
            "%lld\n",
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::microseconds>(shown - start).count()));
        status = 0;
        break;
      }
    }
    if (status != 0 && xcb_connection_has_error(c)) {
      break;
    }
    if (status != 0) {
      poll(&x, 1, 50);
      // A program that dies before showing its window must not leave us waiting.
      exited = waitpid(child, nullptr, WNOHANG) == child;
    }
  }
  if (exited) {
    std::fprintf(stderr, "waitshown: %s exited before its window was shown\n", argv[2]);
    xcb_disconnect(c);
    return 1;
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(c);
  return status;
}
