// Does planning by each question's memory pay? Simulated learners, whose
// true forgetting follows a curve of their own (not the one the planner
// assumes), study a class B pool for 60 days up to the exam day under
// three schedulers, at several daily budgets:
//   plan     today's plan (the due by memory, then new questions spread to
//            meet the pool a week before the exam day)
//   leitner  the same pace of new questions, and practice of the mistakes
//            list (a miss goes in, two right in a row take it out)
//   random   questions of the pool drawn at random
// For each it prints the reviews a learner needs before 90 % of the pool
// is recalled on the exam day, and how well each readiness estimate (from
// the rates of right answers, from memory) foresaw the exam each learner
// then sat.
//   simulation [--quick]
#include "sample/NganHangMau2025.h"

#include "rules/bank/NgauNhien.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/practice/OnTap.h"
#include "rules/practice/TienBo.h"
#include "rules/practice/TriNho.h"
#include "rules/session/DuBao.h"
#include "rules/session/KeHoach.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>
#include <random>
#include <vector>

using namespace thilaixe;

namespace {

constexpr int kSoNgay = 60;
const QDate kNgayDau(2027, 1, 14);
const QDate kNgayThi = kNgayDau.addDays(kSoNgay);

// The learner's true memory of a question: exponential forgetting,
// R = exp(-t / S). Seeing the key leaves S = kMoiHoc days (about 72 %
// recalled the next day); a success grows S the more the lower recall was
// (the spacing effect: x1.5 the same day, x3.5 at 90 %, x11.5 at 50 %); a
// miss brings it back to 30 % of what it was, at least what the key
// leaves. Each scaled by the learner's ability over the question's
// difficulty (both log-normal).
constexpr double kMoiHoc = 3.0;
struct ThatSu final {
    double S = 0;      // days; 0: never learned
    int lanCuoi = -1;  // day of the last answer
};

struct HocVien final {
    double gioi;                  // ability
    std::vector<double> kho;      // each question's difficulty
    std::vector<ThatSu> nho;      // true memory
    std::vector<int> soPhuongAn;  // options of each question
    std::mt19937_64 rng;

    double R(int q, int ngay) const
    {
        const ThatSu& s = nho[static_cast<std::size_t>(q)];
        return s.S > 0 ? std::exp(-(ngay - s.lanCuoi) / s.S) : 0.0;
    }
    double u() { return std::uniform_real_distribution<double>(0, 1)(rng); }
    // One answer on day `ngay`: right or wrong, and what it does to memory.
    bool traLoi(int q, int ngay)
    {
        const auto i = static_cast<std::size_t>(q);
        const double r = R(q, ngay);
        const double a = gioi / kho[i];
        const bool nhoRa = u() < r;
        const bool dung = nhoRa || u() < 1.0 / soPhuongAn[i];
        ThatSu& s = nho[i];
        const double moiHoc = kMoiHoc * a;  // learned from the key
        if (s.S <= 0)
            s.S = moiHoc;
        else if (nhoRa)
            s.S *= 1 + a * (0.5 + 20 * (1 - r));
        else
            s.S = std::max(moiHoc, s.S * (dung ? 0.5 : 0.3));
        s.lanCuoi = ngay;
        return dung;
    }
};

HocVien taoHocVien(const NganHang& nh, std::uint64_t hat)
{
    HocVien h;
    h.rng.seed(hat);
    std::lognormal_distribution<double> gioi(0, 0.4), kho(0, 0.4);
    h.gioi = gioi(h.rng);
    const std::size_t n = nh.cauHoi.size() + 1;
    h.kho.assign(n, 1);
    h.nho.assign(n, {});
    h.soPhuongAn.assign(n, 4);
    for (const CauHoiNganHang& c : nh.cauHoi) {
        h.kho[static_cast<std::size_t>(c.so)] = kho(h.rng);
        h.soPhuongAn[static_cast<std::size_t>(c.so)] = c.soPhuongAn;
        // A quarter is known before any study (common sense, a parent's car).
        if (h.u() < 0.25)
            h.nho[static_cast<std::size_t>(c.so)] = {60 * h.gioi, -10};
    }
    return h;
}

enum class Cach { KeHoach, Leitner, NgauNhien };
const char* tenCach(Cach c)
{
    return c == Cach::KeHoach ? "plan" : c == Cach::Leitner ? "leitner" : "random";
}

struct KetQua final {
    double soLan = 0;            // reviews, per learner
    double nhoThi = 0;           // mean true recall of the pool on the exam day
    std::vector<LanTraLoi> ghi;  // the record (one learner, kept for the estimates)
};

// New questions due today at the plan's pace: the pool met a week before
// the exam day.
int moiHomNay(int conChuaGap, int ngay)
{
    const int con = std::max(1, kSoNgay - kGapTruocNgayThi - ngay);
    return (conChuaGap + con - 1) / con;
}

KetQua hoc(HocVien& h, Cach cach, int gioiHan, const std::vector<int>& nhom, const QSet<int>& liet)
{
    KetQua kq;
    std::vector<trinho::TrangThai> uoc(h.nho.size());  // what the planner knows
    std::vector<MucOnTap> hop(h.nho.size());
    std::deque<int> danhSach;  // mistakes, oldest first
    std::vector<int> chuaGap = nhom;
    std::stable_partition(chuaGap.begin(), chuaGap.end(), [&](int c) { return liet.contains(c); });
    std::size_t moiTiep = 0;
    for (int ngay = 0; ngay < kSoNgay; ++ngay) {
        const QDate d = kNgayDau.addDays(ngay);
        const QDateTime luc(d, QTime(19, 0));
        std::vector<int> phien;
        if (cach == Cach::KeHoach) {
            phien = lapKeHoach(uoc, nhom, liet, d, kNgayThi, gioiHan).phien();
        } else if (cach == Cach::Leitner) {
            const int moi =
                std::min<int>(moiHomNay(static_cast<int>(chuaGap.size() - moiTiep), ngay), gioiHan);
            for (int i = 0; i < moi && moiTiep < chuaGap.size(); ++i)
                phien.push_back(chuaGap[moiTiep++]);
            for (std::size_t i = 0; i < danhSach.size() && static_cast<int>(phien.size()) < gioiHan; ++i)
                phien.push_back(danhSach[i]);
        } else {
            for (int i = 0; i < gioiHan; ++i)
                phien.push_back(nhom[std::uniform_int_distribution<std::size_t>(0, nhom.size() - 1)(h.rng)]);
        }
        for (const int q : phien) {
            const bool dung = h.traLoi(q, ngay);
            const auto i = static_cast<std::size_t>(q);
            uoc[i] = trinho::traLoi(uoc[i], d, dung);
            kq.ghi.push_back({KhoHocVien::lucDongHo(luc), q, dung, false});
            ++kq.soLan;
            if (cach == Cach::Leitner) {
                const bool trong = hop[i].canOn;
                if (!dung && !trong) {
                    boVaoDanhSach(hop[i]);
                    danhSach.push_back(q);
                } else if (trong && traLoiMuc(hop[i], dung)) {
                    danhSach.erase(std::find(danhSach.begin(), danhSach.end(), q));
                }
            }
        }
    }
    for (const int q : nhom)
        kq.nhoThi += h.R(q, kSoNgay) / static_cast<double>(nhom.size());
    return kq;
}

// The chance of answering each question right on the exam day, as it
// truly stands.
std::vector<double> xacSuatThat(const HocVien& h)
{
    std::vector<double> p(h.nho.size());
    for (std::size_t q = 1; q < p.size(); ++q) {
        const double r = h.R(static_cast<int>(q), kSoNgay);
        p[q] = r + (1 - r) / h.soPhuongAn[q];
    }
    return p;
}

// The rates' chance of each question after the record, as the replay
// would predict the next answer (practice answers only here).
std::vector<double> xacSuatTiLe(const NganHang& nh, const std::vector<LanTraLoi>& ghi)
{
    SoOnTap onTap(static_cast<int>(nh.cauHoi.size()));
    for (const LanTraLoi& l : ghi) {
        MucOnTap& m = onTap.muc[static_cast<std::size_t>(l.cau)];
        (l.dung ? m.dung : m.sai) += 1;
    }
    return xacSuatDung(nh, {}, onTap);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool nhanh = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const int soHocVien = nhanh ? 3 : 100;
    const std::vector<int> ganSach =
        nhanh ? std::vector<int>{40, 120} : std::vector<int>{20, 40, 60, 80, 100, 120, 160, 200, 240};
    const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
    const BoQuyTac bo = cacBoQuyTacCaiSan().back();  // the March 2027 paper
    const QuyTacHang& b = *bo.timHang(QStringLiteral("B"));
    std::vector<int> nhom;
    QSet<int> liet;
    for (const CauHoiNganHang& c : nh.cauHoi)
        if (b.nhom.isEmpty() || c.nhom.contains(b.nhom)) {
            nhom.push_back(c.so);
            if (c.diemLiet)
                liet.insert(c.so);
        }
    std::printf(
        "%d simulated learners, a pool of %zu questions (%lld critical), %d days to a class B exam of "
        "%d questions (%d to pass)\n\n",
        soHocVien, nhom.size(), static_cast<long long>(liet.size()), kSoNgay, b.soCau, b.canDeDat);
    std::printf("| scheduler | questions a day | reviews per learner | pool recalled on the exam day |\n");
    std::printf("|---|---|---|---|\n");
    struct DuBaoThi final {
        std::vector<std::pair<double, bool>> tiLe, triNho, that;
        double logTiLe = 0, logTriNho = 0;
        int soBanGhi = 0;
    };
    const Cach cacCach[] = {Cach::KeHoach, Cach::Leitner, Cach::NgauNhien};
    std::vector<std::pair<Cach, std::optional<double>>> canDe90;
    DuBaoThi duBao[3];
    for (const Cach c : cacCach) {
        std::optional<double> du;
        for (const int g : ganSach) {
            KetQua tong;
            for (int l = 0; l < soHocVien; ++l) {
                HocVien h = taoHocVien(nh, 1000 + static_cast<std::uint64_t>(l));
                KetQua k = hoc(h, c, g, nhom, liet);
                tong.soLan += k.soLan / soHocVien;
                tong.nhoThi += k.nhoThi / soHocVien;
                // Each readiness estimate against the exam the learner then
                // sits (a paper drawn, answered as their true memory stands).
                DuBaoThi& d = duBao[static_cast<int>(c)];
                const std::vector<double> pTiLe = xacSuatTiLe(nh, k.ghi);
                const std::vector<double> pNho = xacSuatTheoTriNho(
                    nh, triNhoCacCau(static_cast<int>(nh.cauHoi.size()), k.ghi), pTiLe, kNgayThi);
                const std::vector<double> pThat = xacSuatThat(h);
                BoSinhSo r1(7), r2(7), r3(7), rThi(static_cast<std::uint64_t>(l) + 99);
                const double sTiLe = sanSangTuXacSuat(nh, b, pTiLe, r1, kSoDeHienThi).xacSuat;
                const double sNho = sanSangTuXacSuat(nh, b, pNho, r2, kSoDeHienThi).xacSuat;
                const double sThat = sanSangTuXacSuat(nh, b, pThat, r3, kSoDeHienThi).xacSuat;
                const DeThi de = *rutDe(nh, b, rThi);
                int dung = 0;
                bool lietSai = false;
                for (const int q : de.cau) {
                    const bool dd = h.u() < pThat[static_cast<std::size_t>(q)];
                    dung += dd ? 1 : 0;
                    lietSai |= !dd && std::binary_search(de.diemLiet.begin(), de.diemLiet.end(), q);
                }
                const bool dat = dung >= b.canDeDat && !lietSai;
                d.tiLe.emplace_back(sTiLe, dat);
                d.triNho.emplace_back(sNho, dat);
                d.that.emplace_back(sThat, dat);
                if (const auto s = soSanhDuBao(nh, k.ghi)) {
                    d.logTiLe += s->tiLe.logLoss;
                    d.logTriNho += s->triNho.logLoss;
                    ++d.soBanGhi;
                }
            }
            std::printf("| %s | %d | %.0f | %.1f %% |\n", tenCach(c), g, tong.soLan, 100 * tong.nhoThi);
            std::fflush(stdout);
            if (!du && tong.nhoThi >= 0.9)
                du = tong.soLan;
        }
        canDe90.emplace_back(c, du);
    }
    std::printf("\nReviews before 90 %% of the pool is recalled on the exam day:\n");
    for (const auto& [c, du] : canDe90) {
        if (du)
            std::printf("  %-8s %.0f\n", tenCach(c), *du);
        else
            std::printf("  %-8s not reached at %d a day\n", tenCach(c), ganSach.back());
    }
    std::printf(
        "\nReadiness on the eve of the exam against the exam sat, every learner at every budget (Brier; "
        "the true chance is the best any estimate could do), and each estimate's log loss per answer "
        "over the records:\n");
    std::printf(
        "| scheduler | passed | mean from rates | mean from memory | true mean | Brier rates | Brier memory "
        "| "
        "Brier true | log loss per answer, rates / memory |\n|---|---|---|---|---|---|---|---|---|\n");
    for (const Cach c : cacCach) {
        const DuBaoThi& d = duBao[static_cast<int>(c)];
        const auto tb = [](const std::vector<std::pair<double, bool>>& v, bool thuc) {
            double s = 0;
            for (const auto& [p, x] : v)
                s += thuc ? (x ? 1 : 0) : p;
            return v.empty() ? 0.0 : s / static_cast<double>(v.size());
        };
        std::printf("| %s | %.0f %% | %.0f %% | %.0f %% | %.0f %% | %.3f | %.3f | %.3f | %.3f / %.3f |\n",
                    tenCach(c), 100 * tb(d.that, true), 100 * tb(d.tiLe, false), 100 * tb(d.triNho, false),
                    100 * tb(d.that, false), diemBrier(d.tiLe, 1).value_or(-1),
                    diemBrier(d.triNho, 1).value_or(-1), diemBrier(d.that, 1).value_or(-1),
                    d.soBanGhi ? d.logTiLe / d.soBanGhi : -1, d.soBanGhi ? d.logTriNho / d.soBanGhi : -1);
    }
    return 0;
}
