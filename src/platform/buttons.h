#pragma once

#include <functional>

#include <QImage>
#include <QPushButton>

class QCoreApplication;

namespace platform {

// Return and Enter on a focused push button in a dialog press that button, as Space does,
// whatever the dialog's default button. Installed once on the application.
void install_dialog_keys(QCoreApplication& app);

// Closing effect of a button inside a dialog.
enum class TModalResult { mrNone, mrOk, mrCancel };

// Push button with an optional picture beside the caption.
class BitBtn : public QPushButton {
  Q_OBJECT

 public:
  explicit BitBtn(QWidget* parent = nullptr, const QString& caption = {});

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }

  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph);

  // mrOk accepts and mrCancel rejects the QDialog the button sits in, after OnClick.
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }

  std::function<void()> OnClick;

 private:
  void Clicked();

  QImage glyph_;
  TModalResult modal_result_ = TModalResult::mrNone;
};

// Flat button with a picture; with SetAllowStayDown(true) a click toggles it down and up.
class SpeedButton : public BitBtn {
  Q_OBJECT

 public:
  explicit SpeedButton(QWidget* parent = nullptr, const QString& caption = {});

  bool Flat() const { return isFlat(); }
  void SetFlat(bool flat) { setFlat(flat); }

  bool Down() const { return isChecked(); }
  void SetDown(bool down) { setChecked(down); }
  void SetAllowStayDown(bool stay) { setCheckable(stay); }
};

}  // namespace platform
