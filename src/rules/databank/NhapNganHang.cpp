#include "rules/databank/NhapNganHang.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/databank/LenhNganHang.h"
#include "rules/databank/TimKiem.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace thilaixe {

namespace {

struct MoTaCot final {
    CotNganHang cot;
    const char* tieuDe;                      // as written
    std::initializer_list<const char*> ten;  // as read: without diacritics, in lower case
};

// Vietnamese headers as a school writes them, and English ones.
const MoTaCot kCot[kSoCotNganHang] = {
    {CotNganHang::So, "Số câu", {"so cau", "so", "stt", "cau", "cau so", "number", "no", "question number"}},
    {CotNganHang::Chuong, "Chương", {"chuong", "chapter"}},
    {CotNganHang::DiemLiet, "Điểm liệt", {"diem liet", "cau diem liet", "liet", "critical"}},
    {CotNganHang::NoiDung,
     "Nội dung câu hỏi",
     {"noi dung cau hoi", "noi dung", "cau hoi", "question", "text"}},
    {CotNganHang::PhuongAn1, "Phương án 1", {"phuong an 1", "pa1", "pa 1", "option 1", "option1"}},
    {CotNganHang::PhuongAn2, "Phương án 2", {"phuong an 2", "pa2", "pa 2", "option 2", "option2"}},
    {CotNganHang::PhuongAn3, "Phương án 3", {"phuong an 3", "pa3", "pa 3", "option 3", "option3"}},
    {CotNganHang::PhuongAn4, "Phương án 4", {"phuong an 4", "pa4", "pa 4", "option 4", "option4"}},
    {CotNganHang::DapAn, "Đáp án", {"dap an", "dap an dung", "key", "answer", "correct"}},
    {CotNganHang::Anh, "Ảnh", {"anh", "hinh", "hinh anh", "tep anh", "picture", "image"}},
    {CotNganHang::GiaiThich, "Giải thích", {"giai thich", "explanation"}},
    {CotNganHang::Meo, "Mẹo", {"meo", "meo nho", "tip", "hint"}},
    {CotNganHang::VanBan,
     "Văn bản pháp luật",
     {"van ban phap luat", "van ban", "can cu", "law document", "law"}},
    {CotNganHang::Dieu, "Điều khoản", {"dieu khoan", "dieu", "law article", "article"}},
    {CotNganHang::Nhom, "Hạng", {"hang", "nhom", "pools", "pool", "classes"}},
    {CotNganHang::SoPhuongAn, "Số phương án", {"so phuong an", "option count", "options"}},
};

int chiSo(CotNganHang c) { return static_cast<int>(c); }

QString chuanTen(const QString& s) { return boDau(s.simplified()).toLower(); }

std::optional<CotNganHang> cotTheoTen(const QString& tieuDe)
{
    const QString g = chuanTen(tieuDe);
    for (const MoTaCot& m : kCot)
        if (std::any_of(m.ten.begin(), m.ten.end(), [&](const char* t) { return g == QLatin1String(t); }))
            return m.cot;
    return std::nullopt;
}

// The details of a bank, in the rows above the header.
enum class ThongTin { Id, TieuDe, PhienBan, Nguon };
struct MoTaThongTin final {
    ThongTin loai;
    const char* tieuDe;
    std::initializer_list<const char*> ten;
};
const MoTaThongTin kThongTin[] = {
    {ThongTin::Id, "Mã bộ đề", {"ma bo de", "ma", "id", "bank id"}},
    {ThongTin::TieuDe, "Tên bộ đề", {"ten bo de", "ten", "title", "bank title"}},
    {ThongTin::PhienBan, "Phiên bản", {"phien ban", "version"}},
    {ThongTin::Nguon, "Nguồn", {"nguon", "source"}},
};

// "Chương 3" or "Chapter 3": the chapter's number.
std::optional<int> soChuongTrongTen(const QString& s)
{
    static const QRegularExpression re(QStringLiteral("^(?:chuong|chapter)\\s*(\\d{1,3})$"));
    const QRegularExpressionMatch m = re.match(chuanTen(s));
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt();
}

// A whole number as a cell holds it: "3", "3.0" or "3,0" from a number cell.
std::optional<int> soNguyen(const QString& s)
{
    QString t = s.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool so = false;
    const double d = t.toDouble(&so);
    if (!so || d != static_cast<double>(static_cast<qint64>(d)) || d < -1e9 || d > 1e9)
        return std::nullopt;
    return static_cast<int>(d);
}

std::optional<bool> docCo(const QString& s)
{
    const QString g = chuanTen(s);
    for (const char* t : {"x", "co", "1", "true", "yes", "dung", "v", "\u2713"})
        if (g == QString::fromUtf8(t))
            return true;
    for (const char* t : {"", "0", "khong", "false", "no", "-"})
        if (g == QLatin1String(t))
            return false;
    return std::nullopt;
}

QString duoiAnh(const QByteArray& du)
{
    QByteArray b = du;
    QBuffer io(&b);
    const QByteArray dang = QImageReader::imageFormat(&io);
    if (dang == "jpeg")
        return QStringLiteral("jpg");
    return dang.isEmpty() ? QStringLiteral("png") : QString::fromLatin1(dang);
}

// A picture's name as the sheet gives it, made a path inside images/:
// nothing when it would leave the folder.
std::optional<QString> duongAnh(QString ten)
{
    ten = ten.trimmed();
    ten.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (ten.startsWith(QLatin1String("images/")))
        ten = ten.mid(7);
    const QString sach = QDir::cleanPath(ten);
    if (sach.isEmpty() || sach == QLatin1String(".") || sach.startsWith(QLatin1Char('/'))
        || sach.startsWith(QLatin1String("..")) || sach.contains(QLatin1Char(':')))
        return std::nullopt;
    return QStringLiteral("images/") + sach;
}

std::optional<QByteArray> docAnhTep(const QString& tep)
{
    QFile f;
    if (moTepNguon(tep, f) != KetQuaMo::DaMo || f.size() > kAnhBangTinhToiDa)
        return std::nullopt;
    return f.read(kAnhBangTinhToiDa + 1);
}

// The question a fault of the bank's own check names ("câu 7 (…)").
int soCauTrongLoi(const LoiDuLieu& l)
{
    static const QRegularExpression re(QStringLiteral("^câu (\\d+)"));
    const QRegularExpressionMatch m = re.match(l.viTri);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

constexpr int kThangTienDo = 1000;

struct CauDoc final {
    int dong = 0;  // from 0
    CauHoiNganHang cau;
    int chuong = 0;
    QString anhRa;  // its path in the bank
    QByteArray anhDu;
};

class BoNhap final {
public:
    BoNhap(const YeuCauNhap& yc, KetQuaNhap& kq) : m_yc(yc), m_kq(kq)
    {
        std::fill(std::begin(m_cot), std::end(m_cot), -1);
    }
    std::optional<QByteArray> docVaDung(const std::function<void(int, int)>& tienDo);
    std::vector<CauDoc> cau;

private:
    void loi(int dong, int cot, const QString& vi, const QString& en)
    {
        const QString ten = cot >= 0 && cot < kSoCotNganHang && m_cot[cot] >= 0
                                ? QString::fromUtf8(kCot[cot].tieuDe)
                                : QString();
        m_kq.loi.push_back({dong + 1, cot >= 0 && cot < kSoCotNganHang ? m_cot[cot] : cot, ten, vi, en});
    }
    void loiO(int dong, CotNganHang c, const QString& vi, const QString& en) { loi(dong, chiSo(c), vi, en); }
    QString o(int dong, CotNganHang c) const
    {
        const int k = m_cot[chiSo(c)];
        const OBangTinh* x = k >= 0 ? m_bt.o(dong, k) : nullptr;
        if (!x)
            return {};
        return m_csv && laOCsvDaGiu(x->chu) ? x->chu.mid(1) : x->chu;
    }
    bool timTieuDe();
    void docThongTin();
    bool docDong(int d, const std::vector<const AnhBangTinh*>& anh);

    const YeuCauNhap& m_yc;
    KetQuaNhap& m_kq;
    BangTinh m_bt;
    bool m_csv = false;
    int m_tieuDe = -1;
    int m_cot[kSoCotNganHang];
    QString m_id, m_tieuDeNh, m_phienBan, m_nguon;
    std::map<int, QString> m_chuong;  // number to title, from the details
    std::map<int, int> m_dongChuong;  // number to the row that names it
};

bool BoNhap::timTieuDe()
{
    for (int d = 0; d < static_cast<int>(m_bt.dong.size()) && d < 100; ++d) {
        int cot[kSoCotNganHang];
        std::fill(std::begin(cot), std::end(cot), -1);
        bool trung = false;
        int trungCot = -1;
        for (int c = 0; c < static_cast<int>(m_bt.dong[static_cast<std::size_t>(d)].size()); ++c) {
            const std::optional<CotNganHang> k = cotTheoTen(m_bt.o(d, c)->chu);
            if (!k)
                continue;
            if (cot[chiSo(*k)] >= 0) {
                trung = true;
                trungCot = c;
            }
            cot[chiSo(*k)] = c;
        }
        if (cot[chiSo(CotNganHang::NoiDung)] < 0 || cot[chiSo(CotNganHang::DapAn)] < 0)
            continue;
        m_tieuDe = d;
        std::copy(std::begin(cot), std::end(cot), std::begin(m_cot));
        if (trung)
            m_kq.loi.push_back(
                {d + 1, trungCot, m_bt.o(d, trungCot)->chu, txt::kNbCotHaiLan, txt::kNbCotHaiLanEn});
        for (int c = 0; c < static_cast<int>(m_bt.dong[static_cast<std::size_t>(d)].size()); ++c) {
            const OBangTinh* x = m_bt.o(d, c);
            if (x->dauVungGop || x->trongVungGop)
                m_kq.loi.push_back({d + 1, c, x->chu, txt::kNbOGop, txt::kNbOGopEn});
        }
        return !trung;
    }
    m_kq.loi.push_back({0, -1, {}, txt::kNbKhongCoTieuDe, txt::kNbKhongCoTieuDeEn});
    return false;
}

void BoNhap::docThongTin()
{
    for (int d = 0; d < m_tieuDe; ++d) {
        const auto& dong = m_bt.dong[static_cast<std::size_t>(d)];
        if (dong.empty())
            continue;
        const QString khoa = dong.front().chu;
        QString giaTri;
        for (std::size_t c = 1; c < dong.size() && giaTri.isEmpty(); ++c)
            giaTri = dong[c].chu.trimmed();
        if (const std::optional<int> so = soChuongTrongTen(khoa)) {
            m_chuong[*so] = giaTri;
            m_dongChuong[*so] = d;
            continue;
        }
        const QString g = chuanTen(khoa);
        for (const MoTaThongTin& m : kThongTin)
            if (std::any_of(m.ten.begin(), m.ten.end(), [&](const char* t) { return g == QLatin1String(t); }))
                (m.loai == ThongTin::Id         ? m_id
                 : m.loai == ThongTin::TieuDe   ? m_tieuDeNh
                 : m.loai == ThongTin::PhienBan ? m_phienBan
                                                : m_nguon) = giaTri;
    }
}

bool BoNhap::docDong(int d, const std::vector<const AnhBangTinh*>& anh)
{
    const std::size_t truoc = m_kq.loi.size();
    CauDoc cd;
    cd.dong = d;
    CauHoiNganHang& c = cd.cau;
    // A merged cell or a formula in a column of the bank: its text is not
    // what the teacher sees as the question's own.
    for (int k = 0; k < kSoCotNganHang; ++k) {
        const OBangTinh* x = m_cot[k] >= 0 ? m_bt.o(d, m_cot[k]) : nullptr;
        if (!x)
            continue;
        if (x->dauVungGop)
            loi(d, k, txt::kNbOGop, txt::kNbOGopEn);
        const auto ck = static_cast<CotNganHang>(k);
        const bool laSo = ck == CotNganHang::So || ck == CotNganHang::Chuong || ck == CotNganHang::DapAn
                          || ck == CotNganHang::SoPhuongAn;
        if (x->congThuc && !laSo)
            loi(d, k, txt::kNbCongThuc, txt::kNbCongThucEn);
    }
    // The rest of such a row would only repeat what is wrong with it.
    if (m_kq.loi.size() != truoc)
        return false;
    if (m_cot[chiSo(CotNganHang::So)] >= 0) {
        const std::optional<int> so = soNguyen(o(d, CotNganHang::So));
        if (!so || *so < 1 || *so > kSoCauToiDa)
            loiO(d, CotNganHang::So, txt::kNbSoCau.arg(kSoCauToiDa), txt::kNbSoCauEn.arg(kSoCauToiDa));
        else
            c.so = *so;
    } else {
        c.so = static_cast<int>(cau.size()) + 1;
    }
    if (m_cot[chiSo(CotNganHang::Chuong)] >= 0) {
        const std::optional<int> ch = soNguyen(o(d, CotNganHang::Chuong));
        if (!ch || *ch < 1 || *ch > 100)
            loiO(d, CotNganHang::Chuong, txt::kNbChuong, txt::kNbChuongEn);
        else if (!m_chuong.empty() && !m_chuong.count(*ch))
            loiO(d, CotNganHang::Chuong, txt::kNbChuongKhongCo.arg(*ch), txt::kNbChuongKhongCoEn.arg(*ch));
        else
            cd.chuong = *ch;
    } else {
        cd.chuong = 1;
    }
    if (m_cot[chiSo(CotNganHang::DiemLiet)] >= 0) {
        const std::optional<bool> liet = docCo(o(d, CotNganHang::DiemLiet));
        if (!liet)
            loiO(d, CotNganHang::DiemLiet, txt::kNbDiemLiet, txt::kNbDiemLietEn);
        else
            c.diemLiet = *liet;
    }
    c.noiDung = o(d, CotNganHang::NoiDung);
    if (c.noiDung.trimmed().isEmpty())
        loiO(d, CotNganHang::NoiDung, txt::kNbThieuNoiDung, txt::kNbThieuNoiDungEn);
    int trongTu = 0;
    for (int k = 0; k < 4; ++k) {
        const auto ck = static_cast<CotNganHang>(chiSo(CotNganHang::PhuongAn1) + k);
        const QString pa = o(d, ck);
        if (pa.trimmed().isEmpty()) {
            if (!trongTu)
                trongTu = k + 1;
            continue;
        }
        if (trongTu)
            loiO(d, ck, txt::kNbPhuongAnHo.arg(trongTu).arg(k + 1),
                 txt::kNbPhuongAnHoEn.arg(trongTu).arg(k + 1));
        c.phuongAn.append(pa);
    }
    c.soPhuongAn = static_cast<int>(c.phuongAn.size());
    const QString soPa = o(d, CotNganHang::SoPhuongAn).trimmed();
    if (c.phuongAn.isEmpty() && !soPa.isEmpty()) {
        const std::optional<int> n = soNguyen(soPa);
        if (!n || *n < 2 || *n > 4)
            loiO(d, CotNganHang::SoPhuongAn, txt::kNbSoPhuongAn, txt::kNbSoPhuongAnEn);
        else
            c.soPhuongAn = *n;
    } else if (c.soPhuongAn == 1) {
        loiO(d, CotNganHang::PhuongAn2, txt::kNbMotPhuongAn, txt::kNbMotPhuongAnEn);
    } else if (c.soPhuongAn == 0) {
        loiO(d, CotNganHang::PhuongAn1, txt::kNbKhongPhuongAn, txt::kNbKhongPhuongAnEn);
    }
    const QString dapAn = o(d, CotNganHang::DapAn).trimmed();
    const std::optional<int> da = soNguyen(dapAn);
    if (dapAn.isEmpty())
        loiO(d, CotNganHang::DapAn, txt::kNbThieuDapAn, txt::kNbThieuDapAnEn);
    else if (!da || *da < 1 || *da > 4)
        loiO(d, CotNganHang::DapAn, txt::kNbDapAn.arg(dapAn), txt::kNbDapAnEn.arg(dapAn));
    else if (c.soPhuongAn >= 2 && *da > c.soPhuongAn)
        loiO(d, CotNganHang::DapAn, txt::kNbDapAnQua.arg(*da).arg(c.soPhuongAn),
             txt::kNbDapAnQuaEn.arg(*da).arg(c.soPhuongAn));
    else
        c.dapAn = *da;
    c.giaiThich = o(d, CotNganHang::GiaiThich);
    c.meo = o(d, CotNganHang::Meo);
    c.vanBan = o(d, CotNganHang::VanBan);
    c.dieuKhoan = o(d, CotNganHang::Dieu);
    if (c.vanBan.trimmed().isEmpty() && !c.dieuKhoan.trimmed().isEmpty())
        loiO(d, CotNganHang::VanBan, txt::kNbDieuThieuVanBan, txt::kNbDieuThieuVanBanEn);
    for (const QString& h :
         o(d, CotNganHang::Nhom).split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts))
        c.nhom.append(h);
    // The picture: pasted in the row, or named and found as a file.
    const QString ten = o(d, CotNganHang::Anh).trimmed();
    if (anh.size() > 1) {
        loi(d, anh[1]->cot < 0 ? -1 : chiSo(CotNganHang::Anh), txt::kNbHaiAnh.arg(anh.size()),
            txt::kNbHaiAnhEn.arg(anh.size()));
    } else if (anh.size() == 1) {
        cd.anhDu = anh.front()->du;
        const std::optional<QString> ra = duongAnh(
            ten.isEmpty() ? QStringLiteral("%1.%2").arg(c.so, 3, 10, QLatin1Char('0')).arg(duoiAnh(cd.anhDu))
                          : ten);
        if (!ra)
            loiO(d, CotNganHang::Anh, txt::kNbTenAnh.arg(ten), txt::kNbTenAnhEn.arg(ten));
        else
            cd.anhRa = *ra;
    } else if (!ten.isEmpty()) {
        const std::optional<QString> ra = duongAnh(ten);
        if (!ra) {
            loiO(d, CotNganHang::Anh, txt::kNbTenAnh.arg(ten), txt::kNbTenAnhEn.arg(ten));
        } else {
            const QString tuongDoi = ra->mid(7);
            QStringList noiTim;
            for (const QString& goc : {m_yc.thuMucAnh, QFileInfo(m_yc.bangTinh).absolutePath()})
                if (!goc.isEmpty())
                    noiTim << QDir(goc).filePath(tuongDoi)
                           << QDir(goc).filePath(QStringLiteral("images/") + tuongDoi);
            for (const QString& t : noiTim) {
                if (std::optional<QByteArray> du = docAnhTep(t)) {
                    cd.anhDu = std::move(*du);
                    break;
                }
            }
            if (cd.anhDu.isEmpty())
                loiO(d, CotNganHang::Anh, txt::kNbThieuAnh.arg(ten), txt::kNbThieuAnhEn.arg(ten));
            else
                cd.anhRa = *ra;
        }
    }
    c.anh = cd.anhRa;
    m_kq.noiDungDong[d + 1] = c.noiDung;
    cau.push_back(std::move(cd));
    return m_kq.loi.size() == truoc;
}

std::optional<QByteArray> BoNhap::docVaDung(const std::function<void(int, int)>& tienDo)
{
    QString vi;
    // Told on a scale of 1000: reading the file and its pasted pictures up
    // to 400, its rows (and the pictures they name) to 700, writing the
    // bank to 1000.
    std::optional<BangTinh> bt = docBangTinh(m_yc.bangTinh, &vi, [&](int n, int tong) {
        if (tienDo && tong > 0)
            tienDo(static_cast<int>(qint64{400} * n / tong), kThangTienDo);
    });
    if (!bt) {
        m_kq.loi.push_back(
            {0, -1, {}, vi.section(QStringLiteral(" / "), 0, 0), vi.section(QStringLiteral(" / "), 1)});
        return std::nullopt;
    }
    m_bt = std::move(*bt);
    m_csv = dangTheoTen(m_yc.bangTinh) == DangBangTinh::Csv;
    if (!timTieuDe())
        return std::nullopt;
    docThongTin();
    std::map<int, std::vector<const AnhBangTinh*>> anhTheoDong;
    for (const AnhBangTinh& a : m_bt.anh)
        anhTheoDong[a.dong].push_back(&a);
    for (int d = m_tieuDe + 1; d < static_cast<int>(m_bt.dong.size()); ++d) {
        const auto& dong = m_bt.dong[static_cast<std::size_t>(d)];
        const bool trong = std::all_of(dong.begin(), dong.end(),
                                       [](const OBangTinh& x) { return x.chu.trimmed().isEmpty(); });
        const auto it = anhTheoDong.find(d);
        if (trong) {
            if (it != anhTheoDong.end())
                loi(d, -1, txt::kNbAnhDongTrong, txt::kNbAnhDongTrongEn);
            continue;
        }
        docDong(d, it == anhTheoDong.end() ? std::vector<const AnhBangTinh*>{} : it->second);
        if (tienDo)
            tienDo(400
                       + static_cast<int>(
                           qint64{300} * (d - m_tieuDe)
                           / std::max<qint64>(1, static_cast<qint64>(m_bt.dong.size()) - m_tieuDe)),
                   kThangTienDo);
    }
    for (const auto& [d, ds] : anhTheoDong)
        if (d >= static_cast<int>(m_bt.dong.size()))
            loi(d, -1, txt::kNbAnhDongTrong, txt::kNbAnhDongTrongEn);
    if (cau.empty() && m_kq.loi.empty())
        m_kq.loi.push_back({m_tieuDe + 1, -1, {}, txt::kNbKhongCoCau, txt::kNbKhongCoCauEn});
    if (!m_kq.loi.empty())
        return std::nullopt;

    // Numbers: each once, 1..N; chapters: each a run of numbers.
    std::sort(cau.begin(), cau.end(), [](const CauDoc& a, const CauDoc& b) {
        return a.cau.so != b.cau.so ? a.cau.so < b.cau.so : a.dong < b.dong;
    });
    std::map<int, std::pair<int, int>> khoang;  // chapter: first, last
    for (std::size_t i = 0; i < cau.size(); ++i) {
        const CauDoc& cd = cau[i];
        if (i > 0 && cau[i - 1].cau.so == cd.cau.so) {
            loi(cd.dong, chiSo(CotNganHang::So), txt::kNbSoHaiLan.arg(cd.cau.so).arg(cau[i - 1].dong + 1),
                txt::kNbSoHaiLanEn.arg(cd.cau.so).arg(cau[i - 1].dong + 1));
            continue;
        }
        const int mongDoi = i == 0 ? 1 : cau[i - 1].cau.so + 1;
        if (cd.cau.so == mongDoi + 1)
            loi(cd.dong, chiSo(CotNganHang::So), txt::kNbSoThieuMot.arg(mongDoi),
                txt::kNbSoThieuMotEn.arg(mongDoi));
        else if (cd.cau.so != mongDoi)
            loi(cd.dong, chiSo(CotNganHang::So), txt::kNbSoThieu.arg(mongDoi).arg(cd.cau.so - 1),
                txt::kNbSoThieuEn.arg(mongDoi).arg(cd.cau.so - 1));
        auto [it, moi] = khoang.try_emplace(cd.chuong, cd.cau.so, cd.cau.so);
        if (!moi) {
            if (i > 0 && cau[i - 1].chuong != cd.chuong)
                loi(cd.dong, chiSo(CotNganHang::Chuong),
                    txt::kNbChuongRoi.arg(cd.chuong).arg(it->second.second),
                    txt::kNbChuongRoiEn.arg(cd.chuong).arg(it->second.second));
            it->second.second = cd.cau.so;
        }
    }
    // Two questions that name one picture file must show the same picture.
    QHash<QString, const CauDoc*> theoAnh;
    for (const CauDoc& cd : cau) {
        if (cd.anhRa.isEmpty())
            continue;
        const auto it = theoAnh.constFind(cd.anhRa);
        if (it != theoAnh.constEnd() && (*it)->anhDu != cd.anhDu)
            loi(cd.dong, chiSo(CotNganHang::Anh), txt::kNbAnhTrungTen.arg(cd.anhRa).arg((*it)->dong + 1),
                txt::kNbAnhTrungTenEn.arg(cd.anhRa).arg((*it)->dong + 1));
        else
            theoAnh.insert(cd.anhRa, &cd);
    }
    if (!m_kq.loi.empty())
        return std::nullopt;

    // The details a sheet leaves out, made from its file and said.
    const QFileInfo tt(m_yc.bangTinh);
    if (m_id.isEmpty()) {
        m_id = chuanTen(tt.completeBaseName())
                   .replace(QRegularExpression(QStringLiteral("[^a-z0-9._-]+")), QStringLiteral("-"));
        m_id = m_id.isEmpty() ? QStringLiteral("bo-cau-hoi") : m_id.left(100);
        m_kq.canhBao << txt::kNbMacDinh.arg(QString::fromUtf8(kThongTin[0].tieuDe), m_id);
    }
    if (m_tieuDeNh.isEmpty()) {
        m_tieuDeNh = tt.completeBaseName().left(500);
        m_kq.canhBao << txt::kNbMacDinh.arg(QString::fromUtf8(kThongTin[1].tieuDe), m_tieuDeNh);
    }
    if (m_phienBan.isEmpty()) {
        m_phienBan = m_yc.ngay.toString(Qt::ISODate);
        m_kq.canhBao << txt::kNbMacDinh.arg(QString::fromUtf8(kThongTin[2].tieuDe), m_phienBan);
    }
    if (m_nguon.isEmpty()) {
        m_nguon = txt::kNbNguonMacDinh.arg(tt.fileName());
        m_kq.canhBao << txt::kNbMacDinh.arg(QString::fromUtf8(kThongTin[3].tieuDe), m_nguon);
    }
    for (const auto& [so, d] : m_dongChuong)
        if (!khoang.count(so))
            m_kq.canhBao << txt::kNbChuongTrong.arg(so).arg(d + 1);

    QJsonArray chuong;
    for (const auto& [so, k] : khoang) {
        const auto ten = m_chuong.find(so);
        chuong.append(QJsonObject{{QStringLiteral("number"), so},
                                  {QStringLiteral("title"), ten != m_chuong.end() && !ten->second.isEmpty()
                                                                ? ten->second
                                                                : txt::kNbTenChuong.arg(so)},
                                  {QStringLiteral("first"), k.first},
                                  {QStringLiteral("last"), k.second}});
    }
    QJsonArray cauJson;
    for (const CauDoc& cd : cau) {
        const CauHoiNganHang& c = cd.cau;
        QJsonObject o{{QStringLiteral("number"), c.so},
                      {QStringLiteral("text"), c.noiDung},
                      {QStringLiteral("answer"), c.dapAn}};
        if (!c.phuongAn.isEmpty())
            o.insert(QStringLiteral("options"), QJsonArray::fromStringList(c.phuongAn));
        else
            o.insert(QStringLiteral("option_count"), c.soPhuongAn);
        if (c.diemLiet)
            o.insert(QStringLiteral("critical"), true);
        if (!c.anh.isEmpty())
            o.insert(QStringLiteral("image"), c.anh);
        if (!c.giaiThich.isEmpty())
            o.insert(QStringLiteral("explanation"), c.giaiThich);
        if (!c.meo.isEmpty())
            o.insert(QStringLiteral("tip"), c.meo);
        if (!c.vanBan.isEmpty()) {
            QJsonObject law{{QStringLiteral("document"), c.vanBan}};
            if (!c.dieuKhoan.isEmpty())
                law.insert(QStringLiteral("article"), c.dieuKhoan);
            o.insert(QStringLiteral("law"), law);
        }
        o.insert(QStringLiteral("pools"), QJsonArray::fromStringList(c.nhom));
        cauJson.append(o);
    }
    const QJsonObject goc{{QStringLiteral("format"), QStringLiteral("thilaixe-bank/1")},
                          {QStringLiteral("id"), m_id},
                          {QStringLiteral("title"), m_tieuDeNh},
                          {QStringLiteral("version"), m_phienBan},
                          {QStringLiteral("source"), m_nguon},
                          {QStringLiteral("chapters"), chuong},
                          {QStringLiteral("questions"), cauJson}};
    return QJsonDocument(goc).toJson(QJsonDocument::Indented);
}

// Copies a school's rule files from the bank folder being replaced.
bool chepQuyTac(const QString& cu, const QString& moi, QString* vi)
{
    QStringList tep;
    if (QFileInfo(QDir(cu).filePath(QStringLiteral("rules.json"))).isFile())
        tep << QStringLiteral("rules.json");
    const QDir thu(QDir(cu).filePath(QStringLiteral("rules")));
    for (const QString& t : thu.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        tep << QStringLiteral("rules/") + t;
    for (const QString& t : tep) {
        QFile f;
        if (moTepNguon(QDir(cu).filePath(t), f, vi) != KetQuaMo::DaMo)
            return false;
        QDir().mkpath(QFileInfo(QDir(moi).filePath(t)).absolutePath());
        if (!ghiTep(QDir(moi).filePath(t), f.read(kTepDuLieuToiDa + 1), vi))
            return false;
    }
    return true;
}

}  // namespace

QString tieuDeCot(CotNganHang c) { return QString::fromUtf8(kCot[chiSo(c)].tieuDe); }

QString LoiNhap::chu() const
{
    if (dong <= 0)
        return tiengViet + QStringLiteral(" / ") + tiengAnh;
    if (cot < 0)
        return txt::kNbViTriDong.arg(dong) + tiengViet + QStringLiteral(" / ") + txt::kNbViTriDongEn.arg(dong)
               + tiengAnh;
    const QString ten = tenCot.isEmpty() ? QString() : QStringLiteral(" (") + tenCot + QLatin1Char(')');
    return txt::kNbViTriO.arg(dong).arg(thilaixe::tenCot(cot), ten) + tiengViet + QStringLiteral(" / ")
           + txt::kNbViTriOEn.arg(dong).arg(thilaixe::tenCot(cot)) + tiengAnh;
}

KetQuaNhap nhapNganHang(const YeuCauNhap& yc, const std::function<void(int, int)>& tienDo)
{
    KetQuaNhap kq;
    BoNhap bo(yc, kq);
    const std::optional<QByteArray> json = bo.docVaDung(tienDo);
    if (!json)
        return kq;
    const QString ra = QDir::cleanPath(QFileInfo(yc.thuMucRa).absoluteFilePath());
    const QFileInfo raTt(ra);
    if (raTt.exists() && !raTt.isDir()) {
        kq.loi.push_back({0, -1, {}, txt::kNbRaKhongPhaiThuMuc.arg(ra), txt::kNbRaKhongPhaiThuMucEn});
        return kq;
    }
    const bool coCu = raTt.isDir() && !QDir(ra).isEmpty();
    if (coCu && !QFileInfo(QDir(ra).filePath(QStringLiteral("bank.json"))).isFile()) {
        kq.loi.push_back({0, -1, {}, txt::kNbRaCoTepKhac.arg(ra), txt::kNbRaCoTepKhacEn});
        return kq;
    }
    QDir().mkpath(raTt.absolutePath());
    QTemporaryDir tam(ra + QStringLiteral(".nhap-XXXXXX"));
    QString vi;
    const auto hong = [&](const QString& lyDo) {
        kq.loi.push_back({0, -1, {}, txt::kNbKhongGhi.arg(lyDo), txt::kNbKhongGhiEn});
        return kq;
    };
    if (!tam.isValid())
        return hong(tam.errorString());
    int daGhi = 0;
    QSet<QString> anhDaGhi;
    for (const CauDoc& cd : bo.cau) {
        if (cd.anhRa.isEmpty() || anhDaGhi.contains(cd.anhRa))
            continue;
        const QString tep = tam.filePath(cd.anhRa);
        QDir().mkpath(QFileInfo(tep).absolutePath());
        if (!ghiTep(tep, cd.anhDu, &vi))
            return hong(vi);
        anhDaGhi.insert(cd.anhRa);
        if (tienDo)
            tienDo(700 + static_cast<int>(qint64{250} * ++daGhi / static_cast<qint64>(bo.cau.size())),
                   kThangTienDo);
    }
    const QString tepNh = tam.filePath(QStringLiteral("bank.json"));
    if (!ghiTep(tepNh, *json, &vi))
        return hong(vi);
    if (coCu && !chepQuyTac(ra, tam.path(), &vi))
        return hong(vi);

    // The check --check-bank makes, each fault on its row.
    std::map<int, int> dongCuaCau;
    for (const CauDoc& cd : bo.cau)
        dongCuaCau[cd.cau.so] = cd.dong + 1;
    const auto theoCau = [&](const std::vector<LoiDuLieu>& ds) {
        for (const LoiDuLieu& l : ds) {
            const int so = soCauTrongLoi(l);
            const auto it = dongCuaCau.find(so);
            kq.loi.push_back({it == dongCuaCau.end() ? 0 : it->second,
                              -1,
                              {},
                              l.viTri + QStringLiteral(": ") + l.tiengViet,
                              l.tiengAnh});
        }
    };
    const DocDuoc<NganHang> doc = docNganHang(*json);
    if (tienDo)
        tienDo(950, kThangTienDo);
    theoCau(doc.loi);
    if (!doc.giaTri)
        return kq;
    theoCau(kiemTraAnh(*doc.giaTri, tam.path()));
    const QuyTacDaChon chon = chonQuyTacCho(tepNh, yc.ngay);
    theoCau(chon.loi);
    for (const QuyTacHang& h : chon.bo.hang)
        if (const std::optional<QString> vi2 = khongRutDuoc(*doc.giaTri, h))
            kq.loi.push_back({0,
                              -1,
                              {},
                              txt::kNbKhongRutHang.arg(h.hang, chon.bo.id, *vi2),
                              txt::kNbKhongRutHangEn.arg(h.hang)});
    if (!kq.loi.empty())
        return kq;

    // In place: the old folder aside, the new one in, the old one gone.
    const QString cu = ra + QStringLiteral(".cu-") + QFileInfo(tam.path()).suffix();
    if (coCu && !QDir().rename(ra, cu))
        return hong(txt::kNbKhongDoiTen.arg(ra));
    if (raTt.isDir() && !coCu)
        QDir().rmdir(ra);
    if (!QDir().rename(tam.path(), ra)) {
        if (coCu)
            QDir().rename(cu, ra);
        return hong(txt::kNbKhongDoiTen.arg(ra));
    }
    tam.setAutoRemove(false);
    if (coCu)
        QDir(cu).removeRecursively();
    kq.tepNganHang = QDir(ra).filePath(QStringLiteral("bank.json"));
    if (tienDo)
        tienDo(kThangTienDo, kThangTienDo);
    kq.soCau = static_cast<int>(bo.cau.size());
    kq.soAnh = static_cast<int>(anhDaGhi.size());
    return kq;
}

std::optional<BangGhi> bangCuaNganHang(const NganHang& nh, const QString& thuMuc, bool nhungAnh, QString* loi)
{
    BangGhi b;
    b.tenTrang = txt::kNbTenTrang;
    b.dong.push_back({QString::fromUtf8(kThongTin[0].tieuDe), nh.id});
    b.dong.push_back({QString::fromUtf8(kThongTin[1].tieuDe), nh.tieuDe});
    b.dong.push_back({QString::fromUtf8(kThongTin[2].tieuDe), nh.phienBan});
    b.dong.push_back({QString::fromUtf8(kThongTin[3].tieuDe), nh.nguon});
    for (const ChuongNganHang& c : nh.chuong)
        b.dong.push_back({txt::kNbTenChuong.arg(c.so), c.tieuDe});
    b.dong.push_back({});
    b.dongTieuDe = static_cast<int>(b.dong.size());
    QStringList tieuDe;
    for (const MoTaCot& m : kCot)
        tieuDe << QString::fromUtf8(m.tieuDe);
    b.dong.push_back(tieuDe);
    b.cotSo = {chiSo(CotNganHang::So), chiSo(CotNganHang::Chuong), chiSo(CotNganHang::DapAn),
               chiSo(CotNganHang::SoPhuongAn)};
    b.doRong = {7, 8, 9, 50, 30, 30, 30, 30, 8, 14, 40, 30, 30, 16, 10, 12};
    for (const CauHoiNganHang& c : nh.cauHoi) {
        QStringList d;
        d << QString::number(c.so) << QString::number(nh.chuongCua(c.so))
          << (c.diemLiet ? QStringLiteral("x") : QString()) << c.noiDung;
        for (int k = 0; k < 4; ++k)
            d << c.phuongAn.value(k);
        d << QString::number(c.dapAn);
        const QString anh = c.anh.startsWith(QLatin1String("images/")) ? c.anh.mid(7) : c.anh;
        d << anh << c.giaiThich << c.meo << c.vanBan << c.dieuKhoan << c.nhom.join(QStringLiteral(", "))
          << (c.phuongAn.isEmpty() ? QString::number(c.soPhuongAn) : QString());
        if (nhungAnh && !c.anh.isEmpty()) {
            const std::optional<QByteArray> du = docAnhTep(QDir(thuMuc).filePath(c.anh));
            if (!du) {
                if (loi)
                    *loi = txt::kNbXuatThieuAnh.arg(c.so).arg(c.anh);
                return std::nullopt;
            }
            b.anh.push_back({static_cast<int>(b.dong.size()), chiSo(CotNganHang::Anh), c.anh, *du});
        }
        b.dong.push_back(d);
    }
    return b;
}

BangGhi bangMau()
{
    NganHang nh;
    nh.id = QStringLiteral("bo-cau-hoi-cua-truong");
    nh.tieuDe = txt::kNbMauTieuDe;
    nh.phienBan = QStringLiteral("2025-06-01");
    nh.nguon = txt::kNbMauNguon;
    for (int c = 1; c <= 6; ++c)
        nh.chuong.push_back({c, txt::kNbMauChuong.arg(c), c == 1 ? 1 : 0, c == 1 ? 2 : 0});
    for (int n = 1; n <= 2; ++n) {
        CauHoiNganHang c;
        c.so = n;
        c.noiDung = txt::kNbMauCau.arg(n);
        c.phuongAn = {txt::kNbMauPhuongAn.arg(1), txt::kNbMauPhuongAn.arg(2), txt::kNbMauPhuongAn.arg(3)};
        c.soPhuongAn = 3;
        c.dapAn = n;
        c.diemLiet = n == 2;
        c.giaiThich = txt::kNbMauGiaiThich;
        nh.cauHoi.push_back(c);
    }
    BangGhi b = *bangCuaNganHang(nh, {}, false, nullptr);
    const int cotDapAn = chiSo(CotNganHang::DapAn), cotChuong = chiSo(CotNganHang::Chuong);
    b.kiemTra.push_back({cotDapAn,
                         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")},
                         0,
                         0,
                         txt::kNbKtDapAnTieuDe,
                         txt::kNbKtDapAn});
    b.kiemTra.push_back({cotChuong, {}, 1, 100, txt::kNbKtChuongTieuDe, txt::kNbKtChuong});
    return b;
}

int lenhNhapNganHang(const YeuCauNhap& yc)
{
    const KetQuaNhap kq = nhapNganHang(yc);
    for (const QString& c : kq.canhBao)
        inDong(stderr, QStringLiteral("thilaixe: ") + c);
    if (!kq.duoc()) {
        for (const LoiNhap& l : kq.loi)
            inDong(stderr, QStringLiteral("LỖI ") + l.chu());
        inDong(stderr, txt::kNbKhongGhiGi.arg(kq.loi.size()));
        return 1;
    }
    inDong(stdout, txt::kNbDaNhap.arg(kq.soCau).arg(kq.soAnh).arg(QDir::toNativeSeparators(kq.tepNganHang)));
    return lenhKiemTraNganHang(kq.tepNganHang, QString(), yc.ngay);
}

int lenhXuatNganHang(const QString& tepNganHang, const QString& tepRa)
{
    const DocDuoc<NganHang> doc = docNganHangTep(tepNganHang);
    if (!doc.giaTri) {
        for (const LoiDuLieu& l : doc.loi)
            inDong(stderr, QStringLiteral("LỖI ") + l.dong());
        return 1;
    }
    const std::optional<DangBangTinh> dang = dangTheoTen(tepRa);
    if (!dang) {
        inDong(stderr, QStringLiteral("thilaixe: --to ") + tepRa + QStringLiteral(": ") + txt::kBtDangLa);
        return 2;
    }
    QString loi;
    const std::optional<BangGhi> b =
        bangCuaNganHang(*doc.giaTri, QFileInfo(tepNganHang).absolutePath(), *dang != DangBangTinh::Csv, &loi);
    if (!b || !ghiBangTinh(tepRa, *b, &loi)) {
        inDong(stderr, QStringLiteral("thilaixe: ") + loi);
        return 1;
    }
    inDong(stdout, txt::kNbDaXuat.arg(doc.giaTri->cauHoi.size())
                       .arg(b->anh.size())
                       .arg(QDir::toNativeSeparators(tepRa)));
    return 0;
}

int lenhMauNganHang(const QString& tepRa)
{
    QString loi;
    if (!dangTheoTen(tepRa)) {
        inDong(stderr,
               QStringLiteral("thilaixe: --bank-template ") + tepRa + QStringLiteral(": ") + txt::kBtDangLa);
        return 2;
    }
    if (!ghiBangTinh(tepRa, bangMau(), &loi)) {
        inDong(stderr, QStringLiteral("thilaixe: ") + loi);
        return 1;
    }
    inDong(stdout, txt::kNbDaGhiMau.arg(QDir::toNativeSeparators(tepRa)));
    return 0;
}

}  // namespace thilaixe
