#include "rules/store/LenhKho.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/store/KhoHocVien.h"
#include "rules/store/KhoMayChu.h"
#include "rules/store/KhoSqlite.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace thilaixe {

int lenhXuat(const QString& thuMuc, const QString& idNganHang)
{
    KhoSqlite kho(QDir(thuMuc).filePath(kTepKho), KhoSqlite::CheDo::ChiDoc);
    if (kho.trongBoNho() && !kho.canhBao().isEmpty()) {
        inDong(stderr, txt::kCliKhoKhongDoc.arg(kho.canhBao()));
        return 1;
    }
    if (!kho.canhBao().isEmpty())
        inDong(stderr, txt::kCliWalHong.arg(kho.canhBao()));
    const std::vector<BaiLam> cacBai = kho.cacBaiLam(std::nullopt, idNganHang);
    const std::vector<KhoHocVien::DongOnTap> cacO = kho.tatCaOnTap(idNganHang);
    if (!idNganHang.isEmpty() && cacBai.empty() && cacO.empty()) {
        inDong(stderr, txt::kCliXuatKhongCo.arg(idNganHang, QDir::toNativeSeparators(kho.tep())));
        return 1;
    }
    QJsonArray baiLam;
    for (const BaiLam& b : cacBai)
        baiLam.append(baiLamJson(b));
    QJsonArray onTap;
    for (const KhoHocVien::DongOnTap& d : cacO)
        onTap.append(QJsonObject{{QStringLiteral("profile"), d.hoSo},
                                 {QStringLiteral("bank"), d.nganHang},
                                 {QStringLiteral("question"), d.cau},
                                 {QStringLiteral("in_list"), d.muc.canOn},
                                 {QStringLiteral("streak"), d.muc.dungLienTiep},
                                 {QStringLiteral("right"), d.muc.dung},
                                 {QStringLiteral("wrong"), d.muc.sai}});
    const QJsonObject o{{QStringLiteral("format"), QStringLiteral("thilaixe-export/1")},
                        {QStringLiteral("attempts"), baiLam},
                        {QStringLiteral("practice"), onTap}};
    std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    return 0;
}

int lenhCaiDatMayChu(const QString& chuoiKetNoi)
{
    QString loi;
    std::optional<KetNoiMayChu> k = KetNoiMayChu::doc(chuoiKetNoi, &loi);
    if (!k) {
        std::fprintf(stderr, "%s\n", qPrintable(txt::kCliMayChuSai.arg(loi)));
        return 1;
    }
    KetQuaCaiDat kq = caiDatMayChu(*k);
    if (!kq.xong && kq.loi.contains(txt::kMcSaiDangNhap) && k->password.isEmpty()) {
        if (const std::optional<QString> mk = docMatKhauTerminal(txt::kCliMatKhau.arg(k->user))) {
            k->password = *mk;
            kq = caiDatMayChu(*k);
        }
    }
    for (const QString& d : kq.dong)
        std::printf("%s\n", qPrintable(d));
    if (!kq.xong) {
        std::fprintf(stderr, "%s\n", qPrintable(txt::kCliCaiDatLoi.arg(kq.loi)));
        return 1;
    }
    return 0;
}

}  // namespace thilaixe
