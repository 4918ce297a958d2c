// The members of the midship section read from a CSV file.
#include "error_of.h"
#include "strength/girder_file.h"
#include "strength/hull_girder.h"

#include <gtest/gtest.h>

namespace hullcalc {
namespace {

// A caption line, a BOM, CRLF, tabs, a quoted name with a semicolon, a line
// without i and a blank line: the texts land in the table as typed.
TEST(GirderFile, ReadsMembersAsTyped)
{
    TextGrid members = emptyGirderMembers();
    members.setCell(girderColumn::name, 5, "старое");
    readGirderMembers("\xEF\xBB\xBFСвязь;F;z;i\r\n\"Палуба; стрингер\";140;3,5;0\r\n\nБорт\t220\t1,7\n", members);
    EXPECT_EQ(members.cell(girderColumn::name, 1), "Палуба; стрингер");
    EXPECT_EQ(members.cell(girderColumn::area, 1), "140");
    EXPECT_EQ(members.cell(girderColumn::height, 2), "1,7");
    EXPECT_EQ(members.cell(girderColumn::ownInertia, 2), "");
    EXPECT_EQ(members.cell(girderColumn::name, 5), "") << "the table is emptied first";
    EXPECT_EQ(members.cell(girderColumn::name, 0), "Связь") << "captions stay";
}

TEST(GirderFile, RefusesWhatIsNoMembersTableAndKeepsTheOldOne)
{
    TextGrid members = emptyGirderMembers();
    members.setCell(girderColumn::area, 1, "100");
    const TextGrid before = members;
    EXPECT_EQ(errorOf([&] { readGirderMembers("Палуба;140;3,5;0;5\n", members); }),
              "Файл связей эквивалентного бруса, строка 1: больше четырех полей (связь; F, см²; z, м; i, см²·м²)");
    std::string many;
    for (int i = 0; i <= girderMemberRows; ++i)
        many += "Ребро;10;1;0\n";
    EXPECT_EQ(errorOf([&] { readGirderMembers(many, members); }), "Файл связей эквивалентного бруса: больше 20 связей");
    EXPECT_EQ(members, before);
}

}  // namespace
}  // namespace hullcalc
