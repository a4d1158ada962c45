// Fixed-size tables indexed over inclusive ranges, such as 0..4 x 0..12.
//
// Every table of the program's state has a fixed index range. Reading or writing
// outside it is a programming error: operator() asserts in debug builds. Code that
// indexes with values that come from a data file uses at()/contains() instead,
// which never touch memory outside the table.
#pragma once

#include <array>
#include <cassert>

namespace tapwell {

template <typename T, int Lo, int Hi> class Table1 {
public:
    static_assert(Lo <= Hi);
    static constexpr int lo = Lo;
    static constexpr int hi = Hi;

    static constexpr bool contains(int i) { return i >= Lo && i <= Hi; }
    T& operator()(int i) {
        assert(contains(i));
        return cells_[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator()(int i) const {
        assert(contains(i));
        return cells_[static_cast<std::size_t>(i - Lo)];
    }
    // Value at i, or an empty value when i is outside the table.
    T at(int i) const { return contains(i) ? (*this)(i) : T{}; }
    void fill(const T& v) { cells_.fill(v); }
    bool operator==(const Table1&) const = default;

private:
    std::array<T, Hi - Lo + 1> cells_{};
};

template <typename T, int Lo1, int Hi1, int Lo2, int Hi2> class Table2 {
public:
    static constexpr bool contains(int i, int j) {
        return i >= Lo1 && i <= Hi1 && j >= Lo2 && j <= Hi2;
    }
    T& operator()(int i, int j) {
        assert(contains(i, j));
        return cells_[index(i, j)];
    }
    const T& operator()(int i, int j) const {
        assert(contains(i, j));
        return cells_[index(i, j)];
    }
    T at(int i, int j) const { return contains(i, j) ? (*this)(i, j) : T{}; }
    void fill(const T& v) { cells_.fill(v); }
    bool operator==(const Table2&) const = default;

private:
    static constexpr std::size_t index(int i, int j) {
        return static_cast<std::size_t>((i - Lo1) * (Hi2 - Lo2 + 1) + (j - Lo2));
    }
    std::array<T, (Hi1 - Lo1 + 1) * (Hi2 - Lo2 + 1)> cells_{};
};

template <typename T, int Lo1, int Hi1, int Lo2, int Hi2, int Lo3, int Hi3> class Table3 {
public:
    static constexpr bool contains(int i, int j, int k) {
        return i >= Lo1 && i <= Hi1 && j >= Lo2 && j <= Hi2 && k >= Lo3 && k <= Hi3;
    }
    T& operator()(int i, int j, int k) {
        assert(contains(i, j, k));
        return cells_[index(i, j, k)];
    }
    const T& operator()(int i, int j, int k) const {
        assert(contains(i, j, k));
        return cells_[index(i, j, k)];
    }
    T at(int i, int j, int k) const { return contains(i, j, k) ? (*this)(i, j, k) : T{}; }
    bool operator==(const Table3&) const = default;

private:
    static constexpr std::size_t index(int i, int j, int k) {
        return static_cast<std::size_t>(
            ((i - Lo1) * (Hi2 - Lo2 + 1) + (j - Lo2)) * (Hi3 - Lo3 + 1) + (k - Lo3));
    }
    std::array<T, (Hi1 - Lo1 + 1) * (Hi2 - Lo2 + 1) * (Hi3 - Lo3 + 1)> cells_{};
};

} // namespace tapwell
