#pragma once

// Every text the program shows, in one place, exactly as the users see it.
// Plain-ASCII texts stay ASCII on purpose (window titles, the message box).
//
// Each text is declared here and made once, in Texts.cpp. A QString
// constant defined in a header is made again by every file that includes
// it: forty copies of the code that makes four hundred texts, run at every
// start, were most of the program's code and of its resident size.

#include <QString>

#ifdef THILAIXE_CHU_TAO
#define THILAIXE_CHU(ten, chu) extern const QString ten = QStringLiteral(chu);
#define THILAIXE_CAC_CHU(ten, n, ...) extern const QString ten[n] = {__VA_ARGS__};
#else
#define THILAIXE_CHU(ten, chu) extern const QString ten;
#define THILAIXE_CAC_CHU(ten, n, ...) extern const QString ten[n];
#endif

namespace thilaixe::txt {

// Entry form
THILAIXE_CHU(kNhanHang, "Hạng:")
THILAIXE_CHU(kNhanKhoa, "Khoá:")
THILAIXE_CHU(kNhanSBD, "Số báo danh:")
THILAIXE_CHU(kThongBaoKhaiBao, "Bấm Tab, Esc hoặc Enter để khai báo")
THILAIXE_CHU(kHoc, "&Học")
THILAIXE_CHU(kThiThu, "&Thi thử")
THILAIXE_CHU(kTooltipHang, "Chi go cac tu sau: \"B1\", \"B2\", \"C\", \"D\", \"E\"")
THILAIXE_CHU(kHoTenThiSinh, "Thí sinh dự thi")

// Exam sheet
THILAIXE_CHU(kTieuDeThi, "Thi ly thuyet lai xe hang ")
THILAIXE_CHU(kBatDau, "&Bắt đầu")
THILAIXE_CHU(kKetThuc, "&Kết thúc")
THILAIXE_CHU(kCau, "Câu")
THILAIXE_CHU(kPhuongAn, "Phương án ")
THILAIXE_CHU(kCauHoiSo, "Câu hỏi số ")
THILAIXE_CHU(kHuongDanChonCau, "Dùng chuột bấm hoặc dùng mũi tên để chọn câu hỏi")
THILAIXE_CHU(kHuongDanChonPA, "Gõ số 1-4 hoặc bấm chuột để chọn các phương án")
THILAIXE_CHU(kNhanHoTen, "Họ tên:")
THILAIXE_CHU(kNhanSoBaoDanh, "SBD:")
THILAIXE_CHU(kCacCauHoi, "Các câu hỏi:")
THILAIXE_CHU(kChonCacPhuongAn, "Chọn các phương án:")
THILAIXE_CHU(kTongThoiGian, "Tổng thời gian làm bài:")
THILAIXE_CHU(kThoiGianCon, "Thời gian làm bài còn:")
THILAIXE_CHU(kPhutKhongGiay, " phút 00 giây")  // after 25 or 20
THILAIXE_CHU(kPhut, " phút")
THILAIXE_CHU(kPhutCuoi, " phút ")
THILAIXE_CHU(kGiay, " giây")

// Result form
THILAIXE_CHU(kThiLaiXeHang, "Thi lái xe hạng ")
THILAIXE_CHU(kSoCauDung, "Số câu trả lời đúng:")
THILAIXE_CHU(kSoCauSai, "Số câu trả lời sai:")
THILAIXE_CHU(kKetQua, "Kết quả: ")
THILAIXE_CHU(kThoatKQ, "&Thoát")
THILAIXE_CHU(kXemLai, "&Xem lại bài thi")
THILAIXE_CHU(kDat, "Đạt")
THILAIXE_CHU(kKhongDat, "Không đạt")
THILAIXE_CHU(kTieuDeKQ, "Họ tên: ")
THILAIXE_CHU(kTieuDeKQSBD, "   SBD: ")
THILAIXE_CHU(kTieuDeKhongLuu, "Loi khi ghi tep")
THILAIXE_CHU(kKhongLuuDuoc,
             "Không lưu được bài thi này vào tệp %1: %2.\n\n"
             "Các bài thi đã lưu trước đây vẫn còn nguyên, và kết quả bài thi này vẫn được hiển thị. "
             "Hãy kiểm tra rằng ổ đĩa còn chỗ trống, thư mục cho phép ghi và DuLieu.txt là một tệp "
             "thường.")

// Answer reviews
THILAIXE_CHU(kTieuDeDapAn, "Dap an bai thi")
THILAIXE_CHU(kBanDaTraLoi, "Ban da tra loi ")
THILAIXE_CHU(kCauDung, " cau dung")
THILAIXE_CHU(kChuyenToi, "Chuyển tới các câu hỏi:")
THILAIXE_CHU(kVe, "<< &Về")
THILAIXE_CHU(kTiep, "&Tiếp >>")
THILAIXE_CHU(kThoat, "Th&oát")
THILAIXE_CHU(kDong, "Đó&ng")
THILAIXE_CHU(kDapAnCuaChungToi, "Đáp án của chúng tôi: ")
THILAIXE_CHU(kPhuongAnBanTraLoi, "Phương án  bạn trả lời: ")
THILAIXE_CHU(kTieuDeDaThi, "Nhung lan da thi thu")
THILAIXE_CHU(kBanDaTraLoiDung, "Bạn đã trả lời đúng được")
THILAIXE_CHU(kTrenBaMuoi, "/30 câu hỏi")

// Study form
THILAIXE_CHU(kTieuDeHoc, "Hoc ly thuyet 300 cau hoi Luat xe co gioi")
THILAIXE_CHU(kCauHoiSoHoc, "Câu hỏi số:")
THILAIXE_CHU(kCacPhan, "Lý thuyết: Từ câu 1-150  Biển báo: Từ câu 151-250  Sa bàn: Từ câu 251-300")
THILAIXE_CHU(kXemDapAn, "&Xem đáp án")
THILAIXE_CHU(kToiCauHoiSo, "Tới câu hỏi số:")
THILAIXE_CHU(kCacLanDaThi, "&Các lần đã thi")

// In place of a question picture that does not decode.
THILAIXE_CHU(kAnhHong, "ảnh câu hỏi bị hỏng\n(%1)")

// Missing-file message
THILAIXE_CHU(kTieuDeLoiDoc, "Loi khi doc tep")
THILAIXE_CHU(kLoiDocDong1, "Khong co tep du lieu hoac tep du lieu bi hong!")

// Missing question bank at start (names the folder and what it looked for)
THILAIXE_CHU(kTieuDeThieuNganHang, "Thiếu ảnh câu hỏi")
THILAIXE_CHU(kThuMucDuLieu, "Thư mục dữ liệu: ")
THILAIXE_CHU(kKhongThayAnh, "Không tìm thấy %1 trong 300 ảnh câu hỏi (001.jpg … 300.jpg): %2")
THILAIXE_CHU(kKhongChuanBiDuoc,
             "Chưa chuẩn bị xong thư mục này: %1. Hãy giải phóng chỗ trống hoặc kiểm tra quyền ghi; "
             "lần mở sau chương trình sẽ làm tiếp phần còn thiếu.")
THILAIXE_CHU(
    kCachThemAnh,
    "Để dùng ảnh của trung tâm: chép các tệp 001.jpg … 300.jpg vào thư mục trên (giữ nguyên tên tệp), "
    "để tệp DuLieu.txt bên cạnh, rồi mở lại chương trình. "
    "Chọn thư mục khác: thilaixe --data THƯ_MỤC")

// Author strip and information window
THILAIXE_CHU(kTooltipTacGia, "Bam chuot vao day de lien he tac gia")
THILAIXE_CHU(kNguoiViet, "Người viết chương trình:")
THILAIXE_CHU(kTieuDeThongTin, "Thong tin them")
THILAIXE_CHU(kCamOn, "Cảm ơn bạn đã sử dụng phần mềm")
THILAIXE_CHU(kLienHe, "Mọi vấn đề, xin liên hệ với tác giả")
THILAIXE_CHU(kDTCQ, "ĐTCQ:")
THILAIXE_CHU(kDD, "DĐ:      ")

// Practising mistakes, progress and readiness.
THILAIXE_CHU(kOnCauSai, "Ôn câu &sai")
THILAIXE_CHU(kTienBo, "Tiến &bộ")
THILAIXE_CHU(kTraLoiDung, "Đúng! Đáp án là %1.")
THILAIXE_CHU(kTraLoiSai, "Sai. Đáp án đúng là %1.")
THILAIXE_CHU(
    kChuaCoBaiThi,
    "Chưa có bài thi nào được lưu. Hãy thi thử: các câu làm sai hoặc bỏ trống sẽ được đưa vào đây để ôn.")
THILAIXE_CHU(kTieuDeLichSu, "Tệp lịch sử thi")
THILAIXE_CHU(kKhongDocDuocLichSu,
             "Không đọc được tệp lịch sử thi %1: %2.\n\n"
             "Chương trình không thay đổi gì trong tệp đó. Hãy kiểm tra rằng đó là một tệp thường "
             "(không phải liên kết hay thư mục) mà bạn có quyền đọc, rồi mở lại cửa sổ này.")
THILAIXE_CHU(
    kLichSuDaGiu,
    "Tệp lịch sử thi %1 có những dòng không phải bài thi đã lưu (hoặc dòng quá dài). Trước khi ghi bài thi "
    "này, chương trình đã giữ nguyên toàn bộ tệp cũ ở %2; trong %1 chỉ còn các bài thi.")
THILAIXE_CHU(
    kLichSuKhongGiuDuoc,
    "tệp có những dòng không phải bài thi, và không giữ được bản sao của nó ở %1 (%2), nên chưa ghi gì")
THILAIXE_CHU(kLichSuKhongDoc,
             "Không đọc được tệp lịch sử thi, nên chưa tính được. Các câu đã ôn vẫn được giữ.")
// The learner's store (thilaixe.sqlite).
THILAIXE_CHU(kHoSoMacDinh, "Người học")
THILAIXE_CHU(kTieuDeKho, "Dữ liệu học tập")
THILAIXE_CHU(
    kKhongGhiDuocKho,
    "Không ghi được vào %1: %2.\n\nKhông có gì bị mất: những gì vừa làm được giữ trong chương "
    "trình và sẽ được ghi ở lần ghi được sau (chương trình thử lại vài giây một lần, và hỏi bạn trước "
    "khi kết thúc nếu vẫn chưa ghi được). Hãy kiểm tra rằng ổ đĩa còn chỗ trống và thư mục "
    "cho phép ghi.")
THILAIXE_CHU(kKhoWalHong,
             "Nhật ký ghi của %1 (tệp -wal đi kèm) bị hỏng: %2 phần thay đổi đã ghi không đọc lại được, nên "
             "một số bài thi hoặc câu ôn gần đây có thể không hiện ra.")
THILAIXE_CHU(
    kKhoWalDaSao,
    "\n\nBản sao của tệp và nhật ký ghi như trước khi mở được giữ nguyên ở %1 và %2: đừng xoá chúng, "
    "người hỗ trợ có thể khôi phục từ đó.")
THILAIXE_CHU(kKhoWalKhongSao, "\n\nKhông chép được bản sao trước khi mở (ổ đĩa đầy?).")
THILAIXE_CHU(kKhoWalChiDoc, " Tệp và nhật ký ghi không bị thay đổi.")
// Held changes when the program ends.
THILAIXE_CHU(kTieuDeChuaGhi, "Còn dữ liệu chưa ghi")
THILAIXE_CHU(
    kHoiChuaGhi,
    "Chưa ghi được %1 vào %2: %3.\n\nNếu kết thúc bây giờ, những thay đổi này sẽ mất. Bạn có thể thử "
    "ghi lại (chẳng hạn sau khi giải phóng chỗ trên ổ đĩa hoặc đóng cửa sổ khác của chương trình), hoặc "
    "lưu chúng ra một tệp để ghi vào sau bằng lệnh thilaixe --import TỆP.")
THILAIXE_CHU(kNutThuLai, "&Thử ghi lại")
THILAIXE_CHU(kNutLuuRaTep, "&Lưu ra tệp…")
THILAIXE_CHU(kNutKetThucMat, "Kết thúc và &mất các thay đổi này")
THILAIXE_CHU(kChonTepChuaGhi, "Lưu các thay đổi chưa ghi")
THILAIXE_CHU(kTenTepChuaGhi, "thilaixe-chua-ghi-%1.json")
THILAIXE_CHU(
    kDaLuuChuaGhi,
    "Đã lưu %1 vào %2.\n\nKhi ghi được vào dữ liệu học tập, chạy: thilaixe --import \"%2\" --data \"%3\"")
THILAIXE_CHU(kKhongLuuDuocTep,
             "Không lưu được vào %1: %2.\n\nChưa có gì bị mất: các thay đổi vẫn được giữ trong "
             "chương trình. Hãy chọn một nơi khác, hoặc thử ghi lại.")
THILAIXE_CHU(
    kDaLuuVanThu,
    "Đã lưu %1 vào %2.\n\nChương trình vẫn giữ các thay đổi này và tiếp tục thử ghi chúng vào dữ liệu "
    "học tập; tệp đã lưu chỉ được ghi một lần dù nhập nhiều lần: thilaixe --import \"%2\" --data "
    "\"%3\"")
THILAIXE_CHU(kHoiNhieuChoGhi,
             "Đã giữ %1 chưa ghi được vào %2: %3.\n\nKhông có gì bị mất, nhưng chúng chỉ nằm trong chương "
             "trình. Hãy lưu chúng ra một tệp ngay bây giờ.")
THILAIXE_CHU(kNutDeSau, "Để &sau")
THILAIXE_CHU(kKhoKhongDoc, "Không đọc được %1: %2.")
THILAIXE_CHU(kKhoKhongLuu,
             "không dùng được tệp này (%1), nên mọi thứ chỉ được giữ trong lúc chương trình chạy")
THILAIXE_CHU(
    kKhoMatTep,
    "tệp đã bị xoá hoặc bị thay bằng một tệp khác trong lúc chương trình chạy, nên những gì làm từ lúc "
    "đó chưa có trên đĩa")
THILAIXE_CHU(kKhoTrongBoNho,
             "Không dùng được %1: %2.\n\nChương trình vẫn chạy, nhưng những gì bạn ôn và thi lần này "
             "sẽ không được lưu khi đóng chương trình. Tệp đó không bị thay đổi.")
THILAIXE_CHU(kKhoHongDoiCho,
             "Tệp %1 %2, nên chương trình đã chuyển nó sang %3 (không xoá gì) và bắt đầu một tệp mới. "
             "Các bài thi 30 câu trong DuLieu.txt không bị ảnh hưởng.")
THILAIXE_CHU(kOnTapCuHong,
             "Tệp ôn tập cũ %1 không đọc được, nên chưa chuyển được vào dữ liệu học tập. Tệp được giữ "
             "nguyên dưới tên %2.")
THILAIXE_CHU(kDatGanDay, "Đạt %1/%2 lần thi gần nhất")
THILAIXE_CHU(kSaiNhieuNhat, "10 câu sai nhiều nhất (bấm để xem):")
THILAIXE_CHU(kMucSaiNhieu, "Câu %1: sai %2 lần")
// The parts of the 300-question bank (their questions are given beside them).
THILAIXE_CAC_CHU(kCacPhanNganHang, 3, QStringLiteral("Lý thuyết"), QStringLiteral("Biển báo"),
                 QStringLiteral("Sa bàn"))
THILAIXE_CHU(kDiemDat, "Đạt: %1")
THILAIXE_CHU(kTruc, "Số câu đúng của từng lần thi, cũ nhất bên trái")

// Names and announcements for assistive technology (screen readers).
THILAIXE_CHU(kTtCauChuaTraLoi, "Câu %1, chưa trả lời")
THILAIXE_CHU(kTtCauDaChon, "Câu %1, đã chọn %2")
THILAIXE_CHU(kTtCauDung, "Câu %1, đúng")
THILAIXE_CHU(kTtCauSai, "Câu %1, sai")
THILAIXE_CHU(kTtOChon, "Phương án đã chọn ở câu %1")
THILAIXE_CHU(kTtAnh, "Ảnh câu hỏi số %1")
THILAIXE_CHU(kTtAnhHong, "Ảnh câu hỏi số %1 bị hỏng")
THILAIXE_CHU(kTtKhongCoAnh, "Ảnh câu hỏi")
THILAIXE_CHU(kTtHang, "Hạng")
THILAIXE_CHU(kTtKhoa, "Khoá")
THILAIXE_CHU(kTtSoBaoDanh, "Số báo danh")
THILAIXE_CHU(kTtTacGia, "Thông tin tác giả (bấm để xem thêm)")
THILAIXE_CHU(kTtAnhTacGia, "Ảnh tác giả")
THILAIXE_CHU(kTtBieuTuong, "Biểu tượng chương trình")
THILAIXE_CHU(kTtQuaDia, "Quả địa cầu quay (hình trang trí)")
THILAIXE_CHU(kTtConPhut, "Còn %1 phút làm bài")
// Said (not shown) as the classic windows open or start.
THILAIXE_CHU(kTtFormInit, "%1. %2. Đề thi hiện hành 600 câu: Alt+M.")
THILAIXE_CHU(kTtBatDauThi, "Bắt đầu làm bài: %1 câu, còn %2 phút. Phím 1 đến 4 chọn phương án, mũi tên "
                           "chuyển câu, Esc kết thúc bài.")
THILAIXE_CHU(kTtKetQua, "Kết quả: %1. Số câu trả lời đúng: %2, sai: %3.")
THILAIXE_CHU(kTtDiem, "Số câu đúng của từng lần thi, cũ nhất trước: %1.")
THILAIXE_CHU(kTtDiemMot, "%1 (%2)")
THILAIXE_CHU(kTtChuaCoDiem, "Chưa có lần thi nào.")

// The windows of a data bank (the exam in force since June 2025).
THILAIXE_CHU(kDlNutVaoEntry, "&Mở đề thi hiện hành: 600 câu")
THILAIXE_CHU(kDlTtNutVaoEntry,
             "Mở bộ 600 câu dùng để thi từ 01/6/2025: thi thử mọi hạng, học theo chương, câu điểm liệt. Từ "
             "01/3/2027 đề hạng A1, A, B theo cấu trúc mới: chương trình đã có sẵn, theo ngày thi bạn khai.")
// Under that button: what the two buttons above it are, and the change of
// March 2027.
THILAIXE_CHU(kDlDeCuEntry,
             "Học, Thi thử ở trên: bộ đề cũ 300 câu. Đề hiện hành đổi cấu trúc từ 01/3/2027: đã có sẵn.")
THILAIXE_CHU(kDlKhongThayNganHang,
             "Không tìm thấy ngân hàng câu hỏi 600 câu (bank.json). Hãy chạy chương trình với "
             "--bank TỆP, hoặc đặt tệp vào thư mục bank-2025 trong thư mục làm việc.")
THILAIXE_CHU(kDlTieuDeLoiNganHang, "Ngân hàng câu hỏi")
THILAIXE_CHU(kDlLoiNganHang, "Không dùng được ngân hàng %1:\n\n%2")
THILAIXE_CHU(
    kDlQuyTacDaHet,
    "Bộ quy tắc ra đề %1 đã hết hiệu lực sau ngày %2 và chưa có bộ nào thay thế, nên chưa thi thử được. "
    "Trường hoặc trung tâm hãy đặt tệp quy tắc mới vào thư mục %3.")
THILAIXE_CHU(
    kDlQuyTacChuaBatDau,
    "Bộ quy tắc ra đề %1 chỉ có hiệu lực từ ngày %2, nên chưa thi thử được. Trường hoặc trung tâm hãy đặt "
    "tệp quy tắc đang có hiệu lực vào thư mục %3.")
// What a coming change of rule set means for a learner, under the rule's
// line (a learner's exam day under the next set needs none).
THILAIXE_CHU(kDlDoiQuyTacHang, "Từ %1, đề hạng %2 đổi: %3 câu, %4 phút, đạt từ %5 câu%6.")
THILAIXE_CHU(kDlDoiQuyTacKhongHang,
             "Từ %1, đề thi đổi cấu trúc; hạng %2 chưa có con số công bố nên vẫn theo đề hiện hành.")
THILAIXE_CHU(kDlDoiQuyTacCoSan,
             "Chương trình đã có sẵn cấu trúc mới: khai ngày thi từ %1 trở đi để ôn theo nó.")
THILAIXE_CHU(kDlDoiQuyTacNgayThi, "Ngày thi của bạn (%1) vẫn theo đề hiện hành.")
THILAIXE_CHU(
    kDlChuaCoQuyTacSau,
    "Đề thi hiện hành áp dụng đến hết %1; cấu trúc sau đó chưa có trong chương trình, hãy hỏi trường "
    "của bạn.")
THILAIXE_CHU(kDlChoTruong, "\n\nCho trường hoặc trung tâm: %1")
THILAIXE_CHU(kDlLoiTepQuyTac, "⚠ Tệp quy tắc bị bỏ qua vì có lỗi: %1")
THILAIXE_CHU(kDlDungThay, "Đang dùng thay: %1 (%2).")
THILAIXE_CHU(kDlCaiSan, "có sẵn trong chương trình")
THILAIXE_CHU(kDlTieuDeNha, "%1 – thilaixe")
THILAIXE_CHU(kDlPhienBanNguon, "%1 câu, %2 câu điểm liệt\nNguồn: %3")
THILAIXE_CHU(kDlPhienBanDuLieu, "Phiên bản dữ liệu: %1")
THILAIXE_CHU(kDlQuyTac, "Quy tắc ra đề: %1")
THILAIXE_CHU(kDlQuyTacTuNgay, "Quy tắc ra đề: %1 (áp dụng từ %2)")
THILAIXE_CHU(kDlNguoiHoc, "&Người học:")
THILAIXE_CHU(kDlThemNguoiHoc, "Thêm ngườ&i học…")
THILAIXE_CHU(kDlTenNguoiHoc, "Tên người học mới:")
THILAIXE_CHU(kDlNutThem, "Thêm")
THILAIXE_CHU(kDlNutHuy, "Huỷ")
THILAIXE_CHU(kDlHang, "&Hạng:")
THILAIXE_CHU(kDlMotDongQuyTac, "%1 câu, %2 phút, đạt từ %3 câu, có %4 câu điểm liệt")
THILAIXE_CHU(kDlMotDongKhongLiet, "%1 câu, %2 phút, đạt từ %3 câu, không có câu điểm liệt")
THILAIXE_CHU(kDlKhongRutDuoc, "Ngân hàng này không ra được đề hạng %1: %2")
THILAIXE_CHU(kDlThiThu, "&Thi thử")
THILAIXE_CHU(kDlHocTheoChuong, "Học theo &chương")
THILAIXE_CHU(kDlCauDiemLiet, "Câu điểm &liệt")
THILAIXE_CHU(kDlOnCauSai, "Ôn câu &sai")
THILAIXE_CHU(kDlTimCauHoi, "Tì&m câu hỏi")
THILAIXE_CHU(kDlTienBo, "Tiến &bộ")
THILAIXE_CHU(kDlDaVung, "Câu điểm liệt: đã vững %1/%2")
THILAIXE_CHU(kDlConCauSai, "Câu sai cần ôn: %1")
THILAIXE_CHU(kDlGiaoDien, "&Giao diện:")
THILAIXE_CAC_CHU(kDlCacGiaoDien, 4, QStringLiteral("Theo hệ thống"), QStringLiteral("Sáng"),
                 QStringLiteral("Tối"), QStringLiteral("Tương phản cao"))
THILAIXE_CHU(kDlAmBao, "Âm báo &khi sắp hết giờ")
THILAIXE_CHU(kDlDaoPhuongAn, "Đảo thứ tự &phương án khi ôn")

THILAIXE_CHU(kDlPhongToGoiY, "Nhấp đúp hoặc bấm Z để phóng to")
THILAIXE_CHU(kDlAnhHong, "ảnh câu hỏi bị hỏng\n(%1)")
THILAIXE_CHU(kDlDong, "Đó&ng")
THILAIXE_CHU(kDlDiemLiet, "CÂU ĐIỂM LIỆT")
THILAIXE_CHU(kDlNoiDungTrongAnh, "(Nội dung câu hỏi nằm trong ảnh.)")
THILAIXE_CHU(kDlTtAnh, "Ảnh của câu hỏi số %1")
THILAIXE_CHU(kDlPhuongAnTrongAnh, "Phương án %1 (trong ảnh)")
THILAIXE_CHU(kDlDapAnDung, "đáp án đúng")
THILAIXE_CHU(kDlBanChon, "bạn chọn")
THILAIXE_CHU(kDlDaChon, "đã chọn")
THILAIXE_CHU(kDlChuaChon, "Chưa trả lời.")
THILAIXE_CHU(kDlChonDung, "Đúng.")
THILAIXE_CHU(kDlChonSai, "Sai.")
THILAIXE_CHU(kDlDapAnLa, "Đáp án đúng là %1.")
THILAIXE_CHU(kDlBanChonLa, "Bạn chọn %1.")
THILAIXE_CHU(kDlGiaiThich, "Giải thích: ")

THILAIXE_CHU(kDlTieuDeThi, "Thi thử hạng %1 – %2")
THILAIXE_CHU(kDlConLai, "Còn %1:%2")
THILAIXE_CHU(kDlTtConLai, "Thời gian còn lại: %1 phút %2 giây")
THILAIXE_CHU(kDlCon5Phut, "⚠ Còn 5 phút.")
THILAIXE_CHU(kDlCon1Phut, "⚠ Còn 1 phút!")
THILAIXE_CHU(kDlTieuDeCau, "Câu %1/%2 – câu hỏi số %3")
THILAIXE_CHU(kDlTtO, "Câu %1: %2")
THILAIXE_CHU(kDlODaLam, "đã trả lời")
THILAIXE_CHU(kDlOChuaLam, "chưa trả lời")
THILAIXE_CHU(kDlODung, "đúng")
THILAIXE_CHU(kDlOSai, "sai")
THILAIXE_CHU(kDlOBoTrong, "bỏ trống")
THILAIXE_CHU(kDlODangXem, "đang xem")
THILAIXE_CHU(kDlCauTruoc, "< Câu &trước")
THILAIXE_CHU(kDlCauSau, "Câu &sau >")
THILAIXE_CHU(kDlNopBai, "&Nộp bài")
THILAIXE_CHU(kDlHoiNopConTrong, "Nộp bài? Còn %1 câu chưa trả lời: %2.")
THILAIXE_CHU(kDlHoiNopDuCau, "Nộp bài? Bạn đã trả lời cả %1 câu.")
THILAIXE_CHU(kDlLamTiep, "&Làm tiếp")
THILAIXE_CHU(kDlDanhDau, "⚑ Đánh &dấu")
THILAIXE_CHU(kDlDanhDauGoiY, "Đánh dấu câu này để xem lại trước khi nộp (phím F)")
THILAIXE_CHU(kDlODanhDau, "đã đánh dấu")
THILAIXE_CHU(kDlHoiNopDanhDau, "Còn %1 câu đã đánh dấu ⚑: %2.")
THILAIXE_CHU(kDlBoBai, "Bỏ &bài")
THILAIXE_CHU(kDlTieuDeBoBai, "Bỏ bài thi")
THILAIXE_CHU(kDlHoiBoBai,
             "Bỏ bài thi này? Bài bỏ không được chấm, không được lưu và không tính vào tiến bộ hay "
             "khả năng đạt.")
THILAIXE_CHU(kDlNutLamTiep, "Làm tiếp")
THILAIXE_CHU(kDlNutBoBai, "Bỏ bài")
THILAIXE_CHU(kDlDat, "✓ ĐẠT")
THILAIXE_CHU(kDlKhongDat, "✗ KHÔNG ĐẠT")
THILAIXE_CHU(kDlSoCau, "Đúng %1 · Sai %2 · Bỏ trống %3 (trên %4 câu)")
THILAIXE_CHU(kDlCanDeDat, "Cần ít nhất %1 câu đúng và không sai câu điểm liệt nào.")
THILAIXE_CHU(kDlLoaiVi, "Bài bị loại vì câu điểm liệt: %1.")
THILAIXE_CHU(kDlMotCauLiet, "câu %1 của đề (câu hỏi số %2)")
THILAIXE_CHU(kDlHetGio, "Hết giờ: bài đã được nộp tự động.")
THILAIXE_CHU(kDlDaLuu, "Bài thi đã được lưu.")
THILAIXE_CHU(kDlBaiDangGiu,
             "Bài thi chưa ghi được nên đang được giữ lại; nó sẽ được ghi khi có thể, không mất gì.")
THILAIXE_CHU(kDlThiLai, "Thi &lại")
THILAIXE_CHU(kDlXemLai, "&Xem lại bài")
THILAIXE_CHU(kDlVeNha, "&Về trang chính")
THILAIXE_CHU(kDlVeKetQua, "Về &kết quả")
THILAIXE_CHU(kDlTieuDeXemLai, "Xem lại – hạng %1")

THILAIXE_CHU(kDlTieuDeHoc, "Học theo chương – %1")
THILAIXE_CHU(kDlTieuDeHocCau, "Học theo chương – %1 – Câu %2")
THILAIXE_CHU(kDlChuong, "&Chương:")
THILAIXE_CHU(kDlCaNganHang, "Cả ngân hàng (%1 câu)")
THILAIXE_CHU(kDlMotChuong, "Chương %1: %2 (câu %3–%4)")
THILAIXE_CHU(kDlDaoThuTu, "Đảo thứ &tự")
THILAIXE_CHU(kDlXemDapAn, "&Xem đáp án")
THILAIXE_CHU(kDlTieuDeCauHoc, "%1/%2 – câu hỏi số %3")

THILAIXE_CHU(kDlTieuDeOnSai, "Ôn câu sai – %1")
THILAIXE_CHU(kDlTieuDeOnLiet, "Câu điểm liệt – %1")
THILAIXE_CHU(kDlConOn, "Còn %1 câu")
THILAIXE_CHU(kDlCauTiep, "Câu &tiếp >")
THILAIXE_CHU(kDlKhongConSai,
             "Không còn câu sai nào cần ôn. Câu nào làm sai ở lần thi sau sẽ được đưa vào đây.")
THILAIXE_CHU(
    kDlChuaCoBai,
    "Chưa có bài thi nào của ngân hàng này. Hãy thi thử: các câu làm sai hoặc bỏ trống sẽ được đưa vào đây.")
THILAIXE_CHU(kDlDaVungHet,
             "Bạn đã vững tất cả %1 câu điểm liệt của hạng này (mỗi câu đúng ở ít nhất 2 ngày khác nhau).")
THILAIXE_CHU(kDlDungRoiDS, "Câu này đã rời danh sách.")
THILAIXE_CHU(kDlDungLienTiep, "Đúng liên tiếp %1/%2.")
THILAIXE_CHU(kDlNgayDung, "Đã đúng %1 trong %2 ngày cần thiết.")

THILAIXE_CHU(kDlTieuDeTim, "Tìm câu hỏi – %1")
THILAIXE_CHU(kDlTim, "&Tìm (có dấu hay không dấu):")
THILAIXE_CHU(kDlXoaTim, "Xoá ô tìm")
THILAIXE_CHU(kDlKetQuaTim, "Tìm thấy %1 câu")
THILAIXE_CHU(kDlTtDsTim, "Câu hỏi tìm thấy")
THILAIXE_CHU(kDlTtBaiThi, "Bài thi")
THILAIXE_CHU(kDlKhongTimThay, "Không tìm thấy câu nào")
THILAIXE_CHU(kDlMucTim, "Câu %1: %2")

THILAIXE_CHU(kDlTieuDeTienBo, "Tiến bộ – hạng %1")
THILAIXE_CHU(kDlKhaNangDat, "Khả năng đạt ở lần thi tới: %1%")
THILAIXE_CHU(kDlKhaNangLiet, "Khả năng bị loại vì câu điểm liệt: %1%")
THILAIXE_CHU(kDlNoiTinCay, " — ")
THILAIXE_CAC_CHU(
    kDlDoTinCay, 3,
    QStringLiteral("còn ít dữ liệu (%1 bài thi, %2 câu trả lời): con số mới là phỏng đoán, làm "
                   "thêm bài thi thử để biết rõ hơn"),
    QStringLiteral("tương đối tin được (%1 bài thi, %2 câu trả lời), sẽ chắc hơn khi bạn làm thêm"),
    QStringLiteral("khá chắc (%1 bài thi, %2 câu trả lời)"))
THILAIXE_CHU(kDlChiTietDuBao, "&Chi tiết: dự đoán đã khớp đến đâu")
THILAIXE_CHU(kDlYNghiaDiem, "Các điểm số dưới đây đo những dự đoán trước đây khớp với bài bạn đã làm đến "
                            "đâu: càng nhỏ, càng gần 0, là dự đoán càng đúng.")
THILAIXE_CHU(kDlDuaTren, "Dựa trên %1 bài thi hạng %2 và các câu đã ôn.")
THILAIXE_CHU(kDlChuaCoBaiHang, "Chưa có bài thi hạng %1: hãy thi thử ít nhất một lần.")
THILAIXE_CHU(kDlBrier,
             "Dự đoán đúng đến đâu: qua %1 bài thi làm sau một lần dự đoán, độ lệch là %2 (0 là đúng hoàn "
             "toàn, 0,25 là như đoán mò). Trung bình dự đoán đạt %3%, thực tế đạt %4%.")
THILAIXE_CHU(kDlBrierChuaDu,
             "Dự đoán đúng đến đâu: cần ít nhất 5 bài thi làm sau một lần dự đoán để biết (mới có %1).")
THILAIXE_CHU(kDlKhaNangNgayThi, "Khả năng đạt vào ngày thi %1, theo trí nhớ từng câu: %2%")
THILAIXE_CHU(kDlKhaNangNhoHomNay, "Khả năng đạt nếu thi hôm nay, theo trí nhớ từng câu: %1%")
THILAIXE_CHU(kDlSoSanhChuaDu,
             "Hai cách ước lượng (theo tỉ lệ trả lời đúng, theo trí nhớ từng câu) được so khi có ít nhất "
             "50 câu trả lời (mới có %1); đến lúc đó số trên theo tỉ lệ trả lời đúng.")
THILAIXE_CHU(kDlSoSanh,
             "Qua %1 câu trả lời của bạn, mỗi câu được đoán trước khi trả lời. Theo tỉ lệ trả lời đúng: "
             "log loss %2, Brier %3. Theo trí nhớ từng câu: log loss %4, Brier %5 (càng nhỏ càng đúng). "
             "Số trên theo cách đoán đúng hơn: %6.")
THILAIXE_CHU(kDlCachTiLe, "tỉ lệ trả lời đúng")
THILAIXE_CHU(kDlCachTriNho, "trí nhớ từng câu")
THILAIXE_CHU(kDlDoPhu, "Đã gặp theo chương (trong bài thi hoặc khi ôn):")
THILAIXE_CHU(kDlDungGanDay, "đúng %1% (%2 câu gần nhất)")
THILAIXE_CHU(kDlDungGanDayChua, "chưa trả lời")
THILAIXE_CHU(kDlTtDoPhu, "Chương %1: đã gặp %2 trên %3 câu")
THILAIXE_CHU(kDlTtDungGanDay, "Chương %1: %2")

// Faults in a bank or rule file, each said in Vietnamese and then in English
// (a school's tools may read either). Where a fault lies:
THILAIXE_CHU(kTepViTriCau, "câu %1 (questions[%2].%3)")
THILAIXE_CHU(kTepViTriTep, "tệp")
THILAIXE_CHU(kTepViTriByte, "byte %1")
THILAIXE_CHU(kTepViTriSoCau, "câu %1")
THILAIXE_CHU(kTepViTriChuong, "chương %1")
THILAIXE_CHU(kTepViTriAnh, "câu %1 (%2)")

// What the fault is:
THILAIXE_CHU(kTepDangMoiHon,
             "tệp theo định dạng mới hơn (%1) mà chương trình này chưa đọc được; hãy cập nhật chương trình")
THILAIXE_CHU(kTepDangMoiHonEn, "a later format (%1) than this program reads; update the program")
THILAIXE_CHU(kTepKhongPhaiDang, "không phải \"%1\"")
THILAIXE_CHU(kTepKhongPhaiDangEn, "not \"%1\"")
THILAIXE_CHU(kTepThieu, "thiếu")
THILAIXE_CHU(kTepThieuEn, "missing")
THILAIXE_CHU(kTepPhaiLaChuoi, "phải là chuỗi chữ")
THILAIXE_CHU(kTepPhaiLaChuoiEn, "must be a string")
THILAIXE_CHU(kTepTrong, "trống")
THILAIXE_CHU(kTepTrongEn, "empty")
THILAIXE_CHU(kTepDaiQua, "dài quá %1 ký tự")
THILAIXE_CHU(kTepDaiQuaEn, "longer than %1 characters")
THILAIXE_CHU(kTepKyTuCam, "có ký tự điều khiển hoặc đảo chiều chữ %1, không được phép")
THILAIXE_CHU(kTepKyTuCamEn, "holds control or bidirectional override character %1, not allowed")
THILAIXE_CHU(kTepSoNguyen, "phải là số nguyên từ %1 đến %2")
THILAIXE_CHU(kTepSoNguyenEn, "must be a whole number from %1 to %2")
THILAIXE_CHU(kTepLonQua, "lớn quá %1 MB")
THILAIXE_CHU(kTepLonQuaEn, "larger than %1 MB")
THILAIXE_CHU(kTepKhongPhaiDoiTuong, "not an object")
THILAIXE_CHU(kTepJsonHong, "không phải JSON hợp lệ (%1)")
THILAIXE_CHU(kTepJsonHongEn, "not valid JSON (%1)")
THILAIXE_CHU(kTepSoCau, "phải có từ 1 đến %1 câu")
THILAIXE_CHU(kTepSoCauEn, "must hold 1 to %1 questions")
THILAIXE_CHU(kTepSoChuong, "phải có từ 1 đến 100 chương")
THILAIXE_CHU(kTepSoChuongEn, "must hold 1 to 100 chapters")
THILAIXE_CHU(kTepDauSauCuoi, "câu đầu lớn hơn câu cuối")
THILAIXE_CHU(kTepDauSauCuoiEn, "first is after last")
THILAIXE_CHU(kTepChuongHaiLan, "chương %1 có hai lần")
THILAIXE_CHU(kTepChuongHaiLanEn, "chapter %1 given twice")
THILAIXE_CHU(kTepTrungKhoang, "trùng khoảng câu với chương %1")
THILAIXE_CHU(kTepTrungKhoangEn, "overlaps chapter %1")
THILAIXE_CHU(kTepSoLienNhau, "số %1 đứng ở chỗ câu %2: các câu phải đánh số 1..N liền nhau")
THILAIXE_CHU(kTepSoLienNhauEn, "number %1 stands where %2 should: questions run 1..N without gaps")
THILAIXE_CHU(kTepSoPhuongAn, "phải có từ 2 đến 4 phương án")
THILAIXE_CHU(kTepSoPhuongAnEn, "must hold 2 to 4 options")
THILAIXE_CHU(kTepPhuongAnChu, "phương án phải là chữ, không trống, không dài quá %1 ký tự")
THILAIXE_CHU(kTepPhuongAnChuEn, "an option must be non-empty text of at most %1 characters")
THILAIXE_CHU(kTepCanAnh, "câu không có phương án bằng chữ thì phải có ảnh")
THILAIXE_CHU(kTepCanAnhEn, "a question without text options needs a picture")
THILAIXE_CHU(kTepDungSai, "phải là true hoặc false")
THILAIXE_CHU(kTepDungSaiEn, "must be true or false")
THILAIXE_CHU(kTepAnhTrongThuMuc, "đường dẫn ảnh phải nằm trong thư mục của tệp ngân hàng")
THILAIXE_CHU(kTepAnhTrongThuMucEn, "the picture's path must stay inside the bank's folder")
THILAIXE_CHU(kTepDanhSachHang, "phải là danh sách hạng")
THILAIXE_CHU(kTepDanhSachHangEn, "must be a list of classes")
THILAIXE_CHU(kTepTenHang, "tên hạng không hợp lệ")
THILAIXE_CHU(kTepTenHangEn, "not a class name")
THILAIXE_CHU(kTepNgoaiChuong, "không thuộc chương nào")
THILAIXE_CHU(kTepNgoaiChuongEn, "lies in no chapter")
THILAIXE_CHU(kTepChuongQuaCuoi, "kéo đến câu %1, ngân hàng chỉ có %2 câu")
THILAIXE_CHU(kTepChuongQuaCuoiEn, "runs to question %1, the bank has %2")
THILAIXE_CHU(kTepKhongMoDuoc, "không mở được: %1")
THILAIXE_CHU(kTepKhongCoEn, "cannot be opened: no such file")
THILAIXE_CHU(kTepKhongMoDuocEn, "cannot be opened: not a regular file that can be read")
THILAIXE_CHU(kTepKhongDocDuocEn, "not a regular file that can be read")
THILAIXE_CHU(kTepKhongCoAnh, "không có tệp ảnh")
THILAIXE_CHU(kTepKhongCoAnhEn, "no such picture")
THILAIXE_CHU(kTepAnhNgoai, "ảnh nằm ngoài thư mục ngân hàng")
THILAIXE_CHU(kTepAnhNgoaiEn, "the picture lies outside the bank's folder")
THILAIXE_CHU(kTepKhongPhaiTepThuongEn, "not a regular file")
THILAIXE_CHU(kTepAnhLonQua, "ảnh %1×%2 điểm, lớn quá %3 triệu điểm ảnh")
THILAIXE_CHU(kTepAnhLonQuaEn, "a %1x%2 picture, over %3 million pixels")
THILAIXE_CHU(kTepAnhHong, "tệp ảnh hỏng, không đọc được")
THILAIXE_CHU(kTepAnhHongEn, "the picture does not decode")
THILAIXE_CHU(kTepNgayTu, "phải là ngày dạng YYYY-MM-DD")
THILAIXE_CHU(kTepNgayTuEn, "must be a date, YYYY-MM-DD")
THILAIXE_CHU(kTepNgayDen, "phải là null hoặc một ngày YYYY-MM-DD không trước valid_from")
THILAIXE_CHU(kTepNgayDenEn, "must be null or a date YYYY-MM-DD not before valid_from")
THILAIXE_CHU(kTepSoHang, "phải có từ 1 đến 100 hạng")
THILAIXE_CHU(kTepSoHangEn, "must hold 1 to 100 classes")
THILAIXE_CHU(kTepTenChuong, "tên chương phải là số")
THILAIXE_CHU(kTepTenChuongEn, "a chapter is named by its number")
THILAIXE_CHU(kTepTongChuong, "số câu theo chương cộng câu điểm liệt là %1, khác %2 câu của đề")
THILAIXE_CHU(kTepTongChuongEn, "chapter quotas and critical questions add up to %1, not the paper's %2")
THILAIXE_CHU(kTepHangHaiLan, "hạng %1 có hai lần")
THILAIXE_CHU(kTepHangHaiLanEn, "class %1 given twice")

// Why a rule set cannot draw a class's paper from a bank
THILAIXE_CHU(kRutNhomCanDu, "đề theo nhóm cần ngân hàng %1 câu")
THILAIXE_CHU(kRutThieuDiemLiet, "cần %1 câu điểm liệt, nhóm %2 chỉ có %3")
THILAIXE_CHU(kRutCaNganHang, "cả ngân hàng")
THILAIXE_CHU(kRutThieuChuong, "chương %1 cần %2 câu, nhóm %3 chỉ có %4")

// Choosing among rule sets
THILAIXE_CHU(kDlNgayThi, "Ngà&y thi:")
THILAIXE_CHU(kDlTtNgayThi, "Ngày thi")
THILAIXE_CHU(kDlHoiNgayThi, "Ngày bạn thi lý thuyết (chương trình theo đó ra đề và lập kế hoạch ôn):")
THILAIXE_CHU(kDlNutDatNgay, "Đặt ngày")
THILAIXE_CHU(kDlDongNgayThi, "Ngày thi %1: đề %2 câu, %3 phút, đạt từ %4%5")
THILAIXE_CHU(kDlNgayThiDaQua, "Ngày thi %1 đã qua: đề theo quy tắc hôm nay.")
THILAIXE_CHU(kDlTieuDeHomNay, "Hôm nay – %1")
THILAIXE_CHU(kDlHomNayXong,
             "Xong phần của hôm nay. Các câu sẽ quay lại đúng lúc bạn sắp quên chúng; ngày mai mở lại "
             "\u201cHôm nay\u201d nhé.")
THILAIXE_CHU(kDlHomNay, "Hôm n&ay")
THILAIXE_CHU(kDlDongHomNay, "Hôm nay: %1 câu đến hạn, %2 câu mới; còn %3/%4 câu chưa gặp.")
THILAIXE_CHU(kDlNhoNgayThi, " Nếu dừng học từ hôm nay, vào ngày thi bạn nhớ khoảng %1% bộ câu.")
THILAIXE_CHU(kDlChamTienDo, "⚠ Chưa kịp: để gặp đủ %1 câu trước ngày thi một tuần, mỗi ngày cần khoảng %2 "
                            "%3, giới hạn của bạn là %4.")
THILAIXE_CHU(kDlKhongKip, "⚠ Không còn đủ ngày để gặp hết: còn %1/%2 câu chưa gặp. Hãy ôn câu điểm liệt "
                          "trước, rồi câu bạn hay sai.")
THILAIXE_CHU(kDlNangGioiHan, "Nâng lên %1 %2 mỗi ngày")
THILAIXE_CHU(kDlSanSangNgayThi, "Khả năng đạt vào ngày thi: %1%")
THILAIXE_CHU(kDlGioiHan, "Tối đa mỗi ngày:")
THILAIXE_CHU(kDlDuKien, "Dự kiến, chưa chính thức: %1")
THILAIXE_CHU(kDlBaiDaLam, "Bài đã nộp lúc %1.")
THILAIXE_CHU(kDlXemBaiDaThi, "&Xem bài đã thi")
THILAIXE_CHU(kDlTieuDeBaiDaLam, "Các bài đã làm – %1")
THILAIXE_CHU(kDlTtBaiDaLam, "Các bài đã làm")
THILAIXE_CAC_CHU(kDlCotBaiDaLam, 5, QStringLiteral("Ngày"), QStringLiteral("Hạng"), QStringLiteral("Loại"),
                 QStringLiteral("Điểm"), QStringLiteral("Kết quả"))
THILAIXE_CHU(kDlLoaiDeThi, "Đề thi")
THILAIXE_CHU(kDlTtMotBai, "%1 (bài %2 trên %3; Enter để xem lại)")
THILAIXE_CHU(kDlLoaiBaiNgan, "Bài ngắn")
THILAIXE_CHU(kDlDiemBai, "%1/%2")
THILAIXE_CHU(kDlDatNgan, "✓ Đạt")
THILAIXE_CHU(kDlKhongDatNgan, "✗ Không đạt")
THILAIXE_CHU(kDlChuaCoBaiDaLam, "Chưa có bài nào được lưu.")
THILAIXE_CHU(kDlSoBaiDaLam, "%1 bài, mới nhất trên cùng. Enter hoặc nhấp đúp để xem lại một bài:")
THILAIXE_CHU(kDlBaiDaLamMatCau,
             "Không mở được bài này: ngân hàng hiện nay không còn một số câu của nó (ngân hàng đã thay đổi).")
THILAIXE_CHU(kDlKiemTraNgan, "Kiểm t&ra ngắn")
THILAIXE_CHU(kDlNganChuong, "Chương %1: %2")
THILAIXE_CHU(kDlNganCauSai, "Câu sai của tôi (%1 câu)")
THILAIXE_CHU(kDlNganDaLuu, "Câu đã lưu (%1 câu)")
THILAIXE_CHU(kDlNganKhongCo, "Không có câu nào để làm bài ngắn từ đây.")
THILAIXE_CHU(kDlTieuDeKiemTra, "Kiểm tra kết thúc môn – hạng %1")
THILAIXE_CHU(kDlTieuDeBaiNgan, "Bài ngắn – hạng %1 – %2")
THILAIXE_CHU(
    kDlBaiNganKhongTinh,
    "Bài ngắn %1 câu, %2 phút %3 giây, đạt từ %4 câu: không tính vào điểm, biểu đồ hay khả năng đạt.")
THILAIXE_CHU(kDlCauDaLuu, "Câu đã lư&u")
THILAIXE_CHU(kDlTieuDeDaLuu, "Câu đã lưu – %1")
THILAIXE_CHU(kDlDaLuuXong, "Đã ôn hết các câu đã lưu. Mở lại \u201cCâu đã lưu\u201d để ôn thêm một lượt.")
THILAIXE_CHU(kDlLuuCau, "☆ Lưu câu")
THILAIXE_CHU(kDlBoLuuCau, "★ Đã lưu")
THILAIXE_CHU(kDlTtLuuCau, "Lưu câu này để ôn lại (phím S)")
THILAIXE_CHU(kDlDaLuuCau, "Đã lưu câu %1.")
THILAIXE_CHU(kDlDaBoLuuCau, "Đã bỏ lưu câu %1.")
THILAIXE_CHU(
    kDlChuaLuuCau,
    "Chưa lưu câu nào. Trong Học theo chương, Tìm câu hỏi hay khi xem lại bài, nhấn \u201c☆ Lưu câu\u201d "
    "(phím S) để lưu một câu.")
THILAIXE_CAC_CHU(kDlDonViGioiHan, 2, QStringLiteral("câu"), QStringLiteral("phút"))
THILAIXE_CHU(kDlTtDonViGioiHan, "Đơn vị của giới hạn mỗi ngày")
THILAIXE_CHU(kDlBaiDaLamPhienBan,
             "Bài làm với ngân hàng phiên bản %1; ngân hàng nay là phiên bản %2, nội dung câu hỏi có thể đã "
             "được sửa (điểm vẫn như lúc chấm).")
THILAIXE_CHU(kDlDuKienNgan, "(dự kiến)")
THILAIXE_CHU(kDlDeDuKien, "Đề theo cấu trúc dự kiến, chưa chính thức: %1")
THILAIXE_CHU(kCliDuKien, "  Dự kiến, chưa chính thức (provisional): %1")
THILAIXE_CHU(kQuyTacHangMuon,
             "Hạng %1 chưa có trong \u201c%2\u201d: đề và ôn theo \u201c%3\u201d (áp dụng đến %4), "
             "bộ gần nhất có hạng này.")
THILAIXE_CHU(kTepCanCu, "phải là một đối tượng có document (và article nếu có)")
THILAIXE_CHU(kTepCanCuEn, "must be an object with document (and article, when known)")
THILAIXE_CHU(kDlMeo, "Mẹo: ")
THILAIXE_CHU(kDlCanCu, "Căn cứ: ")
THILAIXE_CHU(kCliMeoCanCu, "Mẹo: %1 câu; căn cứ pháp lý: %2 câu")
THILAIXE_CHU(kTepTrangThai, "phải là official hoặc provisional")
THILAIXE_CHU(kTepTrangThaiEn, "must be official or provisional")
THILAIXE_CHU(kQuyTacSapHet,
             "Bộ quy tắc %1 hết hiệu lực sau ngày %2 (còn %3 ngày): hãy cập nhật bộ quy tắc mới.")
THILAIXE_CHU(kQuyTacTiepTheo, "Từ %1 áp dụng \u201c%2\u201d%3.")
THILAIXE_CHU(kQuyTacTrungId,
             "Hai tệp cùng mang bộ quy tắc \"%1\": %2 và %3; dùng %2. / Two files hold rule set "
             "\"%1\"; the first by name is used.")
THILAIXE_CHU(kQuyTacCungNgay,
             "Các bộ quy tắc cùng bắt đầu ngày %1: %2 (%3) và %4; dùng %2 (tệp đứng trước theo tên). / "
             "Rule sets start on the same day; the first file by name is used.")
THILAIXE_CHU(kCoDienTieuDeNganHang, "300 câu hỏi (đề 30 câu)")
THILAIXE_CHU(kCoDienTieuDeQuyTac, "Đề 30 câu theo 30 nhóm")

// Why a file could not be used (the operating system's reasons, in words)
THILAIXE_CHU(kHtLienKet, "là một liên kết (symlink), không phải tệp thường")
THILAIXE_CHU(kHtThuMuc, "là một thư mục, không phải tệp")
THILAIXE_CHU(kHtFifo, "là một ống dẫn (FIFO), không phải tệp thường")
THILAIXE_CHU(kHtThietBi, "là một thiết bị, không phải tệp thường")
THILAIXE_CHU(kHtSocket, "là một socket, không phải tệp thường")
THILAIXE_CHU(kHtTepDacBiet, "là một tệp đặc biệt, không phải tệp thường")
THILAIXE_CHU(kHtKhongCo, "không có tệp hay thư mục này")
THILAIXE_CHU(kHtKhongCoQuyen, "không có quyền truy cập")
THILAIXE_CHU(kHtChiDocThuMuc, "thư mục chỉ cho đọc, không ghi được vào đó")
THILAIXE_CHU(kHtDiaDay, "ổ đĩa đã đầy")
THILAIXE_CHU(kHtLoiDia, "lỗi đọc ghi của ổ đĩa")
THILAIXE_CHU(kHtKhongPhaiThuMuc, "một phần của đường dẫn không phải là thư mục")
THILAIXE_CHU(kHtTenQuaDai, "tên tệp quá dài")
THILAIXE_CHU(kHtQuaNhieuTep, "đang mở quá nhiều tệp")
THILAIXE_CHU(kHtLoiSo, "lỗi hệ thống số %1 (%2)")
THILAIXE_CHU(kHtKhongTaoKhoa, "không tạo được tệp khoá %1.lock: %2")
THILAIXE_CHU(kHtKhongKhoa, "không khoá được tệp %1.lock: %2")
THILAIXE_CHU(kKhongGhiTep, "không ghi được %1: %2 (tệp cũ, nếu có, vẫn giữ nguyên)")
THILAIXE_CHU(kHtBanKhacGhi, "tệp đang được một bản khác của chương trình ghi (đã chờ 15 giây)")

// The learner's store
THILAIXE_CHU(kKhoTenTrong, "tên trống")
THILAIXE_CHU(kKhoChiDoc, "chỉ đọc")
THILAIXE_CHU(kKhoChoBaiThi, "%1 bài thi")
THILAIXE_CHU(kKhoChoCauOn, "%1 câu trả lời khi ôn")
THILAIXE_CHU(kKhoChoDiemLiet, "%1 ngày đúng câu điểm liệt")
THILAIXE_CHU(kKhoChoTraLoi, "%1 lượt trả lời để tính trí nhớ từng câu")
THILAIXE_CHU(kKhoChoCaiDat, "%1 cài đặt")
// Changes and the file of held changes (the command line says them in both
// languages).
THILAIXE_CHU(kTdKhongPhaiTep,
             "không phải tệp các thay đổi chưa ghi của chương trình (\"%1\") / not a file of held changes")
THILAIXE_CHU(kTdQuaLon, "tệp lớn quá %1 MB, không phải tệp chương trình lưu / larger than %1 MB: not a file "
                        "the program saved")
THILAIXE_CHU(kTdDaSua,
             "tệp đã bị sửa sau khi lưu (nội dung không khớp tổng kiểm của nó); không ghi gì / the "
             "file was edited after it was saved (its content does not match its checksum); nothing "
             "written")
THILAIXE_CHU(kTdThayDoiThu, "thay đổi thứ %1: %2")
THILAIXE_CHU(kTdKhongPhaiBai, "không phải một bài thi đọc được / not a readable attempt")
THILAIXE_CHU(kTdKhongDoc, "không đọc được (\"%1\") / not a change this program makes")
THILAIXE_CHU(kTdHoSoLa,
             "dành cho hồ sơ số %1, mà dữ liệu này không có (tệp của một máy hay một dữ liệu khác?) / for "
             "profile %1, which this store does not have")
THILAIXE_CHU(kTdNganHangLa, "của ngân hàng \"%1\", mà ở đây không có (đưa tệp ngân hàng bằng --bank TỆP) / "
                            "of bank \"%1\", which is not at hand (give its file with --bank FILE)")
THILAIXE_CHU(kTdCauLa, "câu %1 không có trong ngân hàng \"%2\" / question %1 is not in bank \"%2\"")
THILAIXE_CHU(kTdTraLoiLa,
             "câu %1 chỉ có %2 phương án, không có phương án %3 / question %1 has %2 options, not %3")
THILAIXE_CHU(kTdHangLa, "hạng %1 không có trong bộ quy tắc %2 / class %1 is not in rule set %2")
THILAIXE_CHU(kKhoChoDaGhi, "tệp này đã được ghi vào dữ liệu từ trước; không ghi lại lần nữa / every change "
                           "of this file was written before; nothing written again")
THILAIXE_CHU(kKhoHong, "tệp bị hỏng")
THILAIXE_CHU(kKhoChuongTrinhKhac, "là tệp dữ liệu của một chương trình khác")
THILAIXE_CHU(kKhoLuocDoMoiHon,
             "do một phiên bản mới hơn của chương trình tạo ra (lược đồ %1); hãy dùng phiên bản đó")
THILAIXE_CHU(kKhoChuaNangCap, "chưa được nâng cấp")
THILAIXE_CHU(kKhoKhongDoiTen, "; không đổi tên được tệp")
THILAIXE_CHU(kKhoKhongPhaiTepThuong, "không phải tệp thường")
THILAIXE_CHU(kKhoKhongDocTep, "không đọc được tệp: %1")
THILAIXE_CHU(kKhoKhongPhaiKho, "không phải tệp dữ liệu của chương trình")
THILAIXE_CHU(kKhoKhongChep, "không đọc được tệp (không chép được để đọc)")
THILAIXE_CHU(kKhoThuMucKhongGhi, "thư mục %1 không cho ghi")
THILAIXE_CHU(kKhoDiaChiDoc, "ổ đĩa chứa tệp chỉ cho đọc")
THILAIXE_CHU(kKhoTepChiDoc, "tệp %1 chỉ cho đọc: bạn không có quyền ghi vào tệp đó")
THILAIXE_CHU(kKhoBiGiu, "một cửa sổ khác của chương trình giữ tệp quá lâu")
THILAIXE_CHU(kKhoKhongMo, "không mở được tệp (thư mục không cho ghi, hoặc không có quyền)")
THILAIXE_CHU(kKhoLoiKhongRo, "lỗi không rõ")

// The 300-question bank's files, and the sample made when its pictures are missing
THILAIXE_CHU(kCoDienChuong1, "Lý thuyết (câu 1–150)")
THILAIXE_CHU(kCoDienChuong2, "Biển báo (câu 151–250)")
THILAIXE_CHU(kCoDienChuong3, "Sa bàn (câu 251–300)")
THILAIXE_CHU(kMauAnh, "ẢNH MẪU — KHÔNG PHẢI CÂU HỎI THI THẬT")
THILAIXE_CHU(kMauCauHoi, "Câu hỏi số %1")
THILAIXE_CHU(kMauPhuongAn, "%1. Phương án %1 của câu %2")
THILAIXE_CHU(kCoDienKhongGhi, "không ghi được %1: %2 / cannot write %1: %3")
THILAIXE_CHU(kCoDienKhongDoc, "không đọc được %1: %2")
THILAIXE_CHU(kCoDienKhongTaoThuMuc, "không tạo được thư mục %1")
THILAIXE_CHU(kCoDienKhongTaoThuMucHome, "không tạo được thư mục %1 (kiểm tra biến HOME và quyền ghi)")
THILAIXE_CHU(kCoDienKhongTao, "không tạo được %1: %2")

// Small words in windows
THILAIXE_CHU(kDlConLoi, "… (%1 lỗi)")
THILAIXE_CHU(kDuoiMot, "dưới 1")
THILAIXE_CHU(kTrenChinChin, "trên 99")
THILAIXE_CHU(kLoiKhiDoc, "lỗi khi đọc: ")

// The command line. A message with both languages says the Vietnamese first.
THILAIXE_CHU(
    kCliTroGiup,
    "Cách dùng: thilaixe [--data THƯ_MỤC] [--bank TỆP [--class HẠNG]]\n"
    "Học và thi thử lý thuyết lái xe.\n"
    "\n"
    "Đề thi hiện hành (từ 01/6/2025): bộ 600 câu, 15 hạng A1, A, B1, B, C1, C, D1, D2, D,\n"
    "BE, C1E, CE, D1E, D2E, DE, có câu điểm liệt. Từ 01/3/2027 đề hạng A1, A và B theo\n"
    "cấu trúc mới đã công bố (A1, A: 40 câu, 27 phút; B: 50 câu, 33 phút); chương trình\n"
    "đã có sẵn và tự theo ngày thi bạn khai. Mở đề hiện hành: thilaixe --bank-2025, hoặc\n"
    "nút \"Mở đề thi hiện hành\" (Alt+M) ở màn hình khai báo.\n"
    "Chạy không tuỳ chọn: màn hình khai báo của bộ đề cũ 300 câu (hạng B1, B2, C, D, E),\n"
    "chương trình vẫn giữ.\n"
    "\n"
    "Tuỳ chọn:\n"
    "  -h, --help     Hiện trợ giúp này rồi thoát.\n"
    "  -v, --version  Hiện phiên bản rồi thoát.\n"
    "  --data THƯ_MỤC Thư mục làm việc có 001.jpg … 300.jpg và DuLieu.txt.\n"
    "  --bank TỆP [--class HẠNG]\n"
    "                 Mở một ngân hàng câu hỏi (JSON, như bộ 600 câu từ tháng 6/2025)\n"
    "                 ngay ở trang chính của nó, chọn sẵn hạng.\n"
    "  --bank-2025    Mở bộ 600 câu mà nút của màn hình khai báo mở: bank-2025/bank.json\n"
    "                 trong thư mục làm việc, không có thì bộ mẫu.\n"
    "  --check-bank TỆP [--rules TỆP]\n"
    "                 Kiểm tra ngân hàng câu hỏi (JSON) và ảnh: in tóm tắt và thoát với\n"
    "                 mã 0, hoặc in mọi lỗi và thoát với mã 1.\n"
    "  --draw-paper --bank TỆP --class HẠNG [--seed SỐ] [--rules TỆP]\n"
    "                 In một đề của hạng rút từ ngân hàng, dạng JSON.\n"
    "  --exam-date YYYY-MM-DD\n"
    "                 Với --check-bank hoặc --draw-paper: theo bộ quy tắc có hiệu lực\n"
    "                 ngày đó thay vì hôm nay.\n"
    "  --export [--bank MÃ|TỆP]\n"
    "                 In mọi bài thi và câu ôn lưu trong thilaixe.sqlite của thư mục làm\n"
    "                 việc (của một ngân hàng nếu chỉ định), dạng JSON.\n"
    "  --import TỆP   Ghi vào dữ liệu những thay đổi chương trình chưa ghi được lúc kết\n"
    "                 thúc (khi đó đã lưu ra TỆP).\n"
    "  --import-bank BẢNG_TÍNH [--pictures THƯ_MỤC] --out THƯ_MỤC\n"
    "                 Đưa bộ câu hỏi từ bảng tính (.xlsx, .ods, .csv) vào THƯ_MỤC\n"
    "                 (bank.json và images/) sau khi kiểm tra từng dòng; có lỗi thì\n"
    "                 không ghi gì.\n"
    "  --export-bank TỆP --to BẢNG_TÍNH\n"
    "                 Ghi bộ câu hỏi ra bảng tính, kèm ảnh (.xlsx, .ods) hoặc tên ảnh (.csv).\n"
    "  --bank-template BẢNG_TÍNH\n"
    "                 Ghi bảng tính mẫu để trường điền câu hỏi.\n"
    "  --server \"host=… dbname=… [user=…] [sslmode=…]\"\n"
    "                 Dùng dữ liệu chung trên máy chủ PostgreSQL của trường (hoặc\n"
    "                 $THILAIXE_SERVER). Không có user=: học viên đăng nhập bằng khoá\n"
    "                 học, số báo danh và mã PIN. Mật khẩu lấy từ ~/.pgpass hoặc hỏi.\n"
    "  --setup-server \"CHUỖI KẾT NỐI\"\n"
    "                 Tạo hoặc nâng cấp dữ liệu, vai trò và quyền trên máy chủ đó\n"
    "                 (chạy lại bao nhiêu lần cũng được).\n"
    "  Với --server của giáo viên:\n"
    "  --publish-bank TỆP\n"
    "                 Kiểm tra rồi đưa ngân hàng (bank.json, ảnh, bộ quy tắc) lên máy chủ.\n"
    "  --roster TỆP --course MÃ [--class HẠNG] [--pins TỆP.pdf] [--digits]\n"
    "                 Thêm học viên từ bảng tính (.xlsx, .ods, .csv) vào khoá học, in phiếu mã PIN.\n"
    "  --open-test MÃ --minutes N [--opens \"YYYY-MM-DD HH:MM\"] [--class HẠNG]\n"
    "                 Mở buổi kiểm tra kết thúc môn cho khoá học, rút đề cho từng học viên.\n"
    "\n"
    "Không có --data thì thư mục làm việc là $THILAIXE_DATA, không có nữa thì thư mục\n"
    "hiện tại nếu nó có 001.jpg, không thì ~/.local/share/thilaixe (bộ mẫu được chép\n"
    "vào ở lần chạy đầu).\n"
    "\n"
    "Usage: thilaixe [--data DIR] [--bank FILE [--class C]]\n"
    "Practice for the theory part of the Vietnamese driving-licence exam.\n"
    "\n"
    "The exam in force (since 1 June 2025): the 600-question bank, fifteen classes A1, A,\n"
    "B1, B, C1, C, D1, D2, D, BE, C1E, CE, D1E, D2E, DE, with critical questions. From\n"
    "1 March 2027 classes A1, A and B follow the announced format (A1, A: 40 questions,\n"
    "27 minutes; B: 50, 33 minutes); the program carries it and follows the exam date you\n"
    "give. Open the current exam: thilaixe --bank-2025, or the entry form's button\n"
    "\"Mở đề thi hiện hành\" (Alt+M).\n"
    "Without options: the entry form of the older 300-question exam (classes B1, B2, C,\n"
    "D, E), which the program also keeps.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n"
    "  --data DIR     Working folder with 001.jpg ... 300.jpg and DuLieu.txt.\n"
    "  --bank FILE [--class C]\n"
    "                 Open a question bank (JSON, such as the 600-question bank of\n"
    "                 June 2025) straight on its home window, class C chosen.\n"
    "  --bank-2025    Open the 600-question bank the entry form's button opens:\n"
    "                 bank-2025/bank.json in the working folder, else the sample.\n"
    "  --check-bank FILE [--rules FILE]\n"
    "                 Check a question bank (JSON) and its pictures: a summary and\n"
    "                 exit 0, or every fault and exit 1.\n"
    "  --draw-paper --bank FILE --class C [--seed N] [--rules FILE]\n"
    "                 Print a paper of class C drawn from the bank, as JSON.\n"
    "  --exam-date YYYY-MM-DD\n"
    "                 With --check-bank or --draw-paper: the rule set in force that\n"
    "                 day instead of today's.\n"
    "  --export [--bank ID|FILE]\n"
    "                 Print every kept attempt and practice box of the working\n"
    "                 folder's thilaixe.sqlite (of one bank when given), as JSON.\n"
    "  --import FILE  Write changes the program could not write when it ended\n"
    "                 (saved to FILE then) into the working folder's store.\n"
    "  --import-bank SHEET [--pictures DIR] --out DIR\n"
    "                 Bring a bank from a spreadsheet (.xlsx, .ods, .csv) into DIR\n"
    "                 (bank.json and images/), every row checked; on a fault nothing\n"
    "                 is written.\n"
    "  --export-bank FILE --to SHEET\n"
    "                 Write a bank to a spreadsheet, pictures pasted in (.xlsx, .ods)\n"
    "                 or named (.csv).\n"
    "  --bank-template SHEET\n"
    "                 Write a sheet for a school to fill with its questions.\n"
    "  --server \"host=... dbname=... [user=...] [sslmode=...]\"\n"
    "                 Keep everything on the school's PostgreSQL server (or\n"
    "                 $THILAIXE_SERVER). Without user=, a learner signs in with\n"
    "                 course, candidate number and PIN. Passwords: ~/.pgpass, or asked.\n"
    "  --setup-server \"CONNINFO\"\n"
    "                 Create or upgrade the schema, roles and rights on that server\n"
    "                 (safe to run again).\n"
    "  With a teacher's --server:\n"
    "  --publish-bank FILE\n"
    "                 Check a bank (bank.json, pictures, rule sets), then put it on the server.\n"
    "  --roster FILE --course CODE [--class C] [--pins FILE.pdf] [--digits]\n"
    "                 Add the learners of a sheet (.xlsx, .ods, .csv) to a course; print PIN slips.\n"
    "  --open-test CODE --minutes N [--opens \"YYYY-MM-DD HH:MM\"] [--class C]\n"
    "                 Open a course-end test for the course, a paper drawn for each learner.\n"
    "\n"
    "Without --data the working folder is $THILAIXE_DATA, else the current folder\n"
    "when it holds 001.jpg, else ~/.local/share/thilaixe (filled with the sample\n"
    "bank on first start).\n")
THILAIXE_CHU(kCliThuMucCanTen, "--data needs a folder")
THILAIXE_CHU(kCliThuMucTenTrong, "--data needs a folder (an empty name was given)")
THILAIXE_CHU(kCliCanGiaTri, "%1 needs a value")
THILAIXE_CHU(kCliThamSoLa, "tham số không rõ / unknown argument '%1' (see thilaixe --help)")
THILAIXE_CHU(kCliXuatKhongHang, "--export không nhận --class / --export takes no --class")
THILAIXE_CHU(kCliHangCanNganHang, "--class cần --bank / --class needs --bank FILE")
THILAIXE_CHU(kCliHatChiRutDe, "--seed chỉ dùng với --draw-paper / --seed goes with --draw-paper")
THILAIXE_CHU(
    kCliQuyTacChiKiem,
    "--rules chỉ dùng với --check-bank hoặc --draw-paper / --rules goes with --check-bank or --draw-paper")
THILAIXE_CHU(kCliNgayThiSai, "--exam-date cần một ngày YYYY-MM-DD / --exam-date takes a date, YYYY-MM-DD")
THILAIXE_CHU(kCliNgayThiChiKiem, "--exam-date chỉ dùng với --check-bank hoặc --draw-paper / --exam-date goes "
                                 "with --check-bank or --draw-paper")
THILAIXE_CHU(kCliKhongPhaiThuMuc, "not a folder")
THILAIXE_CHU(kCliTenKhongUtf8,
             "thilaixe: %1: tên tệp không phải chữ UTF-8, hãy đổi tên tệp / the file's own name is not "
             "UTF-8: rename it")
THILAIXE_CHU(kCliRutDeCan, "thilaixe: --draw-paper cần --bank TỆP và --class HẠNG / "
                           "--draw-paper needs --bank FILE and --class CLASS")
THILAIXE_CHU(kCliTepKhongDoc, "thilaixe: %1 %2: %3 / not a regular file that can be read")
THILAIXE_CHU(kCliQuyTacNgoaiHieuLuc,
             "thilaixe: bộ quy tắc %1 không có hiệu lực hôm nay (%2); vẫn dùng vì được chỉ định / rule "
             "set %1 is not in force today; used as given")
THILAIXE_CHU(kCliKhongCoQuyTac, "thilaixe: %1\nthilaixe: no rule set is in force today (%2)")
THILAIXE_CHU(kCliLoi, "LỖI %1")
THILAIXE_CHU(kCliSoLoi, "%1 lỗi / %1 faults")
THILAIXE_CHU(kCliHatGiong, "thilaixe: --seed phải là số nguyên không âm / --seed takes a whole number")
THILAIXE_CHU(
    kCliHangMuon,
    "thilaixe: hạng %1 chưa có trong bộ quy tắc %2: đề rút theo %3, bộ gần nhất có hạng này / class %1 "
    "has nothing announced in rule set %2: drawn by %3, the last set in force that had it")
THILAIXE_CHU(kCliKhongRutDuoc, "thilaixe: %1 / the bank cannot give this class's paper")
THILAIXE_CHU(kCliKhongCoHang,
             "thilaixe: hạng %1 không có trong bộ quy tắc %2 (có: %3) / class %1 is not in rule set %2")
THILAIXE_CHU(kCliNganHang, "Ngân hàng: %1 (%2, phiên bản %3)")
THILAIXE_CHU(kCliNguon, "Nguồn: %1")
THILAIXE_CHU(kCliTongSo, "%1 câu, %2 câu điểm liệt, %3 ảnh")
THILAIXE_CHU(kCliChuong, "  Chương %1 (câu %2–%3): %4 câu, %5 điểm liệt — %6")
THILAIXE_CHU(kCliBoQuyTac, "Bộ quy tắc: %1 (từ %2%3) — %4")
THILAIXE_CHU(kCliDenNgay, " đến %1")
THILAIXE_CHU(kCliKhongRutHang, "  Không rút được đề hạng %1: %2")
THILAIXE_CHU(kCliRutDuoc, "Rút được đề các hạng: %1")
THILAIXE_CHU(kCliSoHangKhongRut,
             "%1 hạng không rút được đề từ ngân hàng này theo bộ quy tắc trên / %1 classes "
             "cannot draw a paper from this bank under that rule set")
THILAIXE_CHU(kCliKhoKhongDoc, "thilaixe: %1\nthilaixe: the store cannot be read; nothing is exported")
THILAIXE_CHU(kCliWalHong,
             "thilaixe: %1\nthilaixe: the store's -wal is damaged: what follows may lack recent changes")
THILAIXE_CHU(kCliXuatKhongCo,
             "thilaixe: --export --bank %1: không có bài thi hay câu ôn nào của ngân hàng này trong %2 "
             "/ nothing kept for that bank id")
THILAIXE_CHU(kCliNhapKhongDoc, "thilaixe: --import %1: %2 / cannot be read")
THILAIXE_CHU(kCliKhoKhongGhi, "thilaixe: %1\nthilaixe: the store cannot be written; nothing is imported")
THILAIXE_CHU(kCliKhongNhap, "thilaixe: --import %1: %2 / not imported")
THILAIXE_CHU(kCliDaNhap, "Đã ghi %1 thay đổi vào %2%3 / %1 changes written%4")
THILAIXE_CHU(kCliDaNhapDaCo, "; %1 thay đổi đã có từ trước, không ghi lại")
THILAIXE_CHU(kCliDaNhapDaCoEn, "; %1 written before, not again")
THILAIXE_CHU(kCliDaChamLai, "; %1 bài thi được chấm lại theo đáp án của ngân hàng")
THILAIXE_CHU(kCliDaChamLaiEn, "; %1 attempts scored again from their bank's key")

// Spreadsheets a school brings.
THILAIXE_CHU(kBtDangLa,
             "không phải bảng tính đọc được (.xlsx, .ods hoặc .csv) / not a spreadsheet this program reads "
             "(.xlsx, .ods or .csv)")
THILAIXE_CHU(kBtTepLon, "tệp lớn quá %1 MB / the file is larger than %1 MB")
THILAIXE_CHU(kBtKhongUtf8,
             "tệp CSV không phải văn bản UTF-8 (hãy lưu lại với mã hoá UTF-8) / the CSV file is not "
             "UTF-8 text (save it again as UTF-8)")
THILAIXE_CHU(kBtQuaLon,
             "bảng tính có hơn %1 dòng hoặc %2 cột / the sheet has more than %1 rows or %2 columns")
THILAIXE_CHU(kBtThieuPhan, "bảng tính thiếu phần %1 / the sheet lacks its part %1")
THILAIXE_CHU(kBtZipHong, "tệp nén của bảng tính hỏng ở phần %1 / the sheet's zip is damaged at %1")
THILAIXE_CHU(kBtGiaiNenLon,
             "phần %1 của bảng tính giải nén ra quá %2 MB (có thể là tệp độc hại) / the sheet's part %1 "
             "unpacks to more than %2 MB (it may be a zip bomb)")
THILAIXE_CHU(kBtXmlHong,
             "phần %1 của bảng tính hỏng ở dòng %2: %3 / the sheet's part %1 is damaged at line %2: %3")
THILAIXE_CHU(kBtKhongCoTo, "không thấy trang tính nào trong tệp / no sheet found in the file")
THILAIXE_CHU(kBtKhongPhaiXlsx, "không phải tệp Excel .xlsx đọc được / not a readable Excel .xlsx file")
THILAIXE_CHU(kBtKhongPhaiOds,
             "không phải tệp OpenDocument .ods đọc được / not a readable OpenDocument .ods file")
THILAIXE_CHU(kBtQuaNhieuTep, "tệp nén có hơn %1 phần / the zip holds more than %1 parts")
THILAIXE_CHU(kBtNhayMo, "dòng %1: dấu ngoặc kép mở mà không đóng / row %1: a quote opened and never closed")

THILAIXE_CHU(kCliNhapBangCanRa, "thilaixe: --import-bank cần --out THƯ_MỤC / --import-bank needs --out DIR")
THILAIXE_CHU(kCliXuatBangCanTo, "thilaixe: --export-bank cần --to TỆP / --export-bank needs --to FILE")
THILAIXE_CHU(kCliChiVoiBangTinh,
             "thilaixe: --pictures, --out và --to chỉ đi với --import-bank hoặc --export-bank / --pictures, "
             "--out and --to go with --import-bank or --export-bank only")
// A bank brought from a spreadsheet, and written back.
THILAIXE_CHU(kBtKhongTaoTam, "không tạo được tệp tạm: %1 / no temporary file could be made")
THILAIXE_CHU(kBtXlsxLoi, "không viết được tệp .xlsx: %1 / the .xlsx file could not be made")
THILAIXE_CHU(kBtOdsLoi, "không viết được tệp .ods / the .ods file could not be made")
THILAIXE_CHU(kNbViTriDong, "dòng %1: ")
THILAIXE_CHU(kNbViTriDongEn, "row %1: ")
THILAIXE_CHU(kNbViTriO, "dòng %1, cột %2%3: ")
THILAIXE_CHU(kNbViTriOEn, "row %1, column %2: ")
THILAIXE_CHU(kNbKhongCoTieuDe,
             "không thấy dòng tiêu đề có cột \"Nội dung câu hỏi\" và \"Đáp án\" (xem docs/bank-format.md)")
THILAIXE_CHU(kNbKhongCoTieuDeEn,
             "no header row naming the question text and key columns (see docs/bank-format.md)")
THILAIXE_CHU(kNbCotHaiLan, "cột này có hai lần trong dòng tiêu đề")
THILAIXE_CHU(kNbCotHaiLanEn, "this column is named twice in the header")
THILAIXE_CHU(kNbOGop, "ô gộp: hãy bỏ gộp ô (mỗi câu hỏi một dòng, mỗi ô một giá trị)")
THILAIXE_CHU(kNbOGopEn, "merged cells: unmerge them (one question a row, one value a cell)")
THILAIXE_CHU(kNbCongThuc, "ô chứa công thức, không phải chữ: hãy dán giá trị (Dán đặc biệt → Giá trị)")
THILAIXE_CHU(kNbCongThucEn,
             "a formula where text is expected: paste its value instead (Paste Special → Values)")
THILAIXE_CHU(kNbSoCau, "số câu phải là số nguyên từ 1 đến %1")
THILAIXE_CHU(kNbSoCauEn, "the number must be a whole number from 1 to %1")
THILAIXE_CHU(kNbChuong, "chương phải là số nguyên từ 1 đến 100")
THILAIXE_CHU(kNbChuongEn, "the chapter must be a whole number from 1 to 100")
THILAIXE_CHU(kNbChuongKhongCo, "không có chương %1 trong danh sách chương ở đầu bảng")
THILAIXE_CHU(kNbChuongKhongCoEn, "chapter %1 is not among the chapters listed above the header")
THILAIXE_CHU(kNbDiemLiet, "điểm liệt ghi \"x\" (là câu điểm liệt) hoặc để trống")
THILAIXE_CHU(kNbDiemLietEn, "critical takes \"x\" (critical) or nothing")
THILAIXE_CHU(kNbThieuNoiDung, "thiếu nội dung câu hỏi")
THILAIXE_CHU(kNbThieuNoiDungEn, "the question text is missing")
THILAIXE_CHU(kNbPhuongAnHo, "phương án %1 trống mà phương án %2 có: các phương án phải liền nhau từ 1")
THILAIXE_CHU(kNbPhuongAnHoEn, "option %1 is empty but option %2 is not: options run from 1 without gaps")
THILAIXE_CHU(kNbSoPhuongAn, "số phương án phải từ 2 đến 4")
THILAIXE_CHU(kNbSoPhuongAnEn, "the option count must be 2 to 4")
THILAIXE_CHU(kNbMotPhuongAn, "chỉ có một phương án: cần ít nhất hai")
THILAIXE_CHU(kNbMotPhuongAnEn, "only one option: at least two are needed")
THILAIXE_CHU(kNbKhongPhuongAn,
             "không có phương án nào (câu có phương án vẽ trong ảnh thì ghi \"Số phương án\" và ảnh)")
THILAIXE_CHU(
    kNbKhongPhuongAnEn,
    "no options (a question whose options are in its picture gives the option count and the picture)")
THILAIXE_CHU(kNbThieuDapAn, "thiếu đáp án")
THILAIXE_CHU(kNbThieuDapAnEn, "the key is missing")
THILAIXE_CHU(kNbDapAn, "đáp án \"%1\" phải là số phương án đúng, từ 1 đến 4")
THILAIXE_CHU(kNbDapAnEn, "key \"%1\" must be the number of the right option, 1 to 4")
THILAIXE_CHU(kNbDapAnQua, "đáp án %1 nhưng câu chỉ có %2 phương án")
THILAIXE_CHU(kNbDapAnQuaEn, "key %1 on a question of %2 options")
THILAIXE_CHU(kNbDieuThieuVanBan, "có điều khoản mà không có văn bản pháp luật")
THILAIXE_CHU(kNbDieuThieuVanBanEn, "an article without its law document")
THILAIXE_CHU(kNbHaiAnh, "%1 ảnh dán trong cùng một dòng: mỗi câu một ảnh")
THILAIXE_CHU(kNbHaiAnhEn, "%1 pictures pasted in one row: one picture a question")
THILAIXE_CHU(kNbTenAnh, "tên ảnh \"%1\" ra ngoài thư mục ảnh")
THILAIXE_CHU(kNbTenAnhEn, "picture name \"%1\" leaves the pictures folder")
THILAIXE_CHU(kNbThieuAnh, "không thấy tệp ảnh \"%1\" (trong thư mục --pictures hoặc cạnh bảng tính)")
THILAIXE_CHU(kNbThieuAnhEn, "picture \"%1\" not found (in the --pictures folder or beside the sheet)")
THILAIXE_CHU(kNbAnhDongTrong, "ảnh dán ở dòng không có câu hỏi: hãy đặt ảnh trong dòng của câu hỏi")
THILAIXE_CHU(kNbAnhDongTrongEn, "a picture pasted in a row without a question: put it in its question's row")
THILAIXE_CHU(kNbKhongCoCau, "dưới dòng tiêu đề không có câu hỏi nào")
THILAIXE_CHU(kNbKhongCoCauEn, "no question below the header")
THILAIXE_CHU(kNbSoHaiLan, "câu số %1 đã có ở dòng %2")
THILAIXE_CHU(kNbSoHaiLanEn, "question %1 is given twice, first in row %2")
THILAIXE_CHU(kNbSoThieuMot, "thiếu câu số %1: các câu phải đánh số 1..N liền nhau")
THILAIXE_CHU(kNbSoThieuMotEn, "question %1 is missing: questions run 1..N without gaps")
THILAIXE_CHU(kNbSoThieu, "thiếu câu số %1 đến %2: các câu phải đánh số 1..N liền nhau")
THILAIXE_CHU(kNbSoThieuEn, "questions %1 to %2 are missing: questions run 1..N without gaps")
THILAIXE_CHU(kNbChuongRoi, "câu của chương %1 phải liền nhau, mà chương đã dừng ở câu %2")
THILAIXE_CHU(kNbChuongRoiEn, "the questions of chapter %1 must run together, and it stopped at question %2")
THILAIXE_CHU(kNbAnhTrungTen, "ảnh \"%1\" khác với ảnh cùng tên ở dòng %2")
THILAIXE_CHU(kNbAnhTrungTenEn, "picture \"%1\" differs from the picture of that name in row %2")
THILAIXE_CHU(kNbMacDinh, "bảng tính không ghi \"%1\": dùng \"%2\" / the sheet gives no such detail: using it")
THILAIXE_CHU(kNbNguonMacDinh, "Nhập từ bảng tính %1")
THILAIXE_CHU(
    kNbChuongTrong,
    "chương %1 (dòng %2) không có câu nào nên không đưa vào / chapter %1 has no question and is left out")
THILAIXE_CHU(kNbTenChuong, "Chương %1")
THILAIXE_CHU(kNbRaKhongPhaiThuMuc, "%1 không phải thư mục")
THILAIXE_CHU(kNbRaKhongPhaiThuMucEn, "the output is not a folder")
THILAIXE_CHU(
    kNbRaCoTepKhac,
    "thư mục %1 có tệp khác mà không có bank.json: chọn thư mục trống hoặc thư mục của một bộ câu hỏi")
THILAIXE_CHU(
    kNbRaCoTepKhacEn,
    "the output folder holds other files and no bank.json: choose an empty folder or a bank's folder")
THILAIXE_CHU(kNbKhongGhi, "không ghi được bộ câu hỏi: %1")
THILAIXE_CHU(kNbKhongGhiEn, "the bank could not be written")
THILAIXE_CHU(kNbKhongDoiTen, "không thay được thư mục %1")
THILAIXE_CHU(kNbKhongRutHang, "hạng %1 không rút được đề theo bộ quy tắc %2: %3")
THILAIXE_CHU(kNbKhongRutHangEn, "class %1 cannot draw a paper under the rule set")
THILAIXE_CHU(kNbTenTrang, "Câu hỏi")
THILAIXE_CHU(kNbXuatThieuAnh, "câu %1: không đọc được ảnh %2 / question %1: its picture cannot be read")
THILAIXE_CHU(kNbMauTieuDe, "Bộ câu hỏi của trường (MẪU: hãy sửa dòng này)")
THILAIXE_CHU(kNbMauNguon, "MẪU: ghi nơi ban hành, văn bản, ngày")
THILAIXE_CHU(kNbMauChuong, "(tên chương %1)")
THILAIXE_CHU(kNbMauCau,
             "MẪU %1: câu hỏi mẫu, không phải câu hỏi thi thật. Hãy xoá dòng này khi nhập câu thật.")
THILAIXE_CHU(kNbMauPhuongAn, "Phương án mẫu %1.")
THILAIXE_CHU(kNbMauGiaiThich, "Giải thích mẫu.")
THILAIXE_CHU(kNbKtDapAnTieuDe, "Đáp án")
THILAIXE_CHU(kNbKtDapAn, "Số của phương án đúng: 1, 2, 3 hoặc 4.")
THILAIXE_CHU(kNbKtChuongTieuDe, "Chương")
THILAIXE_CHU(kNbKtChuong, "Số chương, từ 1 đến 100, như danh sách chương ở đầu bảng.")
THILAIXE_CHU(kNbKhongGhiGi, "thilaixe: %1 lỗi, không ghi gì / %1 faults, nothing written")
THILAIXE_CHU(kNbDaNhap, "Đã ghi %1 câu, %2 ảnh vào %3 / %1 questions, %2 pictures written")
THILAIXE_CHU(kNbDaXuat, "Đã ghi %1 câu, %2 ảnh vào %3 / %1 questions, %2 pictures written")
THILAIXE_CHU(kNbDaGhiMau, "Đã ghi bảng tính mẫu vào %1 / template written")

// The window that brings a bank from a spreadsheet.
THILAIXE_CHU(kNbNutNhapBang, "Nhập bộ câu hỏi từ bảng tính…")
THILAIXE_CHU(kNbPhimNhapBang, "Nhập bộ câu hỏi từ bảng tính (Ctrl+I)")
THILAIXE_CHU(kNbTieuDeCuaSo, "Nhập bộ câu hỏi từ bảng tính")
THILAIXE_CHU(kNbHuongDan,
             "Mỗi câu hỏi một dòng: số câu, chương, điểm liệt, nội dung, phương án 1–4, đáp án, ảnh, giải "
             "thích, mẹo, văn bản và điều khoản (docs/bank-format.md). Ảnh dán trong dòng của câu, hoặc ghi "
             "tên tệp ảnh. Có lỗi thì không ghi gì.")
THILAIXE_CHU(kNbChon, "Chọn…")
THILAIXE_CHU(kNbChonCho, "Chọn %1")
THILAIXE_CHU(kNbNhanBangTinh, "&Bảng tính:")
THILAIXE_CHU(kNbNhanAnh, "Thư mục &ảnh:")
THILAIXE_CHU(kNbNhanRa, "&Ghi vào thư mục:")
THILAIXE_CHU(kNbAnhGoiY, "không bắt buộc: nơi có các tệp ảnh mà bảng tính ghi tên")
THILAIXE_CHU(kNbTienDo, "Tiến độ nhập")
THILAIXE_CHU(kNbDanhSachLoi, "Các lỗi theo dòng")
THILAIXE_CHU(kNbNutNhap, "&Nhập")
THILAIXE_CHU(kNbNutMo, "&Mở bộ câu hỏi")
THILAIXE_CHU(kNbNutGui, "Đưa lên máy &chủ")
THILAIXE_CHU(kNbNutDong, "Đóng")
THILAIXE_CHU(kNbChuaChonBang, "Hãy chọn bảng tính (.xlsx, .ods hoặc .csv).")
THILAIXE_CHU(kNbHoiThay,
             "Thư mục %1 đã có một bộ câu hỏi. Thay nó bằng bộ nhập từ bảng tính? Các tệp quy tắc của "
             "trường trong đó được giữ.")
THILAIXE_CHU(kNbKhongThay, "Không thay")
THILAIXE_CHU(kNbThay, "Thay bộ câu hỏi")
THILAIXE_CHU(kNbDangNhap, "Đang đọc bảng tính và ảnh…")
THILAIXE_CHU(kNbXongCuaSo, "Đã nhập %1 câu, %2 ảnh vào %3. Bộ câu hỏi đã qua kiểm tra.")
THILAIXE_CHU(kNbDaMo, " Bộ câu hỏi đã được mở.")
THILAIXE_CHU(kNbLoiCuaSo, "Có %1 lỗi, không ghi gì. Chọn một lỗi để xem nội dung câu của dòng đó.")
THILAIXE_CHU(kNbLuuY, "Lưu ý: %1")
THILAIXE_CHU(kNbNoiDungDong, "Dòng %1: %2")
THILAIXE_CHU(kNbDongKhongNoiDung, "(dòng này không có nội dung câu hỏi)")
THILAIXE_CHU(kNbDaGuiMayChu, "Đã đưa bộ câu hỏi lên máy chủ của trường (mã %1).")
THILAIXE_CHU(kNbDoiXong, "Đang ghi bộ câu hỏi, xin đợi xong.")

// A roster of learners.
THILAIXE_CHU(kDsKhongCoTieuDe,
             "không thấy dòng tiêu đề có cột \"Số báo danh\" và \"Họ và tên\" / no header row "
             "naming the candidate number and full name columns")
THILAIXE_CHU(kDsLoiO, "dòng %1, cột %2: %3")
THILAIXE_CHU(kDsSbd,
             "số báo danh trống hoặc dài hơn %1 ký tự / the candidate number is empty or longer than %1")
THILAIXE_CHU(kDsSbdHaiLan, "số báo danh %1 đã có ở dòng trên / candidate number %1 is given twice")
THILAIXE_CHU(kDsTen, "họ tên trống hoặc dài hơn %1 ký tự / the name is empty or longer than %1")
THILAIXE_CHU(kDsNgaySinh, "ngày sinh không đọc được (dạng ngày/tháng/năm) / the date of birth cannot be read "
                          "(day/month/year)")

THILAIXE_CHU(kCliTruongCanMayChu,
             "--publish-bank, --roster và --open-test cần --server \"… user=GIÁO_VIÊN\" / need "
             "--server naming a teacher")
THILAIXE_CHU(kCliDanhSachCanKhoa, "--roster cần --course MÃ_KHOÁ / --roster needs --course CODE")
THILAIXE_CHU(kCliMoPhienCanPhut, "--open-test cần --minutes SỐ_PHÚT / --open-test needs --minutes N")
THILAIXE_CHU(kCliPhutSai, "--minutes: số phút từ 1 đến 240 / a number of minutes from 1 to 240")
THILAIXE_CHU(kCliMoLucSai, "--opens: thời điểm dạng 2027-01-15T08:00 / a time such as 2027-01-15T08:00")
THILAIXE_CHU(kCliCanGiaoVien,
             "thilaixe: cần đăng nhập bằng vai trò giáo viên của máy chủ: %1 / a teacher of the "
             "server must sign in")
THILAIXE_CHU(kCliDaGuiNganHang, "Đã đưa %1 lên máy chủ (SHA-256 %2) / the bank is on the server")
THILAIXE_CHU(kCliDanhSachLoi, "%1: %2")
THILAIXE_CHU(kCliKhongCoKhoa,
             "không có khoá học %1 trên máy chủ (cho --class để tạo nó) / no course %1 on the server "
             "(give --class to make it)")
THILAIXE_CHU(kCliDaNhapDanhSach,
             "%1 học viên mới, %2 đã có được cập nhật, khoá %3; phiếu mã PIN: %4 / %1 learners "
             "made, %2 updated; the PIN slips: %4")

// The school's server.
THILAIXE_CHU(kMcMoTa, "máy chủ của trường (%1)")
THILAIXE_CHU(kMcKhongCoTrinhDieuKhien,
             "chương trình thiếu trình điều khiển PostgreSQL của Qt (gói libqt6sql6-psql)")
THILAIXE_CHU(kMcChuoiSai, "chuỗi kết nối không đọc được gần \"%1\" (dạng đúng: host=… dbname=… user=…)")
THILAIXE_CHU(kMcKhongToi, "Không kết nối được %1: %2.")
THILAIXE_CHU(kMcKhongToiGiu,
             "Không kết nối được %1: %2.\n\nChương trình vẫn chạy. Bài làm và câu trả lời được giữ an "
             "toàn trên máy này (%3) và sẽ được gửi lên máy chủ khi kết nối lại.")
THILAIXE_CHU(
    kMcKhongToiBoNho,
    "Không kết nối được %1: %2.\n\nChương trình vẫn chạy, nhưng %3: nếu kết thúc trước khi gửi được, "
    "chương trình sẽ hỏi bạn để lưu chúng ra một tệp.")
THILAIXE_CHU(kMcHopThuCanhBao, "Lưu ý: %1.")
THILAIXE_CHU(kMcChuaCaiDat,
             "Dữ liệu trên %1 chưa được cài đặt cho thilaixe. Người quản trị của trường chạy một lần: "
             "thilaixe --setup-server \"CHUỖI KẾT NỐI\"")
THILAIXE_CHU(kMcCanNangCap,
             "Dữ liệu trên %1 ở phiên bản %2, chương trình này dùng phiên bản %3. Người quản trị của trường "
             "chạy: thilaixe --setup-server \"CHUỖI KẾT NỐI\"")
THILAIXE_CHU(
    kMcMoiHon,
    "Dữ liệu trên %1 thuộc một phiên bản chương trình mới hơn (%2); hãy cài phiên bản mới cho máy này")
THILAIXE_CHU(kMcDaGiu,
             "Chưa gửi được lên %1: %2.\n\nKhông có gì bị mất: %3 được giữ an toàn trên máy này (%4) và sẽ "
             "được gửi đúng một lần khi máy chủ hoạt động lại (chương trình thử lại vài giây một lần).")
THILAIXE_CHU(
    kMcDaGiuBoNho,
    "Chưa gửi được lên %1: %2.\n\n%3 chỉ được giữ trong chương trình, chưa có trên đĩa: %4. Chương "
    "trình vẫn thử gửi vài giây một lần, và hỏi bạn trước khi kết thúc nếu vẫn chưa gửi được (để lưu "
    "chúng ra một tệp).")
THILAIXE_CHU(kHtBoNho, "hộp thư đi %1 không dùng được (%2), nên bài chưa gửi chỉ được giữ trong chương trình")
THILAIXE_CHU(kHtHongDoiCho,
             "hộp thư đi %1 bị hỏng, nên đã được chuyển sang %2 (không xoá gì) và một hộp thư mới "
             "được bắt đầu")
THILAIXE_CHU(kMcTuChoi, "máy chủ từ chối: %1")
THILAIXE_CHU(kMcTL001, "bài này đã được nộp rồi; mỗi bài chỉ nộp một lần")
THILAIXE_CHU(kMcTL002, "đã hết giờ làm bài theo đồng hồ của máy chủ, hoặc phiên kiểm tra đã đóng")
THILAIXE_CHU(kMcTL003, "bài làm không khớp với đề (số câu, câu hỏi hay phương án không đúng)")
THILAIXE_CHU(kMcTL004, "đây không phải bài của người đang đăng nhập")
THILAIXE_CHU(kMcTL005, "chưa có đề cho bạn trong phiên kiểm tra này; hãy báo giáo viên")
THILAIXE_CHU(kMcTL006, "máy chủ chưa có ngân hàng câu hỏi hay bộ quy tắc này; giáo viên cần đưa lên trước")
THILAIXE_CHU(kMcTL007,
             "giá trị vượt giới hạn (mã khoá học đến 20 ký tự, tên đến 100; mã PIN ít nhất 8 chữ và số)")
THILAIXE_CHU(kMcTL008, "ngân hàng gửi lên không khớp mã băm của nó")
THILAIXE_CHU(kMcTL009, "phiên kiểm tra chưa mở, hoặc đã qua giờ bắt đầu")
THILAIXE_CHU(kMcKhongQuyen, "chỉ giáo viên mới làm được việc này")
THILAIXE_CHU(kMcMatKetNoi, "mất kết nối tới máy chủ")
THILAIXE_CHU(kMcSaiDangNhap, "máy chủ không nhận tên đăng nhập và mật khẩu này")
THILAIXE_CHU(kMcCaiTao, "Tạo dữ liệu thilaixe phiên bản %1 trên %2.")
THILAIXE_CHU(kMcCaiNangCap, "Nâng cấp dữ liệu từ phiên bản %1 lên %2.")
THILAIXE_CHU(kMcCaiDaCo, "Dữ liệu đã ở phiên bản %1: không cần nâng cấp.")
THILAIXE_CHU(kMcCaiVaiTro, "Vai trò %1: %2.")
THILAIXE_CHU(kMcCaiVaiTroTao, "đã tạo")
THILAIXE_CHU(kMcCaiVaiTroCo, "đã có")
THILAIXE_CHU(kMcCaiQuyen,
             "Quyền, chính sách theo hàng (row-level security, bắt buộc cả với chủ) và %2 hàm đã đặt "
             "lại cho %1 bảng, tất cả thuộc vai trò thilaixe_owner.")
THILAIXE_CHU(
    kMcCaiKhongQuyen,
    "%1 không phải người quản trị máy chủ, cũng không phải chủ cơ sở dữ liệu %2 có quyền tạo vai trò: hãy "
    "chạy "
    "lệnh này bằng tài khoản postgres (sudo -u postgres hoặc su postgres -c) / %1 is neither the server's "
    "administrator nor the owner of database %2 with CREATEROLE: run this as postgres")
THILAIXE_CHU(kMcCaiXong, "Xong. Chạy lại lệnh này bất cứ lúc nào cũng an toàn.")
THILAIXE_CHU(kMcPinNgan, "mã PIN cần ít nhất 4 ký tự")

THILAIXE_CHU(kDnBiKhoa,
             "Tài khoản này tạm khoá vì mã PIN bị nhập sai nhiều lần liên tiếp. Hãy thử lại sau %1 phút, "
             "hoặc nhờ giáo viên cấp mã PIN mới.")
THILAIXE_CHU(kDnMoNoiKhac,
             "Bạn đang đăng nhập ở hai máy khác của phòng. Hãy thoát ở một máy rồi đăng nhập lại.")
THILAIXE_CHU(kGuiNganHangLoi, "ngân hàng có %1 lỗi, chưa đưa lên được:\n%2")
THILAIXE_CHU(kLayNganHangHong, "tệp %1 nhận từ máy chủ không khớp mã băm của nó")
THILAIXE_CHU(
    kLayNganHangChuaCo,
    "máy chủ của trường chưa có ngân hàng câu hỏi: giáo viên đưa lên bằng nút \"Đưa ngân hàng lên máy "
    "chủ…\" hoặc lệnh thilaixe --server \"CHUỖI KẾT NỐI\" --publish-bank bank.json")
THILAIXE_CHU(kDnTieuDe, "Đăng nhập máy chủ của trường")
THILAIXE_CHU(kDnGioiThieu,
             "Máy này dùng dữ liệu chung của trường trên %1. Nhập khoá học, số báo danh và mã PIN "
             "giáo viên đã đưa cho bạn.")
THILAIXE_CHU(kDnGioiThieuMatKhau,
             "Nhập mật khẩu của %1 trên %2. Mật khẩu chỉ được giữ trong lúc chương trình chạy, không "
             "bao giờ ghi ra đĩa.")
THILAIXE_CHU(kDnKhoaHoc, "&Khoá học:")
THILAIXE_CHU(kDnSoBaoDanh, "&Số báo danh:")
THILAIXE_CHU(kDnPin, "&Mã PIN:")
THILAIXE_CHU(kDnMatKhau, "&Mật khẩu:")
THILAIXE_CHU(kDnNut, "Đă&ng nhập")
THILAIXE_CHU(kDnThoat, "T&hoát")
THILAIXE_CHU(kDnSaiHocVien, "Khoá học, số báo danh hoặc mã PIN không đúng. Hãy thử lại, hoặc hỏi giáo viên.")
THILAIXE_CHU(kDnCanDu, "Hãy nhập đủ khoá học, số báo danh và mã PIN.")
THILAIXE_CHU(kDnSaiMatKhau, "Máy chủ không nhận mật khẩu này của %1. Hãy thử lại.")
THILAIXE_CHU(kCliMayChuCan,
             "%1 cần một chuỗi kết nối / %1 needs a connection string (host=... dbname=... user=...)")
THILAIXE_CHU(kCliMayChuSai, "thilaixe: %1 / the connection string cannot be read")
THILAIXE_CHU(kCliCaiDatLoi, "thilaixe: --setup-server: %1")
THILAIXE_CHU(kCliMatKhau, "Mật khẩu của %1 / password for %1: ")

THILAIXE_CHU(kCsvKhoaHoc, "Khoá học")
THILAIXE_CHU(kCsvHang, "Hạng")
THILAIXE_CHU(kCsvTieuDe,
             "Số báo danh,Họ tên,Số bài thi,Số bài đạt,Bài gần nhất,Điểm cao nhất,Câu điểm liệt đã vững")

// Printed for a course-end test.
THILAIXE_CHU(kInTieuDeKetQua, "BẢNG KẾT QUẢ KIỂM TRA KẾT THÚC MÔN HỌC LÝ THUYẾT")
THILAIXE_CHU(kInKhoaHoc, "Khoá học: %1 (%2)")
THILAIXE_CHU(kInHang, "Hạng: %1")
THILAIXE_CHU(kInNgay, "Ngày kiểm tra: %1")
THILAIXE_CHU(kInQuyTac, "Cấu trúc đề: %1")
THILAIXE_CAC_CHU(kInCot, 7, QStringLiteral("STT"), QStringLiteral("Số báo danh"), QStringLiteral("Họ và tên"),
                 QStringLiteral("Đúng"), QStringLiteral("Sai"), QStringLiteral("Câu điểm liệt sai"),
                 QStringLiteral("Kết quả"))
THILAIXE_CHU(kInDat, "Đạt")
THILAIXE_CHU(kInKhongDat, "Không đạt")
THILAIXE_CHU(kInKhongDu, "Không dự")
THILAIXE_CHU(kInChuaNop, "Chưa nộp bài")
THILAIXE_CHU(kInTong, "Tổng số: %1 học viên, %2 đạt.")
THILAIXE_CHU(kInGiaoVien, "GIÁO VIÊN COI, CHẤM KIỂM TRA")
THILAIXE_CHU(kInThuTruong, "THỦ TRƯỞNG CƠ SỞ ĐÀO TẠO")
THILAIXE_CHU(kInKyTen, "(Ký, ghi rõ họ tên)")
THILAIXE_CHU(kInTieuDePin, "MÃ PIN ĐĂNG NHẬP PHÒNG MÁY")
THILAIXE_CHU(kInPinHocVien, "Học viên: %1 — số báo danh %2")
THILAIXE_CHU(kInPinKhoa, "Khoá học (gõ khi đăng nhập): %1")
THILAIXE_CHU(kInPinMa, "Mã PIN: %1")
THILAIXE_CHU(
    kInPinCach,
    "Giữ kín mã này. Ở máy của phòng, gõ khoá học, số báo danh và mã PIN. Nhập sai 10 lần liên tiếp thì tài "
    "khoản tạm khoá 15 phút; mất mã thì nhờ giáo viên cấp mã mới.")
THILAIXE_CHU(kInTieuDeDe, "ĐỀ KIỂM TRA LÝ THUYẾT — HẠNG %1 — ĐỀ %2")
THILAIXE_CHU(kInDongDe, "%1 câu · %2 phút · đạt từ %3 câu đúng; sai câu điểm liệt là không đạt.")
THILAIXE_CHU(kInHoTen,
             "Họ và tên: ...................................................  Số báo danh: ..............")
THILAIXE_CHU(kInCau, "Câu %1.")
THILAIXE_CHU(kInPhuongAnTrongAnh, "(%1 phương án, ghi trong ảnh)")
THILAIXE_CHU(kInTieuDeDapAn, "ĐÁP ÁN — HẠNG %1 — ĐỀ %2")
THILAIXE_CHU(kInCotCau, "Câu")
THILAIXE_CHU(kInCotDapAn, "Đáp án")
THILAIXE_CHU(kInGhiChuLiet, "* câu điểm liệt.")
THILAIXE_CHU(kTruongMacDinh, "Cơ sở đào tạo lái xe")

// The school's row on a bank's home.
THILAIXE_CHU(kTrVaoKiemTra, "&Vào bài kiểm tra kết thúc môn")
THILAIXE_CHU(kTrCoPhien, "Bài kiểm tra kết thúc môn hạng %1 đang mở (%2 phút).")
THILAIXE_CHU(kTrKhongPhien, "Chưa có bài kiểm tra kết thúc môn nào đang mở cho khoá của bạn.")
THILAIXE_CHU(kTrDaNop, "Bạn đã nộp bài kiểm tra kết thúc môn này.")
THILAIXE_CHU(kTrQuanLy, "&Quản lý khoá học và kiểm tra…")
THILAIXE_CHU(kTrKhongVao, "Không vào được bài kiểm tra: %1")

// The teacher's window.
THILAIXE_CHU(kGvTieuDe, "Quản lý khoá học và kiểm tra – %1")
THILAIXE_CHU(kGvTruong, "&Trường:")
THILAIXE_CHU(kGvKhoaHoc, "&Khoá học:")
THILAIXE_CHU(kGvMotKhoa, "%1 – %2 (hạng %3), %4 học viên")
THILAIXE_CHU(kGvThemKhoa, "Thêm kh&oá học…")
THILAIXE_CHU(kGvThemHocVien, "Thêm &học viên…")
THILAIXE_CHU(kGvTabHocVien, "Học &viên")
THILAIXE_CHU(kGvTabCauSai, "Câu &sai nhiều")
THILAIXE_CHU(kGvTabKiemTra, "Kiểm t&ra kết thúc môn")
THILAIXE_CAC_CHU(kGvCotHocVien, 7, QStringLiteral("Số báo danh"), QStringLiteral("Họ tên"),
                 QStringLiteral("Số bài"), QStringLiteral("Đạt"), QStringLiteral("Bài gần nhất"),
                 QStringLiteral("Cao nhất"), QStringLiteral("Điểm liệt đã vững"))
THILAIXE_CAC_CHU(kGvCotCauSai, 4, QStringLiteral("Câu"), QStringLiteral("Số lần sai"),
                 QStringLiteral("Số lần gặp"), QStringLiteral("Nội dung"))
THILAIXE_CAC_CHU(kGvCotTinhHinh, 7, QStringLiteral("Số báo danh"), QStringLiteral("Họ tên"),
                 QStringLiteral("Trạng thái"), QStringLiteral("Đúng/Sai"),
                 QStringLiteral("Câu điểm liệt sai"), QStringLiteral("Kết quả"), QStringLiteral("Mã đề"))
THILAIXE_CHU(kGvChuaChon, "Chọn một học viên để xem khả năng đạt và các chương yếu nhất.")
THILAIXE_CHU(kGvChiTiet, "%1 (%2): khả năng đạt bài thi hạng %3 là %4%, trượt vì câu điểm liệt %5%.")
THILAIXE_CHU(kGvChiTietChuaThi, "%1 (%2): chưa có bài thi hạng %3 nào.")
THILAIXE_CHU(kGvYeuNhat, "Chương yếu nhất: %1.")
THILAIXE_CHU(kGvMotChuong, "chương %1 (đúng %2/%3 câu gần nhất)")
THILAIXE_CHU(kGvXuatCsv, "Xuất &bảng tính (CSV)…")
THILAIXE_CHU(kGvMoPhien, "&Mở phiên kiểm tra…")
THILAIXE_CHU(kGvDongPhien, "Đó&ng phiên")
THILAIXE_CHU(kGvInKetQua, "In bảng kết &quả (PDF)…")
THILAIXE_CHU(kGvInDe, "In đề &giấy (PDF)…")
THILAIXE_CHU(kGvPhien, "&Phiên:")
THILAIXE_CHU(kGvMotPhien, "%1 – hạng %2, %3 phút%4")
THILAIXE_CHU(kGvPhienDaDong, " (đã đóng %1)")
THILAIXE_CHU(kGvChuaBatDau, "chưa bắt đầu")
THILAIXE_CHU(kGvDangLam, "đang làm câu %1, còn %2:%3 (%4 giây trước)")
THILAIXE_CHU(kGvDaBatDau, "đã bắt đầu, chưa có tin (%1 giây trước)")
THILAIXE_CHU(kGvHetGioChuaNop, "hết giờ ở câu %1, chưa nộp (tin cuối %2 giây trước)")
THILAIXE_CHU(kGvDaNop, "đã nộp")
THILAIXE_CHU(kGvDaDongChuaNop, "phiên đã đóng, chờ bài nộp")
THILAIXE_CHU(kGvDemTinhHinh, "%1 học viên: %2 chưa bắt đầu, %3 đang làm, %4 đã nộp (%5 đạt).")
THILAIXE_CHU(kGvHoiMa, "Mã khoá học (học viên gõ khi đăng nhập):")
THILAIXE_CHU(kGvHoiTenKhoa, "Tên khoá học:")
THILAIXE_CHU(kGvHoiSbd, "Số báo danh:")
THILAIXE_CHU(kGvHoiTen, "Họ và tên:")
THILAIXE_CHU(kGvPinChiSo, "Mã PIN chỉ gồm 8 chữ số (dễ gõ hơn; mặc định 8 chữ và số, khó đoán hơn)")
THILAIXE_CHU(kGvCapLaiPin, "&Cấp lại mã PIN…")
THILAIXE_CHU(kGvNhapDanhSach, "Nhập &danh sách học viên…")
THILAIXE_CHU(kGvLocDanhSach, "Bảng tính (*.xlsx *.ods *.csv)")
THILAIXE_CHU(kGvLuuPhieu, "Lưu phiếu mã PIN để phát cho học viên")
THILAIXE_CHU(kGvDaNhap, "Đã nhập %1 học viên mới (phiếu mã PIN ở %2) và cập nhật %3 học viên đã có.")
THILAIXE_CHU(kGvGuiNganHang, "Đưa ngân hàng &lên máy chủ…")
THILAIXE_CHU(kGvDaGui, "Máy chủ đã có ngân hàng %1 (mã %2): các máy của phòng lấy nó ở lần đăng nhập tới.")
THILAIXE_CHU(kGvInLaiDe, "&In lại đề của học viên này (PDF)…")
THILAIXE_CHU(
    kGvHoiDong,
    "Đóng phiên kiểm tra này? Các bài đang làm sẽ được nộp ngay như khi hết giờ, và không ai bắt đầu được "
    "bài mới.")
THILAIXE_CHU(kGvNutDong, "Đó&ng phiên")
THILAIXE_CHU(kGvNutChuaDong, "&Chưa đóng")
THILAIXE_CHU(kGvChuaCoDe, "chưa có đề")
THILAIXE_CHU(kGvDaRut, "Đã rút đề cho %1 học viên.")
THILAIXE_CHU(kGvHoiPhut, "Thời gian làm bài (phút):")
THILAIXE_CHU(kGvHoiMo, "Mở lúc:")
THILAIXE_CHU(kGvHoiQuyTac, "Cấu trúc đề:")
THILAIXE_CHU(kGvHoiHat, "Mã đề (số đến 18 chữ số; cùng mã cho cùng đề):")
THILAIXE_CHU(kGvNutDongY, "Đồng ý")
THILAIXE_CHU(kGvLoi, "Không làm được: %1")
THILAIXE_CHU(kGvDaLuu, "Đã lưu %1.")
THILAIXE_CHU(kGvCanKhoa, "hãy chọn một khoá học trước")
THILAIXE_CHU(kGvCanPhien, "hãy chọn một phiên kiểm tra trước")
THILAIXE_CHU(kGvLocCsv, "Bảng tính CSV (*.csv)")
THILAIXE_CHU(kGvLocPdf, "PDF (*.pdf)")

THILAIXE_CHU(kTrDungMayChu, "&Dùng máy chủ của trường…")
THILAIXE_CHU(
    kTrHoiMayChu,
    "Chuỗi kết nối tới máy chủ PostgreSQL của trường (do trường đưa, ví dụ host=may-chu dbname=thilaixe "
    "sslmode=require). Để trống để chỉ dùng dữ liệu trên máy này.")
THILAIXE_CHU(kTrMayChuLuu, "Từ lần mở chương trình sau, máy này dùng dữ liệu chung trên %1.")
THILAIXE_CHU(kTrMayChuBo, "Từ lần mở chương trình sau, máy này chỉ dùng dữ liệu của chính nó.")
THILAIXE_CHU(kDnKhongDung, "Dùng dữ liệu trên &máy này")

}  // namespace thilaixe::txt

#undef THILAIXE_CHU
#undef THILAIXE_CAC_CHU
