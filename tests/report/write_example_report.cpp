// Writes the example ship's report and workbook into a folder, to look at them
// or open them in a spreadsheet: write_example_report DIR.
#include "example_report.h"
#include "report/calculation_report.h"
#include "report/workbook_export.h"

#include "common/error.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: write_example_report DIR\n";
        return 2;
    }
    try {
        const hullcalc::ExampleReport example;
        const std::filesystem::path folder = argv[1];
        hullcalc::saveReportPdf(folder / "example.pdf", example.content());
        hullcalc::saveWorkbook(folder / "example.xlsx", example.content());
    } catch (const hullcalc::Error& e) {
        std::cerr << "write_example_report: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
