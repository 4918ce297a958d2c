#include "widgets/chart_looks.h"

#include "common/hull_frames.h"

namespace hullcalc {

ChartLook alongFrameRows(const QString& yTitle)
{
    ChartLook look;
    look.frameAxis = std::pair(1, frameCount);
    look.firstFrameNumber = 0;
    look.xTitle = "Шпангоут";
    look.yTitle = yTitle;
    return look;
}

ChartLook alongFrames(const QString& yTitle)
{
    ChartLook look;
    look.frameAxis = std::pair(0, frameCount - 1);
    look.xTitle = "Шпангоут";
    look.yTitle = yTitle;
    return look;
}

ChartLook alongSpacings(const QString& yTitle)
{
    ChartLook look;
    look.frameAxis = std::pair(1, spacingCount);
    look.xTitle = "Шпация";
    look.yTitle = yTitle;
    return look;
}

ChartLook againstDraft(const QString& quantity, const QString& draft)
{
    ChartLook look;
    look.xTitle = quantity;
    look.yTitle = draft;
    return look;
}

ChartLook modeShapeLook()
{
    ChartLook look = alongSpacings("Прогиб, отн.");
    look.pointMarks = true;
    look.markSize = 3;
    look.legend = true;
    return look;
}

ChartLook campbellLook()
{
    ChartLook look;
    look.xTitle = "n вала, об/мин";
    look.yTitle = "Частота, Гц";
    look.yMinimum = 0.0;
    look.legend = true;
    return look;
}

QStringList frameNames()
{
    QStringList names;
    for (int frame = 0; frame < frameCount; ++frame)
        names.append(QString::fromStdString(frameLabel(frame)));
    return names;
}

QStringList waterlineNames()
{
    QStringList names;
    for (int waterline = 1; waterline <= waterlineCount; ++waterline)
        names.append(QString("ВЛ %1").arg(waterline));
    return names;
}

}  // namespace hullcalc
