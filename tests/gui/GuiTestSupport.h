#pragma once

#include "gui/BuildReport.h"
#include "gui/Component.h"
#include "gui/ComponentBuilder.h"
#include "gui/EventData.h"
#include "util/MessageNode.h"
#include "util/xml/Element.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vex::gui::test {

/// The one QApplication of the test process, on the offscreen platform.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "gui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

/// The component tree of the layout text `xml`.
inline std::unique_ptr<Component> BuildLayout(const std::string& xml, BuildReport* report = nullptr) {
    App();
    util::xml::Element element;
    EXPECT_EQ(element.Parse(xml), 0) << xml;
    return ComponentBuilder::Create(element, report);
}

/// A window stand-in: subscribes to a component and keeps every component event it receives.
class EventRecorder : public util::MessageNode {
public:
    struct Event {
        int32_t code;
        int32_t id;
        int64_t value;
        std::string text;
        double number;
        util::MessageNode* origin;
    };

    explicit EventRecorder(Component& source) { connect(&source); }

    void receive(util::Message& message, bool) override {
        if (message.code < 0) return;
        const EventData* data = EventData::Of(message);
        events.push_back({message.code, message.parameter, message.value, data ? data->text : std::string(),
                          data ? data->number : 0.0, message.origin});
    }
    /// The events with `code`, in arrival order.
    std::vector<Event> Of(int32_t code) const {
        std::vector<Event> found;
        for (const Event& event : events)
            if (event.code == code) found.push_back(event);
        return found;
    }

    std::vector<Event> events;
};

} // namespace vex::gui::test
