#include "util/AtomicFile.h"
#include "util/xml/ResourceReader.h"
#include "util/xml/TagWithData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vex::util::xml {
namespace {

class XmlFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("xml_file_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        SetResourceReader(nullptr);
        std::filesystem::remove_all(folder_);
    }
    std::filesystem::path folder_;
};

TEST_F(XmlFile, SaveWritesDeclarationAndLoadReadsBack) {
    Tag root("settings");
    root.SetAttribute("name", "a\"b");
    root.AddChild(TagWithData("value", "line\nbreak"));
    const std::string path = (folder_ / "settings.xml").string();
    ASSERT_EQ(root.Save(path), kOk);

    std::string contents;
    ASSERT_TRUE(ReadWholeFile(path, contents));
    EXPECT_EQ(contents, "<?xml version=\"1.0\"?>\n<settings name='a\"b'>\n\t<value>line&#10;break</value>\n"
                        "</settings>");
    Element loaded;
    EXPECT_EQ(loaded.Load(path), kOk);
    EXPECT_EQ(loaded, root);
}

TEST_F(XmlFile, MissingFileOrFolderCannotBeOpened) {
    Element element;
    EXPECT_EQ(element.Load((folder_ / "missing.xml").string()), kCannotOpen);
    EXPECT_EQ(Tag("x").Save((folder_ / "no" / "such.xml").string()), kCannotOpen);
}

TEST_F(XmlFile, ColonPathsGoThroughTheResourceReader) {
    Element element;
    EXPECT_EQ(element.Load(":/torvasuite/data/layout.xml"), kCannotOpen);

    std::string asked;
    SetResourceReader([&asked](const std::string& path, std::string& contents) {
        asked = path;
        if (path != ":/torvasuite/data/layout.xml") return false;
        contents = "<layout/>";
        return true;
    });
    EXPECT_EQ(element.Load(":/torvasuite/data/layout.xml"), kOk);
    EXPECT_EQ(asked, ":/torvasuite/data/layout.xml");
    EXPECT_EQ(element.GetName(), "layout");
    EXPECT_EQ(element.Load(":/torvasuite/data/other.xml"), kCannotOpen);
    EXPECT_EQ(Tag("x").Save(":/torvasuite/data/layout.xml"), kCannotOpen);
}

} // namespace
} // namespace vex::util::xml
