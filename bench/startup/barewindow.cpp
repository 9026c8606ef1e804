// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the start-up benchmark: the least a Qt Widgets program
// must do to show a window the size of Kazenori's with as many controls.
// With --japanese the boxes have Japanese captions, as Kazenori's do.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
  const bool japanese = argc > 1 && std::strcmp(argv[1], "--japanese") == 0;
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("barewindow"));
  window.setFixedSize(995, 611);
  auto* grid = new QGridLayout(&window);
  constexpr int kBoxes = 150;
  constexpr int kColumns = 10;
  for (int i = 0; i < kBoxes; ++i) {
    const QString caption =
        (japanese ? QStringLiteral("和が10以下の特訓") : QString()) + QString::number(i + 1);
    grid->addWidget(new QCheckBox(caption, &window), i / kColumns, i % kColumns);
  }
  window.show();
  return app.exec();
}
