#pragma once

#include "rules/bank/AnhCauHoi.h"
#include "rules/databank/NganHangCauHoi.h"

#include <QLabel>
#include <QWidget>

class QBoxLayout;
class QPushButton;
class QScrollArea;

#include <array>
#include <functional>
#include <vector>

namespace thilaixe {

class KhoHocVien;
class NutPhuongAn;

// A question's picture, decoded at the size and pixel density it is shown
// at, and only when shown; a double-click (or Z on the window) zooms it.
class AnhTrongKhung final : public QLabel {
    Q_OBJECT
public:
    explicit AnhTrongKhung(QWidget* parent);
    // The picture file (empty: none).
    void datTep(const QString& tep, const QString& tenTruyCap);
    const QString& tep() const { return m_tep; }
    // A decode of the picture is on its way (it is shown when it comes).
    bool dangGiaiMa() const { return m_dangGiaiMa; }
    QSize sizeHint() const override { return QSize(400, 300); }
    bool hasHeightForWidth() const override { return m_tiLe; }
    int heightForWidth(int w) const override { return w * 3 / 4; }
    // Whether its height follows its width (a frame that sizes it itself
    // says no).
    void datTheoTiLe(bool tiLe)
    {
        m_tiLe = tiLe;
        updateGeometry();
    }

signals:
    void phongTo();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void veLai();
    void hien(KetQuaTaiAnh kq, const QImage& anh);
    QString m_tep;
    QSize m_daVe;
    quint64 m_luot = 0;  // the newest decode asked for; older ones are dropped
    bool m_dangGiaiMa = false;
    bool m_tiLe = true;
};

// The explanation under a question's key: a text the keyboard reaches (Tab)
// and scrolls (↑ ↓ Page Up Page Down Home End move the question's area
// while it has the focus), with the program's focus ring round it, read
// whole by a screen reader when it gets the focus.
class NhanGiaiThich final : public QLabel {
    Q_OBJECT
public:
    explicit NhanGiaiThich(QWidget* parent);

signals:
    // Asks its area to move by `buoc` lines (Page: ±1000, to the end: ±100000).
    void cuon(int buoc);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// The look every window of a data bank shares: captions get room above
// and below for Vietnamese marks (Ể, Ữ) that reach past a font's ascent.
void datKieuCuaSo(QWidget* w);

// A key of the window `cuaSo`: `viec` runs wherever the focus is in it.
void themPhim(QWidget* cuaSo, const QKeySequence& k, const std::function<void()>& viec);

// A key a window binds for itself (Space, Enter) still presses the button
// that has the focus when that is not an option of the question: true
// when it did.
bool bamNutDangChon(QWidget* cuaSo);

// Enter presses the focused button of `cuaSo`, as Space does.
void ganPhimEnter(QWidget* cuaSo);
// Esc on `cuaSo`: an open list closes first, then `viec` runs.
void themPhimThoat(QWidget* cuaSo, const std::function<void()>& viec);

// Opens a question's picture as large as the screen allows; Esc closes.
void moAnhPhongTo(QWidget* cha, const QString& tep, const QString& tieuDe);

// One question of a data bank on screen: its text and options as real text
// that wraps and follows the font size, its picture, and, when asked, the
// key and the explanation. The options may be shown in another order
// (practice shuffles them); keys and signals speak of the option's own
// number.
class KhungCauHoi final : public QWidget {
    Q_OBJECT
public:
    explicit KhungCauHoi(QWidget* parent = nullptr);

    // `tieuDe`: the line above the text ("Câu 3/30 – câu hỏi số 123").
    // `chon`: the option chosen (0: none). `hienDapAn`: the key and the
    // explanation are shown and no option can be chosen. `thuTu`: the
    // options in the order shown (empty: 1, 2, 3, 4).
    void hien(const CauHoiNganHang& c, const QString& thuMucAnh, const QString& tieuDe, int chon,
              bool hienDapAn, std::vector<int> thuTu = {});
    // Adds to what a screen reader hears about the question as it is shown
    // (its heading and text, or its key): one message when the window is
    // done.
    void themLoiDoc(const QString& loi);
    // The question shown next is read whole (heading, text, key), even if it
    // is the one on screen: a page that opens on it says it.
    void docLai();
    // The focus on the chosen option, or the first: a control with a name.
    void datTieuDiem();
    // The option shown at place k (1..4), or 0.
    int phuongAnTai(int viTri) const;
    int soPhuongAn() const { return static_cast<int>(m_thuTu.size()); }
    // Chooses the option shown at place k (as the key k does); nothing when
    // the key is shown or there is no such place.
    void chonViTri(int viTri);
    // Larger or smaller text (Ctrl++ / Ctrl+-), from the desktop's size.
    void doiCoChu(int buoc);
    // The size in steps of an eighth from the desktop's (-3 to 12), as a
    // learner's setting gives it.
    void datCoChu(int coChu);
    int coChu() const { return m_coChu; }
    // The learner's size from the store, and each change kept there.
    void nhoCoChu(KhoHocVien& kho, qint64 hoSo);
    // "☆ Lưu câu" beside the heading (and S): saves the question shown to
    // the learner's list, or takes it off; shown while `hien` (a paper
    // shows it in its review only).
    void batLuuCau(KhoHocVien& kho, qint64 hoSo, const QString& nganHang);
    void hienLuuCau(bool hien);
    void doiLuuCau();
    QPushButton* nutLuuCau() const { return m_luu; }
    AnhTrongKhung* anh() const { return m_anh; }
    QLabel* noiDung() const { return m_noiDung; }
    NutPhuongAn* nutPhuongAn(int viTri) const { return m_nut[static_cast<std::size_t>(viTri - 1)]; }
    QLabel* giaiThich() const { return m_giaiThich; }
    QScrollArea* vungCau() const { return m_cuon; }
    // Where the picture stands for the room there is: beside the text, or
    // under it when the text and the options would not fit beside it.
    enum class ViTriAnh { Ben, Duoi };
    ViTriAnh viTriAnh() const { return m_viTriAnh; }

    // The keys every window of a question shares, on `cuaSo`: 1-4 choose
    // the option shown at that place (daChonViTri), Z zooms the picture (a
    // double-click does too), Ctrl++ / Ctrl+= / Ctrl+- size the text.
    // `coHieuLuc` says when they act (a paper's hand-in page: not).
    void ganPhimChung(QWidget* cuaSo, const std::function<bool()>& coHieuLuc = {});

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

signals:
    // A choice, as the place it is shown at (what key k means).
    void daChonViTri(int viTri);
    // The learner changed the size (to keep for next time).
    void daDoiCoChu(int coChu);

private:
    void docNgay();
    // Places the picture for the room the frame has (see ViTriAnh).
    void boTri();
    // The height the text and options (with `giai`: the explanation too)
    // take at width `rong`.
    int caoNoiDung(int rong, bool giai) const;
    void capNhatLuuCau();
    QLabel* m_tieuDe;
    QPushButton* m_luu;
    KhoHocVien* m_khoLuu = nullptr;
    qint64 m_hoSoLuu = 0;
    QString m_nganHangLuu;
    int m_so = 0;  // the question shown
    QLabel* m_noiDung;
    AnhTrongKhung* m_anh;
    std::array<NutPhuongAn*, 4> m_nut{};
    NhanGiaiThich* m_giaiThich;
    QScrollArea* m_cuon;
    QWidget* m_giuaW;
    QBoxLayout* m_giua;
    ViTriAnh m_viTriAnh = ViTriAnh::Ben;
    QSize m_daBoTri;
    std::vector<int> m_thuTu;
    bool m_hienDapAn = false;
    int m_coChu = 0;
    int m_soDaDoc = 0;
    QString m_tieuDeDaDoc;
    bool m_daDocDapAn = false;
    QString m_choDoc;
    bool m_henDoc = false;
    qreal m_coGoc = 0;
};

}  // namespace thilaixe
