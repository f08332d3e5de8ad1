#include "gui/component/qt/FlagDelegate.h"

#include "gui/component/qt/NodeModel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace vex::gui::component::qt {

namespace {

// Edge of a flag image in pixels.
constexpr int kFlagSize = 16;

} // namespace

FlagDelegate::FlagDelegate(std::vector<FlagIcons> icons, QObject* parent)
    : QStyledItemDelegate(parent), icons_(std::move(icons)) {}

int FlagDelegate::Toggled(int state) {
    return state == static_cast<int>(NodeModel::FlagState::kTrue)
               ? static_cast<int>(NodeModel::FlagState::kFalse)
               : static_cast<int>(NodeModel::FlagState::kTrue);
}

const FlagIcons* FlagDelegate::IconsOf(int column) const {
    const int flag = column - 1;
    return flag >= 0 && flag < static_cast<int>(icons_.size()) ? &icons_[static_cast<std::size_t>(flag)]
                                                               : nullptr;
}

void FlagDelegate::PaintFlag(QPainter* painter, const QRect& rect, const FlagIcons* icons, int state,
                             const QWidget* widget) {
    QRect box(0, 0, kFlagSize, kFlagSize);
    box.moveCenter(rect.center());
    if (state < 0 || state > 2) state = 0;
    if (icons != nullptr && !(*icons)[static_cast<std::size_t>(state)].isNull()) {
        (*icons)[static_cast<std::size_t>(state)].paint(painter, box);
        return;
    }
    QStyleOptionButton check;
    check.rect = box;
    check.state = QStyle::State_Enabled | (state == 1   ? QStyle::State_On
                                           : state == 2 ? QStyle::State_NoChange
                                                        : QStyle::State_Off);
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, widget);
}

void FlagDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (index.column() == 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The cell's background (selection, alternate rows) as usual, then the flag's image.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, option.widget);
    PaintFlag(painter, option.rect, IconsOf(index.column()), index.data(NodeModel::kFlagRole).toInt(),
              option.widget);
}

QSize FlagDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (index.column() == 0) return QStyledItemDelegate::sizeHint(option, index);
    return {kFlagSize + 8, kFlagSize + 4};
}

bool FlagDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    if (index.column() == 0 || model == nullptr)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    // A flag changes on the release of a left click inside its cell; the press and a double click are
    // taken too, so a double click does not toggle twice nor open anything.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint()))
            return false;
        return model->setData(index, Toggled(index.data(NodeModel::kFlagRole).toInt()), NodeModel::kFlagRole);
    }
    default:
        return false;
    }
}

} // namespace vex::gui::component::qt
