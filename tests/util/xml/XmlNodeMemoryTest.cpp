#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace vex::util::xml {
namespace {

// Enough long names, values and texts to fill many slabs.
std::string ManyItems() {
    std::string text = "<items>";
    for (int i = 0; i < 5000; ++i) {
        text += "<item id=\"" + std::to_string(i) +
                "\" label=\"a label longer than the short-string buffer\">a text longer than sixteen</item>";
    }
    return text + "</items>";
}

// Each thread keeps at most its current slab and one with uncounted frees.
constexpr std::size_t kKeptPerThread = 2;

TEST(XmlNodeMemory, SlabsGoBackWhenTreesAreFreed) {
    const std::string text = ManyItems();
    for (int round = 0; round < 5; ++round) {
        Element root;
        ASSERT_EQ(root.Parse(text), kOk);
        Element copy = root;
        root.GetChildren().clear();
        ASSERT_EQ(copy.CountChildren("item"), 5000u);
        EXPECT_EQ(copy.GetChild(4999)->GetAttributeInt("id"), 4999);
    }
    EXPECT_LE(node_memory::SlabsInUse(), kKeptPerThread);
}

TEST(XmlNodeMemory, TreeMadeOnOneThreadIsFreedOnAnother) {
    Element root;
    std::thread([&root] { ASSERT_EQ(root.Parse(ManyItems()), kOk); }).join();
    EXPECT_EQ(root.GetChild(17)->GetText(), "a text longer than sixteen");
    root = Element();
    EXPECT_LE(node_memory::SlabsInUse(), kKeptPerThread);
}

} // namespace
} // namespace vex::util::xml
