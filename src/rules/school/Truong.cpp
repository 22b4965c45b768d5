#include "rules/school/Truong.h"

#include "rules/bank/NgauNhien.h"
#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/databank/BangTinhGhi.h"
#include "rules/databank/TimKiem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace thilaixe {

namespace {

QString shaHex(const QByteArray& b)
{
    return QString::fromLatin1(QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex());
}

bool sai(QString* loi, const QString& vi)
{
    if (loi)
        *loi = vi;
    return false;
}

// The whole of a small file a school brings, or nothing with why.
std::optional<QByteArray> docHet(const QString& tep, QString* loi)
{
    // A rule set built in is a resource of the program.
    if (tep.startsWith(QLatin1String(":/"))) {
        QFile r(tep);
        if (r.open(QIODevice::ReadOnly))
            return r.readAll();
    }
    QFile f;
    QString lyDo;
    if (moTepNguon(tep, f, &lyDo) != KetQuaMo::DaMo) {
        sai(loi, txt::kCoDienKhongDoc.arg(QDir::toNativeSeparators(tep), lyDo));
        return std::nullopt;
    }
    if (f.size() > kTepDuLieuToiDa) {
        sai(loi, txt::kTepLonQua.arg(kTepDuLieuToiDa >> 20));
        return std::nullopt;
    }
    return f.read(kTepDuLieuToiDa + 1);
}

// The list of what a cached bank holds: each file's digest and path, one a
// line; written last, so that a bank with it is whole.
const QString kDanhSach = QStringLiteral(".thilaixe-whole");

}  // namespace

QByteArray csvKhoaHoc(const KhoaHoc& k, const std::vector<HocVienKhoaHoc>& ds, int soCauDiemLiet)
{
    QStringList dong;
    dong << QStringList{txt::kCsvKhoaHoc, oCsv(k.ma), oCsv(k.ten), txt::kCsvHang, oCsv(k.hang)}.join(
        QLatin1Char(','));
    dong << txt::kCsvTieuDe;
    for (const HocVienKhoaHoc& h : ds)
        dong << QStringList{oCsv(h.soBaoDanh),
                            oCsv(h.ten),
                            QString::number(h.soBai),
                            QString::number(h.soDat),
                            h.diemCuoi ? QStringLiteral("%1/%2").arg(*h.diemCuoi).arg(h.soCauCuoi)
                                       : QString(),
                            h.diemCao ? QString::number(*h.diemCao) : QString(),
                            QStringLiteral("%1/%2").arg(h.diemLietVung).arg(soCauDiemLiet)}
                    .join(QLatin1Char(','));
    // Windows line ends: what spreadsheet programs expect of a CSV file.
    return QByteArrayLiteral("\xEF\xBB\xBF") + dong.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

bool ghiCsvKhoaHoc(const QString& tep, const KhoaHoc& k, const std::vector<HocVienKhoaHoc>& ds,
                   int soCauDiemLiet, QString* loi)
{
    QString vi;
    if (ghiTep(tep, csvKhoaHoc(k, ds, soCauDiemLiet), &vi))
        return true;
    if (loi)
        *loi = txt::kKhongGhiTep.arg(QDir::toNativeSeparators(tep), vi);
    return false;
}

std::optional<std::vector<HocVienMoi>> docDanhSachHocVien(const QString& tep, QString* loi)
{
    const std::optional<BangTinh> bt = docBangTinh(tep, loi);
    if (!bt)
        return std::nullopt;
    // The header: the first row that names a candidate number and a name.
    const auto laCot = [](const QString& o, std::initializer_list<const char*> ten) {
        const QString g = boDau(o.simplified());
        return std::any_of(ten.begin(), ten.end(), [&](const char* t) { return g == QLatin1String(t); });
    };
    int dau = -1, cSbd = -1, cTen = -1, cSinh = -1;
    for (int d = 0; d < static_cast<int>(bt->dong.size()) && dau < 0; ++d) {
        int s = -1, t = -1, n = -1;
        for (int c = 0; c < static_cast<int>(bt->dong[static_cast<std::size_t>(d)].size()); ++c) {
            const QString& o = bt->o(d, c)->chu;
            if (laCot(o, {"so bao danh", "sbd", "candidate number", "candidate", "number"}))
                s = c;
            else if (laCot(o, {"ho va ten", "ho ten", "ten", "full name", "name"}))
                t = c;
            else if (laCot(o, {"ngay sinh", "date of birth", "birth date", "born"}))
                n = c;
        }
        if (s >= 0 && t >= 0) {
            dau = d;
            cSbd = s;
            cTen = t;
            cSinh = n;
        }
    }
    if (dau < 0) {
        sai(loi, txt::kDsKhongCoTieuDe);
        return std::nullopt;
    }
    std::vector<HocVienMoi> kq;
    QStringList loiDong;
    QSet<QString> daCo;
    const auto o = [&](int d, int c) { return bt->o(d, c) ? bt->o(d, c)->chu.simplified() : QString(); };
    for (int d = dau + 1; d < static_cast<int>(bt->dong.size()); ++d) {
        HocVienMoi h{o(d, cSbd), o(d, cTen), {}};
        const QString sinh = cSinh >= 0 ? o(d, cSinh) : QString();
        if (h.soBaoDanh.isEmpty() && h.ten.isEmpty() && sinh.isEmpty())
            continue;
        const auto bao = [&](int c, const QString& vi) {
            loiDong << txt::kDsLoiO.arg(d + 1).arg(tenCot(c), vi);
        };
        if (h.soBaoDanh.isEmpty() || h.soBaoDanh.size() > kSoBaoDanhToiDa)
            bao(cSbd, txt::kDsSbd.arg(kSoBaoDanhToiDa));
        else if (daCo.contains(h.soBaoDanh))
            bao(cSbd, txt::kDsSbdHaiLan.arg(h.soBaoDanh));
        if (h.ten.isEmpty() || h.ten.size() > kTenHocVienToiDa)
            bao(cTen, txt::kDsTen.arg(kTenHocVienToiDa));
        if (!sinh.isEmpty()) {
            for (const char* dang : {"dd/MM/yyyy", "d/M/yyyy", "yyyy-MM-dd", "dd-MM-yyyy", "dd.MM.yyyy"})
                if (!h.ngaySinh.isValid())
                    h.ngaySinh = QDate::fromString(sinh, QLatin1String(dang));
            // A spreadsheet's date as its serial number of days.
            bool so = false;
            const double ngay = sinh.toDouble(&so);
            if (!h.ngaySinh.isValid() && so && ngay > 1 && ngay < 80000)
                h.ngaySinh = QDate(1899, 12, 30).addDays(static_cast<qint64>(ngay));
            if (!h.ngaySinh.isValid())
                bao(cSinh, txt::kDsNgaySinh);
        }
        daCo.insert(h.soBaoDanh);
        kq.push_back(std::move(h));
    }
    if (!loiDong.isEmpty()) {
        sai(loi, loiDong.mid(0, 20).join(QLatin1Char('\n')));
        return std::nullopt;
    }
    return kq;
}

std::optional<PinHocVien> themHocVienCoPin(KhoTruong& kho, const KhoaHoc& k, const HocVienMoi& h, bool chiSo,
                                           QString* loi)
{
    PinHocVien p{h.soBaoDanh.simplified(), h.ten.simplified(), taoPin(kPinToiThieu, chiSo)};
    if (p.soBaoDanh.isEmpty() || p.soBaoDanh.size() > kSoBaoDanhToiDa || p.ten.isEmpty()
        || p.ten.size() > kTenHocVienToiDa) {
        sai(loi, txt::kMcTL007);
        return std::nullopt;
    }
    if (!kho.themHocVien(k.id, p.soBaoDanh, p.ten, p.pin, h.ngaySinh, loi))
        return std::nullopt;
    return p;
}

std::optional<PinHocVien> capLaiPin(KhoTruong& kho, const KhoaHoc& k, const HocVienKhoaHoc& h, bool chiSo,
                                    QString* loi)
{
    return themHocVienCoPin(kho, k, {h.soBaoDanh, h.ten, {}}, chiSo, loi);
}

std::optional<std::vector<PinHocVien>>
nhapDanhSach(KhoTruong& kho, const KhoaHoc& k, const std::vector<HocVienMoi>& ds, bool chiSo, QString* loi)
{
    QSet<QString> daCo;
    for (const HocVienKhoaHoc& h : kho.hocVienCuaKhoa(k.id, QString(), k.hang, 1))
        daCo.insert(h.soBaoDanh);
    std::vector<PinHocVien> kq;
    for (const HocVienMoi& h : ds) {
        if (daCo.contains(h.soBaoDanh.simplified())) {
            if (!kho.themHocVien(k.id, h.soBaoDanh, h.ten, std::nullopt, h.ngaySinh, loi))
                return std::nullopt;
            continue;
        }
        const std::optional<PinHocVien> p = themHocVienCoPin(kho, k, h, chiSo, loi);
        if (!p)
            return std::nullopt;
        kq.push_back(*p);
    }
    return kq;
}

std::optional<QString> datNganHangLenMayChu(KhoTruong& kho, const QString& tepNganHang, QString* loi)
{
    const std::optional<QByteArray> b = docHet(tepNganHang, loi);
    if (!b)
        return std::nullopt;
    const QString sha = shaHex(*b);
    if (kho.nganHangHienHanh() == sha)
        return sha;
    const std::optional<NganHangGui> g = chuanBiGuiNganHang(tepNganHang, loi);
    if (!g || !kho.guiNganHang(*g, loi))
        return std::nullopt;
    return g->sha256;
}

std::optional<qint64> moPhienKiemTra(KhoTruong& kho, PhienKiemTra p, const QString& tepNganHang,
                                     const BoQuyTac& bo, const std::function<std::uint64_t()>& hat,
                                     QString* loi)
{
    const QuyTacHang* q = bo.timHang(p.hang);
    if (!q || q->theoNhom) {
        sai(loi, txt::kMcTL006);
        return std::nullopt;
    }
    const DocDuoc<NganHang> nh = docNganHangTep(tepNganHang);
    if (!nh.giaTri) {
        sai(loi, nh.loi.empty() ? QString() : nh.loi.front().dong());
        return std::nullopt;
    }
    if (const std::optional<QString> vi = khongRutDuoc(*nh.giaTri, *q)) {
        sai(loi, *vi);
        return std::nullopt;
    }
    const std::optional<QString> sha = datNganHangLenMayChu(kho, tepNganHang, loi);
    if (!sha)
        return std::nullopt;
    p.maNganHang = *sha;
    p.nganHang = nh.giaTri->id;
    p.quyTac = q->boId.isEmpty() ? bo.id : q->boId;
    const std::optional<qint64> id = kho.moPhien(p, loi);
    if (!id)
        return std::nullopt;
    p.id = *id;
    if (!datDeChoPhien(kho, p, *nh.giaTri, *q, hat, loi))
        return std::nullopt;
    return id;
}

std::optional<int> datDeChoPhien(KhoTruong& kho, const PhienKiemTra& p, const NganHang& nh,
                                 const QuyTacHang& q, const std::function<std::uint64_t()>& hat, QString* loi)
{
    int so = 0;
    for (const TinhHinhHocVien& t : kho.tinhHinh(p.id)) {
        if (t.trangThai != TinhHinhHocVien::TrangThai::ChuaCoDe)
            continue;
        // A seed the server keeps as a signed 64-bit number.
        const qint64 h = static_cast<qint64>(hat() >> 1);
        QString vi;
        const std::optional<DeThi> de = rutDeTheoHat(nh, q, static_cast<std::uint64_t>(h), &vi);
        if (!de) {
            sai(loi, vi);
            return std::nullopt;
        }
        if (!kho.datDe(p.id, t.hoSo, h, *de, loi))
            return std::nullopt;
        ++so;
    }
    return so;
}

std::optional<NganHangGui> chuanBiGuiNganHang(const QString& tepNganHang, QString* loi)
{
    NganHangGui g;
    const std::optional<QByteArray> json = docHet(tepNganHang, loi);
    if (!json)
        return std::nullopt;
    g.json = *json;
    g.sha256 = shaHex(g.json);
    DocDuoc<NganHang> doc = docNganHang(g.json);
    std::vector<LoiDuLieu> cacLoi = doc.loi;
    const QString thuMuc = QFileInfo(tepNganHang).absolutePath();
    if (const std::optional<NganHang>& co = doc.giaTri ? doc.giaTri : doc.banNhap) {
        const std::vector<LoiDuLieu> anh = kiemTraAnh(*co, thuMuc);
        cacLoi.insert(cacLoi.end(), anh.begin(), anh.end());
    }
    if (!cacLoi.empty()) {
        QStringList dong;
        for (const LoiDuLieu& l : cacLoi)
            dong << l.dong();
        sai(loi, txt::kGuiNganHangLoi.arg(cacLoi.size()).arg(dong.mid(0, 12).join(QLatin1Char('\n'))));
        return std::nullopt;
    }
    g.nh = std::move(*doc.giaTri);
    for (const CauHoiNganHang& c : g.nh.cauHoi) {
        if (c.anh.isEmpty() || g.anh.count(c.anh))
            continue;
        const std::optional<QByteArray> anh = docHet(QDir(thuMuc).filePath(c.anh), loi);
        if (!anh)
            return std::nullopt;
        g.anh[c.anh] = *anh;
    }
    // Every rule set it may be drawn by: the built-in ones and the school's
    // files beside it (a file of a built-in set's id is the school's word).
    QStringList tepCua;
    std::vector<LoiDuLieu> loiQuyTac;
    const std::vector<BoQuyTac> cacBo = cacBoQuyTacCho(tepNganHang, &loiQuyTac, nullptr, &tepCua);
    if (!loiQuyTac.empty()) {
        sai(loi, loiQuyTac.front().dong());
        return std::nullopt;
    }
    QSet<QString> daCo;
    for (qsizetype i = cacBo.size() - 1; i >= 0; --i) {
        const BoQuyTac& bo = cacBo[static_cast<std::size_t>(i)];
        if (daCo.contains(bo.id))
            continue;
        daCo.insert(bo.id);
        const QString tep = tepCua.value(i);
        const std::optional<QByteArray> b =
            tep.isEmpty() ? docHet(QStringLiteral(":/thilaixe/%1.json").arg(bo.id), loi) : docHet(tep, loi);
        if (!b)
            return std::nullopt;
        g.boQuyTac.push_back({bo, *b, tep.isEmpty()});
    }
    return g;
}

std::optional<QString> ghiNganHangLay(const NganHangGui& g, const QString& thuMuc, QString* loi)
{
    if (shaHex(g.json) != g.sha256) {
        sai(loi, txt::kLayNganHangHong.arg(QStringLiteral("bank.json")));
        return std::nullopt;
    }
    const QDir d(QDir(thuMuc).filePath(kThuMucNganHangMayChu + QLatin1Char('/') + g.sha256));
    if (!QDir().mkpath(d.path())) {
        sai(loi, txt::kCoDienKhongTaoThuMuc.arg(QDir::toNativeSeparators(d.path())));
        return std::nullopt;
    }
    QStringList danhSach;
    const auto dat = [&](const QString& ten, const QByteArray& b) {
        // A path that would leave the bank's folder is never written.
        const QString duong = QDir::cleanPath(d.filePath(ten));
        if (!duong.startsWith(d.path() + QLatin1Char('/')) || ten.contains(QLatin1Char('\\')))
            return sai(loi, txt::kLayNganHangHong.arg(ten));
        QDir().mkpath(QFileInfo(duong).absolutePath());
        QString vi;
        if (!ghiTep(duong, b, &vi))
            return sai(loi, txt::kCoDienKhongGhi.arg(QDir::toNativeSeparators(duong), vi, QString()));
        danhSach << shaHex(b) + QLatin1Char(' ') + ten;
        return true;
    };
    for (const auto& [ten, b] : g.anh)
        if (!dat(ten, b))
            return std::nullopt;
    // The school's own rule sets, beside the bank as a school puts them;
    // the built-in ones the program has.
    for (const NganHangGui::BoGui& bo : g.boQuyTac)
        if (!bo.caiSan && !dat(QStringLiteral("rules/%1.json").arg(bo.bo.id), bo.json))
            return std::nullopt;
    if (!dat(QStringLiteral("bank.json"), g.json))
        return std::nullopt;
    QString vi;
    if (!ghiTep(d.filePath(kDanhSach), danhSach.join(QLatin1Char('\n')).toUtf8(), &vi)) {
        sai(loi, txt::kCoDienKhongGhi.arg(QDir::toNativeSeparators(d.filePath(kDanhSach)), vi, QString()));
        return std::nullopt;
    }
    return d.filePath(QStringLiteral("bank.json"));
}

std::optional<QString> nganHangTuMayChu(KhoTruong& kho, const QString& thuMucDuLieu, QString* loi)
{
    const std::optional<QString> sha = kho.nganHangHienHanh();
    if (!sha) {
        sai(loi, txt::kLayNganHangChuaCo);
        return std::nullopt;
    }
    // The copy kept here, when every file of it is as it was written.
    const QDir d(QDir(thuMucDuLieu).filePath(kThuMucNganHangMayChu + QLatin1Char('/') + *sha));
    QFile ds(d.filePath(kDanhSach));
    if (ds.open(QIODevice::ReadOnly)) {
        bool nguyen = true;
        for (const QByteArray& dong : ds.readAll().split('\n')) {
            const qsizetype cach = dong.indexOf(' ');
            QFile f(d.filePath(QString::fromUtf8(dong.mid(cach + 1))));
            nguyen = nguyen && cach > 0 && f.open(QIODevice::ReadOnly)
                     && shaHex(f.readAll()) == QString::fromLatin1(dong.left(cach));
            if (!nguyen)
                break;
        }
        QFile b(d.filePath(QStringLiteral("bank.json")));
        if (nguyen && b.open(QIODevice::ReadOnly) && shaHex(b.readAll()) == *sha)
            return b.fileName();
    }
    const std::optional<NganHangGui> g = kho.layNganHang(*sha, loi);
    if (!g)
        return std::nullopt;
    return ghiNganHangLay(*g, thuMucDuLieu, loi);
}

}  // namespace thilaixe
