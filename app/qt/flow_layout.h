// SPDX-License-Identifier: MIT
#pragma once

#include <QLayout>
#include <QList>

namespace veltrisko {

// Lays its widgets out left to right and starts a new row where the next one
// would not fit, so that a row of controls never widens its window beyond
// its widest control.
class FlowLayout final : public QLayout {
 public:
  explicit FlowLayout(int spacing = 6) : spacing_(spacing) { setContentsMargins(0, 0, 0, 0); }
  ~FlowLayout() override;

  void addItem(QLayoutItem* item) override { items_.append(item); }
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return Arrange({0, 0, width, 0}, false); }
  QSize minimumSize() const override;
  QSize sizeHint() const override { return minimumSize(); }
  void setGeometry(const QRect& rect) override;

 private:
  // Places the items (or only measures them); returns the height used.
  int Arrange(const QRect& rect, bool place) const;

  QList<QLayoutItem*> items_;
  int spacing_;
};

}  // namespace veltrisko
