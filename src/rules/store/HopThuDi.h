#pragma once

// A lab computer's outbox: the changes its server could not take yet (a
// paper handed in while the server was away, practice answers), kept in a
// small SQLite file in the working folder until they are sent. Each change
// carries an id made on this computer, so that the server takes it once
// however often it is sent.

#include "rules/common/NenTang.h"
#include "rules/store/ThayDoi.h"

#include <QSqlError>
#include <QString>

#include <optional>
#include <vector>

namespace thilaixe {

inline const QString kTepHopThu = QStringLiteral("thilaixe-outbox.sqlite");

class HopThuDi final {
public:
    // Opens the outbox in `tep`, creating it. When the file cannot be
    // used, the outbox is kept in memory and canhBao() says why.
    explicit HopThuDi(QString tep);
    ~HopThuDi();
    HopThuDi(const HopThuDi&) = delete;
    HopThuDi& operator=(const HopThuDi&) = delete;

    const QString& tep() const { return m_tep; }
    // What the learner must be told about it (damaged and moved aside, or
    // kept in memory only, and why); empty when all is well.
    const QString& canhBao() const { return m_canhBao; }
    // Some change waits only in memory: the file could not take it.
    bool coTrongBoNho() const { return !m_trongBoNho.empty(); }

    struct Thu final {
        qint64 so = 0;     // its place in the outbox
        QString dangNhap;  // whose it is: the server role that made it
        ThayDoi thayDoi;
    };
    // Keeps a change for `mayChu` (the server as moTa() says it, without
    // its user) made by `dangNhap`. True when it is on disk.
    bool them(const QString& mayChu, const QString& dangNhap, const ThayDoi& thayDoi, QString* loi);
    // The changes waiting for `mayChu`, oldest first; of one role when given.
    std::vector<Thu> cacThu(const QString& mayChu, const std::optional<QString>& dangNhap) const;
    // Sent: out of the outbox.
    void xoa(qint64 so);

private:
    bool mo();
    // The file the connection holds is still the one under the name.
    bool conLaTep() const;

    QString m_tep;
    QSqlError m_loiMo;
    DanhTinhTep m_danhTinh;
    QString m_ketNoi;
    QString m_canhBao;
    // Those that could not be written to the file: never dropped.
    std::vector<std::pair<QString, Thu>> m_trongBoNho;
    qint64 m_soTiep = -1;
};

}  // namespace thilaixe
