#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace thilaixe {

struct NganHangMo;

// Searching a bank's questions as one types, with or without diacritics;
// a result opens in study (moCau).
class FormTimCau final : public QWidget {
    Q_OBJECT
public:
    explicit FormTimCau(std::shared_ptr<const NganHangMo> nh);
    QLineEdit* oTim() const { return m_oTim; }
    QListWidget* ketQua() const { return m_ds; }

signals:
    void moCau(int so);

private:
    void tim(const QString& chu);

    std::shared_ptr<const NganHangMo> m_nh;
    QLineEdit* m_oTim;
    QLabel* m_dem;
    QTimer* m_baoDem;
    QListWidget* m_ds;
};

}  // namespace thilaixe
