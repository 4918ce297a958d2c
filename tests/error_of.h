// The message of the exception an action throws, or "no error".
#pragma once

#include <exception>
#include <string>

namespace hullcalc {

template<typename Action>
std::string errorOf(Action&& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace hullcalc
