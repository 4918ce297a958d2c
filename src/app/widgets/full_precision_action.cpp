#include "widgets/full_precision_action.h"

#include <QAction>
#include <QSettings>

namespace hullcalc {

namespace {

const char* const fullPrecisionKey = "view/fullPrecision";

}  // namespace

bool fullPrecisionSetting() { return QSettings().value(fullPrecisionKey, false).toBool(); }

QAction* createFullPrecisionAction(QObject* parent, std::function<void(bool full)> apply)
{
    auto* action = new QAction("&Полная точность", parent);
    action->setObjectName("fullPrecision");
    action->setCheckable(true);
    action->setChecked(fullPrecisionSetting());
    action->setToolTip("Показывать числа со всеми знаками, которые хранит расчет, а не округленными");
    QObject::connect(action, &QAction::toggled, action, [apply = std::move(apply)](bool full) {
        if (full != fullPrecisionSetting())
            QSettings().setValue(fullPrecisionKey, full);
        apply(full);
    });
    return action;
}

void syncFullPrecision(QAction* action) { action->setChecked(fullPrecisionSetting()); }

}  // namespace hullcalc
