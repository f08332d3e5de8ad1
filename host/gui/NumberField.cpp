#include "host/gui/NumberField.h"

#include "util/NumberText.h"

namespace vex::host::gui {

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    setText("0");
    connect(this, &QLineEdit::editingFinished, this, [this] { Confirm(); });
}

void NumberField::setValue(double value) {
    value_ = value;
    if (!isModified()) setText(QString::fromStdString(util::FormatGeneral(value, 6)));
}

void NumberField::Confirm() {
    if (!isModified()) return;
    setModified(false);
    const auto typed = util::ParseNumber<double>(text().toStdString());
    if (typed && *typed != value_ && edited_) edited_(*typed);
    // The listener's change comes back through setValue; otherwise the old value shows again.
    setValue(value_);
}

} // namespace vex::host::gui
