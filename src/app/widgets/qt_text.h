// The core's UTF-8 texts as Qt strings.
#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace hullcalc {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A list of the core's texts (strings or string views) as Qt strings.
template<typename Texts>
QStringList toQStringList(const Texts& texts)
{
    QStringList list;
    for (const auto& text : texts)
        list.append(toQString(text));
    return list;
}

}  // namespace hullcalc
