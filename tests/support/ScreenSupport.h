#pragma once

#include "TestSupport.h"

#include "rules/bank/NgauNhien.h"

#include "screens/app/App.h"
#include "screens/common/Seams.h"

#include <QDateTime>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

namespace thilaixe::test {

// Seams that record instead of acting: the program "ends" by counting, a
// message waits in a list until the test closes it.
class FakeSeams final : public Seams {
public:
    struct Message {
        QString title;
        QString text;
        std::function<void()> onClosed;
    };

    void thoat() override { ++ended; }
    void hienThongBao(const QString& title, const QString& text, std::function<void()> onClosed) override
    {
        messages.push_back({title, text, std::move(onClosed)});
    }
    void hoiChon(const QString& title, const QString& text, const QStringList& buttons,
                 std::function<void(int)> onChosen) override
    {
        questions.push_back({title, text, buttons, std::move(onChosen)});
    }
    void chonTepLuu(const QString&, const QString& proposed, std::function<void(QString)> onChosen) override
    {
        fileAsks.push_back({proposed, std::move(onChosen)});
    }
    QDateTime bayGio() override { return clock; }
    NguonNgauNhien& ngauNhien() override { return rng; }

    // Presses OK on the newest message.
    void closeMessage();
    // Answers the newest question with the button `index`.
    void answer(int index);

    struct Question {
        QString title;
        QString text;
        QStringList buttons;
        std::function<void(int)> onChosen;
    };
    struct FileAsk {
        QString proposed;
        std::function<void(QString)> onChosen;
    };
    QList<Question> questions;
    QList<FileAsk> fileAsks;

    int ended = 0;
    QList<Message> messages;
    QDateTime clock{QDate(2007, 5, 12), QTime(10, 35, 20)};
    NguonCoDinh rng{20071205};
};

// The program as the widget tests drive it: a scratch working folder with
// all 300 pictures and an empty history, recording seams, and the
// application object with the answer key loaded. The pictures are made once
// per test program and linked into each folder.
struct Program {
    Program();
    WorkDir dir;
    FakeSeams seams;
    App app{seams, dir.path()};
    MoiTruong& mt() { return app.moiTruong(); }
    SharedState& state() { return app.trangThai(); }
};

}  // namespace thilaixe::test

namespace thilaixe::test {

// What is wrong with the layout of a window as shown: visible siblings
// that overlap (except the pairs in `allowed`, "name|name" with * and ?
// wildcards; boxes that share only a pixel or two where they meet are
// twips rounding and pass), widgets that
// stick out of their parent, and captions that do not fit their box in the
// font they are shown in. One line per fault; empty when the window is clean.
QStringList layoutFaults(QWidget* window, const QStringList& allowed = {});

// How much of `caption` some stretch of `text` is like: 1 minus the edit
// distance over the caption's length, at the best place in the text.
double bestLikeness(const QString& caption, const QString& text);

// Where a widget's text is drawn, inside its frame or field (in `window`'s
// coordinates).
QRect textArea(QWidget* w, QWidget* window);

// Each text of a window shown against what is behind it, read from its
// pixels: 4.5:1 at least, 3:1 for large text. One line per fault.
QStringList contrastFaults(QWidget* window);

// The controls, pictures and charts of a window shown that a screen reader
// could not name: "objectName (class)" each.
QStringList unnamedControls(QWidget* w);

}  // namespace thilaixe::test
