#include "rules/bank/NgauNhien.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <random>

namespace thilaixe {

std::uint64_t BoSinhSo::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

float BoSinhSo::rnd01() { return static_cast<float>(next() >> 40) * (1.0f / 16777216.0f); }

void BoSinhSo::tronThem(std::uint64_t v)
{
    m_state ^= v * 0xD6E8FEB86659FD93ULL;
    next();
}

static std::uint64_t dongHoBayGio()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

static std::uint64_t ngauNhienHeThong()
{
    std::random_device rd;
    return (static_cast<std::uint64_t>(rd()) << 32) ^ rd();
}

NguonDongHo::NguonDongHo() : m_gen(ngauNhienHeThong() ^ dongHoBayGio()) {}

void NguonDongHo::gieoLai() { m_gen.tronThem(dongHoBayGio()); }

float NguonDongHo::rnd() { return m_gen.rnd01(); }

std::uint64_t hatHeThong() { return QRandomGenerator::system()->generate64(); }

QString taoPin(int kySo, bool chiSo)
{
    static const QString kChu = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ23456789");
    static const QString kSo = QStringLiteral("0123456789");
    const QString& bo = chiSo ? kSo : kChu;
    QString pin;
    for (int i = 0; i < std::max(kySo, kPinToiThieu); ++i)
        pin += bo.at(
            static_cast<qsizetype>(QRandomGenerator::system()->bounded(static_cast<quint32>(bo.size()))));
    return pin;
}

}  // namespace thilaixe
