#include "screens/common/BieuDoDiem.h"

#include "rules/common/SharedState.h"
#include "rules/common/Texts.h"

#include "screens/common/Ui.h"

#include <QPainter>
#include <QPainterPath>

namespace thilaixe {

BieuDoDiem::BieuDoDiem(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BieuDo"));
    setAccessibleName(txt::kTruc);
    setToolTip(txt::kTruc);
}

void BieuDoDiem::datToiDa(int soCau)
{
    m_toiDa = std::max(1, soCau);
    update();
}

void BieuDoDiem::datDiem(std::vector<DiemLanThi> diem)
{
    m_diem = std::move(diem);
    // The points as text, for a learner who cannot see the chart.
    QStringList cacDiem;
    for (const DiemLanThi& d : m_diem)
        cacDiem.append(d.canDeDat < 0 ? QString::number(d.dung)
                                      : txt::kTtDiemMot.arg(d.dung).arg(d.dat ? txt::kDat : txt::kKhongDat));
    setAccessibleDescription(m_diem.empty() ? txt::kTtChuaCoDiem
                                            : txt::kTtDiem.arg(cacDiem.join(QStringLiteral(", "))));
    update();
}

void BieuDoDiem::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRectF vung = QRectF(rect()).adjusted(34, 12, -12, -26);
    const auto y = [&](double diem) { return vung.bottom() - diem / m_toiDa * vung.height(); };
    const int n = static_cast<int>(m_diem.size());
    const auto x = [&](int i) {
        return n <= 1 ? vung.center().x() : vung.left() + vung.width() * i / (n - 1);
    };

    // The score axis: every ten questions.
    p.setFont(ui::phongSans(8));
    for (int d = 0; d <= m_toiDa; d += 10) {
        p.setPen(QColor(225, 225, 225));
        p.drawLine(QPointF(vung.left(), y(d)), QPointF(vung.right(), y(d)));
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRectF(0, y(d) - 8, 28, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(d));
    }
    p.drawText(QRectF(vung.left(), vung.bottom() + 6, vung.width(), 18), Qt::AlignCenter, txt::kTruc);
    if (n == 0) {
        p.setPen(ui::kXanhDam);
        p.setFont(ui::phongViet(11, true));
        p.drawText(vung, Qt::AlignCenter | Qt::TextWordWrap,
                   txt::kChuaCoBaiThi.section(QLatin1Char('.'), 0, 0));
        return;
    }

    // Pass lines: the fewest right answers that pass, per exam's class,
    // as a step line across the exams of the same class.
    QPen dat(QColor(200, 0, 0), 1.5, Qt::DashLine);
    p.setPen(dat);
    const double nua = n <= 1 ? vung.width() / 2 : vung.width() / (n - 1) / 2;
    int moiNhat = -1;
    for (int i = 0; i < n; ++i) {
        const int d = m_diem[static_cast<std::size_t>(i)].canDeDat;
        if (d < 0)
            continue;
        const double trai = std::max(vung.left(), x(i) - nua), phai = std::min(vung.right(), x(i) + nua);
        p.drawLine(QPointF(trai, y(d)), QPointF(phai, y(d)));
        moiNhat = d;
    }
    if (moiNhat >= 0) {
        p.setFont(ui::phongSans(8, true));
        p.drawText(QRectF(vung.right() - 80, y(moiNhat) + 2, 78, 14), Qt::AlignRight | Qt::AlignTop,
                   txt::kDiemDat.arg(moiNhat));
    }

    // The scores.
    p.setPen(QPen(ui::kXanh, 1.5));
    QPainterPath duong;
    for (int i = 0; i < n; ++i) {
        const QPointF diem(x(i), y(m_diem[static_cast<std::size_t>(i)].dung));
        i == 0 ? duong.moveTo(diem) : duong.lineTo(diem);
    }
    p.drawPath(duong);
    for (int i = 0; i < n; ++i) {
        const DiemLanThi& d = m_diem[static_cast<std::size_t>(i)];
        p.setBrush(d.dat ? QColor(0, 150, 0) : QColor(210, 0, 0));
        p.setPen(Qt::white);
        p.drawEllipse(QPointF(x(i), y(d.dung)), 4, 4);
    }
}

}  // namespace thilaixe
