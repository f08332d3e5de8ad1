#include "tests/plugins/ShippedProfileChecks.h"

#include "core/ResourceBundle.h"
#include "core/Tool.h"
#include "core/configadaptor/CheckBox.h"
#include "core/configadaptor/Root.h"
#include "core/configadaptor/Spinner.h"
#include "core/configadaptor/Spinner_Int.h"
#include "platform/win32/MessageBox.h"
#include "util/Base64.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace vex::orb::core::test {
namespace {

using util::xml::Element;
namespace element = configadaptor::element;

// The double a spinner item carries; NaN when it does not carry exactly 8 bytes.
double BlobValue(const Element& item) {
    std::vector<uint8_t> bytes;
    if (!util::Base64Decode(item.GetText(), bytes) || bytes.size() != 8) return std::nan("");
    uint64_t bits = 0;
    for (size_t i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

// What identifies an item of a group: id, type and label, in order.
std::vector<std::string> ItemKeys(const Element& group) {
    std::vector<std::string> keys;
    for (size_t i = 0, n = group.CountChildren("item"); i < n; ++i) {
        const Element& item = *group.GetChild("item", i);
        keys.push_back(item.GetAttribute("id") + " " + item.GetAttribute("type") + " " +
                       item.GetAttribute("label"));
    }
    return keys;
}

// The profile has the page's groups in the page's order, and each group it fills holds the page's items.
void ExpectItemsOfPage(const Element& profile, const Element& page) {
    ASSERT_EQ(profile.CountChildren("group"), page.CountChildren("group"));
    for (size_t g = 0, n = page.CountChildren("group"); g < n; ++g) {
        const Element& shipped = *profile.GetChild("group", g);
        const Element& own = *page.GetChild("group", g);
        EXPECT_EQ(shipped.GetAttribute("label"), own.GetAttribute("label"));
        EXPECT_EQ(shipped.GetAttribute("id"), "-1");
        if (shipped.CountChildren("item") != 0) {
            EXPECT_EQ(ItemKeys(shipped), ItemKeys(own)) << g;
        }
    }
}

// Every item's value lies in its element's limits and is what the page shows after loading.
void ExpectValuesLoaded(const Element& profile, Instance& instance) {
    for (size_t g = 0, groups = profile.CountChildren("group"); g < groups; ++g) {
        const Element& group = *profile.GetChild("group", g);
        for (size_t i = 0, n = group.CountChildren("item"); i < n; ++i) {
            const Element& item = *group.GetChild("item", i);
            const int id = item.GetAttributeInt("id", -1);
            SCOPED_TRACE(item.GetAttribute("label"));
            configadaptor::Node* node = instance.GetPage()->FindById(id);
            if (const auto* spinner = dynamic_cast<const element::Spinner*>(node)) {
                const double value = BlobValue(item);
                EXPECT_GE(value, spinner->GetMin());
                EXPECT_LE(value, spinner->GetMax());
                EXPECT_EQ(instance.ReadById(id), value);
            } else if (const auto* intSpinner = dynamic_cast<const element::Spinner_Int*>(node)) {
                const std::string text = item.GetText();
                ASSERT_FALSE(text.empty());
                ASSERT_EQ(text.find_first_not_of("-0123456789"), std::string::npos) << text;
                const int value = std::stoi(text);
                EXPECT_GE(value, intSpinner->GetMin());
                EXPECT_LE(value, intSpinner->GetMax());
                EXPECT_EQ(instance.ReadById(id), value);
            } else if (dynamic_cast<const element::CheckBox*>(node) != nullptr) {
                const std::string text = item.GetText();
                ASSERT_TRUE(text == "0" || text == "1") << text;
                EXPECT_EQ(instance.ReadById(id), text == "1" ? 1.0 : 0.0);
            } else {
                ADD_FAILURE() << "no spinner, int spinner or check box of id " << id;
            }
        }
    }
}

} // namespace

std::string ShippedProfileText(const util::xml::Element& profile) {
    std::string text = "<?xml version=\"1.0\"?>\n" + profile.ToString();
    if (text.back() != '\n') text += '\n';
    std::string shipped;
    for (char c : text) {
        if (c == '\n') shipped += '\r';
        shipped += c;
    }
    return shipped;
}

void ExpectShippedFileForm(const std::string& file) {
    std::string text;
    ASSERT_TRUE(ReadBundleResource(file, text)) << file;
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\"?>\r\n", 0), 0u) << file;
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << file;
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        EXPECT_EQ(text[at - 1], '\r') << file << " at " << at;
        if (at + 1 < text.size()) {
            EXPECT_NE(text[at + 1], ' ') << file << " indents with spaces at " << at;
        }
    }
}

void ExpectShippedConfigProfiles(CoreImplementation& core, Instance& instance, const std::string& folder,
                                 std::vector<std::string> names) {
    ConfigProfileManager& profiles = instance.GetTool().GetConfigProfileManager();
    std::sort(names.begin(), names.end());
    std::vector<std::string> listed{Tool::kBuiltInProfileName};
    listed.insert(listed.end(), names.begin(), names.end());
    EXPECT_EQ(profiles.ListProfiles(), listed);

    Element page;
    instance.WriteConfiguration(page, "page");
    const platform::win32::MessageBoxRecorder boxes;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string file = ":/torvasuite/data/" + folder + "/configprofiles/" + name + ".ccp";
        EXPECT_EQ(profiles.GetProfileFile(name), file);
        EXPECT_TRUE(profiles.IsReadOnly(name));
        ExpectShippedFileForm(file);

        Element profile;
        ASSERT_TRUE(profiles.LoadProfile(name, profile));
        EXPECT_EQ(profile.GetAttribute("version"), "2.0");
        EXPECT_FALSE(ConfigProfileManager::IsConverted(profile));
        ExpectItemsOfPage(profile, page);
        ASSERT_TRUE(core.LoadProfile(instance.GetName(), name));
        EXPECT_EQ(instance.GetConfigProfileName(), name);
        ExpectValuesLoaded(profile, instance);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace vex::orb::core::test
