#pragma once

#include <QLabel>

#include <cstdint>
#include <optional>

namespace thilaixe {

// The box a question's picture stands in (exam sheet, study form, reviews):
// the picture stretched to the box, shown as it is even when its form is
// disabled (a finished exam sheet keeps its last picture in colour; a
// disabled label would grey a copy of it at every repaint).
class KhungAnh final : public QLabel {
public:
    KhungAnh(QWidget* parent, const QRect& r);

protected:
    void paintEvent(QPaintEvent* e) override;
};

class MoiTruong;
enum class NoiBaoLoi;

// The rule every screen that must have its picture follows (exam sheet,
// study form): a missing file shows the missing-file message and ends the
// program, and the caller's remaining steps do not run (false). A file that
// does not decode shows no picture at all, never another question's: the
// box says the picture is damaged, and the caller goes on (true) so the
// options and captions are those of the question asked for.
bool hienAnhCauHoi(MoiTruong& mt, QLabel* img, std::int16_t cauHoi, NoiBaoLoi noi);

// The reviews go on without a picture: no question, or a picture that does
// not load, empties the box.
void hienAnhHoacTrong(const MoiTruong& mt, QLabel* img, std::optional<std::int16_t> cauHoi);

}  // namespace thilaixe
