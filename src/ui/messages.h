// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "print/printserver.h"

#include <vector>

namespace kazenori {

enum class MessageIcon { Warning, Information, Error };

// What the window and the preview dialog say when the print server `server`
// took the connection but did not answer: there is nothing to print on.
QString ServerSilentText(const QString& server);
// What they say when the print server is to blame for there being nothing to
// print on: it did not answer, or it could not be asked at all (printing is
// unavailable, and why); empty when it is not to blame.
QString PrintServerText(const PrintServer& server);

// One modal message box as the user would see it.
struct Message {
  QString text;
  QString caption;
  MessageIcon icon = MessageIcon::Information;
  bool beep = false;
};

// The one road to a modal message box. The program shows boxes through
// BoxMessages; tests install a RecordingMessages so that nothing ever blocks
// on a modal box and the texts can be checked.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual void Show(const Message& message) = 0;

  void Warning(const QString& text, const QString& caption, bool beep = true) {
    Show({text, caption, MessageIcon::Warning, beep});
  }
  void Information(const QString& text, const QString& caption, bool beep = false) {
    Show({text, caption, MessageIcon::Information, beep});
  }
  void Error(const QString& text, const QString& caption, bool beep = true) {
    Show({text, caption, MessageIcon::Error, beep});
  }

  // The sink every component uses. Never null: without an installed sink it is
  // the QMessageBox one (or stderr when no QApplication with widgets exists).
  static Messages& Current();
  // Installs a sink (nullptr restores the default) and returns the previous one.
  static Messages* Install(Messages* sink);
};

// QMessageBox + QApplication::beep.
class BoxMessages final : public Messages {
 public:
  void Show(const Message& message) override;
};

// Keeps every message instead of showing it.
class RecordingMessages final : public Messages {
 public:
  void Show(const Message& message) override { shown.push_back(message); }
  std::vector<Message> shown;
};

// Installs a sink for the lifetime of the object (tests).
class ScopedMessages {
 public:
  explicit ScopedMessages(Messages& sink) : previous_(Messages::Install(&sink)) {}
  ~ScopedMessages() { Messages::Install(previous_); }
  ScopedMessages(const ScopedMessages&) = delete;
  ScopedMessages& operator=(const ScopedMessages&) = delete;

 private:
  Messages* previous_;
};

}  // namespace kazenori
