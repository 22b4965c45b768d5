#pragma once

#include "app/App.h"
#include "app/Seams.h"
#include "bank/NgauNhien.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTemporaryDir>

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

    void endProgram() override { ++ended; }
    void showMessage(const QString& title, const QString& text, std::function<void()> onClosed) override
    {
        messages.push_back({title, text, std::move(onClosed)});
    }
    QDateTime now() override { return clock; }
    NguonNgauNhien& random() override { return rng; }

    // Presses OK on the newest message.
    void closeMessage();

    int ended = 0;
    QList<Message> messages;
    QDateTime clock{QDate(2007, 5, 12), QTime(10, 35, 20)};
    NguonCoDinh rng{20071205};
};

// A scratch working folder: the process works in it while the object lives.
class WorkDir final {
public:
    WorkDir();
    ~WorkDir();
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Small valid pictures for the given questions (all 300 by default).
    void makePictures(int from = 1, int to = 300) const;
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QString m_old;
};

// The three lines of a history record as the program writes them.
QByteArray recordBytes(const SharedState& s);

// A plain finished exam: question 10*s in slot s, every answer 1, class B2.
SharedState sampleExam();

// The program as the widget tests drive it: a scratch folder with all 300
// pictures and an empty history, recording seams, and the application
// object with the answer key loaded.
struct Program {
    Program();
    WorkDir dir;
    FakeSeams seams;
    App app{seams};
};

} // namespace thilaixe::test
