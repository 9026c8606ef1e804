// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

#include "pages/pagerecording.h"
#include "pages/paper.h"

class QPainter;

namespace kazenori {

// What a composed page is for: the screen shows it on its paper colour (with
// the sprocket holes of a tractor-feed source); a printer or a PDF gets the
// page alone.
enum class PageUse { Screen, Output };

// The preview document: pages recorded once in 0.1 mm from the paper's
// top-left corner, and the paper they are laid out on. The window shows it,
// the page printer prints it and the PDF export writes it; it knows none of
// them, nor any printer: whoever knows the printer sets the paper.
//
// Recording: BeginDocument, then drawing on Canvas() (a QPainter in 0.1 mm,
// fonts with pixel sizes in 0.1 mm, the pen colour being the font colour),
// NewPage between pages, EndDocument. Or AddPage with finished recordings.
class PreviewDocument : public QObject {
  Q_OBJECT
 public:
  explicit PreviewDocument(QObject* parent = nullptr);
  ~PreviewDocument() override;

  const Paper& PagePaper() const { return paper_; }
  // Pages recorded before keep their recording and are stretched onto it.
  void SetPaper(const Paper& paper) { paper_ = paper; }
  QString Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }
  // What the pages are, for a file that keeps them (「プリントNo.7–9」); empty
  // until a worksheet is recorded.
  QString SheetsTitle() const { return sheetsTitle_; }
  void SetSheetsTitle(const QString& title) { sheetsTitle_ = title; }
  // What a file or a print job of the pages is named: the sheets' title,
  // else the document's.
  QString OutputTitle() const { return sheetsTitle_.isEmpty() ? title_ : sheetsTitle_; }

  // Drops every page and starts page 1.
  void BeginDocument();
  void NewPage();
  void EndDocument();
  // Valid from BeginDocument to EndDocument, nullptr otherwise.
  QPainter* Canvas() const;
  // Adds a finished page after the last (ends a recording in progress first).
  void AddPage(PageRecording page);

  // Whether a document was begun (it stays until the next one).
  bool IsRecorded() const { return recorded_; }
  // Pages finished, 1 while the first is recorded.
  int PageCount() const { return pageCount_; }
  // A finished page as recorded (1-based), nullptr when it does not exist.
  const PageRecording* Page(int page) const;
  // Page `page` (clamped to 1..PageCount) on the paper, clipped to the
  // printable area, for `use`. Empty when nothing was recorded.
  PageRecording ComposedPage(int page, PageUse use) const;

 private:
  void StartPageRecording();
  void ClipToPrintableArea(QPainter& painter) const;
  void DrawTractorFeed(QPainter& painter) const;
  void StorePage();

  Paper paper_;
  QString title_;
  QString sheetsTitle_;
  bool recorded_ = false;
  int pageCount_ = 1;
  PageRecording recording_;  // the page being recorded
  std::vector<PageRecording> pages_;
  PageRecorder recorder_{&recording_};
  std::unique_ptr<QPainter> canvas_;
};

// The pages a print of first..last sends: the range in ascending order, both
// ends lowered to the page count, a first end of 0 or less meaning page 1 and
// a last end of 0 or less the last page (so 0..0 is every page).
struct PageRange {
  int first;
  int last;
};
PageRange NormalisedPageRange(int first, int last, int pageCount);

}  // namespace kazenori
