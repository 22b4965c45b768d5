#include "rules/databank/BangTinhGhi.h"

#include "rules/common/NenTang.h"
#include "rules/common/Texts.h"
#include "rules/databank/Zip.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <memory>
#include <xlsxwriter.h>

namespace thilaixe {

namespace {

bool sai(QString* loi, const QString& vi)
{
    if (loi)
        *loi = vi;
    return false;
}

bool laSoNguyen(const QString& s)
{
    bool so = false;
    const qint64 n = s.toLongLong(&so);
    return so && QString::number(n) == s && n > -1000000000 && n < 1000000000;
}

// The first character that is neither a blank nor a control character.
QChar chuDau(const QString& s)
{
    qsizetype dau = 0;
    while (dau < s.size() && (s.at(dau).isSpace() || s.at(dau).category() == QChar::Other_Control))
        ++dau;
    return dau < s.size() ? s.at(dau) : QChar();
}

bool laDauCongThuc(QChar c)
{
    return c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('@');
}

// The size a picture is shown at in its cell: 80 pixels high at most.
std::pair<double, double> tiLeAnh(const QByteArray& du)
{
    QByteArray b = du;
    QBuffer io(&b);
    QImageReader doc(&io);
    const QSize co = doc.size();
    if (!co.isValid() || co.height() <= 80)
        return {1.0, 1.0};
    const double t = 80.0 / co.height();
    return {t, t};
}

}  // namespace

QString oCsv(const QString& s)
{
    const bool congThuc = laDauCongThuc(chuDau(s));
    const bool canNhay = congThuc || s.contains(QLatin1Char(',')) || s.contains(QLatin1Char('"'))
                         || s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'))
                         || s.contains(QLatin1Char(';'));
    if (!canNhay)
        return s;
    QString kq = s;
    kq.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    if (congThuc)
        kq.prepend(QLatin1Char('\''));
    return QLatin1Char('"') + kq + QLatin1Char('"');
}

bool laOCsvDaGiu(const QString& s)
{
    return s.startsWith(QLatin1Char('\'')) && laDauCongThuc(chuDau(s.mid(1)));
}

QByteArray ghiCsv(const BangGhi& b)
{
    QStringList dong;
    for (const QStringList& d : b.dong) {
        QStringList o;
        for (const QString& s : d)
            o << oCsv(s);
        dong << o.join(QLatin1Char(','));
    }
    // Windows line ends and a byte-order mark: what spreadsheet programs
    // expect of a UTF-8 CSV file.
    return QByteArrayLiteral("\xEF\xBB\xBF") + dong.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

std::optional<QByteArray> ghiXlsx(const BangGhi& b, QString* loi)
{
    // libxlsxwriter writes to a file: a private one, read back, so that the
    // file asked for is written as every other file is.
    QTemporaryDir tam;
    if (!tam.isValid()) {
        sai(loi, txt::kBtKhongTaoTam.arg(tam.errorString()));
        return std::nullopt;
    }
    const QByteArray tep = QFile::encodeName(tam.filePath(QStringLiteral("sheet.xlsx")));
    const QByteArray thuMuc = QFile::encodeName(tam.path());
    lxw_workbook_options tuyChon{};
    tuyChon.tmpdir = const_cast<char*>(thuMuc.constData());
    lxw_workbook* wb = workbook_new_opt(tep.constData(), &tuyChon);
    if (!wb) {
        sai(loi, txt::kBtKhongTaoTam.arg(QString()));
        return std::nullopt;
    }
    lxw_worksheet* ws = workbook_add_worksheet(wb, b.tenTrang.left(31).toUtf8().constData());
    lxw_format* dam = workbook_add_format(wb);
    format_set_bold(dam);
    format_set_text_wrap(dam);
    format_set_align(dam, LXW_ALIGN_VERTICAL_TOP);
    lxw_format* gon = workbook_add_format(wb);
    format_set_text_wrap(gon);
    format_set_align(gon, LXW_ALIGN_VERTICAL_TOP);
    for (std::size_t c = 0; c < b.doRong.size(); ++c)
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), b.doRong[c], gon);
    lxw_error kq = LXW_NO_ERROR;
    for (std::size_t d = 0; d < b.dong.size() && kq == LXW_NO_ERROR; ++d) {
        lxw_format* f = static_cast<int>(d) == b.dongTieuDe ? dam : gon;
        for (qsizetype c = 0; c < b.dong[d].size() && kq == LXW_NO_ERROR; ++c) {
            const QString& s = b.dong[d].at(c);
            if (s.isEmpty())
                continue;
            const auto r = static_cast<lxw_row_t>(d);
            const auto k = static_cast<lxw_col_t>(c);
            if (static_cast<int>(d) > b.dongTieuDe && b.cotSo.contains(static_cast<int>(c)) && laSoNguyen(s))
                kq = worksheet_write_number(ws, r, k, s.toDouble(), f);
            else
                kq = worksheet_write_string(ws, r, k, s.toUtf8().constData(), f);
        }
    }
    QSet<int> dongCoAnh;
    for (const AnhBangTinh& a : b.anh) {
        if (kq != LXW_NO_ERROR)
            break;
        if (!dongCoAnh.contains(a.dong)) {
            dongCoAnh.insert(a.dong);
            worksheet_set_row(ws, static_cast<lxw_row_t>(a.dong), 62, nullptr);
        }
        lxw_image_options o{};
        std::tie(o.x_scale, o.y_scale) = tiLeAnh(a.du);
        o.x_offset = 2;
        o.y_offset = 2;
        o.object_position = LXW_OBJECT_MOVE_AND_SIZE;
        const QByteArray moTa = a.ten.toUtf8();
        o.description = const_cast<char*>(moTa.constData());
        kq = worksheet_insert_image_buffer_opt(
            ws, static_cast<lxw_row_t>(a.dong), static_cast<lxw_col_t>(a.cot),
            reinterpret_cast<const unsigned char*>(a.du.constData()), static_cast<size_t>(a.du.size()), &o);
    }
    if (b.dongTieuDe >= 0)
        worksheet_freeze_panes(ws, static_cast<lxw_row_t>(b.dongTieuDe + 1), 0);
    for (const KiemTraCot& k : b.kiemTra) {
        if (kq != LXW_NO_ERROR)
            break;
        lxw_data_validation v{};
        std::vector<QByteArray> giu;
        std::vector<char*> ds;
        if (!k.danhSach.isEmpty()) {
            v.validate = LXW_VALIDATION_TYPE_LIST;
            for (const QString& s : k.danhSach)
                giu.push_back(s.toUtf8());
            for (QByteArray& g : giu)
                ds.push_back(g.data());
            ds.push_back(nullptr);
            v.value_list = ds.data();
        } else {
            v.validate = LXW_VALIDATION_TYPE_INTEGER;
            v.criteria = LXW_VALIDATION_CRITERIA_BETWEEN;
            v.minimum_number = k.tu;
            v.maximum_number = k.den;
        }
        QByteArray tieuDe = k.tieuDe.left(32).toUtf8(), thongBao = k.thongBao.left(250).toUtf8();
        v.input_title = tieuDe.data();
        v.input_message = thongBao.data();
        v.error_title = tieuDe.data();
        v.error_message = thongBao.data();
        kq = worksheet_data_validation_range(ws, static_cast<lxw_row_t>(b.dongTieuDe + 1),
                                             static_cast<lxw_col_t>(k.cot), 20000,
                                             static_cast<lxw_col_t>(k.cot), &v);
    }
    const lxw_error dong = workbook_close(wb);
    if (kq != LXW_NO_ERROR || dong != LXW_NO_ERROR) {
        sai(loi, txt::kBtXlsxLoi.arg(QString::fromUtf8(lxw_strerror(kq != LXW_NO_ERROR ? kq : dong))));
        return std::nullopt;
    }
    QFile f(QFile::decodeName(tep));
    if (!f.open(QIODevice::ReadOnly)) {
        sai(loi, txt::kBtKhongTaoTam.arg(f.errorString()));
        return std::nullopt;
    }
    return f.readAll();
}

namespace {

const QString kNsOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kNsTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kNsText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kNsDraw = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
const QString kNsSvg = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0");
const QString kNsXlink = QStringLiteral("http://www.w3.org/1999/xlink");
const QString kNsStyle = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString kNsFo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString kNsManifest = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");

// One paragraph's text as ODF writes it: a blank between words as it is,
// any more blanks, and those at the start or the end, as a count; a tab as
// an element (a reader folds runs of white space in the text itself).
void vietDoan(QXmlStreamWriter& x, const QString& doan)
{
    x.writeStartElement(kNsText, QStringLiteral("p"));
    QString chu;
    const auto boTrong = [&](qsizetype n) {
        x.writeCharacters(chu);
        chu.clear();
        x.writeEmptyElement(kNsText, QStringLiteral("s"));
        if (n > 1)
            x.writeAttribute(kNsText, QStringLiteral("c"), QString::number(n));
    };
    for (qsizetype i = 0; i < doan.size(); ++i) {
        const QChar c = doan.at(i);
        if (c == QLatin1Char('\t')) {
            x.writeCharacters(chu);
            chu.clear();
            x.writeEmptyElement(kNsText, QStringLiteral("tab"));
        } else if (c == QLatin1Char(' ')) {
            qsizetype n = 1;
            while (i + n < doan.size() && doan.at(i + n) == QLatin1Char(' '))
                ++n;
            if (i > 0 && i + n < doan.size()) {
                chu += c;
                if (n > 1)
                    boTrong(n - 1);
            } else {
                boTrong(n);
            }
            i += n - 1;
        } else {
            chu += c;
        }
    }
    x.writeCharacters(chu);
    x.writeEndElement();
}

// An ODF part's start: the document, its root element in `ns` (with the
// namespaces declared before it) and the format's version.
void batDauXml(QXmlStreamWriter& x, const QString& ns, const QString& tien, const QString& goc)
{
    x.writeNamespace(ns, tien);
    x.writeStartElement(ns, goc);
    x.writeAttribute(ns, QStringLiteral("version"), QStringLiteral("1.2"));
}

}  // namespace

std::optional<QByteArray> ghiOds(const BangGhi& b, QString* loi)
{
    // The pictures' names inside the file, one per picture.
    std::vector<QString> tenAnh;
    for (std::size_t i = 0; i < b.anh.size(); ++i)
        tenAnh.push_back(QStringLiteral("Pictures/%1-%2")
                             .arg(i + 1, 4, 10, QLatin1Char('0'))
                             .arg(QFileInfo(b.anh[i].ten).fileName()));
    QHash<std::pair<int, int>, std::vector<std::size_t>> anhTheoO;
    for (std::size_t i = 0; i < b.anh.size(); ++i)
        anhTheoO[{b.anh[i].dong, b.anh[i].cot}].push_back(i);

    QByteArray noiDung;
    {
        QXmlStreamWriter x(&noiDung);
        x.writeStartDocument();
        x.writeNamespace(kNsTable, QStringLiteral("table"));
        x.writeNamespace(kNsText, QStringLiteral("text"));
        x.writeNamespace(kNsDraw, QStringLiteral("draw"));
        x.writeNamespace(kNsSvg, QStringLiteral("svg"));
        x.writeNamespace(kNsXlink, QStringLiteral("xlink"));
        x.writeNamespace(kNsStyle, QStringLiteral("style"));
        x.writeNamespace(kNsFo, QStringLiteral("fo"));
        batDauXml(x, kNsOffice, QStringLiteral("office"), QStringLiteral("document-content"));
        x.writeStartElement(kNsOffice, QStringLiteral("automatic-styles"));
        for (std::size_t c = 0; c < b.doRong.size(); ++c) {
            x.writeStartElement(kNsStyle, QStringLiteral("style"));
            x.writeAttribute(kNsStyle, QStringLiteral("name"), QStringLiteral("co%1").arg(c));
            x.writeAttribute(kNsStyle, QStringLiteral("family"), QStringLiteral("table-column"));
            x.writeEmptyElement(kNsStyle, QStringLiteral("table-column-properties"));
            x.writeAttribute(kNsStyle, QStringLiteral("column-width"),
                             QStringLiteral("%1cm").arg(b.doRong[c] * 0.2, 0, 'f', 2));
            x.writeEndElement();
        }
        x.writeEndElement();
        x.writeStartElement(kNsOffice, QStringLiteral("body"));
        x.writeStartElement(kNsOffice, QStringLiteral("spreadsheet"));
        x.writeStartElement(kNsTable, QStringLiteral("table"));
        x.writeAttribute(kNsTable, QStringLiteral("name"), b.tenTrang);
        int soCot = static_cast<int>(b.doRong.size());
        for (const QStringList& d : b.dong)
            soCot = std::max(soCot, static_cast<int>(d.size()));
        for (int c = 0; c < soCot; ++c) {
            x.writeEmptyElement(kNsTable, QStringLiteral("table-column"));
            if (c < static_cast<int>(b.doRong.size()))
                x.writeAttribute(kNsTable, QStringLiteral("style-name"), QStringLiteral("co%1").arg(c));
        }
        for (std::size_t d = 0; d < b.dong.size(); ++d) {
            x.writeStartElement(kNsTable, QStringLiteral("table-row"));
            for (int c = 0; c < soCot; ++c) {
                const QString s = b.dong[d].value(c);
                x.writeStartElement(kNsTable, QStringLiteral("table-cell"));
                if (!s.isEmpty()) {
                    const bool so =
                        static_cast<int>(d) > b.dongTieuDe && b.cotSo.contains(c) && laSoNguyen(s);
                    x.writeAttribute(kNsOffice, QStringLiteral("value-type"),
                                     so ? QStringLiteral("float") : QStringLiteral("string"));
                    if (so)
                        x.writeAttribute(kNsOffice, QStringLiteral("value"), s);
                }
                for (const std::size_t i : anhTheoO.value({static_cast<int>(d), c})) {
                    const auto [tx, ty] = tiLeAnh(b.anh[i].du);
                    QByteArray du = b.anh[i].du;
                    QBuffer io(&du);
                    QSize co = QImageReader(&io).size();
                    if (!co.isValid())
                        co = QSize(80, 60);
                    x.writeStartElement(kNsDraw, QStringLiteral("frame"));
                    x.writeAttribute(kNsDraw, QStringLiteral("name"), QFileInfo(b.anh[i].ten).fileName());
                    x.writeAttribute(kNsSvg, QStringLiteral("width"),
                                     QStringLiteral("%1cm").arg(co.width() * tx * 2.54 / 96, 0, 'f', 2));
                    x.writeAttribute(kNsSvg, QStringLiteral("height"),
                                     QStringLiteral("%1cm").arg(co.height() * ty * 2.54 / 96, 0, 'f', 2));
                    x.writeEmptyElement(kNsDraw, QStringLiteral("image"));
                    x.writeAttribute(kNsXlink, QStringLiteral("href"), tenAnh[i]);
                    x.writeAttribute(kNsXlink, QStringLiteral("type"), QStringLiteral("simple"));
                    x.writeAttribute(kNsXlink, QStringLiteral("show"), QStringLiteral("embed"));
                    x.writeAttribute(kNsXlink, QStringLiteral("actuate"), QStringLiteral("onLoad"));
                    x.writeEndElement();
                }
                if (!s.isEmpty())
                    for (const QString& doan : s.split(QLatin1Char('\n')))
                        vietDoan(x, doan);
                x.writeEndElement();
            }
            x.writeEndElement();
        }
        x.writeEndDocument();
    }
    // The styles part an OpenDocument reader expects, empty.
    QByteArray kieu;
    {
        QXmlStreamWriter x(&kieu);
        x.writeStartDocument();
        batDauXml(x, kNsOffice, QStringLiteral("office"), QStringLiteral("document-styles"));
        x.writeEndDocument();
    }
    QByteArray kePhan;
    {
        QXmlStreamWriter x(&kePhan);
        x.writeStartDocument();
        batDauXml(x, kNsManifest, QStringLiteral("manifest"), QStringLiteral("manifest"));
        const auto muc = [&](const QString& duong, const QString& loai) {
            x.writeEmptyElement(kNsManifest, QStringLiteral("file-entry"));
            x.writeAttribute(kNsManifest, QStringLiteral("full-path"), duong);
            x.writeAttribute(kNsManifest, QStringLiteral("media-type"), loai);
        };
        muc(QStringLiteral("/"), QStringLiteral("application/vnd.oasis.opendocument.spreadsheet"));
        muc(QStringLiteral("content.xml"), QStringLiteral("text/xml"));
        muc(QStringLiteral("styles.xml"), QStringLiteral("text/xml"));
        for (const QString& t : tenAnh) {
            const QString duoi = QFileInfo(t).suffix().toLower();
            muc(t, QStringLiteral("image/") + (duoi == QLatin1String("jpg") ? QStringLiteral("jpeg") : duoi));
        }
        x.writeEndDocument();
    }
    ZipGhi zip;
    // The kind first, unpacked: how a reader knows an OpenDocument file.
    bool duoc = zip.them(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet", false);
    duoc = duoc && zip.them(QStringLiteral("META-INF/manifest.xml"), kePhan, true);
    duoc = duoc && zip.them(QStringLiteral("content.xml"), noiDung, true);
    duoc = duoc && zip.them(QStringLiteral("styles.xml"), kieu, true);
    for (std::size_t i = 0; i < b.anh.size() && duoc; ++i)
        duoc = zip.them(tenAnh[i], b.anh[i].du, false);
    std::optional<QByteArray> kq = zip.xong();
    if (!duoc || !kq) {
        sai(loi, txt::kBtOdsLoi);
        return std::nullopt;
    }
    return kq;
}

bool ghiBangTinh(const QString& tep, const BangGhi& b, QString* loi)
{
    const std::optional<DangBangTinh> dang = dangTheoTen(tep);
    if (!dang)
        return sai(loi, txt::kBtDangLa);
    std::optional<QByteArray> du;
    switch (*dang) {
    case DangBangTinh::Csv: du = ghiCsv(b); break;
    case DangBangTinh::Xlsx: du = ghiXlsx(b, loi); break;
    case DangBangTinh::Ods: du = ghiOds(b, loi); break;
    }
    if (!du)
        return false;
    QString vi;
    if (ghiTep(tep, *du, &vi))
        return true;
    return sai(loi, txt::kKhongGhiTep.arg(QDir::toNativeSeparators(tep), vi));
}

}  // namespace thilaixe
