#pragma once

#include "gui/component/qt/FlagIcons.h"

#include <QHeaderView>

#include <vector>

namespace vex::gui::component::qt {

/// The column header of a tree view with flag columns: the name column shows its text, each flag
/// column the image of its true value, in a narrow fixed section. Sections are clickable; the tree
/// reports the clicks (QHeaderView::sectionClicked).
class Header : public QHeaderView {
public:
    /// A horizontal header showing the images `icons` over the flag columns 1...
    explicit Header(std::vector<FlagIcons> icons, QWidget* parent = nullptr);

    /// Width of a flag section in pixels.
    static constexpr int kFlagSectionWidth = 26;

    /// Makes the sections clickable, the name column stretch and the flag columns narrow; call after the
    /// model is set.
    void FitSections();

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    std::vector<FlagIcons> icons_;
};

} // namespace vex::gui::component::qt
