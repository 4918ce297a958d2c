// The members of the midship section read from a CSV file.
#include "error_of.h"
#include "strength/girder_file.h"
#include "strength/hull_girder.h"

#include <gtest/gtest.h>

namespace hullcalc {
namespace {

// A caption line, a BOM, CRLF, tabs, a quoted name with a semicolon, a line
// without i and a blank line: the texts land in the table as typed. A
// spreadsheet's Windows-1251 export keeps its Cyrillic names.
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

    readGirderMembers("\xD1\xE2\xFF\xE7\xFC;F;z;i\n\xC4\xED\xE8\xF9\xE5;500;0;0\n", members);
    EXPECT_EQ(members.cell(girderColumn::name, 1), "Днище");
    EXPECT_EQ(members.cell(girderColumn::area, 1), "500");
}

// Each file that is no members table is refused with the line and field at
// fault, the table kept: a mistyped number is never taken for a caption line,
// nor a member dropped.
TEST(GirderFile, NamesTheLineAndFieldOfWhatItRefuses)
{
    struct Case {
        const char* name;
        std::string_view bytes;
        std::string message;
    };
    const std::string file = "Файл связей эквивалентного бруса «typo.csv»";
    std::string tooMany;
    for (int i = 0; i <= girderMemberRows; ++i)
        tooMany += "Ребро;10;1;0\n";
    const Case cases[] = {
        {"letters O for zeros in the first line", "Палуба;8OO;3;0\nДнище;500;0;0\n",
         file + ", строка 1, поле 2 («F, см²»): «8OO» не является числом"},
        {"a bad z after captions", "Связь;F;z;i\nДнище;500;0;0\nБорт;220;1.7;89\n",
         file + ", строка 3, поле 3 («z, м»): «1.7» не является числом"},
        {"a member without z", "Днище;500\n", file + ", строка 1, поле 3 («z, м»): нет числа"},
        {"a zero area", "Днище;0;0;0\n",
         file + ", строка 1, поле 2 («F, см²»): площадь связи должна быть положительной"},
        {"a negative own inertia", "Борт;220;1,7;-1\n",
         file + ", строка 1, поле 4 («i, см²·м²»): собственный момент инерции не может быть отрицательным"},
        {"five fields", "Палуба;140;3,5;0;5\n",
         file + ", строка 1: больше четырех полей (связь; F, см²; z, м; i, см²·м²)"},
        {"more members than rows", tooMany, file + ": больше 20 связей"},
        {"UTF-16", std::string_view("\xFF\xFE\x1F\x04", 4),
         file + ": файл в кодировке UTF-16 не читается; сохраните его как CSV в UTF-8 или Windows-1251"},
        {"an empty file", "", file + ": нет ни одной связи (строки «связь; F, см²; z, м; i, см²·м²»)"},
        {"captions only", "Связь;F, см²;z, м;i, см²·м²\r\n",
         file + ": нет ни одной связи (строки «связь; F, см²; z, м; i, см²·м²»)"},
    };
    for (const Case& c : cases) {
        TextGrid members = emptyGirderMembers();
        members.setCell(girderColumn::area, 1, "100");
        const TextGrid before = members;
        EXPECT_EQ(errorOf([&] { readGirderMembers(c.bytes, members, "typo.csv"); }), c.message) << c.name;
        EXPECT_EQ(members, before) << c.name;
    }
}

}  // namespace
}  // namespace hullcalc
