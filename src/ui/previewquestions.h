// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

class QPrintDialog;
class QPrinter;
class QWidget;

namespace kazenori {

// What the user chose in the print dialog. Every member has an initialiser,
// so that a brace list may stop early without a warning.
struct PrintChoice {
  enum class Range { All, Pages, Selection };
  bool accepted = false;
  Range range = Range::All;
  int from = 0;
  int to = 0;
  std::vector<int> pages{};  // Range::Pages as a set ("1,3,5"), ascending; empty: from..to
  QString file{};            // print to this PDF file instead of a printer
};

// The pages a print dialog offers: from..to preset, minPage..maxPage allowed;
// maxPage 0 offers no page range at all.
struct PageOffer {
  int from = 0;
  int to = 0;
  int minPage = 0;
  int maxPage = 0;
};

// What the user chose in `dialog` (on `printer`), once it was accepted.
PrintChoice ChoiceOf(const QPrintDialog& dialog, const QPrinter& printer, const PageOffer& pages);

// The questions the preview dialog puts to the user in dialogs of their own:
// Qt's print, file and page-setup dialogs. Tests answer them instead.
class PreviewQuestions {
 public:
  virtual ~PreviewQuestions() = default;
  // The print dialog on `printer`, which takes what the user chose there.
  virtual PrintChoice askPrint(QWidget* parent, QPrinter& printer, const PageOffer& pages);
  // Where to save the PDF; empty when the user cancelled.
  virtual QString askPdfPath(QWidget* parent, const QString& suggestion);
  // The page-setup dialog on `printer`; true when confirmed.
  virtual bool askPrinterSetup(QWidget* parent, QPrinter& printer);
};

}  // namespace kazenori
