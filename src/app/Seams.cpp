#include "app/Seams.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace thilaixe {

void RealSeams::endProgram()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        w->hide();
    QCoreApplication::exit(0);
}

void RealSeams::showMessage(const QString& title, const QString& text,
                            std::function<void()> onClosed)
{
    // The texts keep Windows line breaks; a label wants plain ones.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* box = new QMessageBox(QMessageBox::Information, title, shown, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [onClosed = std::move(onClosed)](int) {
        if (onClosed)
            onClosed();
    });
    box->show();
}

QDateTime RealSeams::now() { return QDateTime::currentDateTime(); }

NguonNgauNhien& RealSeams::random() { return m_random; }

} // namespace thilaixe
