// The program's eight windows. Each exists once, from start-up to the end,
// reachable program-wide by its name; they are created in this order.
#pragma once

namespace hullcalc {

class TMainForm;
class TUdifForm;
class TOrdinatGraphForm;
class TMBGraphForm;
class TSSpGraphForm;
class TStatMomGraphForm;
class TResGraphForm;
class TVibrForm;

struct Forms {
    TMainForm* MainForm = nullptr;
    TUdifForm* UdifForm = nullptr;
    TOrdinatGraphForm* OrdinatGraphForm = nullptr;
    TMBGraphForm* MBGraphForm = nullptr;
    TSSpGraphForm* SSpGraphForm = nullptr;
    TStatMomGraphForm* StatMomGraphForm = nullptr;
    TResGraphForm* ResGraphForm = nullptr;
    TVibrForm* VibrForm = nullptr;
};

// The windows of the running program (all null before createForms()).
Forms& forms();

// Creates the eight windows in their order, all hidden, and connects the trim
// window's results to the graph windows. Needs a QApplication.
void createForms();

// Destroys them (at the end of the program, and between GUI tests).
void destroyForms();

}  // namespace hullcalc
