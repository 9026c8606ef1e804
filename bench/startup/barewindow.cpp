// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the start-up benchmark: the least a Qt Widgets program
// must do to show a window the size of Kazenori's with as many controls.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("barewindow"));
  window.setFixedSize(995, 611);
  auto* grid = new QGridLayout(&window);
  constexpr int kBoxes = 150;
  constexpr int kColumns = 10;
  for (int i = 0; i < kBoxes; ++i) {
    grid->addWidget(new QCheckBox(QString::number(i + 1), &window), i / kColumns, i % kColumns);
  }
  window.show();
  return app.exec();
}
