// Writes in transactions; a write that cannot be made is held, tried again, saved to a file, imported back.

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/store/KhoSqlite.h"
#include "rules/store/LenhSql.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace thilaixe {

namespace {

// With this many held, a write that comes a moment after a failed try is
// held behind them without a try of its own: a store that cannot be
// written costs a learner nothing per answer, however much is held.
constexpr std::size_t kChoGhiThuNgay = 32;
constexpr qint64 kNghiSauLoiMs = 1000;

// The failure passes (a full disk, another copy holding the file): the
// change is held. A change the store refuses for itself would block every
// later one, and is not kept.
bool quaDi(const QSqlError& e)
{
    const MaSqlite ma = maLoi(e);
    return ma == MaSqlite::Ban || ma == MaSqlite::BiKhoa || ma == MaSqlite::ChiDoc
           || ma == MaSqlite::LoiDocGhi || ma == MaSqlite::Day || ma == MaSqlite::KhongMo;
}

}  // namespace

bool KhoSqlite::conLaTepDaMo() const { return !m_danhTinh.co || danhTinhTep(m_tep) == m_danhTinh; }

bool KhoSqlite::ghi(const ThayDoi* td, QString* loi, SauGhi* sau)
{
    const auto giu = [&](const QString& lyDo, bool trongXem) {
        if (td)
            m_choGhi.push_back({*td, trongXem});
        m_lyDoCho = lyDo;
        if (loi)
            *loi = lyDo;
        if (sau)
            sau->id = 0;
        return false;
    };
    if (m_cheDo == CheDo::ChiDoc) {
        m_lyDoCho = txt::kKhoChiDoc;
        if (loi)
            *loi = m_lyDoCho;
        return false;
    }
    QSqlQuery lenh(m_lenh.db());
    if (!m_khongLuu.isEmpty()) {
        // Kept for this run only: written where the windows read it, and held
        // like any write that could not be made, so the learner is asked
        // before the end whether to save it to a file.
        bool trongXem = false;
        if (td) {
            m_lenh.xoaLoi();
            trongXem = m_lenh.chay(QStringLiteral("BEGIN IMMEDIATE")) && ghiThayDoi(*td, false, sau)
                       && m_lenh.chay(QStringLiteral("COMMIT"));
            if (!trongXem)
                lenh.exec(QStringLiteral("ROLLBACK"));
        }
        return giu(m_khongLuu, trongXem);
    }
    // The file may have been deleted or replaced since it was opened: what
    // is written then would go into a file no one will see again.
    if (!conLaTepDaMo())
        return giu(txt::kKhoMatTep, false);
    if (td && m_choGhi.size() >= kChoGhiThuNgay && m_thuCuoi.isValid() && m_thuCuoi.elapsed() < kNghiSauLoiMs)
        return giu(m_lyDoCho, false);
    m_lenh.xoaLoi();
    const auto thatBai = [&] {
        const QSqlError e = m_lenh.loiCuoi();
        lenh.exec(QStringLiteral("ROLLBACK"));
        m_thuCuoi.start();
        const QString why = lyDo(e);
        if (quaDi(e))
            return giu(why, false);
        m_lyDoCho = why;
        if (loi)
            *loi = why;
        return false;
    };
    if (!m_lenh.chay(QStringLiteral("BEGIN IMMEDIATE")))
        return thatBai();
    for (const ChoGhi& c : m_choGhi)
        if (!ghiThayDoi(c.td, true, nullptr))
            return thatBai();
    for (const GopCho& g : m_gopCho)
        if (!ghiGop(g))
            return thatBai();
    if ((td && !ghiThayDoi(*td, false, sau)) || !m_lenh.chay(QStringLiteral("COMMIT")))
        return thatBai();
    // Committed into the file that was opened: if another stands under its
    // name now, that is where nothing of this went.
    if (!conLaTepDaMo())
        return giu(txt::kKhoMatTep, false);
    m_choGhi.clear();
    m_gopCho.clear();
    m_lyDoCho.clear();
    m_thuCuoi.invalidate();
    return true;
}

bool KhoSqlite::giaoDichRieng(const std::function<bool()>& viec, QString* loi)
{
    if (m_cheDo == CheDo::ChiDoc || (m_khongLuu.isEmpty() && !conLaTepDaMo())) {
        m_lyDoCho = m_cheDo == CheDo::ChiDoc ? txt::kKhoChiDoc : txt::kKhoMatTep;
        if (loi)
            *loi = m_lyDoCho;
        return false;
    }
    m_lenh.xoaLoi();
    QSqlQuery lenh(m_lenh.db());
    bool xong = m_lenh.chay(QStringLiteral("BEGIN IMMEDIATE"));
    // The held changes go first (they are older), unless they cannot be kept.
    for (std::size_t i = 0; xong && m_khongLuu.isEmpty() && i < m_choGhi.size(); ++i)
        xong = ghiThayDoi(m_choGhi[i].td, true, nullptr);
    for (std::size_t i = 0; xong && i < m_gopCho.size(); ++i)
        xong = ghiGop(m_gopCho[i]);
    xong = xong && viec() && m_lenh.chay(QStringLiteral("COMMIT"));
    if (!xong) {
        const QSqlError e = m_lenh.loiCuoi();
        lenh.exec(QStringLiteral("ROLLBACK"));
        if (loi)
            *loi = lyDo(e);
        return false;
    }
    m_gopCho.clear();
    if (m_khongLuu.isEmpty()) {
        m_choGhi.clear();
        m_lyDoCho.clear();
    }
    return true;
}

bool KhoSqlite::moLaiTep()
{
    m_lenh.quen();
    {
        QSqlDatabase db = m_lenh.db();
        db.close();
    }
    QSqlDatabase::removeDatabase(m_ketNoi);
    m_thuMucTam.reset();
    m_trongBoNho = false;
    m_khongLuu.clear();
    m_canhBao.clear();
    m_danhTinh = {};
    const bool mo = moTep();
    // Nothing held is in what is read now.
    for (ChoGhi& c : m_choGhi)
        c.trongXem = false;
    datThoiGianCho(kChoGhiCuaSoMs);
    return mo && m_khongLuu.isEmpty();
}

bool KhoSqlite::thuGhiLai(QString* loi, bool moLai)
{
    if (m_choGhi.empty())
        return true;
    if (moLai && m_cheDo == CheDo::Ghi && (!m_khongLuu.isEmpty() || !conLaTepDaMo()) && !moLaiTep()) {
        m_lyDoCho = m_khongLuu.isEmpty() ? m_canhBao : m_khongLuu;
        if (loi)
            *loi = m_lyDoCho;
        return false;
    }
    return ghi(nullptr, loi);
}

void KhoSqlite::datThoiGianCho(int ms)
{
    QSqlDatabase db = m_lenh.db();
    QSqlQuery q(db);
    m_lenh.chayMotLan(q, QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
}

std::vector<ThayDoi> KhoSqlite::cacChoGhi() const
{
    std::vector<ThayDoi> kq;
    kq.reserve(m_choGhi.size());
    for (const ChoGhi& c : m_choGhi)
        kq.push_back(c.td);
    return kq;
}

std::optional<KhoHocVien::KetQuaNhap> KhoSqlite::nhapThayDoi(const std::vector<ThayDoi>& ds, QString* loi)
{
    if (!m_khongLuu.isEmpty()) {
        if (loi)
            *loi = m_khongLuu;
        return std::nullopt;
    }
    KetQuaNhap kq;
    const bool xong = giaoDichRieng(
        [&] {
            kq = {};
            for (const ThayDoi& td : ds) {
                bool daCo = false;
                if (!ghiThayDoi(td, true, nullptr, &daCo))
                    return false;
                ++(daCo ? kq.daCo : kq.moi);
            }
            return true;
        },
        loi);
    if (!xong)
        return std::nullopt;
    return kq;
}

}  // namespace thilaixe
