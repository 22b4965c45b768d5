#pragma once

#include "rules/school/Truong.h"
#include "rules/session/PhienThi.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;
class QGridLayout;

namespace thilaixe {

class OBaiThi;

class KhungCauHoi;
class MoiTruong;
struct NganHangMo;

// A paper of a data bank's class: one question at a time with a grid of all
// slots, keys 1-4 answering from anywhere, a countdown that warns at 5 and
// 1 minute, a hand-in that asks first and names the blank slots, the result
// with the critical rule, and the review. The attempt is kept in the
// learner's store the moment it is handed in.
class FormBaiThi final : public QWidget {
    Q_OBJECT
public:
    enum class Trang { LamBai, HoiNop, KetQua, XemLai, DaBo };

    // A new paper of class `hang`, drawn by the rule of the learner's exam
    // day; none when no rule set gives that class a paper of this bank.
    static FormBaiThi* moBai(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo,
                             const QString& hang);
    // A kept attempt's review, opened on its first slot not answered right
    // (Esc goes to its result); none when the bank no longer has one of its
    // questions.
    static FormBaiThi* moBaiDaLam(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, const BaiLam& b);
    // A short test of class `hang`: kSoCauBaiNgan questions drawn from
    // `nguon`, named `tenNguon` in its title.
    static FormBaiThi* moBaiNgan(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo,
                                 const QString& hang, const std::vector<int>& nguon, const QString& tenNguon);

    // A course-end test's paper as the school's server keeps it (drawn
    // from its seed before the session opened), in the session's minutes
    // from when it was first begun; answers given before a restart are
    // back. It tells the server its progress, and is handed in as at a
    // time-out when the server no longer takes it (the time is over, or the
    // teacher closed the session).
    static FormBaiThi* moBaiKiemTra(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo,
                                    const PhienKiemTra& p, const BaiCuaPhien& bai);
    qint64 phienKiemTra() const { return m_phienKiemTra; }
    // Tells the server where the paper stands, and hands it in if the
    // session was closed (run every few seconds; a test calls it).
    void baoMayChu();

    Trang trang() const { return m_trang; }
    const PhienThi& phien() const { return m_phien; }
    const DeThi& de() const { return m_phien.de(); }
    int oDangXem() const { return m_o; }  // 0-based slot
    const std::vector<int>& traLoi() const { return m_phien.traLoi(); }
    const KetQuaBai& ketQua() const { return m_phien.ketQua(); }
    KhungCauHoi* khung() const { return m_khung; }
    // Seconds left (the clock is the program's).
    qint64 conLaiGiay() const;
    // The countdown's step, run by its timer; a test calls it after moving
    // the clock.
    void tick();

    // What the keys and buttons do.
    void chon(int viTri);
    void denO(int o);
    void hoiNop();
    // Asks, then leaves the paper: not scored, not kept.
    void hoiBoBai();
    // Flags the slot on screen, or takes its flag off (F).
    void danhDau();
    const std::vector<bool>& cacDanhDau() const { return m_danhDau; }
    void nop(bool hetGio = false);
    void xemLai();

signals:
    void veNha();
    void thiLai(const QString& hang);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    FormBaiThi(MoiTruong& mt, std::shared_ptr<const NganHangMo> nh, qint64 hoSo, PhienThi phien,
               const QString& tenNguon = {});
    void hienO();
    void capNhatLuoi();
    void hienKetQua(bool hetGio, bool daLuu, const BaiLam* daLam = nullptr);
    void canhBao(const QString& noiDung);
    QString tieuDeThi() const;

    MoiTruong& m_mt;
    std::shared_ptr<const NganHangMo> m_nh;
    qint64 m_hoSo;
    PhienThi m_phien;
    int m_o = 0;
    Trang m_trang = Trang::LamBai;
    bool m_daLuuLoi = false;
    QString m_tenNguon;  // a short test's source, for its title
    QString m_tieuDeKetQua;
    qint64 m_phienKiemTra = 0;
    QTimer* m_baoMayChu = nullptr;

    QLabel* m_dongHo;
    QLabel* m_canhBao;
    QStackedWidget* m_trangChinh;
    KhungCauHoi* m_khung;
    QGridLayout* m_luoi;
    std::vector<OBaiThi*> m_oNut;
    std::vector<bool> m_danhDau;  // slots flagged to come back to
    QPushButton* m_truoc;
    QPushButton* m_sau;
    QPushButton* m_nop;
    QPushButton* m_boBai;
    QPushButton* m_danhDauNut;
    QPushButton* m_veKetQua;
    QLabel* m_hoi;
    QPushButton* m_dongY;
    QPushButton* m_lamTiep;
    QLabel* m_ketLuan;
    QLabel* m_chiTiet;
    QPushButton* m_thiLai;
    QPushButton* m_xemLai;
    QPushButton* m_veNha;
    QTimer* m_timer;
};

}  // namespace thilaixe
