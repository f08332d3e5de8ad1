#pragma once

#include "util/Message.h"

#include <string>

namespace vex::gui {

/// The payload a component event carries beyond its code, id and integer value: the text of a text
/// box or combo box, or the number of a spinner. Attached to the event's message, which owns it.
class EventData : public util::Message::Attachment {
public:
    EventData() = default;
    explicit EventData(std::string eventText) : text(std::move(eventText)) {}
    explicit EventData(double eventNumber) : number(eventNumber) {}

    /// The event's text ("" when it has none).
    std::string text;
    /// The event's number (0 when it has none).
    double number = 0.0;

    /// The EventData attached to `message` first; null when it carries none.
    static const EventData* Of(const util::Message& message);
};

} // namespace vex::gui
