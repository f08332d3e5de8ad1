#pragma once

#include "gui/component/qt/FlagIcons.h"

#include <QStyledItemDelegate>

#include <vector>

namespace vex::gui::component::qt {

/// Paints the flag columns of a NodeModel as one image per value and toggles a flag when its cell
/// is clicked (false and undetermined become true, true becomes false). The name column is painted
/// as usual.
class FlagDelegate : public QStyledItemDelegate {
public:
    /// The images of each flag column, in column order after the name column.
    explicit FlagDelegate(std::vector<FlagIcons> icons, QObject* parent = nullptr);

    /// The value a click turns `state` (an int FlagState) into.
    static int Toggled(int state);
    /// Paints the flag's image centred in `rect`, or the style's check box when there is none.
    static void PaintFlag(QPainter* painter, const QRect& rect, const FlagIcons* icons, int state,
                          const QWidget* widget);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    const FlagIcons* IconsOf(int column) const;

    std::vector<FlagIcons> icons_;
};

} // namespace vex::gui::component::qt
