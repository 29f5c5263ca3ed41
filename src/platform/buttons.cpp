#include "platform/buttons.h"

#include <QDialog>
#include <QPixmap>

#include "platform/safe_call.h"

namespace platform {

BitBtn::BitBtn(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {
  connect(this, &QPushButton::clicked, this, &BitBtn::Clicked);
}

void BitBtn::SetGlyph(const QImage& glyph) {
  glyph_ = glyph;
  setIcon(glyph.isNull() ? QIcon() : QIcon(QPixmap::fromImage(glyph)));
  if (!glyph.isNull()) setIconSize(glyph.size());
}

void BitBtn::Clicked() {
  if (OnClick) guarded(OnClick);
  if (modal_result_ == TModalResult::mrNone) return;
  if (auto* dialog = qobject_cast<QDialog*>(window())) {
    if (modal_result_ == TModalResult::mrOk) {
      dialog->accept();
    } else {
      dialog->reject();
    }
  }
}

SpeedButton::SpeedButton(QWidget* parent, const QString& caption) : BitBtn(parent, caption) {
  setFlat(true);
  setFocusPolicy(Qt::NoFocus);
}

}  // namespace platform
