#include "screens/common/NhanThongBao.h"

#include <QAccessibleWidget>

namespace thilaixe {

namespace {

class TruyCapThongBao final : public QAccessibleWidget {
public:
    explicit TruyCapThongBao(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            return widget()->accessibleName();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* taoTruyCap(const QString& lop, QObject* o)
{
    if (lop == QLatin1String("thilaixe::NhanThongBao") && o && o->isWidgetType())
        return new TruyCapThongBao(static_cast<QWidget*>(o));
    return nullptr;
}

}  // namespace

NhanThongBao::NhanThongBao(QWidget* parent) : QLabel(parent)
{
    static const bool daCai = [] {
        QAccessible::installFactory(taoTruyCap);
        return true;
    }();
    Q_UNUSED(daCai);
    setObjectName(QStringLiteral("LoaTruyCap"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    lower();
}

void NhanThongBao::bao(const QString& noiDung)
{
    setAccessibleName(noiDung);
    hide();
    show();
}

}  // namespace thilaixe
