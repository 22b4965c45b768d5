#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

namespace thilaixe {

class KhoTruong;
struct PhienKiemTra;

// A learner's row on a bank's home, signed in to the school's server: is a
// course-end test open for their course (asked again every few seconds
// while the home is in front), and the button that enters it.
class SanhKiemTra final : public QWidget {
    Q_OBJECT
public:
    SanhKiemTra(QWidget* cha, KhoTruong& mayChu);
    // Asks the server again; the session open, if any.
    std::optional<PhienKiemTra> capNhat();
    // The learner's paper of that session is handed in already.
    void daNop();

signals:
    void vao();

private:
    KhoTruong& m_mayChu;
    QLabel* m_dong;
    QPushButton* m_vao;
};

}  // namespace thilaixe
