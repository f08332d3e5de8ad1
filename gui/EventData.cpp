#include "gui/EventData.h"

namespace vex::gui {

const EventData* EventData::Of(const util::Message& message) {
    for (std::size_t i = 0; i < message.GetAttachmentCount(); ++i)
        if (const auto* data = dynamic_cast<const EventData*>(message.GetAttachment(i))) return data;
    return nullptr;
}

} // namespace vex::gui
