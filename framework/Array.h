#pragma once

#include "framework/Exceptions.h"
#include "framework/Types.h"

#include <string>
#include <vector>

namespace framework {

// A runtime array: created once with fixed inclusive upper bounds, every index from 0 to
// the bound present and default-initialised, every access checked.
template <typename T>
class Array {
public:
    explicit Array(Integer upperBound) : elements_(static_cast<std::size_t>(upperBound + 1)) {}

    T& operator()(Integer index) { return elements_[checked(index)]; }
    const T& operator()(Integer index) const { return elements_[checked(index)]; }

    Integer Ubound() const { return static_cast<Integer>(elements_.size()) - 1; }

private:
    std::size_t checked(Integer index) const
    {
        if (index < 0 || index > Ubound())
            throw OutOfBoundsException("index " + std::to_string(index) + " outside 0 to " + std::to_string(Ubound()));
        return static_cast<std::size_t>(index);
    }

    std::vector<T> elements_;
};

// Two dimensions, indexed (first, second).
template <typename T>
class Array2 {
public:
    Array2(Integer upperBound1, Integer upperBound2)
        : columns_(upperBound2 + 1), elements_(static_cast<std::size_t>((upperBound1 + 1) * columns_))
    {
    }

    T& operator()(Integer first, Integer second) { return elements_[checked(first, second)]; }
    const T& operator()(Integer first, Integer second) const { return elements_[checked(first, second)]; }

    Integer Ubound(int dimension) const
    {
        return dimension == 1 ? static_cast<Integer>(elements_.size()) / columns_ - 1 : columns_ - 1;
    }

private:
    std::size_t checked(Integer first, Integer second) const
    {
        if (first < 0 || first > Ubound(1) || second < 0 || second > Ubound(2))
            throw OutOfBoundsException("index (" + std::to_string(first) + ", " + std::to_string(second) +
                                       ") outside (0 to " + std::to_string(Ubound(1)) + ", 0 to " +
                                       std::to_string(Ubound(2)) + ")");
        return static_cast<std::size_t>(first * columns_ + second);
    }

    Integer columns_;
    std::vector<T> elements_;
};

} // namespace framework
