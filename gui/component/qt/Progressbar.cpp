#include "gui/component/qt/Progressbar.h"

namespace vex::gui::component {

Component* Progressbar::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Progressbar;
}

} // namespace vex::gui::component
