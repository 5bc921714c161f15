#pragma once
// Arrays indexed the way the game's collections are: a fixed array whose every access is
// range-tested, and a growable array with lower bound 0 that is resized at the top with
// its contents kept. A bad index raises "Subscript out of range".

#include <array>
#include <cstddef>
#include <vector>

#include "common/program_error.h"

namespace quillan {

template <typename T, std::size_t N> class FixedArray {
  public:
    T& operator[](long i) { return data_[check(i)]; }
    const T& operator[](long i) const { return data_[check(i)]; }
    static constexpr long upperBound() { return static_cast<long>(N) - 1; }
    static constexpr std::size_t size() { return N; }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }
    void clear() { data_.fill(T{}); }
    bool operator==(const FixedArray&) const = default;

  private:
    static std::size_t check(long i) {
        if (i < 0 || i >= static_cast<long>(N)) {
            raiseSubscriptOutOfRange();
        }
        return static_cast<std::size_t>(i);
    }
    std::array<T, N> data_{};
};

template <typename T> class GrowArray {
  public:
    GrowArray() : data_(1) {}
    T& operator[](long i) { return data_[check(i)]; }
    const T& operator[](long i) const { return data_[check(i)]; }
    // Highest valid index; the array always holds upperBound() + 1 elements.
    long upperBound() const { return static_cast<long>(data_.size()) - 1; }
    // Resizes to indices 0..ub keeping the contents (new slots are zeroed).
    void resizeKeep(long ub) {
        if (ub < 0) {
            raiseSubscriptOutOfRange();
        }
        data_.resize(static_cast<std::size_t>(ub) + 1);
    }
    // Back to a single zeroed slot (upper bound 0).
    void reset() { data_.assign(1, T{}); }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }
    bool operator==(const GrowArray&) const = default;

  private:
    std::size_t check(long i) const {
        if (i < 0 || i > upperBound()) {
            raiseSubscriptOutOfRange();
        }
        return static_cast<std::size_t>(i);
    }
    std::vector<T> data_;
};

} // namespace quillan
