#pragma once

#include <QString>

#include <cstdint>

namespace thilaixe {

// Source of uniform single-precision draws in [0, 1), with the reseed step
// the paper generator performs before every draw.
class NguonNgauNhien {
public:
    virtual ~NguonNgauNhien() = default;
    virtual void gieoLai() = 0;
    virtual float rnd() = 0;
};

// splitmix64: small, fast, and any 64-bit state is a valid state, so mixing
// the clock into it never restarts or degrades the sequence.
class BoSinhSo {
public:
    explicit BoSinhSo(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    float rnd01();  // top 24 bits: exactly representable floats in [0, 1)
    void tronThem(std::uint64_t v);

private:
    std::uint64_t m_state;
};

// The program's source: seeded once from an entropy source and the
// high-resolution clock; each reseed folds the current high-resolution time
// into the state without restarting the sequence, so draws stay independent
// even when the clock has not moved between them.
class NguonDongHo final : public NguonNgauNhien {
public:
    NguonDongHo();
    void gieoLai() override;
    float rnd() override;

private:
    BoSinhSo m_gen;
};

// Deterministic source for tests and reproducible runs: reseeding does nothing.
class NguonCoDinh final : public NguonNgauNhien {
public:
    explicit NguonCoDinh(std::uint64_t seed) : m_gen(seed) {}
    void gieoLai() override {}
    float rnd() override { return m_gen.rnd01(); }

private:
    BoSinhSo m_gen;
};

// A seed from the system's own source, for a command with no window.
std::uint64_t hatHeThong();

// A PIN for a learner of a school: `kySo` characters drawn by the system's
// cryptographic source, digits only or letters and digits without
// look-alikes (no I, O, 0 or 1); kPinToiThieu at least.
constexpr int kPinToiThieu = 8;
QString taoPin(int kySo = kPinToiThieu, bool chiSo = false);

}  // namespace thilaixe
