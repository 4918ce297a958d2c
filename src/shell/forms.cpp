#include "shell/forms.h"

#include "shell/Main.h"
#include "trim/Udif.h"
#include "trim/graphs/MBGraph.h"
#include "trim/graphs/OTCh.h"
#include "trim/graphs/SSpGraph.h"
#include "trim/graphs/StatMomGraph.h"
#include "trim/graphs/UResGr.h"
#include "vibration/Vibr.h"

namespace hullcalc {

Forms& forms()
{
    static Forms instance;
    return instance;
}

void createForms()
{
    Forms& f = forms();
    f.MainForm = new TMainForm;
    f.UdifForm = new TUdifForm;
    TrimSheet& sheet = f.UdifForm->sheet();
    f.OrdinatGraphForm = new TOrdinatGraphForm(sheet.OTChGraphResults);
    f.MBGraphForm = new TMBGraphForm(sheet.MBGraphResults);
    f.SSpGraphForm = new TSSpGraphForm(sheet.SSpGraphResults);
    f.StatMomGraphForm = new TStatMomGraphForm(sheet.StatMomGraphResults);
    f.ResGraphForm = new TResGraphForm(sheet);
    f.VibrForm = new TVibrForm(sheet);

    // A calculation, a load or "Пример" refills the charts of the graph windows.
    for (GraphWindow* window : std::initializer_list<GraphWindow*>{f.OrdinatGraphForm, f.MBGraphForm, f.SSpGraphForm,
                                                                   f.StatMomGraphForm, f.ResGraphForm})
        QObject::connect(f.UdifForm, &TUdifForm::sheetChanged, window, &GraphWindow::refresh);
}

void destroyForms()
{
    Forms& f = forms();
    // The reverse of the order of creation.
    delete f.VibrForm;
    delete f.ResGraphForm;
    delete f.StatMomGraphForm;
    delete f.SSpGraphForm;
    delete f.MBGraphForm;
    delete f.OrdinatGraphForm;
    delete f.UdifForm;
    delete f.MainForm;
    f = Forms{};
}

}  // namespace hullcalc
