#include "gui/component/qt/Header.h"

#include "gui/component/qt/FlagDelegate.h"

#include <QPainter>

namespace vex::gui::component::qt {

Header::Header(std::vector<FlagIcons> icons, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), icons_(std::move(icons)) {
    setSectionsClickable(true);
    setStretchLastSection(false);
}

void Header::FitSections() {
    // A tree view resets the header when it gets its model; sections must stay clickable.
    setSectionsClickable(true);
    if (count() == 0) return;
    setSectionResizeMode(0, QHeaderView::Stretch);
    for (int section = 1; section < count(); ++section) {
        setSectionResizeMode(section, QHeaderView::Fixed);
        resizeSection(section, kFlagSectionWidth);
    }
}

void Header::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const int flag = logicalIndex - 1;
    if (flag < 0 || flag >= static_cast<int>(icons_.size())) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // The section's frame without its text, then the flag's "true" image as its title.
    painter->save();
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    painter->restore();
    FlagDelegate::PaintFlag(painter, rect, &icons_[static_cast<std::size_t>(flag)], 1, this);
}

} // namespace vex::gui::component::qt
