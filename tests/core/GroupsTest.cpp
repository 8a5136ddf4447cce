#include "register/Groups.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "text/Cp1254.h"

#include <gtest/gtest.h>

using namespace kartavel;
using test::ScopedDataFolder;

namespace {

std::string groupsFile(std::initializer_list<std::pair<std::string, std::string>> groups) {
    std::string out;
    int n = 0;
    for (const auto& [name, note] : groups)
        out +=
            "[RecNo" + std::to_string(++n) + "]\r\nGRUBU=" + name + "\r\nACIKLAMA=" + note + "\r\n";
    return *text::encodeCp1254(out);
}

std::string subGroupsFile(std::initializer_list<std::pair<std::string, std::string>> pairs) {
    std::string out;
    int n = 0;
    for (const auto& [group, name] : pairs)
        out += "[RecNo" + std::to_string(++n) + "]\r\nANAGRUP=" + group + "\r\nALTGRUP=" + name +
               "\r\nACIKLAMA=\r\n";
    return *text::encodeCp1254(out);
}

// What the lists said and what they asked, with the answers to give.
struct Talk {
    std::vector<std::string> said;
    std::vector<bool> answers;
    reg::Dialogue dialogue() {
        return {[this](std::string_view m) { said.emplace_back(m); },
                [this](std::string_view q) {
                    said.emplace_back(q);
                    const bool a = answers.at(0);
                    answers.erase(answers.begin());
                    return a;
                }};
    }
};

class Groups : public ::testing::Test {
protected:
    std::string file(std::string_view name) const {
        const auto p = data / std::string(name);
        return platform::fileExists(p) ? text::decodeCp1254(test::readFile(p)) : std::string("-");
    }
    void write(std::string_view name, const std::string& bytes) {
        test::writeFile(data / std::string(name), bytes);
    }
    // Posts a new row with the name through the table; false when it was refused.
    static bool postNew(store::RecordTable& t, std::string_view column, std::string_view name) {
        t.append();
        t.setString(column, name);
        try {
            t.post();
            return true;
        } catch (const store::Abort&) {
            return false;
        }
    }
    ScopedDataFolder data;
    Talk talk;
};

} // namespace

TEST_F(Groups, APostedGroupIsCheckedAgainstTheStoredFile) {
    struct Case {
        std::string name;
        std::optional<std::string> message;
        store::RecordTable::State after; // of the refused row
    };
    using S = store::RecordTable::State;
    const Case cases[] = {
        {"", "Grup adını girmediniz...", S::Insert},
        {"Diger", "( Diger ) Grup adı varsayılan olarak tanımlıdır...", S::Browse},
        {"Müzik", "Bu grup adı kaydedilmiştir !", S::Browse},
        {"diger", std::nullopt, S::Browse},
        {"DIGER", std::nullopt, S::Browse},
        {"müzik", std::nullopt, S::Browse}, // letter case makes another group
        // "GRUB.DB" would give these back as "Müzik": a second row of that name.
        {"Müzik ", "Grup Adı alanının başında ya da sonunda boşluk olamaz...", S::Insert},
        {"'Müzik'", "Grup Adı tırnak işaretleri arasında olamaz...", S::Insert},
        {"\"Müzik\"", "Grup Adı tırnak işaretleri arasında olamaz...", S::Insert},
    };
    for (const auto& c : cases) {
        write("GRUB.DB", groupsFile({{"Müzik", "Şarkılar"}}));
        const std::string before = file("GRUB.DB");
        reg::GroupList list(talk.dialogue());
        list.load();
        const bool posted = postNew(list.Grubu_Rx, "GRUBU", c.name);
        EXPECT_EQ(posted, !c.message) << c.name;
        EXPECT_EQ(list.Grubu_Rx.state(), c.after) << c.name;
        if (c.message) {
            EXPECT_EQ(talk.said, std::vector<std::string>{*c.message}) << c.name;
            EXPECT_EQ(file("GRUB.DB"), before) << "a refused post writes nothing";
        } else {
            EXPECT_EQ(file("GRUB.DB"),
                      "[RecNo1]\r\nGRUBU=Müzik\r\nACIKLAMA=Şarkılar\r\n[RecNo2]\r\n"
                      "GRUBU=" +
                          c.name + "\r\nACIKLAMA=\r\n");
        }
        talk.said.clear();
    }
}

TEST_F(Groups, EditedGroupsNamesAndLengths) {
    write("GRUB.DB", groupsFile({{"Film", "eski"}, {"Müzik", ""}}));
    write("ALTGRUB.DB", subGroupsFile({{"Film", "Yerli"}}));
    reg::GroupList list(talk.dialogue());
    list.load();
    auto& t = list.Grubu_Rx;

    // Only the description changed: the name is stored, so the row returns.
    t.edit();
    t.setString("ACIKLAMA", "yeni");
    EXPECT_THROW(t.post(), store::Abort);
    EXPECT_EQ(t.state(), store::RecordTable::State::Browse);
    EXPECT_EQ(t.asString("ACIKLAMA"), "eski");

    // A new name changes in place; the sub-groups keep the old group name.
    t.edit();
    t.setString("GRUBU", "Sinema");
    t.post();
    EXPECT_EQ(file("GRUB.DB"), "[RecNo1]\r\nGRUBU=Sinema\r\nACIKLAMA=eski\r\n"
                               "[RecNo2]\r\nGRUBU=Müzik\r\nACIKLAMA=\r\n");
    EXPECT_NE(file("ALTGRUB.DB").find("ANAGRUP=Film"), std::string::npos);

    // A group name holds 20 characters.
    ASSERT_TRUE(postNew(t, "GRUBU", "Abcdefghijklmnopqrstuvwxyz"));
    EXPECT_NE(file("GRUB.DB").find("GRUBU=Abcdefghijklmnopqrst\r\n"), std::string::npos);
    EXPECT_EQ(talk.said, std::vector<std::string>{"Bu grup adı kaydedilmiştir !"});
}

TEST_F(Groups, ADeletedGroupTakesItsSubGroupsAlong) {
    write("GRUB.DB", groupsFile({{"Film", ""}, {"Müzik", ""}}));
    write("ALTGRUB.DB", subGroupsFile({{"Müzik", "Pop"},
                                       {"Film", "Yerli"},
                                       {"Film", "Yabancı"},
                                       {"Müzik", "Film"},
                                       {"film", "Kısa"}}));
    const std::string subGroups = file("ALTGRUB.DB");
    reg::GroupList list(talk.dialogue());
    list.load();
    talk.answers = {false, true, true};
    EXPECT_THROW(list.Grubu_Rx.remove(), store::Abort); // "No"
    EXPECT_EQ(file("ALTGRUB.DB"), subGroups);
    EXPECT_EQ(list.Grubu_Rx.recordCount(), 2);

    list.Grubu_Rx.remove();
    EXPECT_EQ(talk.said, std::vector<std::string>(2, "Grubu Silmek istediğinizden eminmisiniz?"));
    EXPECT_EQ(file("GRUB.DB"), "[RecNo1]\r\nGRUBU=Müzik\r\nACIKLAMA=\r\n");
    EXPECT_EQ(file("ALTGRUB.DB"), "[RecNo1]\r\nANAGRUP=Müzik\r\nALTGRUP=Pop\r\nACIKLAMA=\r\n"
                                  "[RecNo2]\r\nANAGRUP=Müzik\r\nALTGRUP=Film\r\nACIKLAMA=\r\n"
                                  "[RecNo3]\r\nANAGRUP=film\r\nALTGRUP=Kısa\r\nACIKLAMA=\r\n");

    // The last group goes, and its file with it.
    list.Grubu_Rx.remove();
    EXPECT_EQ(file("GRUB.DB"), "-");
}

TEST_F(Groups, SubGroupsOfOneGroupAmongAll) {
    // The first sub-group, with no file yet, passes and creates it.
    {
        reg::SubGroupList film("Film", talk.dialogue());
        film.load();
        ASSERT_TRUE(postNew(film.AltGrubu_Rx, "ALTGRUP", "Yerli"));
    }
    EXPECT_NE(file("ALTGRUB.DB"), "-");
    {
        reg::SubGroupList muzik("Müzik", talk.dialogue());
        muzik.load();
        EXPECT_TRUE(muzik.AltGrubu_Rx.isEmpty());
        ASSERT_TRUE(postNew(muzik.AltGrubu_Rx, "ALTGRUP", "Yerli")) << "another group's name";
        EXPECT_FALSE(postNew(muzik.AltGrubu_Rx, "ALTGRUP", "Yerli"));
        EXPECT_FALSE(postNew(muzik.AltGrubu_Rx, "ALTGRUP", "Diger"));
        EXPECT_FALSE(postNew(muzik.AltGrubu_Rx, "ALTGRUP", ""));
        muzik.AltGrubu_Rx.cancel();
    }
    EXPECT_EQ(talk.said,
              (std::vector<std::string>{"Bu grup adı kaydedilmiştir !",
                                        "( Diger ) Grup adı varsayılan olarak tanımlıdır...",
                                        "Grup adını girmediniz..."}));
    EXPECT_EQ(file("ALTGRUB.DB"), "[RecNo1]\r\nANAGRUP=Film\r\nALTGRUP=Yerli\r\nACIKLAMA=\r\n"
                                  "[RecNo2]\r\nANAGRUP=Müzik\r\nALTGRUP=Yerli\r\nACIKLAMA=\r\n");
}

TEST_F(Groups, AnEditedSubGroupReplacesItsEntry) {
    write("ALTGRUB.DB", subGroupsFile({{"Film", "Yerli"}, {"Müzik", "Pop"}, {"Film", "Eski"}}));
    reg::SubGroupList film("Film", talk.dialogue());
    film.load();
    auto& t = film.AltGrubu_Rx;
    ASSERT_EQ(t.recordCount(), 2);
    t.last();
    t.edit();
    t.setString("ALTGRUP", "Klasik");
    t.setString("ACIKLAMA", "siyah beyaz");
    t.post();
    // In its place, among every group's sub-groups; the old name is gone.
    EXPECT_EQ(file("ALTGRUB.DB"), "[RecNo1]\r\nANAGRUP=Film\r\nALTGRUP=Yerli\r\nACIKLAMA=\r\n"
                                  "[RecNo2]\r\nANAGRUP=Müzik\r\nALTGRUP=Pop\r\nACIKLAMA=\r\n"
                                  "[RecNo3]\r\nANAGRUP=Film\r\nALTGRUP=Klasik\r\n"
                                  "ACIKLAMA=siyah beyaz\r\n");
    // A second edit of the same row still finds its entry.
    t.edit();
    t.setString("ALTGRUP", "Sessiz");
    t.post();
    EXPECT_EQ(file("ALTGRUB.DB").find("Klasik"), std::string::npos);

    // A delete asks, then removes the pair only.
    talk.answers = {true};
    t.first();
    t.remove();
    EXPECT_EQ(talk.said, std::vector<std::string>{"AltGrubu Silmek istediğinizden eminmisiniz?"});
    EXPECT_EQ(file("ALTGRUB.DB"), "[RecNo1]\r\nANAGRUP=Müzik\r\nALTGRUP=Pop\r\nACIKLAMA=\r\n"
                                  "[RecNo2]\r\nANAGRUP=Film\r\nALTGRUP=Sessiz\r\n"
                                  "ACIKLAMA=siyah beyaz\r\n");
}

TEST_F(Groups, AnEmptyGroupNameKeepsItsSubGroupsApart) {
    write("ALTGRUB.DB", subGroupsFile({{"Film", "Yerli"}}));
    reg::SubGroupList none("", talk.dialogue());
    none.load();
    EXPECT_TRUE(none.AltGrubu_Rx.isEmpty());
    ASSERT_TRUE(postNew(none.AltGrubu_Rx, "ALTGRUP", "Yerli"));
    EXPECT_EQ(file("ALTGRUB.DB"), "[RecNo1]\r\nANAGRUP=Film\r\nALTGRUP=Yerli\r\nACIKLAMA=\r\n"
                                  "[RecNo2]\r\nANAGRUP=\r\nALTGRUP=Yerli\r\nACIKLAMA=\r\n");
    EXPECT_EQ(none.AltGrubu_Rx.recordCount(), 1);
}

TEST_F(Groups, TheListsRefuseSubGroupsWhileARowIsOpen) {
    reg::GroupList list(talk.dialogue());
    list.load();
    EXPECT_EQ(list.subGroupsRefusal(), std::nullopt);
    list.Grubu_Rx.append();
    EXPECT_EQ(list.subGroupsRefusal(), "Lütfen kaydı tamamlayınız...");
}
