#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace thilaixe {

class MoiTruong;

// A learner's settings on a bank's home: the theme, the warning sound, the
// shuffled options of practice, and (off a server) the school's server
// for the next start. Each change is the learner's, kept in the store.
class KhungCaiDat final : public QWidget {
    Q_OBJECT
public:
    KhungCaiDat(QWidget* cha, MoiTruong& mt);
    // Shows a learner's settings, saying nothing.
    void hien(qint64 hoSo);
    int giaoDien() const;

signals:
    void daDoiGiaoDien(int giaoDien);

private:
    MoiTruong& m_mt;
    qint64 m_hoSo = 0;
    QComboBox* m_giaoDien;
    QCheckBox* m_amBao;
    QCheckBox* m_dao;
};

// Keeps the school's server for the next start (empty: none), and says so;
// a string that cannot be read is said and not kept. `daBao`: a failed
// write was said already.
bool chonMayChuTruong(MoiTruong& mt, const QString& chuoi, bool* daBao);

}  // namespace thilaixe
