#pragma once

#include "rules/common/SharedState.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

class QIODevice;

namespace thilaixe {

// The history file's name in the working folder.
inline const QString kTepDuLieu = QStringLiteral("DuLieu.txt");

// Longest line the history is read with; a longer line is cut. A record's
// longest line is well under 200 bytes.
constexpr qsizetype kDongToiDa = 4096;

// The three lines of a record, without their line break.
QByteArray dongNg(const QDate& ngay, const QTime& gio, const QString& hang);
QByteArray dongCH(const SharedState& s);
QByteArray dongTL(const SharedState& s);

// Date and time as the user's locale writes them (Vietnamese on a system
// with no locale set): short date; time with seconds and without a
// time-zone name.
QLocale ngonNguNgayGio();
QString vanBanNgay(const QDate& d);
QString vanBanGio(const QTime& t);
// A long time format without its time-zone field ('t', and the ASCII blanks
// before it), trimmed; "HH:mm:ss" when what is left shows no seconds.
QString dangGioKhongMuiGio(QString f);
// A blank as the history's lines have always been read: the ASCII ones.
inline bool laKhoangTrangAscii(QChar c) { return c == QLatin1Char(' ') || (c >= u'\t' && c <= u'\r'); }

// Puts the current exam at the top of the history file and keeps the 49
// newest older records, through thayTheTep: at every moment the file on disk
// is the old history or the whole new one, even on a full disk, and only a
// regular file is ever read or replaced. A missing file is created, a
// read-only one rewritten. Returns false (with a reason) when the new history
// could not be written; the old one is then left as it was, permissions too.
// When the rewrite would drop what is no record (text of another kind, a
// line too long to read whole), the file as it was is first kept beside it
// under a dated name, and `ghiChu` says where.
bool GhiDuLieu(const SharedState& s, const QString& tep, QString* loi = nullptr, QString* ghiChu = nullptr);

enum class KetQuaDoc { DaDoc, ThieuTep, LoiKhac };

// Reads up to 50 records (150 lines) into LichSuNg, LichSuCH and LichSuTL;
// lines 3r-2..3r form record r whatever their order. Entries this read does
// not reach keep what they held. Only a regular file is read: anything else
// under the name (a link, a FIFO) is LoiKhac and is never opened. A read
// that fails half-way is LoiKhac too: only DaDoc means the file was read
// whole. When it is not DaDoc, `lyDo` says why in Vietnamese.
KetQuaDoc DocDuLieu(SharedState& s, const QString& tep, QString* lyDo = nullptr);
void DocDuLieu(SharedState& s, QIODevice& tep);

// Turn a CH or TL text back into entries 1..30 of MangCHDaThi/MangTLDaThi.
// They always end and never write past entry 30; text they cannot read
// leaves the remaining entries as they were.
void TachMangCH(const QString& text, SharedState& s);
void TachMangTL(const QString& text, SharedState& s);
// Kept record r (1..50) parsed into MangCHDaThi and MangTLDaThi, from its own
// lines only: what they do not give reads as unknown, never as a value left
// from the record parsed before.
void TachLanDaThi(SharedState& s, int r);

}  // namespace thilaixe
