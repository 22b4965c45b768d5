#include "rules/session/LenhTruong.h"

#include "rules/bank/NgauNhien.h"
#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/school/Truong.h"
#include "rules/session/InGiay.h"
#include "rules/store/HopThuDi.h"
#include "rules/store/KhoMayChu.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace thilaixe {

namespace {

// A teacher signed in, or nothing (said why on standard error). Nothing is
// held on the command line: an outbox in a folder of its own, gone after.
std::unique_ptr<KhoMayChu> giaoVien(KetNoiMayChu k, QTemporaryDir& tam)
{
    auto kho = std::make_unique<KhoMayChu>(k, tam.filePath(kTepHopThu));
    if (kho->saiDangNhap() && k.password.isEmpty()) {
        if (const std::optional<QString> mk = docMatKhauTerminal(txt::kCliMatKhau.arg(k.user))) {
            k.password = *mk;
            kho = std::make_unique<KhoMayChu>(k, tam.filePath(kTepHopThu));
        }
    }
    if (!kho->sanSang() || !kho->laGiaoVien()) {
        inDong(stderr,
               txt::kCliCanGiaoVien.arg(kho->canhBao().isEmpty() ? txt::kMcKhongQuyen : kho->canhBao()));
        return nullptr;
    }
    return kho;
}

std::optional<KhoaHoc> khoaTheoMa(KhoTruong& kho, const QString& ma)
{
    for (const KhoaHoc& c : kho.cacKhoaHoc())
        if (c.ma == ma)
            return c;
    return std::nullopt;
}

int that(const QString& loi)
{
    inDong(stderr, QStringLiteral("thilaixe: ") + loi);
    return 1;
}

}  // namespace

int lenhGuiNganHang(const KetNoiMayChu& k, const QString& tepNganHang)
{
    QTemporaryDir tam;
    const std::unique_ptr<KhoMayChu> kho = giaoVien(k, tam);
    if (!kho)
        return 1;
    QString loi;
    const std::optional<QString> sha = datNganHangLenMayChu(*kho, tepNganHang, &loi);
    if (!sha)
        return that(loi);
    inDong(stdout, txt::kCliDaGuiNganHang.arg(QDir::toNativeSeparators(tepNganHang), *sha));
    return 0;
}

int lenhDanhSach(const KetNoiMayChu& k, const QString& tepDanhSach, const QString& maKhoa,
                 const QString& hang, const QString& tepPhieu, bool chiSo)
{
    QString loi;
    const std::optional<std::vector<HocVienMoi>> ds = docDanhSachHocVien(tepDanhSach, &loi);
    if (!ds)
        return that(txt::kCliDanhSachLoi.arg(QDir::toNativeSeparators(tepDanhSach), loi));
    QTemporaryDir tam;
    const std::unique_ptr<KhoMayChu> kho = giaoVien(k, tam);
    if (!kho)
        return 1;
    std::optional<KhoaHoc> khoa = khoaTheoMa(*kho, maKhoa);
    if (!khoa && !hang.isEmpty() && kho->themKhoaHoc(maKhoa, maKhoa, hang, &loi))
        khoa = khoaTheoMa(*kho, maKhoa);
    if (!khoa)
        return that(loi.isEmpty() ? txt::kCliKhongCoKhoa.arg(maKhoa) : loi);
    const std::optional<std::vector<PinHocVien>> moi = nhapDanhSach(*kho, *khoa, *ds, chiSo, &loi);
    if (!moi)
        return that(loi);
    if (!moi->empty()
        && !inPhieuPin(tepPhieu, kho->caiDatChung(QStringLiteral("school_name"), txt::kTruongMacDinh), *khoa,
                       *moi, &loi))
        return that(loi);
    inDong(stdout, txt::kCliDaNhapDanhSach.arg(moi->size())
                       .arg(ds->size() - moi->size())
                       .arg(maKhoa, moi->empty() ? QStringLiteral("-") : QDir::toNativeSeparators(tepPhieu)));
    return 0;
}

int lenhMoPhien(const KetNoiMayChu& k, const QString& thuMuc, const QString& maKhoa, const QString& hang,
                int phut, const QDateTime& mo, const QString& tepNganHang)
{
    QTemporaryDir tam;
    const std::unique_ptr<KhoMayChu> kho = giaoVien(k, tam);
    if (!kho)
        return 1;
    const std::optional<KhoaHoc> khoa = khoaTheoMa(*kho, maKhoa);
    if (!khoa)
        return that(txt::kCliKhongCoKhoa.arg(maKhoa));
    QString loi;
    // The bank given, or the one the server holds (kept here, checked).
    const std::optional<QString> tep =
        tepNganHang.isEmpty() ? nganHangTuMayChu(*kho, thuMuc, &loi) : std::optional<QString>(tepNganHang);
    if (!tep)
        return that(loi);
    const QuyTacDaChon bo = chonQuyTacCho(*tep, mo.date());
    if (!bo.coHieuLuc)
        return that(bo.khongCo);
    const std::optional<qint64> id = moPhienKiemTra(
        *kho, {0, khoa->id, hang.isEmpty() ? khoa->hang : hang, {}, {}, mo, phut, std::nullopt, {}}, *tep,
        bo.bo, [] { return hatHeThong(); }, &loi);
    if (!id)
        return that(loi);
    inDong(stdout, QString::number(*id));
    return 0;
}

}  // namespace thilaixe
