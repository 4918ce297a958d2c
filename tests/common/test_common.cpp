// Text grids, checked arithmetic, chart series and the Windows-1251 code page.
#include "common/chart_model.h"
#include "common/checked_math.h"
#include "common/cp1251.h"
#include "common/error.h"
#include "common/text_grid.h"
#include "error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace hullcalc {
namespace {

TEST(TextGrid, GrowingKeepsCellsAndShrinkingDropsRowsForGood)
{
    TextGrid grid(3, 4);
    grid.setCell(2, 3, "last");
    grid.setCell(1, 1, "kept");
    grid.setRowCount(6);
    EXPECT_EQ(grid.cell(2, 3), "last");
    EXPECT_EQ(grid.cell(2, 5), "");
    grid.setRowCount(2);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(1, 1), "kept");
    grid.setRowCount(4);
    EXPECT_EQ(grid.cell(2, 3), "") << "a dropped row must not come back";
}

TEST(CheckedMath, RaisesTheSystemMessages)
{
    EXPECT_EQ(errorOf([] { divide(1.0, 0.0); }), "Floating point division by zero");
    EXPECT_EQ(errorOf([] { divide(-3.0, -0.0); }), "Floating point division by zero");
    EXPECT_EQ(errorOf([] { divide(0.0, 0.0); }), "Invalid floating point operation");
    EXPECT_EQ(errorOf([] { divide(1e308, 1e-308); }), "Floating point overflow");
    EXPECT_EQ(errorOf([] { squareRoot(-1e-12); }), "Invalid floating point operation");
    EXPECT_EQ(divide(1.0, 4.0), 0.25);
    EXPECT_EQ(squareRoot(2.25), 1.5);
}

TEST(ChartSeries, AscendingSeriesInsertsAfterEqualAbscissae)
{
    ChartSeries series("", colours::red, SeriesKind::Line, PointOrder::AscendingX);
    series.append(5.5, 0.0);
    series.append(4.875, 0.39);
    series.append(5.5, 0.78);
    series.append(-1.0, 1.17);
    std::vector<double> heights;
    for (const ChartPoint& point : series.points())
        heights.push_back(point.y);
    EXPECT_EQ(heights, (std::vector<double>{1.17, 0.39, 0.0, 0.78}));
}

// The titles' bytes from the code page's table by hand; every byte survives
// decoding and encoding.
TEST(Cp1251, EncodesTheFileTitlesAndKeepsEveryByte)
{
    EXPECT_EQ(encodeCp1251("Таблица масс"), "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xEC\xE0\xF1\xF1");
    EXPECT_EQ(encodeCp1251("№ Ёё"), "\xB9 \xA8\xB8");
    EXPECT_EQ(decodeCp1251("\xCD\xE0\xE3\xF0\xF3\xE7\xEA\xE0"), "Нагрузка");
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    EXPECT_EQ(encodeCp1251(decodeCp1251(bytes)), bytes);
}

// Characters the code page lacks, and malformed UTF-8: one '?' per maximal
// subpart of a malformed sequence, as the Unicode Standard's chapter 3 lays out
// (its Table 3-8 example is the last row).
struct EncodedText {
    const char* name;
    std::string utf8;
    std::string cp1251;
};

void PrintTo(const EncodedText& c, std::ostream* out) { *out << c.name; }

class Cp1251Encoding : public testing::TestWithParam<EncodedText> {};

TEST_P(Cp1251Encoding, GivesOneQuestionMarkPerUnreadablePart)
{
    EXPECT_EQ(encodeCp1251(GetParam().utf8), GetParam().cp1251);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp1251Encoding,
    testing::Values(EncodedText{"OutsideTheCodePage", "a中b😀c\U0010FFFF", "a?b?c?"},
                    EncodedText{"EuroSignAndNonBreakingSpace", "€\u00A0\u0098", "\x88\xA0\x98"},
                    EncodedText{"OverlongNulIsNoNul", "a\xC0\x80z", "a??z"},
                    EncodedText{"OverlongThreeAndFourBytes", "\xE0\x80\xAF|\xF0\x8F\xBF\xBF|", "???|????|"},
                    EncodedText{"SurrogateAndBeyondU10FFFF", "\xED\xA0\x80|\xF4\x90\x80\x80|\xF5\x80|", "???|????|??|"},
                    EncodedText{"TruncatedBeforeAnotherCharacter", "\xE2\x82z\xF0\x9F\x98\xD0\x96", "?z?\xC6"},
                    EncodedText{"TruncatedAtTheEnd", "x\xC3", "x?"},
                    EncodedText{"StrayContinuationBytes", "\xFF\x80\xBFy", "???y"},
                    EncodedText{"UnicodeTable3_8", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
                                "a???b?c??d"}),
    [](const testing::TestParamInfo<EncodedText>& info) { return std::string(info.param.name); });

// The system texts as the user reads them: Russian first, a file's name on
// the same line, the cause kept where the text follows a colon; other texts
// pass unchanged.
TEST(UserMessage, OpensInRussian)
{
    const std::pair<const char*, const char*> rows[] = {
        {"'1.5' is not a valid floating point value", "Не число: «1.5» (десятичный разделитель — запятая)"},
        {"'' is not a valid floating point value", "Пустое значение: нужно число"},
        {"'1.5' is not a valid floating point value\nmore", "Не число: «1.5» (десятичный разделитель — запятая)\nmore"},
        {"Floating point division by zero", "Деление на ноль при расчете: проверьте исходные данные"},
        {"File not found\nФайл: /tmp/ship.txt", "Файл не найден: /tmp/ship.txt"},
        {"I/O error 5\nФайл: a", "Ошибка ввода-вывода 5: a"},
        {"Is a directory\nФайл: /tmp", "Это папка, а не файл: /tmp"},
        {"Is a pipe\nФайл: p", "Это именованный канал, а не файл: p"},
        {"Не удалось сохранить файл «r.xlsx»: File exists",
         "Не удалось сохранить файл «r.xlsx»: файл с таким именем уже есть"},
        {"Не удалось сохранить файл «r.pdf»: Disk full", "Не удалось сохранить файл «r.pdf»: диск переполнен"},
        {"Значение должно быть больше нуля: «0»", "Значение должно быть больше нуля: «0»"},
    };
    for (const auto& [system, shown] : rows)
        EXPECT_EQ(userMessage(system), shown) << system;
}

}  // namespace
}  // namespace hullcalc
