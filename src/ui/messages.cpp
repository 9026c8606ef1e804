// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/messages.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace kazenori {

namespace {

Messages*& InstalledSink() {
  static Messages* sink = nullptr;
  return sink;
}

}  // namespace

QString ServerSilentText(const QString& server) {
  return QStringLiteral("印刷サーバー %1 が応答しないので印刷できません．　　").arg(server);
}

QString PrintServerText(const PrintServer& server) {
  if (server.state == PrintServerState::Silent) return ServerSilentText(server.name);
  if (server.problem.isEmpty()) return QString();
  return QStringLiteral("印刷の機能を読み込めないので印刷できません（%1）．　　")
      .arg(server.problem);
}

Messages& Messages::Current() {
  static BoxMessages boxes;
  Messages* sink = InstalledSink();
  return sink ? *sink : boxes;
}

Messages* Messages::Install(Messages* sink) {
  Messages* previous = InstalledSink();
  InstalledSink() = sink;
  return previous;
}

void BoxMessages::Show(const Message& message) {
  // A box needs a widget application; a headless caller still learns what went wrong.
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(message.caption), qUtf8Printable(message.text));
    return;
  }
  if (message.beep) QApplication::beep();
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (message.icon) {
    case MessageIcon::Warning:
      icon = QMessageBox::Warning;
      break;
    case MessageIcon::Information:
      icon = QMessageBox::Information;
      break;
    case MessageIcon::Error:
      icon = QMessageBox::Critical;
      break;
  }
  QMessageBox box(icon, message.caption, message.text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace kazenori
