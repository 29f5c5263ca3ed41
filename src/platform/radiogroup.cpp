#include "platform/radiogroup.h"

#include <algorithm>

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include "platform/safe_call.h"

namespace platform {

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), layout_(new QGridLayout(this)) {
  layout_->setContentsMargins(8, 4, 4, 4);
  layout_->setSpacing(0);
  connect(group_, &QButtonGroup::idToggled, this, &RadioGroup::Toggled);
}

void RadioGroup::SetItems(const QStringList& items) {
  items_ = items;
  item_index_ = std::min<int>(item_index_, static_cast<int>(items_.size()) - 1);
  Rebuild();
}

void RadioGroup::SetColumns(int columns) {
  columns_ = std::max(1, columns);
  Rebuild();
}

QRadioButton* RadioGroup::Button(int index) const {
  if (index < 0 || index >= static_cast<int>(buttons_.size())) return nullptr;
  return buttons_[static_cast<size_t>(index)];
}

void RadioGroup::Rebuild() {
  rebuilding_ = true;
  for (QRadioButton* b : buttons_) {
    group_->removeButton(b);
    delete b;
  }
  buttons_.clear();
  const int count = static_cast<int>(items_.size());
  const int rows = (count + columns_ - 1) / columns_;
  for (int i = 0; i < count; ++i) {
    auto* b = new QRadioButton(items_[i], this);
    group_->addButton(b, i);
    layout_->addWidget(b, i % rows, i / rows);
    buttons_.push_back(b);
  }
  if (item_index_ >= 0) buttons_[static_cast<size_t>(item_index_)]->setChecked(true);
  rebuilding_ = false;
}

void RadioGroup::SetItemIndex(int index) {
  index = std::clamp(index, -1, static_cast<int>(items_.size()) - 1);
  if (index == item_index_) return;
  if (index >= 0) {
    buttons_[static_cast<size_t>(index)]->setChecked(true);  // fires OnClick through Toggled
    return;
  }
  group_->setExclusive(false);
  buttons_[static_cast<size_t>(item_index_)]->setChecked(false);
  group_->setExclusive(true);
  item_index_ = -1;
}

void RadioGroup::Toggled(int id, bool checked) {
  if (!checked || rebuilding_ || id == item_index_) return;
  item_index_ = id;
  if (OnClick) guarded(OnClick);
}

}  // namespace platform
