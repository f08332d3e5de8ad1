#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <string>
#include <vector>

namespace vex::gui::test {

/// The rectangle a group box's style gives its title, in the box's coordinates.
inline QRect GroupTitleRect(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = box.alignment();
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

/// What is wrong with the geometry of the shown widget tree under `top`: visible siblings that
/// overlap, children of a drawn frame that cover its line, children of a group box that reach into
/// its title. Each problem is one line naming the widgets; empty when the tree is laid out cleanly.
inline std::vector<std::string> LayoutProblems(const QWidget& top) {
    std::vector<std::string> problems;
    const auto name = [](const QWidget* widget) {
        return std::string(widget->metaObject()->className()) + " '" + widget->objectName().toStdString() +
               "' at " + std::to_string(widget->geometry().x()) + "," +
               std::to_string(widget->geometry().y()) + " " + std::to_string(widget->width()) + "x" +
               std::to_string(widget->height());
    };
    std::vector<const QWidget*> children;
    for (const QWidget* child : top.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->isWindow()) children.push_back(child);

    for (std::size_t i = 0; i < children.size(); ++i)
        for (std::size_t j = i + 1; j < children.size(); ++j)
            if (children[i]->geometry().intersects(children[j]->geometry()))
                problems.push_back(name(children[i]) + " overlaps " + name(children[j]));

    QRect inside = top.rect();
    if (const auto* frame = qobject_cast<const QFrame*>(&top); frame != nullptr && frame->frameWidth() > 0) {
        const int line = frame->frameWidth();
        inside = top.rect().adjusted(line, line, -line, -line);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&top); box != nullptr && !box->title().isEmpty())
        inside.setTop(std::max(inside.top(), GroupTitleRect(*box).bottom() + 1));
    // A scroll view's content may be larger than its viewport: that is what scrolling is for.
    const auto* scroll = qobject_cast<const QAbstractScrollArea*>(top.parentWidget());
    const bool viewport = scroll != nullptr && scroll->viewport() == &top;
    for (const QWidget* child : children) {
        if (!viewport && !inside.contains(child->geometry()))
            problems.push_back(name(child) + " reaches out of the content area of " + name(&top));
        for (std::string& problem : LayoutProblems(*child)) problems.push_back(std::move(problem));
    }
    return problems;
}

/// The shown texts under `top` that do not fit their widget: a label or button narrower (or, for a
/// wrapping label, lower) than its text needs, a group box whose title is cut. One line per text.
inline std::vector<std::string> TextProblems(const QWidget& top) {
    std::vector<std::string> problems;
    const auto report = [&problems](const QWidget& widget, const QString& text, QSize needs) {
        problems.push_back(std::string(widget.metaObject()->className()) + " '" + text.toStdString() +
                           "' is " + std::to_string(widget.width()) + "x" + std::to_string(widget.height()) +
                           " and needs " + std::to_string(needs.width()) + "x" +
                           std::to_string(needs.height()));
    };
    for (const QLabel* label : top.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        if (label->wordWrap()) {
            const int needs = label->heightForWidth(label->width());
            if (needs > label->height()) report(*label, label->text(), {label->width(), needs});
        } else if (label->sizeHint().width() > label->width()) {
            report(*label, label->text(), label->sizeHint());
        }
    }
    for (const QAbstractButton* button : top.findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty()) continue;
        if (button->sizeHint().width() > button->width()) report(*button, button->text(), button->sizeHint());
    }
    for (const QGroupBox* box : top.findChildren<QGroupBox*>()) {
        if (!box->isVisible() || box->title().isEmpty()) continue;
        const int needs = box->fontMetrics().horizontalAdvance(box->title());
        if (GroupTitleRect(*box).width() < needs) report(*box, box->title(), {needs, 0});
    }
    return problems;
}

} // namespace vex::gui::test
