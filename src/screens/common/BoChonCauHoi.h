#pragma once

#include <QGroupBox>

#include <array>
#include <functional>

class QButtonGroup;
class QRadioButton;

namespace thilaixe {

// The 30 question selectors "Câu 1".."Câu 30" in their frame: one group of
// option buttons, exactly one selected. A click, the arrow keys, or the
// program selecting one all raise chon(i).
class BoChonCauHoi final : public QGroupBox {
    Q_OBJECT
public:
    struct Bo {
        QRect khung;       // frame, in the form
        int trai1, trai2;  // left of buttons 1-15 and 16-30, in the frame
        QSize nut;         // button size
        QFont font;
    };
    BoChonCauHoi(QWidget* parent, const QString& name, const QString& title, const Bo& bo);

    QRadioButton* nut(int i) const;
    // Selects button i (raising chon(i) if it was not selected) and gives it
    // the focus.
    void chonCau(int i);
    void datMau(int i, const QColor& c);
    // What a screen reader says of selector i: "Câu 3, đã chọn 2".
    void datTenTruyCap(int i, const QString& ten);
    QColor mau(int i) const;
    void choPhep(bool on);

    // Sees every typed character on a selector first; true: consumed.
    using XuLyPhim = std::function<bool(QKeyEvent*)>;
    void datXuLyPhim(XuLyPhim f) { m_xuLyPhim = std::move(f); }

signals:
    void chon(int i);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    std::array<QRadioButton*, 31> m_nut{};
    QButtonGroup* m_nhom;
    XuLyPhim m_xuLyPhim;
};

}  // namespace thilaixe
