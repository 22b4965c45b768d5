#include "rules/databank/Zip.h"

#include "rules/common/Texts.h"

#include <algorithm>
#include <cstring>
#include <unzip.h>
#include <zip.h>

namespace thilaixe {

namespace {

// Bytes in memory as minizip's file: a position that reads, writes and
// seeks within a QByteArray.
struct TepNho final {
    QByteArray* du = nullptr;
    qint64 viTri = 0;
};

voidpf moNho(voidpf opaque, const void*, int) { return opaque; }

uLong docNho(voidpf, voidpf s, void* buf, uLong n)
{
    auto* t = static_cast<TepNho*>(s);
    const qint64 con = std::max<qint64>(0, t->du->size() - t->viTri);
    const auto k = static_cast<qint64>(std::min<qint64>(static_cast<qint64>(n), con));
    if (k > 0)
        std::memcpy(buf, t->du->constData() + t->viTri, static_cast<std::size_t>(k));
    t->viTri += k;
    return static_cast<uLong>(k);
}

uLong ghiNho(voidpf, voidpf s, const void* buf, uLong n)
{
    auto* t = static_cast<TepNho*>(s);
    const qint64 cuoi = t->viTri + static_cast<qint64>(n);
    if (cuoi > t->du->size())
        t->du->resize(static_cast<qsizetype>(cuoi));
    std::memcpy(t->du->data() + t->viTri, buf, n);
    t->viTri = cuoi;
    return n;
}

ZPOS64_T viTriNho(voidpf, voidpf s) { return static_cast<ZPOS64_T>(static_cast<TepNho*>(s)->viTri); }

long denNho(voidpf, voidpf s, ZPOS64_T lech, int goc)
{
    auto* t = static_cast<TepNho*>(s);
    qint64 moi = 0;
    switch (goc) {
    case ZLIB_FILEFUNC_SEEK_SET: moi = static_cast<qint64>(lech); break;
    case ZLIB_FILEFUNC_SEEK_CUR: moi = t->viTri + static_cast<qint64>(lech); break;
    case ZLIB_FILEFUNC_SEEK_END: moi = t->du->size() + static_cast<qint64>(lech); break;
    default: return -1;
    }
    if (moi < 0 || moi > t->du->size())
        return -1;
    t->viTri = moi;
    return 0;
}

int dongNho(voidpf, voidpf) { return 0; }
int loiNho(voidpf, voidpf) { return 0; }

zlib_filefunc64_def hamNho(TepNho* t)
{
    zlib_filefunc64_def f{};
    f.zopen64_file = moNho;
    f.zread_file = docNho;
    f.zwrite_file = ghiNho;
    f.ztell64_file = viTriNho;
    f.zseek64_file = denNho;
    f.zclose_file = dongNho;
    f.zerror_file = loiNho;
    f.opaque = t;
    return f;
}

}  // namespace

struct ZipDoc::BoNho final {
    QByteArray du;
    TepNho tep;
};

ZipDoc::ZipDoc(QByteArray du) : m_bn(std::make_unique<BoNho>())
{
    m_bn->du = std::move(du);
    m_bn->tep.du = &m_bn->du;
    zlib_filefunc64_def f = hamNho(&m_bn->tep);
    m_uf = unzOpen2_64("", &f);
}

ZipDoc::~ZipDoc()
{
    if (m_uf)
        unzClose(m_uf);
}

qint64 ZipDoc::soPhan() const
{
    unz_global_info64 g{};
    return m_uf && unzGetGlobalInfo64(m_uf, &g) == UNZ_OK ? static_cast<qint64>(g.number_entry) : 0;
}

std::optional<QByteArray> ZipDoc::doc(const QString& ten, qint64 toiDa, qint64 tongToiDa, QString* loi,
                                      bool canCo)
{
    const auto sai = [&](const QString& vi) {
        if (loi)
            *loi = vi;
        return std::nullopt;
    };
    if (!m_uf)
        return sai(txt::kBtZipHong.arg(ten));
    if (unzLocateFile(m_uf, ten.toUtf8().constData(), 1) != UNZ_OK) {
        if (canCo)
            return sai(txt::kBtThieuPhan.arg(ten));
        return std::nullopt;
    }
    if (unzOpenCurrentFile(m_uf) != UNZ_OK)
        return sai(txt::kBtZipHong.arg(ten));
    QByteArray kq;
    char manh[65536];
    for (;;) {
        const int n = unzReadCurrentFile(m_uf, manh, sizeof manh);
        if (n < 0) {
            unzCloseCurrentFile(m_uf);
            return sai(txt::kBtZipHong.arg(ten));
        }
        if (n == 0)
            break;
        m_daGiai += n;
        if (kq.size() + n > toiDa || m_daGiai > tongToiDa) {
            unzCloseCurrentFile(m_uf);
            return sai(txt::kBtGiaiNenLon.arg(ten).arg(std::min(toiDa, tongToiDa) >> 20));
        }
        kq.append(manh, n);
    }
    // A part whose checksum does not match what it unpacked to.
    if (unzCloseCurrentFile(m_uf) != UNZ_OK)
        return sai(txt::kBtZipHong.arg(ten));
    return kq;
}

struct ZipGhi::BoNho final {
    QByteArray du;
    TepNho tep;
};

ZipGhi::ZipGhi() : m_bn(std::make_unique<BoNho>())
{
    m_bn->tep.du = &m_bn->du;
    zlib_filefunc64_def f = hamNho(&m_bn->tep);
    m_zf = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &f);
    m_hong = m_zf == nullptr;
}

ZipGhi::~ZipGhi()
{
    if (m_zf)
        zipClose(m_zf, nullptr);
}

bool ZipGhi::them(const QString& ten, const QByteArray& du, bool nen)
{
    if (m_hong)
        return false;
    zip_fileinfo tt{};
    const QByteArray t = ten.toUtf8();
    m_hong = zipOpenNewFileInZip64(m_zf, t.constData(), &tt, nullptr, 0, nullptr, 0, nullptr,
                                   nen ? Z_DEFLATED : 0, nen ? 6 : 0, du.size() > 0x7fffffff ? 1 : 0)
                 != ZIP_OK
             || zipWriteInFileInZip(m_zf, du.constData(), static_cast<unsigned>(du.size())) != ZIP_OK
             || zipCloseFileInZip(m_zf) != ZIP_OK;
    return !m_hong;
}

std::optional<QByteArray> ZipGhi::xong()
{
    if (!m_zf)
        return std::nullopt;
    const bool dong = zipClose(m_zf, nullptr) == ZIP_OK;
    m_zf = nullptr;
    if (m_hong || !dong)
        return std::nullopt;
    return std::move(m_bn->du);
}

}  // namespace thilaixe
