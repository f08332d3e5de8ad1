#pragma once

#include "core/Instance.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace vex::orb::core::test {

/// A factory configuration profile of a tool as a change of its `Settings` from the defaults.
template <class Settings>
struct FactoryProfile {
    const char* name;
    std::function<void(Settings&)> change;
};

/// The names of `profiles`, in order.
template <class Settings>
std::vector<std::string> ProfileNames(const std::vector<FactoryProfile<Settings>>& profiles) {
    std::vector<std::string> names;
    for (const FactoryProfile<Settings>& profile : profiles) names.push_back(profile.name);
    return names;
}

/// Writes each of `profiles` into the data folder `folder` (relative to the tests folder) as the
/// configuration `instance` writes with its `settings` changed so; the items of the groups whose label
/// `travels` rejects are left out, so loading the profile keeps those values. `settings` is put back.
template <class Settings>
void WriteFactoryProfiles(Instance& instance, Settings& settings,
                          const std::vector<FactoryProfile<Settings>>& profiles, const std::string& folder,
                          const std::function<bool(const std::string&)>& travels) {
    for (const FactoryProfile<Settings>& profile : profiles) {
        const Settings kept = settings;
        profile.change(settings);
        util::xml::Element element;
        instance.WriteConfiguration(element, profile.name);
        settings = kept;
        for (size_t g = 0, n = element.CountChildren("group"); g < n; ++g) {
            util::xml::Element& group = *element.GetChild("group", g);
            if (!travels(group.GetAttribute("label")))
                std::erase_if(group.GetChildren(),
                              [](const util::xml::Element& c) { return c.GetName() == "item"; });
        }
        std::ofstream out("../data/" + folder + "/configprofiles/" + profile.name + ".ccp", std::ios::binary);
        out << ShippedProfileText(element);
        EXPECT_TRUE(out.good()) << profile.name;
    }
}

} // namespace vex::orb::core::test
