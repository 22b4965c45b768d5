#pragma once

// Small helpers shared by the forms: twips, fonts, colours, labelled
// controls. Every control gets its name as objectName so tests find it.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QtGlobal>

class QLabel;
class QPushButton;
class QWidget;

namespace thilaixe::ui {

inline int tw(int twips) { return qRound(twips / 15.0); }
inline QRect twRect(int l, int t, int w, int h) { return QRect(tw(l), tw(t), tw(w), tw(h)); }

inline const QColor kDo{255, 0, 0};
inline const QColor kXanh{0, 0, 255};
inline const QColor kXanhDam{0, 0, 192};
inline const QColor kDoDam{192, 0, 0};
inline const QColor kTim{192, 0, 192};
inline const QColor kHong{255, 0, 255};
inline const QColor kTrang{255, 255, 255};
inline const QColor kTimNhat{128, 128, 255};

// Stand-ins with Vietnamese letters for the fonts of the original screens.
QFont phongViet(qreal pt, bool bold = false);   // .VnTime, .VnTimeH
QFont phongTimes(qreal pt, bool bold = false);  // Times New Roman
QFont phongSans(qreal pt, bool bold = false);   // MS Sans Serif
// Small captions (the author strip): a sans face with a tall x-height,
// whose stacked Vietnamese marks (ươ, ầ, ễ) stay apart at 7-8 pt where a
// small bold serif runs them together.
QFont phongChuNho(qreal pt);

void datMauChu(QWidget* w, const QColor& c);
QColor mauChu(const QWidget* w);
void datMauNen(QWidget* w, const QColor& c);

// The stand-in fonts run wider and taller than the originals: shrink a
// label's type, in half points, to the largest size at which its text fits
// its width and its line (marks above and below included) fits its height.
void coChuVua(QLabel* l);
// Whether a one-line, vertically centred caption's ink fits the box, with a
// pixel to spare at each end.
bool vuaHop(const QFont& f, const QString& text, QSize box);

// Places a top-level window in the middle of its screen.
void datGiua(QWidget* w);

QLabel* taoNhan(QWidget* parent, const QString& name, const QString& text, const QRect& r,
                const QColor& color, const QFont& font,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
QPushButton* taoNut(QWidget* parent, const QString& name, const QString& text, const QRect& r,
                    const QFont& font);

// A chance in whole percent, never rounded to a certainty it is not
// ("dưới 1", "trên 99").
QString phanTram(double p);

// Says `noiDung` to assistive technology, wherever the focus is: it
// becomes w's accessible description, and the window's notification
// (NhanThongBao) appears with it, which a screen reader speaks.
void thongBaoTruyCap(QWidget* w, const QString& noiDung);
// The same, said once `w`'s window is in front (at once if it is): a
// window opening says it after a screen reader has named the window and
// its focus, instead of before, unheard.
void thongBaoKhiHien(QWidget* w, const QString& noiDung);

// Contrast of two colours, 1 to 21, as WCAG reckons it.
double doTuongPhan(const QColor& a, const QColor& b);
// Whether a background is dark (light text goes on it).
bool laNenToi(const QColor& nen);
// What a coloured word says: a pass or a right answer, a failure or a warning.
enum class Nghia { Tot, Xau };
// That colour, readable (4.5:1 at least) on the background `nen`: dark
// green or red on a light one, light green or red on a dark one.
QColor mauNghia(Nghia n, const QColor& nen);
// Colours w's text by what it says, for the theme w is shown in; a change
// of theme colours it again (toMauLai).
void datMauNghia(QWidget* w, Nghia n);
void toMauLai(QWidget* cuaSo);

}  // namespace thilaixe::ui
