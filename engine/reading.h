#pragma once

#include <optional>
#include <string>

namespace tarnvale {

// A value worked out from what a person gave, or the reason there is none, worded for them: the
// window and the command line say the same.
template <typename T>
struct Reading {
    std::optional<T> value;
    std::string problem;  // empty where `value` holds one
};

}  // namespace tarnvale
