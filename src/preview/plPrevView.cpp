// TCustomplPrev: the operations that open and drive the preview window.
// Provisional: they do what can be done without a window.
#include "preview/Messages.h"
#include "preview/plPrev.h"

namespace kazenori {

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
}

void TCustomplPrev::ShowPreview() {}

void TCustomplPrev::PrintWithDialog() {}

bool TCustomplPrev::ShowPage(int page) {
  if (!PreviewWindow() || Busy() || page < 1 || page > PageCount()) return false;
  return false;
}

void TCustomplPrev::ClosePreview() {}

}  // namespace kazenori
