#include "gui/qt/QBoxLayoutLimited.h"

#include "gui/Component.h"

#include <QWidget>

#include <algorithm>

namespace vex::gui::qt {

QSize QBoxLayoutLimited::maximumSize() const {
    const bool horizontal = direction() == LeftToRight || direction() == RightToLeft;
    const qint64 limit = Component::kNoLimit;
    qint64 along = 0;
    qint64 across = 0;
    int counted = 0;
    for (int i = 0; i < count(); ++i) {
        QLayoutItem* layoutItem = itemAt(i);
        if (layoutItem == nullptr || layoutItem->isEmpty()) continue;
        const QSize max = layoutItem->maximumSize();
        // An aligned item floats inside its cell; the cell itself has no limit across.
        const bool floats = layoutItem->alignment() != Qt::Alignment();
        along += horizontal ? max.width() : max.height();
        across = std::max<qint64>(across, floats ? limit : (horizontal ? max.height() : max.width()));
        ++counted;
    }
    if (counted == 0) return QBoxLayout::maximumSize();
    const QMargins margins = contentsMargins();
    along += static_cast<qint64>(std::max(spacing(), 0)) * (counted - 1);
    along += horizontal ? margins.left() + margins.right() : margins.top() + margins.bottom();
    across += horizontal ? margins.top() + margins.bottom() : margins.left() + margins.right();
    along = std::min(along, limit);
    across = std::min(across, limit);
    QSize size = horizontal ? QSize(int(along), int(across)) : QSize(int(across), int(along));
    return size.expandedTo(minimumSize());
}

} // namespace vex::gui::qt
