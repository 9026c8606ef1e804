// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TCustomplPrev: the operations that open and drive the preview window.
#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include "preview/Messages.h"
#include "preview/PLPREVFRM.h"
#include "preview/plPrev.h"

namespace kazenori {

namespace {

// Busy for the lifetime of the object, idle again however it ends.
class BusyScope {
 public:
  explicit BusyScope(TCustomplPrev& component) : component_(component) { component_.SetBusy(true); }
  ~BusyScope() { component_.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  TCustomplPrev& component_;
};

// The window a preview shows in: the one named by FormName, a window of a
// class derived from TplPrevForm, or a new one the component owns.
struct FoundWindow {
  TplPrevForm* preview = nullptr;
  QWidget* foreign = nullptr;
};

FoundWindow FindOrCreateWindow(TCustomplPrev& component) {
  FoundWindow found;
  const QWidgetList windows = QApplication::topLevelWidgets();
  if (!component.FormName().isEmpty()) {
    for (QWidget* window : windows) {
      if (window->objectName() != component.FormName()) continue;
      if (auto* preview = qobject_cast<TplPrevForm*>(window)) {
        preview->Bind(&component);
        found.preview = preview;
        return found;
      }
      found.foreign = window;
    }
    if (found.foreign) component.SetForeignWindow(found.foreign);
    return found;
  }
  for (QWidget* window : windows) {
    auto* preview = qobject_cast<TplPrevForm*>(window);
    if (preview && window->metaObject()->superClass() == &TplPrevForm::staticMetaObject) {
      preview->Bind(&component);
      component.SetFormName(preview->objectName());
      found.preview = preview;
    }
  }
  if (found.preview) return found;

  auto* owner = qobject_cast<QWidget*>(component.parent());
  auto* window = new TplPrevForm(owner ? owner->window() : nullptr);
  component.SetOwnsWindow(true);
  component.SetFormName(component.objectName() + QStringLiteral("__") + window->objectName());
  window->Bind(&component);
  found.preview = window;
  return found;
}

// Shows a window of another kind modally until it is hidden.
void ShowForeignModally(TCustomplPrev& component, QWidget& window) {
  component.SetWindowShown(true);
  QPointer<QWidget> guard(&window);
  window.setWindowModality(Qt::ApplicationModal);
  window.show();
  QEventLoop loop;
  while (guard && guard->isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  component.SetViewPageSize(0, 0);
  component.SetWindowShown(false);
}

}  // namespace

void TCustomplPrev::Preview() {
  if (Busy()) return;
  if (IsAcrobatPrinter()) {
    if (DocumentRecorded()) Print();
    return;
  }
  if (WindowShown()) {
    Messages::Current().Warning(
        QStringLiteral("表示中のフォームをモーダル表示で開くことはできません(矛盾)．　　"),
        QStringLiteral("印刷プレビュー制御コンポーネント"));
    return;
  }
  BusyScope busy(*this);
  const FoundWindow found = FindOrCreateWindow(*this);
  if (found.preview) {
    PrepareForm();
    SetWindowShown(true);
    QPointer<TplPrevForm> window(found.preview);
    const bool owned = OwnsWindow();
    if (owned) window->SetReleaseOnClose(false);
    window->exec();
    // A window the component created goes once it is closed (its close
    // made the component forget it).
    if (owned && window && PreviewWindow() != window) delete window.data();
    return;
  }
  if (found.foreign) {
    try {
      PrepareForm();
      ShowForeignModally(*this, *found.foreign);
    } catch (...) {
      SetWindowShown(false);
    }
  }
}

void TCustomplPrev::ShowPreview() {
  if (Busy()) return;
  if (IsAcrobatPrinter()) {
    if (DocumentRecorded()) Print();
    return;
  }
  BusyScope busy(*this);
  if (WindowShown() && PreviewWindow() && PreviewWindow()->isVisible()) {
    PreviewWindow()->raise();
    PreviewWindow()->activateWindow();
    return;
  }
  const FoundWindow found = FindOrCreateWindow(*this);
  QWidget* window = found.preview ? static_cast<QWidget*>(found.preview) : found.foreign;
  if (!window) return;
  PrepareForm();
  window->show();
  SetWindowShown(true);
}

void TCustomplPrev::PrintWithDialog() {
  if (TplPrevForm* window = PreviewWindow()) window->PrintBtnClick();
}

bool TCustomplPrev::ShowPage(int page) {
  TplPrevForm* window = PreviewWindow();
  if (!window || !window->isVisible() || Busy() || page < 1 || page > PageCount()) return false;
  BusyScope busy(*this);
  SetCurrentPage(page);
  window->RefreshPageView();
  return true;
}

void TCustomplPrev::ClosePreview() {
  if (IsAcrobatPrinter()) return;
  if (TplPrevForm* window = PreviewWindow()) window->close();
}

}  // namespace kazenori
