#pragma once

#include <QBoxLayout>

namespace vex::gui::qt {

/// A box layout that never grows beyond what its children can take: its maximum size along the
/// direction is the sum of the children's maxima (with spacing and margins), across it the largest
/// child maximum. Containers whose children all have limits then leave spare room to their siblings
/// instead of spreading their children apart.
class QBoxLayoutLimited : public QBoxLayout {
public:
    explicit QBoxLayoutLimited(Direction direction, QWidget* parent = nullptr)
        : QBoxLayout(direction, parent) {}

    /// The limits described above, never below the minimum size.
    QSize maximumSize() const override;
};

} // namespace vex::gui::qt
