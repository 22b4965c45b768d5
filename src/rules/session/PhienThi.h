#pragma once

#include "rules/databank/NganHangCauHoi.h"
#include "rules/exam/DemNguoc.h"
#include "rules/practice/TienBo.h"
#include "rules/school/Truong.h"
#include "rules/store/KhoHocVien.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace thilaixe {

// What the store holds of one class of one bank for a learner: the one set
// of inputs behind the readiness the progress window shows, the one kept
// with a paper, and the predictions the check of those figures grades.
struct HoSoHang final {
    std::vector<LanThi> lanThi;  // the class's attempts, oldest first
    SoOnTap onTap;
    // Each prediction kept with a paper that was shown before it, and
    // whether that paper passed. One kept with a class's first paper (older
    // versions kept one) was never shown and is left out.
    std::vector<std::pair<double, bool>> duDoan;
};
// `lichSu`: the bank's kept papers when they are not the store's attempts
// (the 300-question bank keeps its exams in the history file); they carry
// no prediction, and one whose class was not written counts for any class.
HoSoHang docHoSoHang(KhoHocVien& kho, qint64 hoSo, const NganHang& nh, const QString& hang,
                     const std::vector<LanThi>* lichSu = nullptr);

// The readiness shown for a class: none before its first paper.
std::optional<SanSang> sanSangCuaHang(const NganHang& nh, const QuyTacHang& q, const HoSoHang& h);

// A short test's questions, at most, and its questions drawn from `nguon`
// (uniformly, without repeats), in question order.
constexpr int kSoCauBaiNgan = 10;
std::vector<int> chonBaiNgan(std::vector<int> nguon, BoSinhSo& rng);

// One paper of a data bank, from the draw to the record kept: the answers,
// the countdown with its warnings, the hand-in (asked for, or at the
// time-out), the score under the critical rule, and the attempt carrying
// the readiness that was shown before it. It reads no clock and draws no
// number of its own: the caller gives the time and the seed. The bank and
// the class's rules must outlive it.
class PhienThi final {
public:
    enum class SuKien { Khong, Con5Phut, Con1Phut, HetGio };

    PhienThi(const NganHang& nh, QString boQuyTac, const QuyTacHang& q, std::uint64_t hat,
             const QDateTime& batDau, std::optional<SanSang> daHien);
    // A new paper of class `hang` under rule set `bo`, drawn from `hat`:
    // none, with why, when the set lacks the class or the bank cannot give
    // its paper.
    static std::optional<PhienThi> moi(const NganHang& nh, const BoQuyTac& bo, const QString& hang,
                                       std::uint64_t hat, const QDateTime& batDau,
                                       std::optional<SanSang> daHien, QString* loi = nullptr);
    // A course-end test's paper as the server keeps it (drawn from its seed
    // before the session opened), in the session's minutes from when it was
    // first begun by the server's clock, with the answers given so far. None
    // when a question of it is not in the bank.
    static std::optional<PhienThi> kiemTra(const NganHang& nh, const QString& boQuyTac, const QuyTacHang& q,
                                           const BaiCuaPhien& bai, const QDateTime& bayGio);
    // A kept attempt, handed in, for its review: its slots, answers and
    // keys as kept, and its score as kept (a bank corrected since does not
    // change a verdict given). `q`: its class's rule. None when a question
    // of it is no longer in the bank.
    static std::optional<PhienThi> tuBaiLam(const NganHang& nh, const BaiLam& b, const QuyTacHang& q);
    // A short test of the questions `cau` (each in the bank) under class
    // `q`'s rule: its time and its pass mark pro rata (rounded up), the
    // critical rule as it stands, kept as a short test and with no
    // readiness.
    static PhienThi baiNgan(const NganHang& nh, QString boQuyTac, const QuyTacHang& q,
                            const std::vector<int>& cau, const QDateTime& batDau);
    bool laBaiNgan() const { return m_baiNgan; }
    qint64 soGiay() const { return m_han.batDau.secsTo(m_han.han); }

    const NganHang& nganHang() const { return m_nh; }
    const QuyTacHang& quyTac() const { return m_q; }
    const DeThi& de() const { return m_de; }
    int soO() const { return static_cast<int>(m_de.cau.size()); }
    const CauHoiNganHang& cauTai(int o) const;  // 0-based slot
    const std::vector<int>& traLoi() const { return m_tl; }

    // Chooses option `pa` in slot `o` while the paper is sat; false when it
    // changed nothing (handed in, no such slot or option).
    bool chon(int o, int pa);
    // Blank slots, counted from 1, as the hand-in's question names them.
    std::vector<int> oTrong() const;

    qint64 conLai(const QDateTime& bayGio) const { return m_daNop ? 0 : m_han.conLai(bayGio); }
    // A step of the countdown at `bayGio`: the warning now due, or the
    // time-out, which hands the paper in.
    SuKien nhip(const QDateTime& bayGio);
    // Hands the paper in at `bayGio`; once (a second call changes nothing).
    void nop(const QDateTime& bayGio, bool hetGio = false);

    bool daNop() const { return m_daNop; }
    bool hetGio() const { return m_hetGio; }
    const KetQuaBai& ketQua() const { return m_kq; }
    bool dungO(int o) const;
    // The key a slot was scored with.
    int dapAnO(int o) const { return m_dapAn.at(static_cast<std::size_t>(o)); }
    // Where the review opens: the first slot not answered right.
    int oXemLaiDau() const;
    // The attempt to keep: its slots, answers and keys, its times, and the
    // readiness shown before it (none when none was).
    BaiLam baiLam(qint64 hoSo) const;

private:
    // A paper already drawn (each question in the bank), with its time.
    PhienThi(const NganHang& nh, QString boQuyTac, const QuyTacHang& q, DeThi de, const HanGio& han,
             std::optional<SanSang> daHien);

    const NganHang& m_nh;
    QString m_boQuyTac;
    QuyTacHang m_q;
    DeThi m_de;
    std::vector<int> m_tl;
    std::vector<int> m_dapAn;  // each slot's key
    HanGio m_han;
    CanhBaoGio m_bao;
    std::optional<SanSang> m_daHien;
    QDateTime m_ketThuc;
    KetQuaBai m_kq;
    bool m_daNop = false, m_hetGio = false;
    bool m_baiNgan = false;
};

}  // namespace thilaixe
