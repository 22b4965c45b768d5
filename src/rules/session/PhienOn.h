#pragma once

#include "rules/bank/NgauNhien.h"
#include "rules/databank/NganHangCauHoi.h"
#include "rules/store/KhoHocVien.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace thilaixe {

// A critical question is mastered once it was answered right on this many
// different days.
constexpr int kSoNgayThuoc = 2;
inline bool daThuoc(int soNgayDung) { return soNgayDung >= kSoNgayThuoc; }
// How many of `liet` are mastered.
int soDaThuoc(const std::vector<int>& liet, const QHash<int, int>& soNgay);

// Critical practice's order: the questions not mastered yet, the fewest
// days right first, in the given order between equals.
std::vector<int> hangDoiDiemLiet(const std::vector<int>& liet, const QHash<int, int>& soNgay);

// The order a question's options are shown in (thuTu[k] is the option at
// place k + 1): shuffled when `xao`, and only when they are written out (a
// picture's options are drawn in it).
std::vector<int> thuTuPhuongAn(const CauHoiNganHang& c, bool xao, BoSinhSo& rng);
// The place (from 1) where option `pa` is shown; 0 when it is not.
int viTriCua(const std::vector<int>& thuTu, int pa);
// A text of the bank (an explanation) with each option it names by number
// ("phương án 2") named by the place it is shown at: the text agrees with
// the screen whatever the order. Numbers of no shown option stay.
QString theoThuTuHien(const QString& van, const std::vector<int>& thuTu);

// One practice run of a data bank: the questions of the learner's list of
// misses, or the critical questions of a class, one at a time, each answer
// written to the store at once. A question answered but not done yet goes
// to the back of the queue. It reads no clock and draws no number: the
// caller gives the day and the random source. The bank must outlive it.
class PhienOn final {
public:
    // Misses (Leitner boxes), critical questions, today's plan or the
    // learner's saved questions (each question of the list once).
    enum class CheDo { CauSai, DiemLiet, HomNay, DaLuu };

    struct TraLoi final {
        bool dung = false;
        int viTriDung = 0;     // where the key is shown
        bool roi = false;      // done with it for this run
        int dungLienTiep = 0;  // misses: the run of right answers after it
        int soNgay = 0;        // critical: the days it was answered right, up to kSoNgayThuoc
        bool daGhi = true;     // written (or held) by the store
        QString loi;           // why not, when it was not
    };

    // Where the bank's kept papers come from: the store's attempts unless
    // given (the 300-question bank keeps its exams in the history file).
    using DocLanThi = std::function<std::vector<LanThi>()>;

    // `liet`: a class's critical questions (critical practice), or today's
    // list (today's plan).
    PhienOn(KhoHocVien& kho, qint64 hoSo, const NganHang& nh, CheDo cheDo, std::vector<int> liet = {},
            DocLanThi docLanThi = {});

    CheDo cheDo() const { return m_cheDo; }
    // The queue read again from the store.
    void napLai();
    // The question shown, 0 when the queue is empty.
    int cau() const { return m_hangDoi.empty() ? 0 : m_hangDoi.front(); }
    std::size_t con() const { return m_hangDoi.size(); }
    // Whether any paper of the bank was kept (the list of misses is empty
    // for want of papers, not for want of misses).
    bool coBaiLam() const { return !m_lanThi.empty(); }
    int soLiet() const { return static_cast<int>(m_liet.size()); }

    // Follows the store: another copy of the program may practise the same
    // list. The queue keeps its order, loses what the store no longer
    // lists and gains what it newly lists.
    void theoKho();
    // Shows the question at the head of the queue (the queue first follows
    // the store), its options in a new order when `xao`.
    void batDauCau(bool xao, BoSinhSo& rng);
    const std::vector<int>& thuTu() const { return m_thuTu; }
    bool daTraLoi() const { return m_daTraLoi; }
    // The answer at place `viTri` (from 1), on day `homNay`; empty when no
    // question waits for an answer or the place holds no option.
    std::optional<TraLoi> traLoi(int viTri, const QDateTime& luc);

private:
    KhoHocVien& m_kho;
    qint64 m_hoSo;
    const NganHang& m_nh;
    CheDo m_cheDo;
    std::vector<int> m_liet;
    DocLanThi m_docLanThi;
    std::vector<LanThi> m_lanThi;
    std::deque<int> m_hangDoi;
    std::vector<int> m_thuTu;
    bool m_daTraLoi = false;
};

}  // namespace thilaixe
