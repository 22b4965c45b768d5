#pragma once

// What a driving school puts in its own copy of the program: the title of
// the entry form, the author strip, the information window and the contact
// lines of the missing-file message. The shipped values name the program
// itself; no person and no real telephone number.

#include <QString>

namespace thilaixe::rieng {

inline const QString kTenTrungTam = QStringLiteral("Trung tâm đào tạo lái xe X...");
inline const QString kTenUngDung = QStringLiteral("thilaixe");
inline const QString kTacGia = QStringLiteral("nhóm thilaixe");
inline const QString kCoQuan = QStringLiteral("Phần mềm thilaixe");
inline const QString kDienThoaiCoQuan = QStringLiteral("(chưa đặt)");
inline const QString kDienThoaiDiDong = QStringLiteral("(chưa đặt)");
// The picture of the author strip and the information window, built in; a
// school names its own file with -DTHILAIXE_PHOTO=... when it configures.
inline const QString kAnhTacGia = QStringLiteral(":/rieng/tacgia.png");

// Contact lines of the missing-file message; the exam sheet and the study
// form name different office lines.
inline const QString kLienHeDong1 = QStringLiteral("Xin lien he voi trung tam dao tao lai xe");
inline const QString kLienHeDong2 = QStringLiteral("cua ban de cai dat lai chuong trinh.");
inline const QString kDienThoaiThi = QStringLiteral("Dien thoai: (chua dat) - phong thi");
inline const QString kDienThoaiHoc = QStringLiteral("Dien thoai: (chua dat) - phong hoc");

}  // namespace thilaixe::rieng
