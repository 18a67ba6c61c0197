// What tables of cases share: naming each case by its name field, joining
// lists, repeating a character.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace plovask_test {

// Names the instances of a table of cases by their name field.
template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// The parts one after the other.
template <class T>
std::vector<T> Join(std::initializer_list<std::vector<T>> parts) {
    std::vector<T> joined;
    for (const auto& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

inline std::string Repeat(char c, std::size_t count) {
    return std::string(count, c);
}

}  // namespace plovask_test
