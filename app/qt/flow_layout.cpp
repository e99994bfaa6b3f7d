// SPDX-License-Identifier: MIT
#include "app/qt/flow_layout.h"

#include <QWidget>
#include <vector>

#include "app/logic/flow_rows.h"

namespace veltrisko {

FlowLayout::~FlowLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

QLayoutItem* FlowLayout::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QSize FlowLayout::minimumSize() const {
  QSize size;
  for (const QLayoutItem* item : items_) {
    if (!item->isEmpty()) size = size.expandedTo(item->minimumSize());
  }
  const QMargins m = contentsMargins();
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool place) const {
  const QRect area = rect.marginsRemoved(contentsMargins());
  std::vector<QLayoutItem*> shown;
  std::vector<FlowSize> sizes;
  for (QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize hint = item->sizeHint();
    shown.push_back(item);
    sizes.push_back({hint.width(), hint.height()});
  }
  const FlowPlaces flow = FlowRows(sizes, area.width(), {spacing_, spacing_});
  for (std::size_t i = 0; place && i < shown.size(); ++i) {
    const LegendRect& at = flow.places[i];
    shown[i]->setGeometry(QRect(area.x() + at.x, area.y() + at.y, at.width, at.height));
  }
  return area.y() - rect.y() + flow.height + contentsMargins().bottom();
}

}  // namespace veltrisko
