#pragma once

// A zip archive in memory, read and written with zlib's minizip (Debian's
// libminizip, the one libxlsxwriter writes with, so that one copy of it is
// in the program). Reading is bounded by the bytes really unpacked, not by
// what the archive's headers claim.

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace thilaixe {

class ZipDoc final {
public:
    explicit ZipDoc(QByteArray du);
    ~ZipDoc();
    ZipDoc(const ZipDoc&) = delete;
    ZipDoc& operator=(const ZipDoc&) = delete;
    bool moDuoc() const { return m_uf != nullptr; }
    qint64 soPhan() const;
    // A part's bytes, at most `toiDa` of them and at most `tongToiDa`
    // unpacked over the archive's life. Nothing, with no fault, when it
    // is missing and not `canCo`; nothing with why when it is larger,
    // damaged or fails its checksum.
    std::optional<QByteArray> doc(const QString& ten, qint64 toiDa, qint64 tongToiDa, QString* loi,
                                  bool canCo);

private:
    struct BoNho;
    std::unique_ptr<BoNho> m_bn;
    void* m_uf = nullptr;
    qint64 m_daGiai = 0;
};

class ZipGhi final {
public:
    ZipGhi();
    ~ZipGhi();
    ZipGhi(const ZipGhi&) = delete;
    ZipGhi& operator=(const ZipGhi&) = delete;
    // A part, deflated or `nen` false stored as it is.
    bool them(const QString& ten, const QByteArray& du, bool nen);
    // The archive's bytes; nothing when any part failed.
    std::optional<QByteArray> xong();

private:
    struct BoNho;
    std::unique_ptr<BoNho> m_bn;
    void* m_zf = nullptr;
    bool m_hong = false;
};

}  // namespace thilaixe
