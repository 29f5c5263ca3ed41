#include "platform/buttons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPixmap>

#include "platform/safe_call.h"

namespace platform {

namespace {

class DialogKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled() || !qobject_cast<QDialog*>(button->window()))
      return false;
    button->click();
    return true;
  }
};

}  // namespace

void install_dialog_keys(QCoreApplication& app) {
  const QString name = QStringLiteral("DialogKeys");
  if (app.findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) return;
  auto* keys = new DialogKeys(&app);
  keys->setObjectName(name);
  app.installEventFilter(keys);
}

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
