#pragma once

// Every text the program shows, in one place, exactly as the users see it.
// Plain-ASCII texts stay ASCII on purpose (window titles, the message box).

#include <QString>

namespace thilaixe::txt {

// Entry form
inline const QString kNhanHang = QStringLiteral("Hạng:");
inline const QString kNhanKhoa = QStringLiteral("Khoá:");
inline const QString kNhanSBD = QStringLiteral("Số báo danh:");
inline const QString kThongBaoKhaiBao = QStringLiteral("Bấm Tab, Esc hoặc Enter để khai báo");
inline const QString kHoc = QStringLiteral("&Học");
inline const QString kThiThu = QStringLiteral("&Thi thử");
inline const QString kTooltipHang = QStringLiteral("Chi go cac tu sau: \"B1\", \"B2\", \"C\", \"D\", \"E\"");
inline const QString kHoTenThiSinh = QStringLiteral("Thí sinh dự thi");

// Exam sheet
inline const QString kTieuDeThi = QStringLiteral("Thi ly thuyet lai xe hang ");
inline const QString kBatDau = QStringLiteral("&Bắt đầu");
inline const QString kKetThuc = QStringLiteral("&Kết thúc");
inline const QString kCau = QStringLiteral("Câu");
inline const QString kPhuongAn = QStringLiteral("Phương án ");
inline const QString kCauHoiSo = QStringLiteral("Câu hỏi số ");
inline const QString kHuongDanChonCau = QStringLiteral("Dùng chuột bấm hoặc dùng mũi tên để chọn câu hỏi");
inline const QString kHuongDanChonPA = QStringLiteral("Gõ số 1-4 hoặc bấm chuột để chọn các phương án");
inline const QString kNhanHoTen = QStringLiteral("Họ tên:");
inline const QString kNhanSoBaoDanh = QStringLiteral("SBD:");
inline const QString kCacCauHoi = QStringLiteral("Các câu hỏi:");
inline const QString kChonCacPhuongAn = QStringLiteral("Chọn các phương án:");
inline const QString kTongThoiGian = QStringLiteral("Tổng thời gian làm bài:");
inline const QString kThoiGianCon = QStringLiteral("Thời gian làm bài còn:");
inline const QString kPhutKhongGiay = QStringLiteral(" phút 00 giây");  // after 25 or 20
inline const QString kPhut = QStringLiteral(" phút");
inline const QString kPhutCuoi = QStringLiteral(" phút ");
inline const QString kGiay = QStringLiteral(" giây");

// Result form
inline const QString kThiLaiXeHang = QStringLiteral("Thi lái xe hạng ");
inline const QString kSoCauDung = QStringLiteral("Số câu trả lời đúng:");
inline const QString kSoCauSai = QStringLiteral("Số câu trả lời sai:");
inline const QString kKetQua = QStringLiteral("Kết quả: ");
inline const QString kThoatKQ = QStringLiteral("&Thoát");
inline const QString kXemLai = QStringLiteral("&Xem lại bài thi");
inline const QString kDat = QStringLiteral("Đạt");
inline const QString kKhongDat = QStringLiteral("Không đạt");
inline const QString kTieuDeKQ = QStringLiteral("Họ tên: ");
inline const QString kTieuDeKQSBD = QStringLiteral("   SBD: ");
inline const QString kTieuDeKhongLuu = QStringLiteral("Loi khi ghi tep");
inline const QString kKhongLuuDuoc =
    QStringLiteral("Không lưu được bài thi này vào tệp %1: %2.\n\n"
                   "Các bài thi đã lưu trước đây vẫn còn nguyên, và kết quả bài thi này vẫn được hiển thị. "
                   "Hãy kiểm tra rằng ổ đĩa còn chỗ trống, thư mục cho phép ghi và DuLieu.txt là một tệp "
                   "thường.");

// Answer reviews
inline const QString kTieuDeDapAn = QStringLiteral("Dap an bai thi");
inline const QString kBanDaTraLoi = QStringLiteral("Ban da tra loi ");
inline const QString kCauDung = QStringLiteral(" cau dung");
inline const QString kChuyenToi = QStringLiteral("Chuyển tới các câu hỏi:");
inline const QString kVe = QStringLiteral("<< &Về");
inline const QString kTiep = QStringLiteral("&Tiếp >>");
inline const QString kThoat = QStringLiteral("Th&oát");
inline const QString kDong = QStringLiteral("Đó&ng");
inline const QString kDapAnCuaChungToi = QStringLiteral("Đáp án của chúng tôi: ");
inline const QString kPhuongAnBanTraLoi = QStringLiteral("Phương án  bạn trả lời: ");
inline const QString kTieuDeDaThi = QStringLiteral("Nhung lan da thi thu");
inline const QString kBanDaTraLoiDung = QStringLiteral("Bạn đã trả lời đúng được");
inline const QString kTrenBaMuoi = QStringLiteral("/30 câu hỏi");

// Study form
inline const QString kTieuDeHoc = QStringLiteral("Hoc ly thuyet 300 cau hoi Luat xe co gioi");
inline const QString kCauHoiSoHoc = QStringLiteral("Câu hỏi số:");
inline const QString kCacPhan =
    QStringLiteral("Lý thuyết: Từ câu 1-150  Biển báo: Từ câu 151-250  Sa bàn: Từ câu 251-300");
inline const QString kXemDapAn = QStringLiteral("&Xem đáp án");
inline const QString kToiCauHoiSo = QStringLiteral("Tới câu hỏi số:");
inline const QString kCacLanDaThi = QStringLiteral("&Các lần đã thi");

// In place of a question picture that does not decode.
inline const QString kAnhHong = QStringLiteral("ảnh câu hỏi bị hỏng\n(%1)");

// Missing-file message
inline const QString kTieuDeLoiDoc = QStringLiteral("Loi khi doc tep");
inline const QString kLoiDocDong1 = QStringLiteral("Khong co tep du lieu hoac tep du lieu bi hong!");

// Missing question bank at start (names the folder and what it looked for)
inline const QString kTieuDeThieuNganHang = QStringLiteral("Thiếu ảnh câu hỏi");
inline const QString kThuMucDuLieu = QStringLiteral("Thư mục dữ liệu: ");
inline const QString kKhongThayAnh =
    QStringLiteral("Không tìm thấy %1 trong 300 ảnh câu hỏi (001.jpg … 300.jpg): %2");
inline const QString kKhongChuanBiDuoc =
    QStringLiteral("Chưa chuẩn bị xong thư mục này: %1. Hãy giải phóng chỗ trống hoặc kiểm tra quyền ghi; "
                   "lần mở sau chương trình sẽ làm tiếp phần còn thiếu.");
inline const QString kCachThemAnh = QStringLiteral(
    "Để dùng ảnh của trung tâm: chép các tệp 001.jpg … 300.jpg vào thư mục trên (giữ nguyên tên tệp), "
    "để tệp DuLieu.txt bên cạnh, rồi mở lại chương trình. "
    "Chọn thư mục khác: thilaixe --data THƯ_MỤC");

// Author strip and information window
inline const QString kTooltipTacGia = QStringLiteral("Bam chuot vao day de lien he tac gia");
inline const QString kNguoiViet = QStringLiteral("Người viết chương trình:");
inline const QString kTieuDeThongTin = QStringLiteral("Thong tin them");
inline const QString kCamOn = QStringLiteral("Cảm ơn bạn đã sử dụng phần mềm");
inline const QString kLienHe = QStringLiteral("Mọi vấn đề, xin liên hệ với tác giả");
inline const QString kDTCQ = QStringLiteral("ĐTCQ:");
inline const QString kDD = QStringLiteral("DĐ:      ");

// Practising mistakes, progress and readiness.
inline const QString kOnCauSai = QStringLiteral("Ôn câu &sai");
inline const QString kTienBo = QStringLiteral("Tiến &bộ");
inline const QString kTraLoiDung = QStringLiteral("Đúng! Đáp án là %1.");
inline const QString kTraLoiSai = QStringLiteral("Sai. Đáp án đúng là %1.");
inline const QString kChuaCoBaiThi = QStringLiteral(
    "Chưa có bài thi nào được lưu. Hãy thi thử: các câu làm sai hoặc bỏ trống sẽ được đưa vào đây để ôn.");
inline const QString kTieuDeLichSu = QStringLiteral("Tệp lịch sử thi");
inline const QString kKhongDocDuocLichSu =
    QStringLiteral("Không đọc được tệp lịch sử thi %1: %2.\n\n"
                   "Chương trình không thay đổi gì trong tệp đó. Hãy kiểm tra rằng đó là một tệp thường "
                   "(không phải liên kết hay thư mục) mà bạn có quyền đọc, rồi mở lại cửa sổ này.");
inline const QString kLichSuKhongDoc =
    QStringLiteral("Không đọc được tệp lịch sử thi, nên chưa tính được. Các câu đã ôn vẫn được giữ.");
// The learner's store (thilaixe.sqlite).
inline const QString kHoSoMacDinh = QStringLiteral("Người học");
inline const QString kTieuDeKho = QStringLiteral("Dữ liệu học tập");
inline const QString kKhongGhiDuocKho = QStringLiteral(
    "Không ghi được vào %1: %2.\n\nKhông có gì bị mất: những gì vừa làm được giữ trong chương "
    "trình và sẽ được ghi ở lần ghi được sau (chương trình thử lại vài giây một lần, và hỏi bạn trước "
    "khi kết thúc nếu vẫn chưa ghi được). Hãy kiểm tra rằng ổ đĩa còn chỗ trống và thư mục "
    "cho phép ghi.");
inline const QString kKhoWalHong = QStringLiteral(
    "Nhật ký ghi của %1 (tệp -wal đi kèm) bị hỏng: %2 phần thay đổi đã ghi không đọc lại được, nên "
    "một số bài thi hoặc câu ôn gần đây có thể không hiện ra.");
inline const QString kKhoWalDaSao = QStringLiteral(
    "\n\nBản sao của tệp và nhật ký ghi như trước khi mở được giữ nguyên ở %1 và %2: đừng xoá chúng, "
    "người hỗ trợ có thể khôi phục từ đó.");
inline const QString kKhoWalKhongSao =
    QStringLiteral("\n\nKhông chép được bản sao trước khi mở (ổ đĩa đầy?).");
inline const QString kKhoWalChiDoc = QStringLiteral(" Tệp và nhật ký ghi không bị thay đổi.");
// Held changes when the program ends.
inline const QString kTieuDeChuaGhi = QStringLiteral("Còn dữ liệu chưa ghi");
inline const QString kHoiChuaGhi = QStringLiteral(
    "Chưa ghi được %1 vào %2: %3.\n\nNếu kết thúc bây giờ, những thay đổi này sẽ mất. Bạn có thể thử "
    "ghi lại (chẳng hạn sau khi giải phóng chỗ trên ổ đĩa hoặc đóng cửa sổ khác của chương trình), hoặc "
    "lưu chúng ra một tệp để ghi vào sau bằng lệnh thilaixe --import TỆP.");
inline const QString kNutThuLai = QStringLiteral("&Thử ghi lại");
inline const QString kNutLuuRaTep = QStringLiteral("&Lưu ra tệp…");
inline const QString kNutKetThucMat = QStringLiteral("Kết thúc và &mất các thay đổi này");
inline const QString kChonTepChuaGhi = QStringLiteral("Lưu các thay đổi chưa ghi");
inline const QString kTenTepChuaGhi = QStringLiteral("thilaixe-chua-ghi-%1.json");
inline const QString kDaLuuChuaGhi = QStringLiteral(
    "Đã lưu %1 vào %2.\n\nKhi ghi được vào dữ liệu học tập, chạy: thilaixe --import \"%2\" --data \"%3\"");
inline const QString kKhongLuuDuocTep = QStringLiteral("Không lưu được vào %1: %2.");
inline const QString kKhoKhongDoc = QStringLiteral("Không đọc được %1: %2.");
inline const QString kKhoTrongBoNho =
    QStringLiteral("Không dùng được %1: %2.\n\nChương trình vẫn chạy, nhưng những gì bạn ôn và thi lần này "
                   "sẽ không được lưu khi đóng chương trình. Tệp đó không bị thay đổi.");
inline const QString kKhoHongDoiCho =
    QStringLiteral("Tệp %1 %2, nên chương trình đã chuyển nó sang %3 (không xoá gì) và bắt đầu một tệp mới. "
                   "Các bài thi 30 câu trong DuLieu.txt không bị ảnh hưởng.");
inline const QString kOnTapCuHong =
    QStringLiteral("Tệp ôn tập cũ %1 không đọc được, nên chưa chuyển được vào dữ liệu học tập. Tệp được giữ "
                   "nguyên dưới tên %2.");
inline const QString kDatGanDay = QStringLiteral("Đạt %1/%2 lần thi gần nhất");
inline const QString kSaiNhieuNhat = QStringLiteral("10 câu sai nhiều nhất (bấm để xem):");
inline const QString kMucSaiNhieu = QStringLiteral("Câu %1: sai %2 lần");
// The parts of the 300-question bank (their questions are given beside them).
inline const QString kCacPhanNganHang[3] = {QStringLiteral("Lý thuyết"), QStringLiteral("Biển báo"),
                                            QStringLiteral("Sa bàn")};
inline const QString kDiemDat = QStringLiteral("Đạt: %1");
inline const QString kTruc = QStringLiteral("Số câu đúng của từng lần thi, cũ nhất bên trái");

// Names and announcements for assistive technology (screen readers).
inline const QString kTtCauChuaTraLoi = QStringLiteral("Câu %1, chưa trả lời");
inline const QString kTtCauDaChon = QStringLiteral("Câu %1, đã chọn %2");
inline const QString kTtCauDung = QStringLiteral("Câu %1, đúng");
inline const QString kTtCauSai = QStringLiteral("Câu %1, sai");
inline const QString kTtOChon = QStringLiteral("Phương án đã chọn ở câu %1");
inline const QString kTtAnh = QStringLiteral("Ảnh câu hỏi số %1");
inline const QString kTtAnhHong = QStringLiteral("Ảnh câu hỏi số %1 bị hỏng");
inline const QString kTtKhongCoAnh = QStringLiteral("Ảnh câu hỏi");
inline const QString kTtHang = QStringLiteral("Hạng");
inline const QString kTtKhoa = QStringLiteral("Khoá");
inline const QString kTtSoBaoDanh = QStringLiteral("Số báo danh");
inline const QString kTtTacGia = QStringLiteral("Thông tin tác giả (bấm để xem thêm)");
inline const QString kTtAnhTacGia = QStringLiteral("Ảnh tác giả");
inline const QString kTtBieuTuong = QStringLiteral("Biểu tượng chương trình");
inline const QString kTtQuaDia = QStringLiteral("Quả địa cầu quay (hình trang trí)");
inline const QString kTtConPhut = QStringLiteral("Còn %1 phút làm bài");
inline const QString kTtKetQua = QStringLiteral("Kết quả: %1. Số câu trả lời đúng: %2, sai: %3.");
inline const QString kTtDiem = QStringLiteral("Số câu đúng của từng lần thi, cũ nhất trước: %1.");
inline const QString kTtDiemMot = QStringLiteral("%1 (%2)");
inline const QString kTtChuaCoDiem = QStringLiteral("Chưa có lần thi nào.");

// The windows of a data bank (the exam in force since June 2025).
inline const QString kDlNutVaoEntry = QStringLiteral("Đề &mới: 600 câu (2025)");
inline const QString kDlTtNutVaoEntry = QStringLiteral(
    "Mở ngân hàng 600 câu theo quy định từ 01/6/2025: thi thử mọi hạng, học theo chương, câu điểm liệt");
// Under that button: what the two buttons above it are.
inline const QString kDlDeCuEntry =
    QStringLiteral("Học, Thi thử ở trên: bộ đề cũ 300 câu, không phải đề thi hiện hành.");
inline const QString kDlKhongThayNganHang =
    QStringLiteral("Không tìm thấy ngân hàng câu hỏi 600 câu (bank.json). Hãy chạy chương trình với "
                   "--bank TỆP, hoặc đặt tệp vào thư mục bank-2025 trong thư mục làm việc.");
inline const QString kDlTieuDeLoiNganHang = QStringLiteral("Ngân hàng câu hỏi");
inline const QString kDlLoiNganHang = QStringLiteral("Không dùng được ngân hàng %1:\n\n%2");
inline const QString kDlQuyTacDaHet = QStringLiteral(
    "Bộ quy tắc ra đề %1 đã hết hiệu lực sau ngày %2 và chưa có bộ nào thay thế, nên chưa thi thử được. "
    "Trường hoặc trung tâm hãy đặt tệp quy tắc mới vào thư mục %3.");
inline const QString kDlQuyTacChuaBatDau = QStringLiteral(
    "Bộ quy tắc ra đề %1 chỉ có hiệu lực từ ngày %2, nên chưa thi thử được. Trường hoặc trung tâm hãy đặt "
    "tệp quy tắc đang có hiệu lực vào thư mục %3.");
inline const QString kDlLoiTepQuyTac = QStringLiteral("⚠ Tệp quy tắc bị bỏ qua vì có lỗi: %1");
inline const QString kDlDungThay = QStringLiteral("Đang dùng thay: %1 (%2).");
inline const QString kDlCaiSan = QStringLiteral("có sẵn trong chương trình");
inline const QString kDlTieuDeNha = QStringLiteral("%1 – thilaixe");
inline const QString kDlPhienBanNguon = QStringLiteral("Phiên bản %1 · %2 câu, %3 câu điểm liệt\nNguồn: %4");
inline const QString kDlQuyTac = QStringLiteral("Quy tắc ra đề: %1 (từ %2)");
inline const QString kDlNguoiHoc = QStringLiteral("&Người học:");
inline const QString kDlThemNguoiHoc = QStringLiteral("Thêm ngườ&i học…");
inline const QString kDlTenNguoiHoc = QStringLiteral("Tên người học mới:");
inline const QString kDlHang = QStringLiteral("&Hạng:");
inline const QString kDlMotDongQuyTac = QStringLiteral("%1 câu, %2 phút, đạt từ %3 câu, có %4 câu điểm liệt");
inline const QString kDlMotDongKhongLiet =
    QStringLiteral("%1 câu, %2 phút, đạt từ %3 câu, không có câu điểm liệt");
inline const QString kDlKhongRutDuoc = QStringLiteral("Ngân hàng này không ra được đề hạng %1: %2");
inline const QString kDlThiThu = QStringLiteral("&Thi thử");
inline const QString kDlHocTheoChuong = QStringLiteral("Học theo &chương");
inline const QString kDlCauDiemLiet = QStringLiteral("Câu điểm &liệt");
inline const QString kDlOnCauSai = QStringLiteral("Ôn câu &sai");
inline const QString kDlTimCauHoi = QStringLiteral("Tì&m câu hỏi");
inline const QString kDlTienBo = QStringLiteral("Tiến &bộ");
inline const QString kDlDaVung = QStringLiteral("Câu điểm liệt: đã vững %1/%2");
inline const QString kDlConCauSai = QStringLiteral("Câu sai cần ôn: %1");
inline const QString kDlGiaoDien = QStringLiteral("&Giao diện:");
inline const QString kDlCacGiaoDien[4] = {QStringLiteral("Theo hệ thống"), QStringLiteral("Sáng"),
                                          QStringLiteral("Tối"), QStringLiteral("Tương phản cao")};
inline const QString kDlAmBao = QStringLiteral("Âm báo &khi sắp hết giờ");
inline const QString kDlDaoPhuongAn = QStringLiteral("Đảo thứ tự &phương án khi ôn");

inline const QString kDlPhongToGoiY = QStringLiteral("Nhấp đúp hoặc bấm Z để phóng to");
inline const QString kDlKhongCoAnh = QString();
inline const QString kDlAnhHong = QStringLiteral("ảnh câu hỏi bị hỏng\n(%1)");
inline const QString kDlDong = QStringLiteral("Đó&ng");
inline const QString kDlDiemLiet = QStringLiteral("CÂU ĐIỂM LIỆT");
inline const QString kDlNoiDungTrongAnh = QStringLiteral("(Nội dung câu hỏi nằm trong ảnh.)");
inline const QString kDlTtAnh = QStringLiteral("Ảnh của câu hỏi số %1");
inline const QString kDlPhuongAnTrongAnh = QStringLiteral("Phương án %1 (trong ảnh)");
inline const QString kDlDapAnDung = QStringLiteral("đáp án đúng");
inline const QString kDlBanChon = QStringLiteral("bạn chọn");
inline const QString kDlDaChon = QStringLiteral("đã chọn");
inline const QString kDlChuaChon = QStringLiteral("Chưa trả lời.");
inline const QString kDlChonDung = QStringLiteral("Đúng.");
inline const QString kDlChonSai = QStringLiteral("Sai.");
inline const QString kDlDapAnLa = QStringLiteral("Đáp án đúng là %1.");
inline const QString kDlGiaiThich = QStringLiteral("Giải thích: ");

inline const QString kDlTieuDeThi = QStringLiteral("Thi thử hạng %1 – %2");
inline const QString kDlConLai = QStringLiteral("Còn %1:%2");
inline const QString kDlTtConLai = QStringLiteral("Thời gian còn lại: %1 phút %2 giây");
inline const QString kDlCon5Phut = QStringLiteral("⚠ Còn 5 phút.");
inline const QString kDlCon1Phut = QStringLiteral("⚠ Còn 1 phút!");
inline const QString kDlTieuDeCau = QStringLiteral("Câu %1/%2 – câu hỏi số %3");
inline const QString kDlTtO = QStringLiteral("Câu %1: %2");
inline const QString kDlODaLam = QStringLiteral("đã trả lời");
inline const QString kDlOChuaLam = QStringLiteral("chưa trả lời");
inline const QString kDlODung = QStringLiteral("đúng");
inline const QString kDlOSai = QStringLiteral("sai");
inline const QString kDlOBoTrong = QStringLiteral("bỏ trống");
inline const QString kDlCauTruoc = QStringLiteral("< Câu &trước");
inline const QString kDlCauSau = QStringLiteral("Câu &sau >");
inline const QString kDlNopBai = QStringLiteral("&Nộp bài");
inline const QString kDlHoiNopConTrong = QStringLiteral("Nộp bài? Còn %1 câu chưa trả lời: %2.");
inline const QString kDlHoiNopDuCau = QStringLiteral("Nộp bài? Bạn đã trả lời cả %1 câu.");
inline const QString kDlLamTiep = QStringLiteral("&Làm tiếp");
inline const QString kDlDat = QStringLiteral("✓ ĐẠT");
inline const QString kDlKhongDat = QStringLiteral("✗ KHÔNG ĐẠT");
inline const QString kDlSoCau = QStringLiteral("Đúng %1 · Sai %2 · Bỏ trống %3 (trên %4 câu)");
inline const QString kDlCanDeDat = QStringLiteral("Cần ít nhất %1 câu đúng và không sai câu điểm liệt nào.");
inline const QString kDlLoaiVi = QStringLiteral("Bài bị loại vì câu điểm liệt: %1.");
inline const QString kDlMotCauLiet = QStringLiteral("câu %1 của đề (câu hỏi số %2)");
inline const QString kDlHetGio = QStringLiteral("Hết giờ: bài đã được nộp tự động.");
inline const QString kDlDaLuu = QStringLiteral("Bài thi đã được lưu.");
inline const QString kDlThiLai = QStringLiteral("Thi &lại");
inline const QString kDlXemLai = QStringLiteral("&Xem lại bài");
inline const QString kDlVeNha = QStringLiteral("&Về trang chính");
inline const QString kDlVeKetQua = QStringLiteral("Về &kết quả");
inline const QString kDlTieuDeXemLai = QStringLiteral("Xem lại – hạng %1");

inline const QString kDlTieuDeHoc = QStringLiteral("Học theo chương – %1");
inline const QString kDlChuong = QStringLiteral("&Chương:");
inline const QString kDlCaNganHang = QStringLiteral("Cả ngân hàng (%1 câu)");
inline const QString kDlMotChuong = QStringLiteral("Chương %1: %2 (câu %3–%4)");
inline const QString kDlDaoThuTu = QStringLiteral("Đảo thứ &tự");
inline const QString kDlXemDapAn = QStringLiteral("&Xem đáp án");
inline const QString kDlTieuDeCauHoc = QStringLiteral("%1/%2 – câu hỏi số %3");

inline const QString kDlTieuDeOnSai = QStringLiteral("Ôn câu sai – %1");
inline const QString kDlTieuDeOnLiet = QStringLiteral("Câu điểm liệt – %1");
inline const QString kDlConOn = QStringLiteral("Còn %1 câu");
inline const QString kDlCauTiep = QStringLiteral("Câu &tiếp >");
inline const QString kDlKhongConSai =
    QStringLiteral("Không còn câu sai nào cần ôn. Câu nào làm sai ở lần thi sau sẽ được đưa vào đây.");
inline const QString kDlChuaCoBai = QStringLiteral(
    "Chưa có bài thi nào của ngân hàng này. Hãy thi thử: các câu làm sai hoặc bỏ trống sẽ được đưa vào đây.");
inline const QString kDlDaVungHet = QStringLiteral(
    "Bạn đã vững tất cả %1 câu điểm liệt của hạng này (mỗi câu đúng ở ít nhất 2 ngày khác nhau).");
inline const QString kDlDungRoiDS = QStringLiteral("Câu này đã rời danh sách.");
inline const QString kDlDungLienTiep = QStringLiteral("Đúng liên tiếp %1/%2.");
inline const QString kDlNgayDung = QStringLiteral("Đã đúng ở %1/2 ngày khác nhau.");

inline const QString kDlTieuDeTim = QStringLiteral("Tìm câu hỏi – %1");
inline const QString kDlTim = QStringLiteral("&Tìm (có dấu hay không dấu):");
inline const QString kDlXoaTim = QStringLiteral("Xoá ô tìm");
inline const QString kDlKetQuaTim = QStringLiteral("%1 câu tìm thấy");
inline const QString kDlMucTim = QStringLiteral("Câu %1: %2");

inline const QString kDlTieuDeTienBo = QStringLiteral("Tiến bộ – hạng %1");
inline const QString kDlKhaNangDat = QStringLiteral("Khả năng đạt ở lần thi tới: %1 %");
inline const QString kDlKhaNangLiet = QStringLiteral("Khả năng bị loại vì câu điểm liệt: %1 %");
inline const QString kDlDuaTren = QStringLiteral("Dựa trên %1 bài thi hạng %2 và các câu đã ôn.");
inline const QString kDlChuaCoBaiHang =
    QStringLiteral("Chưa có bài thi hạng %1: hãy thi thử ít nhất một lần.");
inline const QString kDlBrier = QStringLiteral(
    "Kiểm chứng: trên %1 bài thi sau khi dự đoán, sai số Brier là %2 (0 là đúng hoàn toàn, 0,25 là "
    "đoán mò; dự đoán trung bình %3 %, thực tế đạt %4 %).");
inline const QString kDlBrierChuaDu =
    QStringLiteral("Kiểm chứng: cần ít nhất 5 bài thi có dự đoán trước (mới có %1).");
inline const QString kDlDoPhu = QStringLiteral("Đã gặp theo chương (trong bài thi hoặc khi ôn):");
inline const QString kDlTtDoPhu = QStringLiteral("Chương %1: đã gặp %2 trên %3 câu");

// Faults in a bank or rule file, each said in Vietnamese and then in English
// (a school's tools may read either). Where a fault lies:
inline const QString kTepViTriCau = QStringLiteral("câu %1 (questions[%2].%3)");
inline const QString kTepViTriTep = QStringLiteral("tệp");
inline const QString kTepViTriByte = QStringLiteral("byte %1");
inline const QString kTepViTriSoCau = QStringLiteral("câu %1");
inline const QString kTepViTriChuong = QStringLiteral("chương %1");
inline const QString kTepViTriAnh = QStringLiteral("câu %1 (%2)");

// What the fault is:
inline const QString kTepDangMoiHon = QStringLiteral(
    "tệp theo định dạng mới hơn (%1) mà chương trình này chưa đọc được; hãy cập nhật chương trình");
inline const QString kTepDangMoiHonEn =
    QStringLiteral("a later format (%1) than this program reads; update the program");
inline const QString kTepKhongPhaiDang = QStringLiteral("không phải \"%1\"");
inline const QString kTepKhongPhaiDangEn = QStringLiteral("not \"%1\"");
inline const QString kTepThieu = QStringLiteral("thiếu");
inline const QString kTepThieuEn = QStringLiteral("missing");
inline const QString kTepPhaiLaChuoi = QStringLiteral("phải là chuỗi chữ");
inline const QString kTepPhaiLaChuoiEn = QStringLiteral("must be a string");
inline const QString kTepTrong = QStringLiteral("trống");
inline const QString kTepTrongEn = QStringLiteral("empty");
inline const QString kTepDaiQua = QStringLiteral("dài quá %1 ký tự");
inline const QString kTepDaiQuaEn = QStringLiteral("longer than %1 characters");
inline const QString kTepKyTuCam =
    QStringLiteral("có ký tự điều khiển hoặc đảo chiều chữ %1, không được phép");
inline const QString kTepKyTuCamEn =
    QStringLiteral("holds control or bidirectional override character %1, not allowed");
inline const QString kTepSoNguyen = QStringLiteral("phải là số nguyên từ %1 đến %2");
inline const QString kTepSoNguyenEn = QStringLiteral("must be a whole number from %1 to %2");
inline const QString kTepLonQua = QStringLiteral("lớn quá %1 MB");
inline const QString kTepLonQuaEn = QStringLiteral("larger than %1 MB");
inline const QString kTepKhongPhaiDoiTuong = QStringLiteral("not an object");
inline const QString kTepJsonHong = QStringLiteral("không phải JSON hợp lệ (%1)");
inline const QString kTepJsonHongEn = QStringLiteral("not valid JSON (%1)");
inline const QString kTepSoCau = QStringLiteral("phải có từ 1 đến %1 câu");
inline const QString kTepSoCauEn = QStringLiteral("must hold 1 to %1 questions");
inline const QString kTepSoChuong = QStringLiteral("phải có từ 1 đến 100 chương");
inline const QString kTepSoChuongEn = QStringLiteral("must hold 1 to 100 chapters");
inline const QString kTepDauSauCuoi = QStringLiteral("câu đầu lớn hơn câu cuối");
inline const QString kTepDauSauCuoiEn = QStringLiteral("first is after last");
inline const QString kTepChuongHaiLan = QStringLiteral("chương %1 có hai lần");
inline const QString kTepChuongHaiLanEn = QStringLiteral("chapter %1 given twice");
inline const QString kTepTrungKhoang = QStringLiteral("trùng khoảng câu với chương %1");
inline const QString kTepTrungKhoangEn = QStringLiteral("overlaps chapter %1");
inline const QString kTepSoLienNhau =
    QStringLiteral("số %1 đứng ở chỗ câu %2: các câu phải đánh số 1..N liền nhau");
inline const QString kTepSoLienNhauEn =
    QStringLiteral("number %1 stands where %2 should: questions run 1..N without gaps");
inline const QString kTepSoPhuongAn = QStringLiteral("phải có từ 2 đến 4 phương án");
inline const QString kTepSoPhuongAnEn = QStringLiteral("must hold 2 to 4 options");
inline const QString kTepPhuongAnChu =
    QStringLiteral("phương án phải là chữ, không trống, không dài quá %1 ký tự");
inline const QString kTepPhuongAnChuEn =
    QStringLiteral("an option must be non-empty text of at most %1 characters");
inline const QString kTepCanAnh = QStringLiteral("câu không có phương án bằng chữ thì phải có ảnh");
inline const QString kTepCanAnhEn = QStringLiteral("a question without text options needs a picture");
inline const QString kTepDungSai = QStringLiteral("phải là true hoặc false");
inline const QString kTepDungSaiEn = QStringLiteral("must be true or false");
inline const QString kTepAnhTrongThuMuc =
    QStringLiteral("đường dẫn ảnh phải nằm trong thư mục của tệp ngân hàng");
inline const QString kTepAnhTrongThuMucEn =
    QStringLiteral("the picture's path must stay inside the bank's folder");
inline const QString kTepDanhSachHang = QStringLiteral("phải là danh sách hạng");
inline const QString kTepDanhSachHangEn = QStringLiteral("must be a list of classes");
inline const QString kTepTenHang = QStringLiteral("tên hạng không hợp lệ");
inline const QString kTepTenHangEn = QStringLiteral("not a class name");
inline const QString kTepNgoaiChuong = QStringLiteral("không thuộc chương nào");
inline const QString kTepNgoaiChuongEn = QStringLiteral("lies in no chapter");
inline const QString kTepChuongQuaCuoi = QStringLiteral("kéo đến câu %1, ngân hàng chỉ có %2 câu");
inline const QString kTepChuongQuaCuoiEn = QStringLiteral("runs to question %1, the bank has %2");
inline const QString kTepKhongMoDuoc = QStringLiteral("không mở được: %1");
inline const QString kTepKhongCoEn = QStringLiteral("cannot be opened: no such file");
inline const QString kTepKhongMoDuocEn =
    QStringLiteral("cannot be opened: not a regular file that can be read");
inline const QString kTepKhongDocDuocEn = QStringLiteral("not a regular file that can be read");
inline const QString kTepKhongCoAnh = QStringLiteral("không có tệp ảnh");
inline const QString kTepKhongCoAnhEn = QStringLiteral("no such picture");
inline const QString kTepAnhNgoai = QStringLiteral("ảnh nằm ngoài thư mục ngân hàng");
inline const QString kTepAnhNgoaiEn = QStringLiteral("the picture lies outside the bank's folder");
inline const QString kTepKhongPhaiTepThuongEn = QStringLiteral("not a regular file");
inline const QString kTepAnhLonQua = QStringLiteral("ảnh %1×%2 điểm, lớn quá %3 triệu điểm ảnh");
inline const QString kTepAnhLonQuaEn = QStringLiteral("a %1x%2 picture, over %3 million pixels");
inline const QString kTepAnhHong = QStringLiteral("tệp ảnh hỏng, không đọc được");
inline const QString kTepAnhHongEn = QStringLiteral("the picture does not decode");
inline const QString kTepNgayTu = QStringLiteral("phải là ngày dạng YYYY-MM-DD");
inline const QString kTepNgayTuEn = QStringLiteral("must be a date, YYYY-MM-DD");
inline const QString kTepNgayDen =
    QStringLiteral("phải là null hoặc một ngày YYYY-MM-DD không trước valid_from");
inline const QString kTepNgayDenEn =
    QStringLiteral("must be null or a date YYYY-MM-DD not before valid_from");
inline const QString kTepSoHang = QStringLiteral("phải có từ 1 đến 100 hạng");
inline const QString kTepSoHangEn = QStringLiteral("must hold 1 to 100 classes");
inline const QString kTepTenChuong = QStringLiteral("tên chương phải là số");
inline const QString kTepTenChuongEn = QStringLiteral("a chapter is named by its number");
inline const QString kTepTongChuong =
    QStringLiteral("số câu theo chương cộng câu điểm liệt là %1, khác %2 câu của đề");
inline const QString kTepTongChuongEn =
    QStringLiteral("chapter quotas and critical questions add up to %1, not the paper's %2");
inline const QString kTepHangHaiLan = QStringLiteral("hạng %1 có hai lần");
inline const QString kTepHangHaiLanEn = QStringLiteral("class %1 given twice");

// Why a rule set cannot draw a class's paper from a bank
inline const QString kRutNhomCanDu = QStringLiteral("đề theo nhóm cần ngân hàng %1 câu");
inline const QString kRutThieuDiemLiet = QStringLiteral("cần %1 câu điểm liệt, nhóm %2 chỉ có %3");
inline const QString kRutCaNganHang = QStringLiteral("cả ngân hàng");
inline const QString kRutThieuChuong = QStringLiteral("chương %1 cần %2 câu, nhóm %3 chỉ có %4");

// Choosing among rule sets
inline const QString kQuyTacSapHet =
    QStringLiteral("Bộ quy tắc %1 hết hiệu lực sau ngày %2 (còn %3 ngày): hãy cập nhật bộ quy tắc mới.");
inline const QString kQuyTacTrungId =
    QStringLiteral("Hai tệp cùng mang bộ quy tắc \"%1\": %2 và %3; dùng %2. / Two files hold rule set "
                   "\"%1\"; the first by name is used.");
inline const QString kQuyTacCungNgay =
    QStringLiteral("Các bộ quy tắc cùng bắt đầu ngày %1: %2 (%3) và %4; dùng %2 (tệp đứng trước theo tên). / "
                   "Rule sets start on the same day; the first file by name is used.");
inline const QString kCoDienTieuDeNganHang = QStringLiteral("300 câu hỏi (đề 30 câu)");
inline const QString kCoDienTieuDeQuyTac = QStringLiteral("Đề 30 câu theo 30 nhóm");

// Why a file could not be used (the operating system's reasons, in words)
inline const QString kHtLienKet = QStringLiteral("là một liên kết (symlink), không phải tệp thường");
inline const QString kHtThuMuc = QStringLiteral("là một thư mục, không phải tệp");
inline const QString kHtFifo = QStringLiteral("là một ống dẫn (FIFO), không phải tệp thường");
inline const QString kHtThietBi = QStringLiteral("là một thiết bị, không phải tệp thường");
inline const QString kHtSocket = QStringLiteral("là một socket, không phải tệp thường");
inline const QString kHtTepDacBiet = QStringLiteral("là một tệp đặc biệt, không phải tệp thường");
inline const QString kHtKhongCo = QStringLiteral("không có tệp hay thư mục này");
inline const QString kHtKhongCoQuyen = QStringLiteral("không có quyền truy cập");
inline const QString kHtChiDocThuMuc = QStringLiteral("thư mục chỉ cho đọc, không ghi được vào đó");
inline const QString kHtDiaDay = QStringLiteral("ổ đĩa đã đầy");
inline const QString kHtLoiDia = QStringLiteral("lỗi đọc ghi của ổ đĩa");
inline const QString kHtKhongPhaiThuMuc = QStringLiteral("một phần của đường dẫn không phải là thư mục");
inline const QString kHtTenQuaDai = QStringLiteral("tên tệp quá dài");
inline const QString kHtQuaNhieuTep = QStringLiteral("đang mở quá nhiều tệp");
inline const QString kHtLoiSo = QStringLiteral("lỗi hệ thống số %1 (%2)");
inline const QString kHtKhongTaoKhoa = QStringLiteral("không tạo được tệp khoá %1.lock: %2");
inline const QString kHtKhongKhoa = QStringLiteral("không khoá được tệp %1.lock: %2");
inline const QString kHtBanKhacGhi =
    QStringLiteral("tệp đang được một bản khác của chương trình ghi (đã chờ 15 giây)");

// The learner's store
inline const QString kKhoTenTrong = QStringLiteral("tên trống");
inline const QString kKhoChiDoc = QStringLiteral("chỉ đọc");
inline const QString kKhoChoBaiThi = QStringLiteral("%1 bài thi");
inline const QString kKhoChoCauOn = QStringLiteral("%1 câu trả lời khi ôn");
inline const QString kKhoChoDiemLiet = QStringLiteral("%1 ngày đúng câu điểm liệt");
inline const QString kKhoChoCaiDat = QStringLiteral("%1 cài đặt");
inline const QString kKhoChoKhac = QStringLiteral("%1 thay đổi khác");
inline const QString kKhoKhongPhaiTepCho =
    QStringLiteral("không phải tệp các thay đổi chưa ghi của chương trình (\"%1\")");
inline const QString kKhoChoKhongPhaiBai = QStringLiteral("thay đổi %1 không phải một bài thi đọc được");
inline const QString kKhoChoKhongDoc = QStringLiteral("thay đổi %1 không đọc được (\"%2\")");
inline const QString kKhoChoDaGhi =
    QStringLiteral("tệp này đã được ghi vào dữ liệu từ trước; không ghi lại lần nữa");
inline const QString kKhoHong = QStringLiteral("tệp bị hỏng");
inline const QString kKhoChuongTrinhKhac = QStringLiteral("là tệp dữ liệu của một chương trình khác");
inline const QString kKhoLuocDoMoiHon =
    QStringLiteral("do một phiên bản mới hơn của chương trình tạo ra (lược đồ %1); hãy dùng phiên bản đó");
inline const QString kKhoChuaNangCap = QStringLiteral("chưa được nâng cấp");
inline const QString kKhoKhongDoiTen = QStringLiteral("; không đổi tên được tệp");
inline const QString kKhoKhongPhaiTepThuong = QStringLiteral("không phải tệp thường");
inline const QString kKhoKhongDocTep = QStringLiteral("không đọc được tệp: %1");
inline const QString kKhoKhongPhaiKho = QStringLiteral("không phải tệp dữ liệu của chương trình");
inline const QString kKhoKhongChep = QStringLiteral("không đọc được tệp (không chép được để đọc)");
inline const QString kKhoThuMucKhongGhi = QStringLiteral("thư mục %1 không cho ghi");
inline const QString kKhoDiaChiDoc = QStringLiteral("ổ đĩa chứa tệp chỉ cho đọc");
inline const QString kKhoTepChiDoc = QStringLiteral("tệp %1 chỉ cho đọc: bạn không có quyền ghi vào tệp đó");
inline const QString kKhoBiGiu = QStringLiteral("một cửa sổ khác của chương trình giữ tệp quá lâu");
inline const QString kKhoKhongMo =
    QStringLiteral("không mở được tệp (thư mục không cho ghi, hoặc không có quyền)");
inline const QString kKhoLoiKhongRo = QStringLiteral("lỗi không rõ");

// The 300-question bank's files, and the sample made when its pictures are missing
inline const QString kCoDienChuong1 = QStringLiteral("Lý thuyết (câu 1–150)");
inline const QString kCoDienChuong2 = QStringLiteral("Biển báo (câu 151–250)");
inline const QString kCoDienChuong3 = QStringLiteral("Sa bàn (câu 251–300)");
inline const QString kMauAnh = QStringLiteral("ẢNH MẪU — KHÔNG PHẢI CÂU HỎI THI THẬT");
inline const QString kMauCauHoi = QStringLiteral("Câu hỏi số %1");
inline const QString kMauPhuongAn = QStringLiteral("%1. Phương án %1 của câu %2");
inline const QString kCoDienKhongGhi = QStringLiteral("không ghi được %1: %2");
inline const QString kCoDienKhongDoc = QStringLiteral("không đọc được %1: %2");
inline const QString kCoDienDiaDay = QStringLiteral("ổ đĩa đã đầy hoặc hết tài nguyên");
inline const QString kCoDienKhongQuyenGhi = QStringLiteral("không có quyền ghi");
inline const QString kCoDienKhongMoGhi = QStringLiteral("không mở được tệp để ghi (%1)");
inline const QString kCoDienLoiGhi = QStringLiteral("lỗi khi ghi (%1)");
inline const QString kCoDienKhongTaoThuMuc = QStringLiteral("không tạo được thư mục %1");
inline const QString kCoDienKhongTaoThuMucHome =
    QStringLiteral("không tạo được thư mục %1 (kiểm tra biến HOME và quyền ghi)");
inline const QString kCoDienKhongTao = QStringLiteral("không tạo được %1: %2");

// Small words in windows
inline const QString kDlConLoi = QStringLiteral("… (%1 lỗi)");
inline const QString kDuoiMot = QStringLiteral("dưới 1");
inline const QString kTrenChinChin = QStringLiteral("trên 99");
inline const QString kLoiKhiDoc = QStringLiteral("lỗi khi đọc: ");

// The command line. A message with both languages says the Vietnamese first.
inline const QString kCliTroGiup =
    QStringLiteral("Usage: thilaixe [--data DIR] [--bank FILE [--class C]]\n"
                   "Học và thi thử lý thuyết lái xe (hạng B1, B2, C, D, E).\n"
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
                   "  --export [--bank ID|FILE]\n"
                   "                 Print every kept attempt and practice box of the working\n"
                   "                 folder's thilaixe.sqlite (of one bank when given), as JSON.\n"
                   "  --import FILE  Write changes the program could not write when it ended\n"
                   "                 (saved to FILE then) into the working folder's store.\n"
                   "\n"
                   "Without --data the working folder is $THILAIXE_DATA, else the current folder\n"
                   "when it holds 001.jpg, else ~/.local/share/thilaixe (filled with the sample\n"
                   "bank on first start).\n");
inline const QString kCliThuMucCanTen = QStringLiteral("--data needs a folder");
inline const QString kCliThuMucTenTrong = QStringLiteral("--data needs a folder (an empty name was given)");
inline const QString kCliCanGiaTri = QStringLiteral("%1 needs a value");
inline const QString kCliThamSoLa =
    QStringLiteral("tham số không rõ / unknown argument '%1' (see thilaixe --help)");
inline const QString kCliXuatKhongHang =
    QStringLiteral("--export không nhận --class / --export takes no --class");
inline const QString kCliHangCanNganHang = QStringLiteral("--class cần --bank / --class needs --bank FILE");
inline const QString kCliHatChiRutDe =
    QStringLiteral("--seed chỉ dùng với --draw-paper / --seed goes with --draw-paper");
inline const QString kCliQuyTacChiKiem = QStringLiteral(
    "--rules chỉ dùng với --check-bank hoặc --draw-paper / --rules goes with --check-bank or --draw-paper");
inline const QString kCliKhongPhaiThuMuc = QStringLiteral("not a folder");
inline const QString kCliTenKhongUtf8 =
    QStringLiteral("thilaixe: %1: tên tệp không phải chữ UTF-8, hãy đổi tên tệp / the file's own name is not "
                   "UTF-8: rename it");
inline const QString kCliRutDeCan = QStringLiteral("thilaixe: --draw-paper cần --bank TỆP và --class HẠNG / "
                                                   "--draw-paper needs --bank FILE and --class CLASS");
inline const QString kCliTepKhongDoc =
    QStringLiteral("thilaixe: %1 %2: %3 / not a regular file that can be read");
inline const QString kCliQuyTacNgoaiHieuLuc =
    QStringLiteral("thilaixe: bộ quy tắc %1 không có hiệu lực hôm nay (%2); vẫn dùng vì được chỉ định / rule "
                   "set %1 is not in force today; used as given");
inline const QString kCliKhongCoQuyTac =
    QStringLiteral("thilaixe: %1\nthilaixe: no rule set is in force today (%2)");
inline const QString kCliLoi = QStringLiteral("LỖI %1");
inline const QString kCliSoLoi = QStringLiteral("%1 lỗi / %1 faults");
inline const QString kCliHatGiong =
    QStringLiteral("thilaixe: --seed phải là số nguyên không âm / --seed takes a whole number");
inline const QString kCliKhongRutDuoc =
    QStringLiteral("thilaixe: %1 / the bank cannot give this class's paper");
inline const QString kCliKhongCoHang = QStringLiteral(
    "thilaixe: hạng %1 không có trong bộ quy tắc %2 (có: %3) / class %1 is not in rule set %2");
inline const QString kCliNganHang = QStringLiteral("Ngân hàng: %1 (%2, phiên bản %3)");
inline const QString kCliNguon = QStringLiteral("Nguồn: %1");
inline const QString kCliTongSo = QStringLiteral("%1 câu, %2 câu điểm liệt, %3 ảnh");
inline const QString kCliChuong = QStringLiteral("  Chương %1 (câu %2–%3): %4 câu, %5 điểm liệt — %6");
inline const QString kCliBoQuyTac = QStringLiteral("Bộ quy tắc: %1 (từ %2%3) — %4");
inline const QString kCliDenNgay = QStringLiteral(" đến %1");
inline const QString kCliKhongRutHang = QStringLiteral("  Không rút được đề hạng %1: %2");
inline const QString kCliRutDuoc = QStringLiteral("Rút được đề các hạng: %1");
inline const QString kCliKhoKhongDoc =
    QStringLiteral("thilaixe: %1\nthilaixe: the store cannot be read; nothing is exported");
inline const QString kCliWalHong = QStringLiteral(
    "thilaixe: %1\nthilaixe: the store's -wal is damaged: what follows may lack recent changes");
inline const QString kCliXuatKhongCo =
    QStringLiteral("thilaixe: --export --bank %1: không có bài thi hay câu ôn nào của ngân hàng này trong %2 "
                   "/ nothing kept for that bank id");
inline const QString kCliNhapKhongDoc = QStringLiteral("thilaixe: --import %1: %2 / cannot be read");
inline const QString kCliKhoKhongGhi =
    QStringLiteral("thilaixe: %1\nthilaixe: the store cannot be written; nothing is imported");
inline const QString kCliKhongNhap = QStringLiteral("thilaixe: --import %1: %2 / not imported");
inline const QString kCliDaNhap = QStringLiteral("Đã ghi %1 thay đổi vào %2 / %1 changes written");

}  // namespace thilaixe::txt
