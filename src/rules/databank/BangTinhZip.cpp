// The zipped sheets: XLSX (Office Open XML) and ODS (OpenDocument). Each
// part is unpacked within its bound, whatever its header claims, so a zip
// bomb ends at the bound; the XML is read with QXmlStreamReader, never
// expanded beyond the rows and columns a sheet may have.
#include "rules/common/Texts.h"
#include "rules/databank/BangTinhNoiBo.h"
#include "rules/databank/Zip.h"

#include <QDir>
#include <QHash>
#include <QXmlStreamReader>

namespace thilaixe::bang {

namespace {

constexpr int kSoTepToiDa = 100000;

using GoiZip = ZipDoc;

std::optional<QByteArray> docPhan(GoiZip& g, const QString& ten, qint64 toiDa, QString* loi, bool canCo)
{
    return g.doc(ten, toiDa, kGiaiNenToiDa, loi, canCo);
}

// A path named inside another part (`goc`'s folder), as the zip names it.
QString noiDuongDan(const QString& goc, const QString& dich)
{
    if (dich.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(dich.mid(1));
    const qsizetype cat = goc.lastIndexOf(QLatin1Char('/'));
    return QDir::cleanPath((cat < 0 ? QString() : goc.left(cat + 1)) + dich);
}

// The relationships of a part: id to target, and the targets by type.
struct QuanHe final {
    QHash<QString, QString> theoId;
    QHash<QString, QString> theoLoai;  // the last segment of the type
};

QuanHe docQuanHe(GoiZip& g, const QString& phan, QString* loi, bool* hong)
{
    QuanHe kq;
    const qsizetype cat = phan.lastIndexOf(QLatin1Char('/'));
    const QString tep =
        phan.left(cat + 1) + QStringLiteral("_rels/") + phan.mid(cat + 1) + QStringLiteral(".rels");
    const std::optional<QByteArray> du = docPhan(g, tep, kXmlBangTinhToiDa, loi, false);
    if (!du) {
        *hong = loi && !loi->isEmpty();
        return kq;
    }
    QXmlStreamReader x(*du);
    while (x.readNextStartElement() || !x.atEnd()) {
        if (x.isStartElement() && x.name() == QLatin1String("Relationship")) {
            const QString dich = noiDuongDan(phan, x.attributes().value(QLatin1String("Target")).toString());
            kq.theoId.insert(x.attributes().value(QLatin1String("Id")).toString(), dich);
            const QString loai = x.attributes().value(QLatin1String("Type")).toString();
            kq.theoLoai.insert(loai.mid(loai.lastIndexOf(QLatin1Char('/')) + 1), dich);
        }
        if (x.hasError())
            break;
    }
    return kq;
}

bool loiXml(const QXmlStreamReader& x, const QString& phan, QString* loi)
{
    if (!x.hasError())
        return false;
    datLoi(loi, txt::kBtXmlHong.arg(phan).arg(x.lineNumber()).arg(x.errorString()));
    return true;
}

// An attribute by its local name, whatever its prefix.
QString thuocTinh(const QXmlStreamReader& x, QLatin1String ten)
{
    for (const QXmlStreamAttribute& a : x.attributes())
        if (a.name() == ten)
            return a.value().toString();
    return {};
}

// "B12" as (row 11, column 1); nothing when it is no cell's name.
std::optional<std::pair<int, int>> docTenO(const QString& ten)
{
    qsizetype i = 0;
    qint64 cot = 0;
    while (i < ten.size() && ten.at(i).isLetter() && ten.at(i).unicode() < 128) {
        cot = cot * 26 + (ten.at(i).toUpper().unicode() - u'A' + 1);
        if (cot > 1 << 20)
            return std::nullopt;
        ++i;
    }
    bool so = false;
    const int dong = ten.mid(i).toInt(&so);
    if (cot == 0 || !so || dong < 1)
        return std::nullopt;
    return std::pair{dong - 1, static_cast<int>(cot - 1)};
}

// The text of a shared string (<si>): its runs joined, phonetic runs left out.
QString chuSi(QXmlStreamReader& x)
{
    QString kq;
    int sau = 0;
    bool phienAm = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            ++sau;
            if (x.name() == QLatin1String("rPh"))
                phienAm = true;
            else if (x.name() == QLatin1String("t") && !phienAm)
                kq += x.readElementText(QXmlStreamReader::IncludeChildElements), --sau;
        } else if (x.isEndElement()) {
            if (x.name() == QLatin1String("rPh"))
                phienAm = false;
            if (sau-- == 0)
                break;
        }
    }
    return kq;
}

// A picture anchored at a cell, by its part inside the zip.
struct Neo final {
    int dong, cot;
    QString phan;
};

// The anchored pictures' bytes, each part read once however many cells
// show it; an anchor with no part or no row is left out.
bool docAnhNeo(GoiZip& g, const std::vector<Neo>& neo, BangTinh& bt, QString* loi,
               const std::function<void(int, int)>& tienDo)
{
    QHash<QString, QByteArray> daDoc;
    const int tong = static_cast<int>(neo.size());
    for (int i = 0; i < tong; ++i) {
        if (tienDo)
            tienDo(i, tong);
        const Neo& n = neo[static_cast<std::size_t>(i)];
        if (n.phan.isEmpty() || n.dong < 0)
            continue;
        auto it = daDoc.find(n.phan);
        if (it == daDoc.end()) {
            const std::optional<QByteArray> du = docPhan(g, n.phan, kAnhBangTinhToiDa, loi, true);
            if (!du)
                return false;
            it = daDoc.insert(n.phan, *du);
        }
        bt.anh.push_back({n.dong, n.cot, n.phan, *it});
    }
    if (tienDo)
        tienDo(tong, tong);
    return true;
}

std::optional<BangTinh> docXlsx(GoiZip& g, QString* loi, const std::function<void(int, int)>& tienDo)
{
    const QString soLam = QStringLiteral("xl/workbook.xml");
    const std::optional<QByteArray> wb = docPhan(g, soLam, kXmlBangTinhToiDa, loi, true);
    if (!wb)
        return std::nullopt;
    bool hong = false;
    const QuanHe qhSo = docQuanHe(g, soLam, loi, &hong);
    if (hong)
        return std::nullopt;
    // The first sheet of the workbook.
    QString idTo;
    {
        QXmlStreamReader x(*wb);
        while (!x.atEnd() && idTo.isEmpty()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("sheet"))
                idTo = thuocTinh(x, QLatin1String("id"));
        }
        if (loiXml(x, soLam, loi))
            return std::nullopt;
    }
    const QString phanTo = qhSo.theoId.value(idTo);
    if (phanTo.isEmpty()) {
        datLoi(loi, txt::kBtKhongCoTo);
        return std::nullopt;
    }
    // Shared strings.
    QStringList chung;
    const QString phanChung =
        qhSo.theoLoai.value(QStringLiteral("sharedStrings"), QStringLiteral("xl/sharedStrings.xml"));
    if (const std::optional<QByteArray> ss = docPhan(g, phanChung, kXmlBangTinhToiDa, loi, false)) {
        QXmlStreamReader x(*ss);
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("si")) {
                chung.append(chuSi(x));
                if (chung.size() > qsizetype{kDongBangTinhToiDa} * kCotBangTinhToiDa) {
                    datLoi(loi, txt::kBtQuaLon.arg(kDongBangTinhToiDa).arg(kCotBangTinhToiDa));
                    return std::nullopt;
                }
            }
        }
        if (loiXml(x, phanChung, loi))
            return std::nullopt;
    } else if (loi && !loi->isEmpty()) {
        return std::nullopt;
    }
    const std::optional<QByteArray> to = docPhan(g, phanTo, kXmlBangTinhToiDa, loi, true);
    if (!to)
        return std::nullopt;
    BangTinh bt;
    std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> gop;
    {
        QXmlStreamReader x(*to);
        int dong = -1, cot = -1;
        while (!x.atEnd()) {
            x.readNext();
            if (!x.isStartElement())
                continue;
            if (x.name() == QLatin1String("row")) {
                bool so = false;
                const int r = thuocTinh(x, QLatin1String("r")).toInt(&so);
                dong = so ? r - 1 : dong + 1;
                cot = -1;
            } else if (x.name() == QLatin1String("c")) {
                const std::optional<std::pair<int, int>> ten = docTenO(thuocTinh(x, QLatin1String("r")));
                if (ten) {
                    dong = ten->first;
                    cot = ten->second;
                } else {
                    ++cot;
                }
                const QString kieu = thuocTinh(x, QLatin1String("t"));
                OBangTinh o;
                bool coGiaTri = false;
                while (x.readNextStartElement()) {
                    if (x.name() == QLatin1String("f")) {
                        o.congThuc = true;
                        x.skipCurrentElement();
                    } else if (x.name() == QLatin1String("v")) {
                        const QString v = x.readElementText();
                        coGiaTri = true;
                        if (kieu == QLatin1String("s")) {
                            bool so = false;
                            const int i = v.toInt(&so);
                            o.chu = so && i >= 0 && i < chung.size() ? chung.at(i) : QString();
                        } else if (kieu == QLatin1String("b")) {
                            o.chu =
                                v == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
                        } else {
                            o.chu = v;
                        }
                    } else if (x.name() == QLatin1String("is")) {
                        o.chu = chuSi(x);
                        coGiaTri = true;
                    } else {
                        x.skipCurrentElement();
                    }
                }
                if ((coGiaTri || o.congThuc) && !datO(bt, dong, cot, std::move(o), loi))
                    return std::nullopt;
            } else if (x.name() == QLatin1String("mergeCell")) {
                const QStringList dau = thuocTinh(x, QLatin1String("ref")).split(QLatin1Char(':'));
                const auto a = docTenO(dau.value(0)), b = docTenO(dau.value(1));
                if (a && b)
                    gop.push_back({*a, *b});
            }
        }
        if (loiXml(x, phanTo, loi))
            return std::nullopt;
    }
    for (const auto& [a, b] : gop)
        danhDauGop(bt, a.first, a.second, b.first, b.second);
    // Pictures: the sheet's drawing, each anchored at the cell of its top
    // left corner.
    const QuanHe qhTo = docQuanHe(g, phanTo, loi, &hong);
    if (hong)
        return std::nullopt;
    const QString phanVe = qhTo.theoLoai.value(QStringLiteral("drawing"));
    if (phanVe.isEmpty())
        return bt;
    const std::optional<QByteArray> ve = docPhan(g, phanVe, kXmlBangTinhToiDa, loi, true);
    if (!ve)
        return std::nullopt;
    const QuanHe qhVe = docQuanHe(g, phanVe, loi, &hong);
    if (hong)
        return std::nullopt;
    std::vector<Neo> neo;
    {
        QXmlStreamReader x(*ve);
        int sau = 0, dong = -1, cot = -1;
        bool trongFrom = false;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement()) {
                const auto ten = x.name();
                if (ten == QLatin1String("twoCellAnchor") || ten == QLatin1String("oneCellAnchor")) {
                    sau = 1;
                    dong = cot = -1;
                } else if (sau > 0 && ten == QLatin1String("from")) {
                    trongFrom = true;
                } else if (trongFrom && ten == QLatin1String("col")) {
                    cot = x.readElementText().toInt();
                } else if (trongFrom && ten == QLatin1String("row")) {
                    dong = x.readElementText().toInt();
                } else if (sau > 0 && ten == QLatin1String("blip")) {
                    const QString id = thuocTinh(x, QLatin1String("embed"));
                    if (dong >= 0 && cot >= 0 && !id.isEmpty())
                        neo.push_back({dong, cot, qhVe.theoId.value(id)});
                }
            } else if (x.isEndElement()) {
                if (x.name() == QLatin1String("from"))
                    trongFrom = false;
                else if (x.name() == QLatin1String("twoCellAnchor")
                         || x.name() == QLatin1String("oneCellAnchor"))
                    sau = 0;
            }
            if (static_cast<int>(neo.size()) > kDongBangTinhToiDa) {
                datLoi(loi, txt::kBtQuaLon.arg(kDongBangTinhToiDa).arg(kCotBangTinhToiDa));
                return std::nullopt;
            }
        }
        if (loiXml(x, phanVe, loi))
            return std::nullopt;
    }
    if (!docAnhNeo(g, neo, bt, loi, tienDo))
        return std::nullopt;
    return bt;
}

// The text of an ODS cell: its paragraphs joined by line breaks, with the
// spaces, tabs and breaks the format writes as elements.
void chuOds(QXmlStreamReader& x, QString& kq)
{
    bool vuaTrong = false;  // the last character of the text was white space
    while (!x.atEnd()) {
        x.readNext();
        if (x.isCharacters()) {
            // White space in the text folds to one blank; blanks that count
            // are written as elements.
            const QStringView t = x.text();
            for (const QChar c : t) {
                const bool trong = c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
                                   || c == QLatin1Char('\r');
                if (!trong)
                    kq += c;
                else if (!vuaTrong)
                    kq += QLatin1Char(' ');
                vuaTrong = trong;
            }
            continue;
        } else if (x.isStartElement()) {
            vuaTrong = false;
            if (x.name() == QLatin1String("s")) {
                bool so = false;
                const int n = thuocTinh(x, QLatin1String("c")).toInt(&so);
                kq += QString(so ? std::clamp(n, 1, kDoDaiOToiDa) : 1, QLatin1Char(' '));
                x.skipCurrentElement();
            } else if (x.name() == QLatin1String("tab")) {
                kq += QLatin1Char('\t');
                x.skipCurrentElement();
            } else if (x.name() == QLatin1String("line-break")) {
                kq += QLatin1Char('\n');
                x.skipCurrentElement();
            } else if (x.name() == QLatin1String("note") || x.name() == QLatin1String("annotation")) {
                x.skipCurrentElement();
            } else {
                chuOds(x, kq);
            }
            if (kq.size() > kDoDaiOToiDa)
                kq.truncate(kDoDaiOToiDa);
        } else if (x.isEndElement()) {
            return;
        }
    }
}

std::optional<BangTinh> docOds(GoiZip& g, QString* loi, const std::function<void(int, int)>& tienDo)
{
    const QString phan = QStringLiteral("content.xml");
    const std::optional<QByteArray> nd = docPhan(g, phan, kXmlBangTinhToiDa, loi, true);
    if (!nd)
        return std::nullopt;
    BangTinh bt;
    std::vector<Neo> neo;
    QXmlStreamReader x(*nd);
    int soBang = 0, sauBang = 0;
    int dong = -1, cot = 0, lapDong = 1;
    qint64 dongTrong = 0;  // rows met with nothing in them, not kept yet
    bool dongCoNoiDung = false;
    std::vector<std::pair<int, OBangTinh>> oCuaDong;  // (column, cell) of the row being read
    std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> gop;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            const auto ten = x.name();
            if (ten == QLatin1String("table") && x.namespaceUri().contains(QLatin1String("table"))) {
                if (sauBang > 0 || ++soBang > 1) {
                    // A table inside a cell, or a later sheet: only the
                    // first sheet is read.
                    x.skipCurrentElement();
                    continue;
                }
                sauBang = 1;
            } else if (sauBang == 0) {
                continue;
            } else if (ten == QLatin1String("table-row")) {
                bool so = false;
                lapDong = std::max(1, thuocTinh(x, QLatin1String("number-rows-repeated")).toInt(&so));
                cot = 0;
                oCuaDong.clear();
                dongCoNoiDung = false;
            } else if (ten == QLatin1String("table-cell") || ten == QLatin1String("covered-table-cell")) {
                const int lap = std::max(1, thuocTinh(x, QLatin1String("number-columns-repeated")).toInt());
                const int ngang = std::max(1, thuocTinh(x, QLatin1String("number-columns-spanned")).toInt());
                const int doc = std::max(1, thuocTinh(x, QLatin1String("number-rows-spanned")).toInt());
                OBangTinh o;
                o.congThuc = !thuocTinh(x, QLatin1String("formula")).isEmpty();
                o.trongVungGop = ten == QLatin1String("covered-table-cell");
                const QString kieu = thuocTinh(x, QLatin1String("value-type"));
                const QString giaTri = kieu == QLatin1String("boolean")
                                           ? thuocTinh(x, QLatin1String("boolean-value"))
                                           : thuocTinh(x, QLatin1String("value"));
                QString chu;
                bool coP = false;
                while (x.readNextStartElement()) {
                    if (x.name() == QLatin1String("p")) {
                        if (coP)
                            chu += QLatin1Char('\n');
                        coP = true;
                        chuOds(x, chu);
                    } else if (x.name() == QLatin1String("frame")) {
                        while (x.readNextStartElement()) {
                            if (x.name() == QLatin1String("image")) {
                                const QString href = thuocTinh(x, QLatin1String("href"));
                                if (!href.isEmpty() && static_cast<int>(neo.size()) <= kDongBangTinhToiDa)
                                    neo.push_back(
                                        {-1, cot,
                                         QDir::cleanPath(href.startsWith(QLatin1String("./")) ? href.mid(2)
                                                                                              : href)});
                            }
                            x.skipCurrentElement();
                        }
                    } else {
                        x.skipCurrentElement();
                    }
                    if (chu.size() > kDoDaiOToiDa)
                        chu.truncate(kDoDaiOToiDa);
                }
                // A number's own text is its value as typed; the shown text
                // may be formatted ("2,0").
                if (kieu == QLatin1String("float") && !giaTri.isEmpty())
                    chu = giaTri;
                else if (kieu == QLatin1String("boolean"))
                    chu = giaTri == QLatin1String("true") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
                o.chu = chu;
                const bool coNoiDung =
                    !o.chu.isEmpty() || o.congThuc || o.trongVungGop || ngang > 1 || doc > 1;
                for (auto& n : neo)
                    if (n.dong == -1)
                        n.dong = -2 - cot;  // placed once the row's number is known
                if (coNoiDung) {
                    if (cot + lap > kCotBangTinhToiDa) {
                        datLoi(loi, txt::kBtQuaLon.arg(kDongBangTinhToiDa).arg(kCotBangTinhToiDa));
                        return std::nullopt;
                    }
                    const bool dauGop = ngang > 1 || doc > 1;
                    for (int k = 0; k < lap; ++k) {
                        OBangTinh ok = o;
                        ok.dauVungGop = dauGop;
                        oCuaDong.emplace_back(cot + k, std::move(ok));
                        if (dauGop)
                            gop.push_back({{-1, cot + k}, {doc - 1, cot + k + ngang - 1}});
                    }
                    dongCoNoiDung = true;
                }
                cot += lap;
                if (cot > kCotBangTinhToiDa + 16384)
                    cot = kCotBangTinhToiDa + 16384;
            }
        } else if (x.isEndElement()) {
            if (sauBang > 0 && x.name() == QLatin1String("table")) {
                sauBang = 0;
            } else if (sauBang > 0 && x.name() == QLatin1String("table-row")) {
                const bool coAnh =
                    std::any_of(neo.begin(), neo.end(), [](const Neo& n) { return n.dong < -1; });
                if (!dongCoNoiDung && !coAnh) {
                    dongTrong += lapDong;
                    continue;
                }
                if (dong + 1 + dongTrong + lapDong > kDongBangTinhToiDa) {
                    datLoi(loi, txt::kBtQuaLon.arg(kDongBangTinhToiDa).arg(kCotBangTinhToiDa));
                    return std::nullopt;
                }
                dong += static_cast<int>(dongTrong);
                dongTrong = 0;
                for (int k = 0; k < lapDong; ++k) {
                    ++dong;
                    for (const auto& [c, o] : oCuaDong)
                        if (!datO(bt, dong, c, o, loi))
                            return std::nullopt;
                }
                for (auto& n : neo)
                    if (n.dong < -1)
                        n = {dong, -2 - n.dong, n.phan};
                for (auto& gv : gop)
                    if (gv.first.first == -1)
                        gv = {{dong, gv.first.second}, {dong + gv.second.first, gv.second.second}};
            }
        }
    }
    if (loiXml(x, phan, loi))
        return std::nullopt;
    if (soBang == 0) {
        datLoi(loi, txt::kBtKhongCoTo);
        return std::nullopt;
    }
    for (const auto& [a, b] : gop)
        danhDauGop(bt, a.first, a.second, b.first, b.second);
    if (!docAnhNeo(g, neo, bt, loi, tienDo))
        return std::nullopt;
    return bt;
}

}  // namespace

std::optional<BangTinh> docZip(const QByteArray& noiDung, DangBangTinh dang, QString* loi,
                               const std::function<void(int, int)>& tienDo)
{
    GoiZip g(noiDung);
    if (!g.moDuoc()) {
        datLoi(loi, dang == DangBangTinh::Xlsx ? txt::kBtKhongPhaiXlsx : txt::kBtKhongPhaiOds);
        return std::nullopt;
    }
    if (g.soPhan() > kSoTepToiDa) {
        datLoi(loi, txt::kBtQuaNhieuTep.arg(kSoTepToiDa));
        return std::nullopt;
    }
    QString vi;
    std::optional<BangTinh> kq =
        dang == DangBangTinh::Xlsx ? docXlsx(g, &vi, tienDo) : docOds(g, &vi, tienDo);
    if (!kq)
        datLoi(loi, vi.isEmpty() ? txt::kBtKhongCoTo : vi);
    return kq;
}

}  // namespace thilaixe::bang
