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
inline const QString kTieuDeTepOnTap = QStringLiteral("Tệp ôn tập");
inline const QString kTieuDeLichSu = QStringLiteral("Tệp lịch sử thi");
inline const QString kKhongDocDuocLichSu =
    QStringLiteral("Không đọc được tệp lịch sử thi %1: %2.\n\n"
                   "Chương trình không thay đổi gì trong tệp đó. Hãy kiểm tra rằng đó là một tệp thường "
                   "(không phải liên kết hay thư mục) mà bạn có quyền đọc, rồi mở lại cửa sổ này.");
inline const QString kLichSuKhongDoc =
    QStringLiteral("Không đọc được tệp lịch sử thi, nên chưa tính được. Các câu đã ôn vẫn được giữ.");
inline const QString kTepOnTapHong = QStringLiteral("Tệp ôn tập %1 bị hỏng hoặc không đọc được, nên việc ôn "
                                                    "bắt đầu lại từ đầu. Các bài thi đã lưu không bị ảnh "
                                                    "hưởng.");
inline const QString kKhongGhiDuocOnTap =
    QStringLiteral("Không ghi được tệp ôn tập %1: %2.\n\nBạn vẫn ôn tiếp được: những gì đã ôn được giữ "
                   "trong chương trình và sẽ được ghi vào tệp ở lần ghi được sau. Hãy kiểm tra rằng ổ đĩa "
                   "còn chỗ trống và thư mục cho phép ghi.");
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
inline const QString kDlKhongCoQuyTac =
    QStringLiteral("Không có bộ quy tắc ra đề nào có hiệu lực hôm nay (%1).");
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
inline const QString kDlMoKhac = QStringLiteral("Mở ngân hàng &khác…");
inline const QString kDlChonTepNganHang = QStringLiteral("Chọn tệp ngân hàng câu hỏi");

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

}  // namespace thilaixe::txt
