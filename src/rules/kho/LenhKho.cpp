#include "rules/kho/LenhKho.h"

#include "rules/kho/KhoHocVien.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace thilaixe {

namespace {

QJsonArray mang(const std::vector<int>& v)
{
    QJsonArray a;
    for (int x : v)
        a.append(x);
    return a;
}

}  // namespace

int lenhXuat(const QString& thuMuc, const QString& idNganHang)
{
    KhoHocVien kho(QDir(thuMuc).filePath(kTepKho), KhoHocVien::CheDo::ChiDoc);
    if (!kho.canhBao().isEmpty()) {
        std::fprintf(stderr, "thilaixe: %s\n", qPrintable(kho.canhBao()));
        return 1;
    }
    QJsonArray baiLam;
    for (const BaiLam& b : kho.cacBaiLam(std::nullopt, idNganHang)) {
        std::vector<int> liet;
        for (std::size_t i = 0; i < b.cau.size(); ++i)
            if (b.diemLiet[i])
                liet.push_back(b.cau[i]);
        baiLam.append(QJsonObject{
            {QStringLiteral("id"), b.id},
            {QStringLiteral("profile"), b.hoSo},
            {QStringLiteral("bank"), b.nganHang},
            {QStringLiteral("bank_version"), b.phienBan},
            {QStringLiteral("rules"), b.quyTac},
            {QStringLiteral("class"), b.hang},
            {QStringLiteral("start"), b.batDau.toUTC().toString(Qt::ISODate)},
            {QStringLiteral("end"), b.ketThuc.toUTC().toString(Qt::ISODate)},
            {QStringLiteral("questions"), mang(b.cau)},
            {QStringLiteral("answers"), mang(b.traLoi)},
            {QStringLiteral("keys"), mang(b.dapAn)},
            {QStringLiteral("critical"), mang(liet)},
            {QStringLiteral("pass"), b.canDeDat},
            {QStringLiteral("right"), b.soDung()},
            {QStringLiteral("passed"), b.dat()},
            {QStringLiteral("critical_failed"), mang(b.diemLietSai())},
        });
    }
    QJsonArray onTap;
    for (const KhoHocVien::DongOnTap& d : kho.tatCaOnTap(idNganHang))
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

}  // namespace thilaixe
