#include "platform/PathForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kartavel::platform;

TEST(PathForm, SplitsEachRootFormIntoRootAndNames) {
    const struct {
        const char* path;
        RootForm form;
        const char* root;
        std::vector<std::string_view> names;
    } cases[] = {
        {"D:\\a\\f1.txt", RootForm::Drive, "D:", {"a", "f1.txt"}},
        {"D:", RootForm::Drive, "D:", {}},
        {"d:\\\\x//y\\", RootForm::Drive, "d:", {"x", "y"}},
        {"\\\\srv\\share\\a\\b.txt", RootForm::Unc, "\\\\srv\\share", {"a", "b.txt"}},
        {"\\\\srv\\share", RootForm::Unc, "\\\\srv\\share", {}},
        {"/", RootForm::Posix, "/", {}},
        {"/usr//lib/x.so", RootForm::Posix, "/", {"usr", "lib", "x.so"}},
        {"/m/a\\b.txt", RootForm::Posix, "/", {"m", "a\\b.txt"}}, // a POSIX name may hold "\"
        {"rel/a.txt", RootForm::None, "", {"rel", "a.txt"}},
    };
    for (const auto& c : cases) {
        const auto parts = splitPath(c.path);
        EXPECT_EQ(parts.form, c.form) << c.path;
        EXPECT_EQ(parts.root, c.root) << c.path;
        EXPECT_EQ(parts.components, c.names) << c.path;
    }
}

TEST(PathForm, JoinsWithTheRootsSeparatorWithoutDoublingIt) {
    EXPECT_EQ(separatorOf(rootForm("D:")), '\\');
    EXPECT_EQ(separatorOf(rootForm("\\\\srv\\share")), '\\');
    EXPECT_EQ(separatorOf(rootForm("/")), '/');
    EXPECT_EQ(separatorOf(rootForm("Arşiv")), '\\');

    std::string p = "/";
    appendName(p, "usr", '/');
    appendName(p, "lib", '/');
    EXPECT_EQ(p, "/usr/lib");
    std::string d = "D:\\";
    appendName(d, "a", '\\');
    EXPECT_EQ(d, "D:\\a");
}

TEST(PathForm, FolderPartKeepsTheLastSeparatorOrTheDrivesColon) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"D:\\b\\c\\g.txt", "D:\\b\\c\\"},
        {"D:\\g.txt", "D:\\"},
        {"D:", "D:"},
        {"\\\\srv\\share\\a.txt", "\\\\srv\\share\\"},
        {"/usr/lib/x.so", "/usr/lib/"},
        {"/x", "/"},
        {"/m/a\\b.txt", "/m/"},
        {"plain", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(folderPart(c.path), c.folder) << c.path;
}
