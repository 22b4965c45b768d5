#include "screens/common/Seams.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace thilaixe {

void RealSeams::thoat()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        w->hide();
    QCoreApplication::exit(0);
}

void RealSeams::hienThongBao(const QString& tieuDe, const QString& noiDung, std::function<void()> khiDong)
{
    // The texts keep Windows line breaks; a label wants plain ones.
    QString shown = noiDung;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* box = new QMessageBox(QMessageBox::Information, tieuDe, shown, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [khiDong = std::move(khiDong)](int) {
        if (khiDong)
            khiDong();
    });
    box->show();
}

QDateTime RealSeams::bayGio() { return QDateTime::currentDateTime(); }

NguonNgauNhien& RealSeams::ngauNhien() { return m_ngauNhien; }

}  // namespace thilaixe
