#include "widgets/outdated_notice.h"

#include "widgets/qt_text.h"

#include <QLabel>

namespace hullcalc {

QLabel* createOutdatedNotice(const QString& text, std::string_view objectName, QWidget* parent)
{
    auto* notice = new QLabel(text, parent);
    notice->setObjectName(toQString(objectName));
    notice->setStyleSheet("QLabel { background: #fff3c4; padding: 3px; }");
    notice->hide();
    return notice;
}

}  // namespace hullcalc
