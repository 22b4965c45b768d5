#pragma once

#include <QLabel>

namespace thilaixe {

// A window's voice for a screen reader: a notification, a pixel in size
// and drawing nothing, that appears again with each message. A screen
// reader speaks a notification as it appears, wherever the focus is (the
// countdown's warnings, a verdict, a count of results).
class NhanThongBao final : public QLabel {
    Q_OBJECT
public:
    explicit NhanThongBao(QWidget* parent);
    void bao(const QString& noiDung);
};

}  // namespace thilaixe
