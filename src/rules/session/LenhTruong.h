#pragma once

// A school's IT from the command line, as a teacher of its server
// (--server names them; a password not in ~/.pgpass is asked once on the
// terminal): what the teacher's window does, for a script or a cron job.

#include "rules/store/KetNoiMayChu.h"

#include <QDateTime>
#include <QString>

namespace thilaixe {

// --publish-bank FILE: the bank (checked first), its pictures and its rule
// sets onto the server; lab computers take it at their next sign-in.
int lenhGuiNganHang(const KetNoiMayChu& k, const QString& tepNganHang);

// --roster FILE --course CODE [--class C] [--pins FILE.pdf] [--digits]:
// the course's learners made or renamed from a spreadsheet (CSV, XLSX,
// ODS); the new ones get PINs, printed on the slips of FILE.pdf (the one
// place they are shown). A course not there yet is made with --class.
int lenhDanhSach(const KetNoiMayChu& k, const QString& tepDanhSach, const QString& maKhoa,
                 const QString& hang, const QString& tepPhieu, bool chiSo);

// --open-test CODE --class C --minutes N [--opens WHEN] [--bank FILE]:
// a course-end test opened on the server's current bank (or FILE,
// published first), every learner's paper drawn; its id on standard output.
int lenhMoPhien(const KetNoiMayChu& k, const QString& thuMuc, const QString& maKhoa, const QString& hang,
                int phut, const QDateTime& mo, const QString& tepNganHang);

}  // namespace thilaixe
