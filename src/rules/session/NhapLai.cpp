#include "rules/session/NhapLai.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/store/KhoSqlite.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <map>
#include <memory>

namespace thilaixe {

namespace {

bool sai(QString* loi, std::size_t i, const QString& vi)
{
    if (loi)
        *loi = txt::kTdThayDoiThu.arg(i + 1).arg(vi);
    return false;
}

// The rule set an attempt was sat under: by its id among the bank's, else
// the one in force that day.
BoQuyTac boCuaBai(const NganHangCoSan& n, const BaiLam& b)
{
    if (n.tep.isEmpty())
        return n.nh.id == kIdNganHangCoDien ? boQuyTacCoDien() : boQuyTacCaiSan();
    for (const BoQuyTac& bo : cacBoQuyTacCho(n.tep))
        if (bo.id == b.quyTac)
            return bo;
    return chonQuyTacCho(n.tep, b.batDau.toLocalTime().date()).bo;
}

}  // namespace

bool kiemVaChamLai(std::vector<ThayDoi>& ds, const std::vector<qint64>& hoSo,
                   const std::function<const NganHangCoSan*(const QString& id)>& tim, QString* loi)
{
    std::vector<ThayDoi> moi = ds;
    for (std::size_t i = 0; i < moi.size(); ++i) {
        ThayDoi& td = moi[i];
        if (std::find(hoSo.begin(), hoSo.end(), td.hoSo) == hoSo.end())
            return sai(loi, i, txt::kTdHoSoLa.arg(td.hoSo));
        if (td.loai == ThayDoi::Loai::CaiDat)
            continue;
        const NganHangCoSan* n = tim(td.nganHang);
        if (!n)
            return sai(loi, i, txt::kTdNganHangLa.arg(td.nganHang));
        if (td.loai != ThayDoi::Loai::BaiLam) {
            if (!n->nh.cau(td.cau))
                return sai(loi, i, txt::kTdCauLa.arg(td.cau).arg(td.nganHang));
            continue;
        }
        BaiLam& b = td.bai;
        b.dapAn.assign(b.cau.size(), 0);
        b.diemLiet.assign(b.cau.size(), false);
        for (std::size_t o = 0; o < b.cau.size(); ++o) {
            const CauHoiNganHang* c = n->nh.cau(b.cau[o]);
            if (!c)
                return sai(loi, i, txt::kTdCauLa.arg(b.cau[o]).arg(td.nganHang));
            if (b.traLoi[o] < 0 || b.traLoi[o] > c->soPhuongAn)
                return sai(loi, i, txt::kTdTraLoiLa.arg(c->so).arg(c->soPhuongAn).arg(b.traLoi[o]));
            b.dapAn[o] = c->dapAn;
            b.diemLiet[o] = c->diemLiet;
        }
        const BoQuyTac bo = boCuaBai(*n, b);
        const QuyTacHang* q = bo.timHang(b.hang);
        if (!q)
            return sai(loi, i, txt::kTdHangLa.arg(b.hang, bo.id));
        b.canDeDat = b.baiNgan ? quyTacBaiNgan(*q, static_cast<int>(b.cau.size())).canDeDat : q->canDeDat;
        b.quyTac = q->boId.isEmpty() ? bo.id : q->boId;
        b.phienBan = n->nh.phienBan;
    }
    ds = std::move(moi);
    return true;
}

int lenhNhap(const QString& thuMuc, const QString& tep, const QStringList& cacTepNganHang)
{
    QFile f;
    QString lyDo;
    if (moDeDoc(tep, f, &lyDo) != KetQuaMo::DaMo) {
        inDong(stderr, txt::kCliNhapKhongDoc.arg(tep, lyDo));
        return 1;
    }
    // One byte more than the largest is enough to say it is too large.
    const QByteArray noiDung = f.read(kTepChoGhiToiDa + 1);
    QString loi;
    std::optional<TepChoGhi> doc = docTepChoGhi(noiDung, &loi);
    if (!doc) {
        inDong(stderr, txt::kCliKhongNhap.arg(tep, loi));
        return 1;
    }
    // Banks by id, read only when a change names one.
    std::map<QString, std::unique_ptr<NganHangCoSan>> daDoc;
    QStringList tepNganHang = cacTepNganHang;
    tepNganHang << cacTepNganHangCoSan(thuMuc);
    bool daDocHet = false;
    const auto tim = [&](const QString& id) -> const NganHangCoSan* {
        if (id == kIdNganHangCoDien) {
            auto& n = daDoc[id];
            if (!n)
                n = std::make_unique<NganHangCoSan>(NganHangCoSan{nganHangCoDien(), {}});
            return n.get();
        }
        if (!daDocHet) {
            daDocHet = true;
            for (const QString& t : tepNganHang) {
                DocDuoc<NganHang> d = docNganHangTep(t);
                if (!d.giaTri || daDoc.count(d.giaTri->id))
                    continue;
                const QString idTep = d.giaTri->id;
                daDoc[idTep] = std::make_unique<NganHangCoSan>(NganHangCoSan{std::move(*d.giaTri), t});
            }
        }
        const auto it = daDoc.find(id);
        return it == daDoc.end() ? nullptr : it->second.get();
    };
    KhoSqlite kho(QDir(thuMuc).filePath(kTepKho));
    if (kho.trongBoNho()) {
        inDong(stderr, txt::kCliKhoKhongGhi.arg(kho.canhBao()));
        return 1;
    }
    std::vector<qint64> hoSo;
    for (const HoSo& h : kho.cacHoSo())
        hoSo.push_back(h.id);
    if (!kiemVaChamLai(doc->ds, hoSo, tim, &loi)) {
        inDong(stderr, txt::kCliKhongNhap.arg(tep, loi));
        return 1;
    }
    const std::optional<KhoHocVien::KetQuaNhap> kq = kho.nhapThayDoi(doc->ds, &loi);
    if (!kq) {
        inDong(stderr, txt::kCliKhongNhap.arg(tep, loi));
        return 1;
    }
    if (kq->moi == 0) {
        inDong(stderr, txt::kCliKhongNhap.arg(tep, txt::kKhoChoDaGhi));
        return 1;
    }
    const auto soBai = std::count_if(doc->ds.begin(), doc->ds.end(),
                                     [](const ThayDoi& td) { return td.loai == ThayDoi::Loai::BaiLam; });
    QString vi, en;
    if (kq->daCo > 0) {
        vi += txt::kCliDaNhapDaCo.arg(kq->daCo);
        en += txt::kCliDaNhapDaCoEn.arg(kq->daCo);
    }
    if (soBai > 0) {
        vi += txt::kCliDaChamLai.arg(soBai);
        en += txt::kCliDaChamLaiEn.arg(soBai);
    }
    inDong(stdout,
           txt::kCliDaNhap.arg(QString::number(kq->moi), QDir::toNativeSeparators(kho.tep()), vi, en));
    return 0;
}

}  // namespace thilaixe
