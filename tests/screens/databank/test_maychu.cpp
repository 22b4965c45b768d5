// A school's lab against a real PostgreSQL: a teacher's home and window, a
// learner's home and course-end test paper, driven as their users drive
// them, each on a store of its own signed in as they would be.
#include "PgSupport.h"
#include "ScreenSupport.h"

#include "rules/bank/NgauNhien.h"
#include "rules/common/Texts.h"
#include "rules/databank/NhapNganHang.h"
#include "rules/store/KhoMayChu.h"
#include "rules/store/KhoSqlite.h"

#include "screens/common/FormDangNhap.h"
#include "screens/databank/FormBaiThi.h"
#include "screens/databank/FormGiaoVien.h"
#include "screens/databank/FormHocChuong.h"
#include "screens/databank/FormNganHang.h"
#include "screens/databank/FormNhapBangTinh.h"
#include "screens/databank/NganHangMo.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using namespace thilaixe;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBank = QStringLiteral(THILAIXE_SAMPLE_2025 "/bank.json");
const QDate kToday(2026, 12, 10);

std::shared_ptr<const NganHangMo> sample()
{
    static QString why;
    static const std::shared_ptr<NganHangMo> nh = moNganHang(kBank, kToday, &why);
    return nh;
}

// A lab computer's program, signed in as `k`.
struct Lab : test::Program {
    explicit Lab(const KetNoiMayChu& k, const std::optional<DangNhapHocVien>& hocVien = std::nullopt)
    {
        seams.clock = QDateTime(kToday, QTime(9, 0));
        auto kho = std::make_unique<KhoMayChu>(k, dir.path(kTepHopThu), hocVien);
        store = kho.get();
        mt().datKho(std::move(kho));
    }
    KhoMayChu* store = nullptr;
};

QString pdfText(const QString& tep)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, tep, u"-"_s});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

}  // namespace

class TestMayChu : public QObject {
    Q_OBJECT
private slots:
    // Signing in: a learner's course, candidate number and PIN go to the
    // server to check, never as a password of the connection (nothing is
    // tried with a field left empty, and a retry keeps what was typed but
    // the PIN); a teacher named by the connection string gives only a
    // password.
    void signInForm()
    {
        KetNoiMayChu k = *KetNoiMayChu::doc(u"host=srv dbname=tlx"_s);
        FormDangNhap f(k, {});
        f.findChild<QLineEdit*>(u"LE_KhoaHoc"_s)->setText(u" K12 "_s);
        f.findChild<QPushButton*>(u"CM_DangNhap"_s)->click();
        QVERIFY(f.result() != QDialog::Accepted);
        QCOMPARE(f.findChild<QLabel*>(u"LB_Loi"_s)->text(), txt::kDnCanDu);
        // The first empty field takes the focus, and a screen reader hears why.
        QCOMPARE(f.focusWidget(), f.findChild<QLineEdit*>(u"LE_SoBaoDanh"_s));
        QCOMPARE(f.focusWidget()->accessibleDescription(), txt::kDnCanDu);
        QTest::keyClicks(f.focusWidget(), u"0"_s);
        QVERIFY(f.focusWidget()->accessibleDescription().isEmpty());
        f.findChild<QLineEdit*>(u"LE_SoBaoDanh"_s)->setText(u"007"_s);
        f.findChild<QLineEdit*>(u"LE_Pin"_s)->setText(u" ab3kx7pq "_s);
        QCOMPARE(f.findChild<QLineEdit*>(u"LE_Pin"_s)->echoMode(), QLineEdit::Password);
        f.findChild<QPushButton*>(u"CM_DangNhap"_s)->click();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QVERIFY(f.ketNoi().user.isEmpty() && f.ketNoi().password.isEmpty());
        const std::optional<DangNhapHocVien> dn = f.hocVien();
        QVERIFY(dn && dn->khoaHoc == u"K12"_s && dn->soBaoDanh == u"007"_s && dn->pin == u"AB3KX7PQ"_s);
        FormDangNhap lai(k, txt::kDnSaiHocVien, f.khoaHoc(), f.soBaoDanh());
        QCOMPARE(lai.findChild<QLineEdit*>(u"LE_SoBaoDanh"_s)->text(), u"007"_s);
        QVERIFY(lai.findChild<QLineEdit*>(u"LE_Pin"_s)->text().isEmpty());
        QCOMPARE(lai.focusWidget(), lai.findChild<QLineEdit*>(u"LE_Pin"_s));
        QCOMPARE(lai.focusWidget()->accessibleDescription(), txt::kDnSaiHocVien);
        lai.show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QStringList faults =
            test::layoutFaults(&lai) + test::contrastFaults(&lai) + test::unnamedControls(&lai);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        k.user = u"gv"_s;
        FormDangNhap thay(k, {});
        QVERIFY(!thay.findChild<QLineEdit*>(u"LE_KhoaHoc"_s));
        thay.findChild<QLineEdit*>(u"LE_Pin"_s)->setText(u"secret"_s);
        thay.findChild<QPushButton*>(u"CM_DangNhap"_s)->click();
        QCOMPARE(thay.ketNoi().user, u"gv"_s);
        QCOMPARE(thay.ketNoi().password, u"secret"_s);
        QVERIFY(!thay.hocVien());
    }

    // At home: a school's server chosen on the home is kept for the next
    // start (read then without opening the store); a string that cannot be
    // read is said and not kept; an empty one goes back to this computer.
    void serverChosenOnTheHome()
    {
        test::Program p;
        p.seams.clock = QDateTime(kToday, QTime(9, 0));
        auto* nha = new FormNganHang(p.mt(), sample(), u"B"_s);
        QVERIFY(nha->findChild<QPushButton*>(u"CM_MayChu"_s));
        QVERIFY(!nha->findChild<QPushButton*>(u"CM_QuanLy"_s) && !nha->findChild<QLabel*>(u"LB_KiemTra"_s));
        const QString tep = p.dir.path(kTepKho);
        QVERIFY(nha->chonMayChu(u" host=srv dbname=tlx "_s));
        QCOMPARE(p.seams.messages.last().text, txt::kTrMayChuLuu.arg(u"host=srv dbname=tlx"_s));
        QCOMPARE(KhoSqlite::docMayChuTruong(tep), u"host=srv dbname=tlx"_s);
        QVERIFY(!nha->chonMayChu(u"host"_s));
        QCOMPARE(KhoSqlite::docMayChuTruong(tep), u"host=srv dbname=tlx"_s);
        QVERIFY(nha->chonMayChu(QString()));
        QCOMPARE(p.seams.messages.last().text, txt::kTrMayChuBo);
        QVERIFY(KhoSqlite::docMayChuTruong(tep).isEmpty());
        QVERIFY(KhoSqlite::docMayChuTruong(p.dir.path(u"none.sqlite"_s)).isEmpty());
        delete nha;
    }

    // The teacher makes a course of two learners and opens its course-end
    // test. A learner's home says it is open; their paper tells the teacher
    // which slot they are on; closing the session hands it in (no "Thi
    // lại"), and the teacher sees the verdict. The paper printed for that
    // seed is the learner's paper; the most missed question opens in study;
    // the course's spreadsheet is written. A table read again keeps the row
    // chosen; the window is clean, readable and named in every theme.
    void courseEndTestFromBothSides()
    {
        test::PgServer* pg = test::PgServer::get();
        QVERIFY2(pg, qPrintable(test::PgServer::why()));
        const QString db = pg->newDatabase();
        Lab thay(pg->teacher(db));
        QVERIFY(thay.store->laGiaoVien());
        auto* nhaThay = new FormNganHang(thay.mt(), sample(), u"B"_s);
        QVERIFY(nhaThay->findChild<QPushButton*>(u"CM_QuanLy"_s));
        FormGiaoVien* gv = nhaThay->quanLy();
        QVERIFY(gv);
        QVERIFY(gv->themKhoaHoc(u"K7"_s, u"Khoá 7"_s, u"B"_s));
        // Each PIN is the program's, shown on the slip only.
        QVERIFY(gv->themHocVien(u"01"_s, u"Nguyễn Văn An"_s, false, thay.dir.path(u"pin1.pdf"_s)));
        QVERIFY(gv->themHocVien(u"02"_s, u"Trần Thị Bình"_s, true, thay.dir.path(u"pin2.pdf"_s)));
        const auto pinTrenPhieu = [&](const QString& tep) {
            const QRegularExpressionMatch m =
                QRegularExpression(u"Mã PIN: ([A-Z0-9]{8})"_s).match(pdfText(thay.dir.path(tep)));
            return m.hasMatch() ? m.captured(1) : QString();
        };
        const QString pinAn = pinTrenPhieu(u"pin1.pdf"_s);
        QVERIFY2(pinAn.size() == 8, qPrintable(pdfText(thay.dir.path(u"pin1.pdf"_s))));
        QVERIFY(pinTrenPhieu(u"pin2.pdf"_s).contains(QRegularExpression(u"^[0-9]{8}$"_s)));
        QCOMPARE(gv->bangHocVien()->topLevelItemCount(), 2);
        QVERIFY2(gv->dsKhoaHoc()->item(0)->text().endsWith(u"2 học viên"_s),
                 qPrintable(gv->dsKhoaHoc()->item(0)->text()));
        // Another teacher's additions show when the courses are read again.
        {
            KhoMayChu khac(pg->teacher(db), thay.dir.path(u"other"_s));
            QVERIFY(khac.themHocVien(gv->khoaHoc(), u"03"_s, u"Lê Chi"_s, taoPin()));
            QVERIFY(khac.themKhoaHoc(u"K8"_s, u"Khoá 8"_s, u"B"_s));
        }
        gv->lamMoiKhoaHoc();
        QCOMPARE(gv->dsKhoaHoc()->count(), 2);
        QCOMPARE(gv->khoaHoc(), gv->dsKhoaHoc()->item(1)->data(Qt::UserRole).toLongLong());  // still K7
        QVERIFY(gv->dsKhoaHoc()->item(1)->text().endsWith(u"3 học viên"_s));
        QCOMPARE(gv->bangHocVien()->topLevelItemCount(), 3);
        // A row is current from the start (the focus is seen on it), and the
        // learner chosen stays chosen when the list is read again.
        QCOMPARE(gv->bangHocVien()->currentItem(), gv->bangHocVien()->topLevelItem(0));
        gv->bangHocVien()->setCurrentItem(gv->bangHocVien()->topLevelItem(1));
        gv->lamMoi();
        QCOMPARE(gv->bangHocVien()->currentItem()->text(1), u"Trần Thị Bình"_s);
        QVERIFY(gv->chiTiet()->text().startsWith(u"Trần Thị Bình (02)"_s));
        const std::optional<qint64> phien =
            gv->moPhien(u"tt12-2025"_s, QDateTime::currentDateTime().addSecs(-60), 20);
        QVERIFY(phien);
        QCOMPARE(gv->bangTinhHinh()->topLevelItemCount(), 3);
        QCOMPARE(gv->bangTinhHinh()->topLevelItem(0)->text(2), txt::kGvChuaBatDau);

        Lab an(pg->lab(db), DangNhapHocVien{u"K7"_s, u"01"_s, pinAn});
        QVERIFY2(an.store->sanSang(), qPrintable(an.store->canhBao()));
        auto* nhaAn = new FormNganHang(an.mt(), sample(), u"B"_s);
        // The server holds the bank a learner works from: none is brought in.
        QVERIFY(!nhaAn->findChild<QPushButton*>(u"CM_NhapBangTinh"_s));
        QVERIFY(!nhaAn->findChild<QPushButton*>(u"CM_ThemNguoiHoc"_s)->isVisibleTo(nhaAn));
        QCOMPARE(nhaAn->findChild<QLabel*>(u"LB_KiemTra"_s)->text(), txt::kTrCoPhien.arg(u"B"_s).arg(20));
        FormBaiThi* bai = nhaAn->vaoKiemTra();
        QVERIFY(bai);
        QCOMPARE(bai->phienKiemTra(), *phien);
        QVERIFY(bai->windowTitle().startsWith(txt::kDlTieuDeKiemTra.arg(u"B"_s)));
        QCOMPARE(bai->conLaiGiay(), qint64{1200});
        const auto trangThai = [gv] {
            gv->lamMoiTinhHinh();
            return gv->bangTinhHinh()->topLevelItem(0)->text(2);
        };
        QVERIFY2(trangThai().startsWith(txt::kGvDaBatDau.section(u'(', 0, 0)), qPrintable(trangThai()));
        // A refresh writes over the rows in place: the row chosen stays.
        QTreeWidgetItem* chon = gv->bangTinhHinh()->topLevelItem(1);
        gv->bangTinhHinh()->setCurrentItem(chon);
        bai->chon(1);
        bai->denO(3);
        bai->baoMayChu();
        QVERIFY2(trangThai().startsWith(u"đang làm câu 4, còn 20:00"_s), qPrintable(trangThai()));
        QCOMPARE(gv->bangTinhHinh()->currentItem(), chon);
        // Not heard from for longer than the time left: out of time.
        pg->psql(u"host=%1 dbname=%2 user=thilaixe_admin"_s.arg(pg->socketDir(), db),
                 u"UPDATE session_paper SET updated = now() - interval '21 minutes'"_s);
        QVERIFY2(trangThai().startsWith(txt::kGvHetGioChuaNop.arg(4).section(u'(', 0, 0)),
                 qPrintable(trangThai()));
        bai->baoMayChu();

        // The paper printed for the learner's seed (shown in the live view)
        // is theirs, and so is the one reprinted from their row.
        const QString tep = thay.dir.path(u"de.pdf"_s);
        const qint64 hat = thay.store->tinhHinh(*phien).front().hat;
        QCOMPARE(gv->bangTinhHinh()->topLevelItem(0)->text(6), QString::number(hat));
        QVERIFY(gv->inDe(tep, hat));
        gv->bangTinhHinh()->setCurrentItem(gv->bangTinhHinh()->topLevelItem(0));
        QVERIFY(gv->inLaiDe(thay.dir.path(u"de-an.pdf"_s)));
        for (const QString& in : {tep, thay.dir.path(u"de-an.pdf"_s)}) {
            const QString deIn = pdfText(in);
            for (int o : {0, static_cast<int>(bai->de().cau.size()) - 1})
                QVERIFY(deIn.contains(
                    sample()->nh.cau(bai->de().cau[static_cast<std::size_t>(o)])->noiDung.simplified()));
        }

        // Closing asks first; "Chưa đóng" leaves it open.
        gv->dongPhien();
        QCOMPARE(thay.seams.questions.last().buttons, (QStringList{txt::kGvNutChuaDong, txt::kGvNutDong}));
        thay.seams.answer(0);
        QVERIFY(!thay.store->phien(*phien)->daDong());
        gv->dongPhien();
        thay.seams.answer(1);
        QVERIFY(thay.store->phien(*phien)->daDong());
        bai->baoMayChu();  // the lab computer hears of it
        QCOMPARE(bai->trang(), FormBaiThi::Trang::KetQua);
        QVERIFY(!bai->findChild<QPushButton*>(u"CM_ThiLai"_s)->isVisibleTo(bai));
        gv->lamMoiTinhHinh();
        QCOMPARE(gv->bangTinhHinh()->topLevelItem(0)->text(2), txt::kGvDaNop);
        QCOMPARE(gv->bangTinhHinh()->topLevelItem(0)->text(5), txt::kInKhongDat);
        QCOMPARE(gv->bangTinhHinh()->topLevelItem(1)->text(2), txt::kGvChuaBatDau);
        // Laid out clean with every kind of row shown, in every theme.
        for (int theme : {1, 2, 3}) {
            apDungGiaoDien(gv, theme);
            gv->show();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QStringList faults =
                test::layoutFaults(gv) + test::contrastFaults(gv) + test::unnamedControls(gv);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        }
        QVERIFY(gv->inKetQua(thay.dir.path(u"kq.pdf"_s)));
        const QString bangKq = pdfText(thay.dir.path(u"kq.pdf"_s));
        QVERIFY2(bangKq.contains(u"01 Nguyễn Văn An"_s), qPrintable(bangKq));

        gv->lamMoi();
        QVERIFY(gv->bangCauSai()->topLevelItemCount() > 0);
        QTreeWidgetItem* cau = gv->bangCauSai()->topLevelItem(0);
        emit gv->bangCauSai()->itemActivated(cau, 0);
        FormHocChuong* hoc = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<FormHocChuong*>(w); h && h->isVisible())
                hoc = h;
        QVERIFY(hoc);
        QCOMPARE(hoc->cauDangXem(), cau->text(0).toInt());
        gv->chonHocVien(0);
        QVERIFY(gv->chiTiet()->text().startsWith(u"Nguyễn Văn An (01)"_s));
        QVERIFY(gv->xuatCsv(thay.dir.path(u"k7.csv"_s)));
        QFile csv(thay.dir.path(u"k7.csv"_s));
        QVERIFY(csv.open(QIODevice::ReadOnly) && csv.readAll().startsWith("\xEF\xBB\xBF"));
        // Esc closes the window.
        QPointer<FormGiaoVien> conMo(gv);
        gv->show();
        gv->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(gv));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(conMo.isNull() || !conMo->isVisible());
        delete nhaAn;
        delete nhaThay;
    }

    // A teacher brings the school's sheet in on the home and publishes the
    // bank to the server from the same window; a learner's home can then
    // take that very bank from the server.
    void teacherPublishesABankFromItsSheet()
    {
        test::PgServer* pg = test::PgServer::get();
        QVERIFY2(pg, qPrintable(test::PgServer::why()));
        const QString db = pg->newDatabase();
        Lab thay(pg->teacher(db));
        auto* nha = new FormNganHang(thay.mt(), sample(), u"B"_s);
        QString why;
        const std::optional<BangGhi> b = bangCuaNganHang(sample()->nh, sample()->thuMuc, true, &why);
        QVERIFY(b && ghiBangTinh(thay.dir.path(u"truong.ods"_s), *b, &why));
        FormNhapBangTinh* d = nha->nhapBangTinh();
        QVERIFY(d->findChild<QPushButton*>(u"CM_GuiMayChu"_s));
        QVERIFY(!d->findChild<QPushButton*>(u"CM_GuiMayChu"_s)->isEnabled());
        QSignalSpy xong(d, &FormNhapBangTinh::daXong);
        d->datBangTinh(thay.dir.path(u"truong.ods"_s));
        d->datThuMucRa(thay.dir.path(u"bank"_s));
        d->nhap();
        QVERIFY(xong.wait(60000));
        QVERIFY(d->ketQua().duoc());
        d->findChild<QPushButton*>(u"CM_GuiMayChu"_s)->click();
        const QString said = d->findChild<QLabel*>(u"LB_TrangThai"_s)->text();
        const QRegularExpressionMatch m =
            QRegularExpression(u"^Đã đưa bộ câu hỏi lên máy chủ của trường \\(mã ([0-9a-f]{12})\\)"_s)
                .match(said);
        QVERIFY2(m.hasMatch(), qPrintable(said));
        const std::optional<NganHangGui> g = chuanBiGuiNganHang(thay.dir.path(u"bank/bank.json"_s), &why);
        QVERIFY2(g, qPrintable(why));
        QVERIFY(g->sha256.startsWith(m.captured(1)));
        QVERIFY2(thay.store->layNganHang(g->sha256, &why), qPrintable(why));
        delete nha;
    }
};

QTEST_MAIN(TestMayChu)
#include "test_maychu.moc"
