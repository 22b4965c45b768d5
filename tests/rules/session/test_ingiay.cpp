// The course-end test's two PDFs, read back as text with pdftotext: the
// results sheet (a line per learner, the verdicts, the signature lines)
// and a paper drawn from the sample bank with its key on a page of its own.
#include "TestSupport.h"
#include "sample/NganHangMau2025.h"

#include "rules/bank/NgauNhien.h"
#include "rules/common/Texts.h"
#include "rules/session/InGiay.h"

#include <QProcess>
#include <QTest>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

// pdftotext of pages `tu`..`den` (all when 0), layout kept.
QString docPdf(const QString& tep, int tu = 0, int den = 0)
{
    QStringList a{u"-layout"_s};
    if (tu > 0)
        a << u"-f"_s << QString::number(tu) << u"-l"_s << QString::number(den);
    QProcess p;
    p.start(u"pdftotext"_s, a << tep << u"-"_s);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int soTrang(const QString& tep)
{
    QProcess p;
    p.start(u"pdfinfo"_s, {tep});
    p.waitForFinished(30000);
    for (const QString& d : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (d.startsWith(u"Pages:"_s))
            return d.mid(6).trimmed().toInt();
    return 0;
}

}  // namespace

class TestInGiay : public QObject {
    Q_OBJECT
private slots:
    void resultsSheet()
    {
        test::WorkDir d;
        using TT = TinhHinhHocVien::TrangThai;
        std::vector<TinhHinhHocVien> ds(4);
        ds[0] = {1, u"001"_s, u"Nguyễn Văn An"_s, TT::DaNop, 7, 0, 0, 0, 28, 30, true, {}};
        ds[1] = {2, u"002"_s, u"Trần Thị Bình"_s, TT::DaNop, 8, 0, 0, 0, 29, 30, false, {17}};
        ds[2] = {3, u"003"_s, u"Lê Chi"_s, TT::ChuaBatDau, 0, 0, 0, 0, 0, 0, false, {}};
        ds[3] = {4, u"004"_s, u"Phạm Dũng"_s, TT::DaDongChuaNop, 9, 3, 0, 0, 0, 0, false, {}};
        const QString tep = qEnvironmentVariable("KEEP_PDF_DIR", d.path()) + u"/ket-qua.pdf"_s;
        QString loi;
        QVERIFY2(inBangKetQua(tep,
                              {u"Trường Lái xe Mẫu"_s, u"K12"_s, u"Khoá 12"_s, u"B"_s, u"tt12-2025"_s,
                               QDate(2026, 12, 10)},
                              ds, &loi),
                 qPrintable(loi));
        const QString chu = docPdf(tep).simplified();
        for (const QString& can :
             QStringList{txt::kInTieuDeKetQua, u"Trường Lái xe Mẫu"_s,
                         txt::kInKhoaHoc.arg(u"Khoá 12"_s, u"K12"_s), u"10/12/2026"_s,
                         u"1 001 Nguyễn Văn An 28 2 Đạt"_s, u"2 002 Trần Thị Bình 29 1 17 Không đạt"_s,
                         u"3 003 Lê Chi "_s + txt::kInKhongDu, u"4 004 Phạm Dũng "_s + txt::kInChuaNop,
                         txt::kInTong.arg(4).arg(1), txt::kInGiaoVien, txt::kInKyTen})
            QVERIFY2(chu.contains(can), qPrintable(can + u" not in: "_s + chu));
        QVERIFY(!inBangKetQua(d.path(u"no/such/folder/x.pdf"_s), {}, ds, &loi) && !loi.isEmpty());
    }

    void paperAndItsKey()
    {
        test::WorkDir d;
        QVERIFY(veNganHangMau2025(d.path()));
        const NganHang nh = *docNganHang(taoNganHangMau2025()).giaTri;
        const std::vector<BoQuyTac> bo = cacBoQuyTacCaiSan();
        const QuyTacHang* q = bo.front().timHang(u"B"_s);
        QVERIFY(q);
        BoSinhSo rng(42);
        const std::optional<DeThi> de = rutDe(nh, *q, rng);
        QVERIFY(de);
        const QString tep = qEnvironmentVariable("KEEP_PDF_DIR", d.path()) + u"/de.pdf"_s;
        QVERIFY(inDeGiay(tep, nh, d.path(), *q, *de, u"Trường Lái xe Mẫu"_s, u"42"_s, nullptr));
        const int trang = soTrang(tep);
        QVERIFY(trang >= 2);
        const QString deThi = docPdf(tep, 1, trang - 1).simplified();
        const QString dapAn = docPdf(tep, trang, trang).simplified();
        const CauHoiNganHang& dau = *nh.cau(de->cau[0]);
        QVERIFY(deThi.contains(txt::kInTieuDeDe.arg(u"B"_s, u"42"_s)));
        QVERIFY(deThi.contains(u"MẪU"_s));  // the sample says it is one
        QVERIFY(deThi.contains(u"Câu 1. "_s + dau.noiDung.simplified().left(30)));
        QVERIFY(deThi.contains(u"Câu %1."_s.arg(de->cau.size())));
        QVERIFY(!deThi.contains(txt::kInCotDapAn));  // no key among the questions
        QVERIFY(dapAn.contains(txt::kInTieuDeDapAn.arg(u"B"_s, u"42"_s)));
        // Slot 1's key as the sheet gives it (its first row, first column).
        QVERIFY2(dapAn.contains(u"1 %1"_s.arg(dau.dapAn)), qPrintable(dapAn));
    }
};

QTEST_MAIN(TestInGiay)
#include "test_ingiay.moc"
