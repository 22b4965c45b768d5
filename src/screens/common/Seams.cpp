#include "screens/common/Seams.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
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

void RealSeams::hoiChon(const QString& tieuDe, const QString& noiDung, const QStringList& nut,
                        std::function<void(int)> khiChon)
{
    auto* box = new QMessageBox(QMessageBox::Warning, tieuDe, noiDung, QMessageBox::NoButton);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QList<QAbstractButton*> cacNut;
    for (const QString& n : nut)
        cacNut.append(box->addButton(n, QMessageBox::ActionRole));
    // The first answer is the safe one: Enter and Esc give it.
    if (!cacNut.isEmpty()) {
        box->setDefaultButton(qobject_cast<QPushButton*>(cacNut.first()));
        box->setEscapeButton(cacNut.first());
    }
    QObject::connect(box, &QMessageBox::finished, box, [box, cacNut, khiChon = std::move(khiChon)](int) {
        if (khiChon)
            khiChon(static_cast<int>(cacNut.indexOf(box->clickedButton())));
    });
    box->show();
}

void RealSeams::chonTepLuu(const QString& tieuDe, const QString& goiY, std::function<void(QString)> khiChon)
{
    auto* d = new QFileDialog(nullptr, tieuDe, goiY, QStringLiteral("JSON (*.json)"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setDefaultSuffix(QStringLiteral("json"));
    d->setWindowModality(Qt::ApplicationModal);
    auto goi = std::make_shared<std::function<void(QString)>>(std::move(khiChon));
    QObject::connect(d, &QFileDialog::finished, d, [d, goi](int kq) {
        const QStringList chon = d->selectedFiles();
        if (*goi)
            (*goi)(kq == QDialog::Accepted && !chon.isEmpty() ? chon.first() : QString());
    });
    d->open();
}

QDateTime RealSeams::bayGio() { return QDateTime::currentDateTime(); }

NguonNgauNhien& RealSeams::ngauNhien() { return m_ngauNhien; }

std::uint64_t hatGiong(Seams& seams)
{
    std::uint64_t h = 0;
    for (int i = 0; i < 3; ++i) {
        seams.ngauNhien().gieoLai();
        h = (h << 24) ^ static_cast<std::uint64_t>(seams.ngauNhien().rnd() * 16777216.0f);
    }
    return h;
}

}  // namespace thilaixe
