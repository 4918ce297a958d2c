// The equivalent girder of the midship section: a four-plate box worked by
// hand and the members that cannot be summed.
#include "common/error.h"
#include "error_of.h"
#include "strength/hull_girder.h"

#include <gtest/gtest.h>

namespace hullcalc {
namespace {

TextGrid membersOf(std::initializer_list<std::array<const char*, 4>> rows)
{
    TextGrid members = emptyGirderMembers();
    int row = 1;
    for (const auto& cells : rows) {
        for (int column = 0; column < 4; ++column)
            members.setCell(column, row, cells[static_cast<std::size_t>(column)]);
        ++row;
    }
    return members;
}

// A box 10 m broad and 3 m deep: deck 10 m × 8 mm = 800 cm² at z = 3 m, bottom
// 10 m × 10 mm = 1000 cm² at 0, two sides 3 m × 10 mm = 300 cm² at 1,5 m, each
// with its own i = F·h²/12 = 300·9/12 = 225 cm²·m². By hand:
//   ΣF = 2400 cm², ΣFz = 2400 + 900 = 3300 cm²·m, z₀ = 1,375 m;
//   I = Σ F·(z − z₀)² + Σi = 800·1,625² + 1000·1,375² + 600·0,125² + 450
//     = 2112,5 + 1890,625 + 9,375 + 450 = 4462,5 cm²·m² = 0,44625 m⁴;
//   W_deck = 0,44625/1,625 = 0,274615 m³, W_bottom = 0,44625/1,375 = 0,324545 m³.
// A blank row between the members is skipped.
TEST(HullGirder, FourPlateBoxByHand)
{
    HullGirder girder;
    computeHullGirder(membersOf({{"Палуба", "800", "3", ""},
                                 {"Борт", "300", "1,5", "225"},
                                 {"", "", "", ""},
                                 {"Борт", "300", "1,5", "225"},
                                 {"Днище", "1000", "0", "0"}}),
                      3.0, girder);
    ASSERT_TRUE(girder.present);
    EXPECT_DOUBLE_EQ(girder.area, 2400);
    EXPECT_DOUBLE_EQ(girder.neutralAxis, 1.375);
    EXPECT_NEAR(girder.inertia, 4462.5, 1e-9);
    EXPECT_NEAR(girder.inertiaM4(), 0.44625, 1e-12);
    EXPECT_NEAR(girder.deckModulus, 0.44625 / 1.625, 1e-12);
    EXPECT_NEAR(girder.bottomModulus, 0.44625 / 1.375, 1e-12);
    // The running sums of the textbook table: after the deck and one side
    // ΣF = 1100, ΣFz = 2400 + 450 = 2850, ΣFz² = 7200 + 675 = 7875, Σi = 225.
    EXPECT_EQ(girder.sums.rowCount(), 6);  // captions, four members, totals
    EXPECT_EQ(girder.sums.cell(girderSumColumn::areaSum, 2), "1100,00");
    EXPECT_EQ(girder.sums.cell(girderSumColumn::firstMomentSum, 2), "2850,00");
    EXPECT_EQ(girder.sums.cell(girderSumColumn::secondMomentSum, 2), "7875,00");
    EXPECT_EQ(girder.sums.cell(girderSumColumn::ownInertiaSum, 2), "225,00");
    EXPECT_EQ(girder.sums.cell(girderSumColumn::firstMoment, 5), "3300,00");
}

TEST(HullGirder, MembersThatCannotBeSummedAreRefused)
{
    HullGirder girder;
    computeHullGirder(emptyGirderMembers(), 3.0, girder);
    EXPECT_FALSE(girder.present);

    EXPECT_EQ(errorOf([&] {
                  computeHullGirder(membersOf({{"Палуба", "800", "3", ""}}), 3.0, girder);
              }),
              "Нейтральная ось эквивалентного бруса z₀ = 3 м не лежит между основной плоскостью и палубой (H = 3 м)");
    // A member that cannot be part of a hull is refused at its cell.
    struct Case {
        std::array<const char*, 4> member;
        int column;
        const char* message;
    };
    const Case cases[] = {
        {{"Б", "-100", "2", ""}, girderColumn::area, "Площадь связи должна быть положительной: -100 см²"},
        {{"Б", "100", "3,5", ""}, girderColumn::height, "Отстояние связи z = 3,5 м вне высоты борта 0 – 3 м"},
        {{"Б", "100", "-0,1", ""}, girderColumn::height, "Отстояние связи z = -0,1 м вне высоты борта 0 – 3 м"},
        {{"Б", "100", "2", "-1"},
         girderColumn::ownInertia,
         "Собственный момент инерции связи не может быть отрицательным: -1 см²·м²"},
        {{"Б", "", "", "7"}, girderColumn::area, "'' is not a valid floating point value"},
        {{"Б", "8OO", "2", ""}, girderColumn::area, "'8OO' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        const TextGrid members = membersOf({{"А", "100", "1", ""}, c.member});
        try {
            computeHullGirder(members, 3.0, girder);
            ADD_FAILURE() << c.message;
        } catch (const CellError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
            EXPECT_EQ(e.column(), c.column) << c.message;
            EXPECT_EQ(e.row(), 2) << c.message;
        }
    }
}

}  // namespace
}  // namespace hullcalc
