// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and prints, in microseconds, how long it took until a
// top-level window with the given title was mapped on the X server; then ends
// the program. It listens for the map event rather than polling, so the figure
// carries no polling delay and the waiting costs the measured program no CPU.
// Usage: waitshown TITLE PROGRAM [ARG...]
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: waitshown TITLE PROGRAM [ARG...]\n");
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
