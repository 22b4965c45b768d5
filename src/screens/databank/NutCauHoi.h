#pragma once

#include <QAbstractButton>

namespace thilaixe {

// One option of a question: a radio button (one choice of several, as a
// screen reader says it) whose text wraps to the width it is given. The
// chosen option, the key and a wrong choice are marked by shape and in
// words; every state keeps the theme's own text on the theme's own field,
// and the focus ring runs round the outside of the box, clear of the text.
class NutPhuongAn final : public QAbstractButton {
    Q_OBJECT
public:
    enum class Dau { Khong, Dung, Sai };
    explicit NutPhuongAn(QWidget* parent);
    void datDau(Dau d);
    Dau dau() const { return m_dau; }
    // Checks or clears it, whatever the rest of its group holds.
    void datChon(bool chon);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    // ↑ and ↓ move between the options without choosing; Space and Enter
    // choose.
    void keyPressEvent(QKeyEvent* e) override;

private:
    QFont phongChu() const;
    Dau m_dau = Dau::Khong;
};

// One slot of a paper's grid: its number and what it holds, on a field of
// the state's colour (each state also said by a mark and in its name). The
// slot on screen is marked by a bar under its number, a shape that is not
// the focus ring's.
class OBaiThi final : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kieu { Trong, Lam, BoTrong, Dung, Sai };
    explicit OBaiThi(QWidget* parent);
    void datKieu(Kieu k, bool dangXem);
    Kieu kieu() const { return m_kieu; }
    bool dangXem() const { return m_dangXem; }
    // The field of a state in a theme whose window is `nen`.
    static QColor mauNen(Kieu k, const QColor& nen);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Kieu m_kieu = Kieu::Trong;
    bool m_dangXem = false;
};

}  // namespace thilaixe
