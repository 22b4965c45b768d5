#pragma once

#include <array>
#include <cstddef>

namespace thilaixe {

// Reports an index outside an array's bounds. Every index is produced by the
// program itself, so reaching this is a defect: debug builds stop here,
// release builds log it and carry on with a scratch element.
void baoLoiChiSo(const char* what, long long index, std::size_t size);

// A fixed array indexed the way the program numbers things (slot 1..30,
// question 1..300, record 1..50; index 0 exists but is not used).
template <typename T, std::size_t N> class MangGioiHan final {
public:
    T& operator[](long long i)
    {
        if (i < 0 || static_cast<std::size_t>(i) >= N) {
            baoLoiChiSo("array", i, N);
            m_scratch = T{};
            return m_scratch;
        }
        return m_items[static_cast<std::size_t>(i)];
    }
    const T& operator[](long long i) const
    {
        if (i < 0 || static_cast<std::size_t>(i) >= N) {
            baoLoiChiSo("array", i, N);
            return m_empty;
        }
        return m_items[static_cast<std::size_t>(i)];
    }
    static constexpr std::size_t size() { return N; }

private:
    std::array<T, N> m_items{};
    T m_scratch{};
    inline static const T m_empty{};
};

}  // namespace thilaixe
