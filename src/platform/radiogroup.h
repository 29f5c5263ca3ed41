#pragma once

#include <functional>
#include <vector>

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace platform {

// Group box of radio buttons, one per item, laid out top to bottom in Columns columns.
// OnClick fires whenever ItemIndex changes to an item, by the user or from code.
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit RadioGroup(QWidget* parent = nullptr);

  QString Caption() const { return title(); }
  void SetCaption(const QString& caption) { setTitle(caption); }

  const QStringList& Items() const { return items_; }
  // Rebuilds the buttons; the selection stays where it still exists and OnClick stays silent.
  void SetItems(const QStringList& items);

  int ItemIndex() const { return item_index_; }
  // Clamped to -1 .. Items().size() - 1; -1 clears the selection without OnClick.
  void SetItemIndex(int index);

  int Columns() const { return columns_; }
  void SetColumns(int columns);

  QRadioButton* Button(int index) const;

  std::function<void()> OnClick;

 private:
  void Rebuild();
  void Toggled(int id, bool checked);

  QStringList items_;
  int item_index_ = -1;
  int columns_ = 1;
  bool rebuilding_ = false;
  QButtonGroup* group_;
  QGridLayout* layout_;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace platform
